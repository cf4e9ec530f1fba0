#include "platform/FileErrors.h"

#include <cstring>

namespace orv {
namespace {

constexpr const char* kCannotOpen = "Cannot open file \"";
constexpr const char* kCannotCreate = "Cannot create file \"";
constexpr const char* kCannotWrite = "Cannot write file \"";

std::string Compose(const char* what, const std::string& fileName, int error) {
    return what + fileName + "\". " + std::strerror(error);
}

} // namespace

std::string FileOpenErrorText(const std::string& fileName, int error) { return Compose(kCannotOpen, fileName, error); }

std::string FileCreateErrorText(const std::string& fileName, int error) {
    return Compose(kCannotCreate, fileName, error);
}

std::string FileWriteErrorText(const std::string& fileName, int error) { return Compose(kCannotWrite, fileName, error); }

} // namespace orv
