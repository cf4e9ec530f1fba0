#include "platform/WholeFile.h"

#include "platform/Exception.h"
#include "platform/FileErrors.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string_view>

namespace orv {
namespace {

constexpr std::string_view kPartialSuffix = ".partial";

} // namespace

void WriteFileWhole(const std::string& fileName, const std::function<void(std::ostream&)>& write) {
    const std::string partial = fileName + std::string(kPartialSuffix);
    try {
        {
            std::ofstream file(partial, std::ios::binary | std::ios::trunc);
            if (!file.is_open()) throw Exception(FileCreateErrorText(partial, errno));
            write(file);
            file.close();
            if (!file) throw Exception(FileWriteErrorText(partial, errno));
        }
        if (std::rename(partial.c_str(), fileName.c_str()) != 0) throw Exception(FileCreateErrorText(fileName, errno));
    } catch (...) {
        std::remove(partial.c_str());
        throw;
    }
}

} // namespace orv
