// File system paths: the executable's own path and the path helpers the job
// uses (extension replaced, directory with its trailing delimiter, folders created).
#pragma once

#include <string>
#include <string_view>

namespace orv {

constexpr char PathDelim = '/';

// Full path of the running executable.
std::string ExecutablePath();

// Replaces the extension of the last path element (or adds one when it has none).
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
// The directory part of a path, ending with the delimiter; empty when there is none.
std::string ExtractFilePath(std::string_view fileName);
std::string IncludeTrailingPathDelimiter(std::string_view path);

bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& path);
// Creates the directory and its missing parents; false when that fails.
bool ForceDirectories(const std::string& path);

} // namespace orv
