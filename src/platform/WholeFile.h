// Writing a file whole or not at all: the content goes to a partial file
// beside it, which takes the file's place only once everything is written.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace orv {

// Calls Write with a stream on the partial file, then renames it over
// FileName. Whatever fails (creating, writing, renaming, an exception of
// Write) removes the partial file and leaves an existing file unchanged.
void WriteFileWhole(const std::string& fileName, const std::function<void(std::ostream&)>& write);

} // namespace orv
