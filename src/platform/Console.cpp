#include "platform/Console.h"

#include "platform/Text.h"

#include <cstdio>

namespace orv {

void WriteStdout(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void WriteStderr(std::string_view text) {
    std::string utf8 = Cp1252ToUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

void ShowMessageBox(std::string_view text) {
    WriteStderr(std::string(text) + "\n");
}

void ShowMessageBox(std::string_view caption, std::string_view text) {
    ShowMessageBox(std::string(caption) + ": " + std::string(text));
}

std::vector<std::string> CommandLineArguments(int argc, const char* const* argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        if (argv[i] && argv[i][0] != '\0') args.emplace_back(argv[i]);
    return args;
}

} // namespace orv
