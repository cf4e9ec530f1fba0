// The subcommands of report-tool: each takes the arguments after its name
// and gives the process's exit code.
#pragma once

#include <string>
#include <vector>

namespace orv::tool {

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* summary;  // one line for the tool's own help
    int (*run)(const Arguments& args);
};

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the command ran and found a fault in its input
inline constexpr int kExitUsage = 2;   // the command line was wrong

int RunParse(const Arguments& args);
int RunCalc(const Arguments& args);

// Writes "report-tool: TEXT" as one line on standard error and gives kExitUsage.
int UsageError(const std::string& text);
// True when the arguments ask for help (-h or --help anywhere).
bool WantsHelp(const Arguments& args);

} // namespace orv::tool
