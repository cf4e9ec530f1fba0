#include "platform/TempFile.h"

#include "platform/Exception.h"
#include "platform/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace orv {
namespace {

constexpr std::string_view kUniqueSuffix = "XXXXXX";

std::string CreateError(const std::string& fileName, int error) {
    return "Cannot create file \"" + fileName + "\". " + std::strerror(error);
}

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
    if (fd < 0) throw Exception(CreateError(pattern, errno));
    FFileName = name.data();
    FStream.open(FFileName, std::ios::in | std::ios::out | std::ios::binary);
    const int openError = errno;
    ::close(fd);
    if (!FStream.is_open()) {
        std::remove(FFileName.c_str());
        throw Exception(CreateError(FFileName, openError));
    }
}

TempFile::~TempFile() {
    FStream.close();
    std::remove(FFileName.c_str());
}

} // namespace orv
