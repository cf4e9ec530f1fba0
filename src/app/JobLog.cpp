// The job log: one line at a time, to standard output until the log file
// is known, then appended to it with its own open and close.
#include "app/DataModule.h"

#include "app/Config.h"
#include "app/JobMessages.h"
#include "platform/Console.h"
#include "platform/Exception.h"
#include "platform/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace orv {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void ThrowFileError(const std::string& fileName, int error) {
    throw Exception("Cannot write file \"" + fileName + "\". " + std::strerror(error));
}

FilePtr OpenOrThrow(const std::string& fileName, const char* mode) {
    FilePtr f(std::fopen(fileName.c_str(), mode));
    if (!f) ThrowFileError(fileName, errno);
    return f;
}

void CloseOrThrow(FilePtr f, const std::string& fileName) {
    if (std::fclose(f.release()) != 0) ThrowFileError(fileName, errno);
}

} // namespace

void TDM1::WriteLog(std::string_view message) {
    if (!LogEnabled) return;
    std::string line(message);
    line += "\r\n";
    if (LogFileName.empty()) {
        WriteStdout(line);
        return;
    }
    // One open-append-close per line, so every line is on disk before the next step.
    FilePtr f = OpenOrThrow(LogFileName, "ab");
    if (std::fwrite(line.data(), 1, line.size(), f.get()) != line.size()) ThrowFileError(LogFileName, errno);
    CloseOrThrow(std::move(f), LogFileName);
}

void TDM1::ResetLog() {
    CloseOrThrow(OpenOrThrow(LogFileName, "wb"), LogFileName);
}

} // namespace orv
