// report-tool: command-line access to the report library, one subcommand per job.

#include "Commands.h"

#include "platform/Console.h"

#include <exception>
#include <string>

namespace orv::tool {
namespace {

const Command kCommands[] = {
    {"parse", "parse an expression or script and print its syntax tree", RunParse},
    {"check", "load a template and print the errors found, or 'ok'", RunCheck},
    {"tree", "print the component tree of a template", RunTree},
    {"save", "load a template and save it again, plain or compressed", RunSave},
    {"calc", "evaluate an expression in an empty report and print its value", RunCalc},
};

std::string ToolHelp() {
    std::string text = "Usage: report-tool COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const Command& c : kCommands) {
        std::string name = c.name;
        text += "  " + name + std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') + c.summary + "\n";
    }
    text += "\n'report-tool COMMAND --help' describes a command.\n";
    return text;
}

} // namespace

int UsageError(const std::string& text) {
    WriteStderr("report-tool: " + text + "\n");
    return kExitUsage;
}

bool WantsHelp(const Arguments& args) {
    for (const std::string& a : args)
        if (a == "-h" || a == "--help") return true;
    return false;
}

std::string ReadArguments(const Arguments& args, const std::string& command, std::initializer_list<Option> options,
                          const std::string& what, std::string& positional) {
    bool havePositional = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const Option* option = nullptr;
        for (const Option& o : options)
            if (a == o.name) option = &o;
        if (option) {
            if (i + 1 >= args.size()) return command + ": " + a + " needs a value";
            *option->value = args[++i];
        } else if (havePositional) {
            return command + ": more than one " + what + " given";
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return command + ": unknown option '" + a + "'";
        } else {
            positional = a;
            havePositional = true;
        }
    }
    if (havePositional) return "";
    return command + ": no " + what + " given; 'report-tool " + command + " --help' describes the command";
}

} // namespace orv::tool

int main(int argc, char** argv) {
    using namespace orv::tool;
    Arguments args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    if (args.empty()) return UsageError("no command given; 'report-tool --help' lists them");
    if (args[0] == "-h" || args[0] == "--help") {
        orv::WriteStdout(ToolHelp());
        return kExitOk;
    }
    for (const Command& c : kCommands) {
        if (args[0] != c.name) continue;
        try {
            return c.run(Arguments(args.begin() + 1, args.end()));
        } catch (const std::exception& e) {
            orv::WriteStderr(std::string("report-tool ") + c.name + ": " + e.what() + "\n");
            return kExitFailed;
        }
    }
    return UsageError("unknown command '" + args[0] + "'; 'report-tool --help' lists them");
}
