// The subcommands of report-tool: each takes the arguments after its name
// and gives the process's exit code.
#pragma once

#include <initializer_list>
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
int RunCheck(const Arguments& args);
int RunTree(const Arguments& args);
int RunSave(const Arguments& args);
int RunCalc(const Arguments& args);

// Writes "report-tool: TEXT" as one line on standard error and gives kExitUsage.
int UsageError(const std::string& text);
// True when the arguments ask for help (-h or --help anywhere).
bool WantsHelp(const Arguments& args);

// One "--name VALUE" option of a command and where its value goes.
struct Option {
    const char* name;
    std::string* value;
};
// Reads a command's options and its one positional argument, called `what`
// in messages (TEXT, EXPRESSION). Empty when the arguments are fine, else
// what is wrong with them, beginning with the command's name.
std::string ReadArguments(const Arguments& args, const std::string& command, std::initializer_list<Option> options,
                          const std::string& what, std::string& positional);

} // namespace orv::tool
