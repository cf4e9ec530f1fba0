// The texts of the file errors that opening and creating files raise: the
// file's name and the operating system's reason.
#pragma once

#include <string>

namespace orv {

std::string FileOpenErrorText(const std::string& fileName, int error);
std::string FileCreateErrorText(const std::string& fileName, int error);

} // namespace orv
