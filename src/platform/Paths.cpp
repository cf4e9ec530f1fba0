#include "platform/Paths.h"

#include "platform/Exception.h"

#include <filesystem>
#include <system_error>

namespace orv {

std::string ExecutablePath() {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) throw Exception("Cannot find the executable's path: " + ec.message());
    return p.string();
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
    std::size_t slash = fileName.rfind(PathDelim);
    std::size_t dot = fileName.rfind('.');
    std::size_t stem = (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
                           ? fileName.size()
                           : dot;
    return std::string(fileName.substr(0, stem)) + std::string(extension);
}

std::string ExtractFilePath(std::string_view fileName) {
    std::size_t slash = fileName.rfind(PathDelim);
    return slash == std::string_view::npos ? std::string() : std::string(fileName.substr(0, slash + 1));
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != PathDelim) out += PathDelim;
    return out;
}

bool FileExists(const std::string& fileName) {
    std::error_code ec;
    return std::filesystem::is_regular_file(fileName, ec);
}

bool DirectoryExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return !ec && DirectoryExists(path);
}

} // namespace orv
