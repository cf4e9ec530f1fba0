#include "platform/TempFile.h"

#include "platform/Exception.h"
#include "platform/FileErrors.h"
#include "platform/Paths.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace orv {
namespace {

constexpr std::string_view kUniqueSuffix = "XXXXXX";

} // namespace

std::string TempFolderOr(const std::string& preferred) {
    if (!preferred.empty() && DirectoryExists(preferred)) return IncludeTrailingPathDelimiter(preferred);
    std::error_code ec;
    const std::filesystem::path system = std::filesystem::temp_directory_path(ec);
    return IncludeTrailingPathDelimiter(ec ? std::string("/tmp") : system.string());
}

TempFile::TempFile(const std::string& folder, std::string_view prefix) {
    std::string pattern = IncludeTrailingPathDelimiter(folder) + std::string(prefix) + std::string(kUniqueSuffix);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) throw Exception(FileCreateErrorText(pattern, errno));
    FFileName = name.data();
    FStream.open(FFileName, std::ios::in | std::ios::out | std::ios::binary);
    const int openError = errno;
    ::close(fd);
    if (!FStream.is_open()) {
        std::remove(FFileName.c_str());
        throw Exception(FileCreateErrorText(FFileName, openError));
    }
}

TempFile::~TempFile() {
    FStream.close();
    std::remove(FFileName.c_str());
}

} // namespace orv
