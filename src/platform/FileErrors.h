// The texts of the file errors that opening, creating and writing files raise: the
// file's name and the operating system's reason.
#pragma once

#include <string>

namespace orv {

std::string FileOpenErrorText(const std::string& fileName, int error);
std::string FileCreateErrorText(const std::string& fileName, int error);
std::string FileWriteErrorText(const std::string& fileName, int error);

} // namespace orv
