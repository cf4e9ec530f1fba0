// report-tool save: loads a template and writes it again, plain or compressed.

#include "Commands.h"
#include "TemplateFile.h"

#include "platform/Console.h"

namespace orv::tool {
namespace {

constexpr const char* kSaveHelp =
    "Usage: report-tool save IN OUT [--compress]\n"
    "\n"
    "Loads the report template in IN, plain XML or compressed, and writes it\n"
    "to OUT as plain XML, or with --compress in the compressed container.\n"
    "When the load finds errors they go to standard error, OUT is not\n"
    "written and the exit code is 1. OUT is written whole or not at all.\n";

constexpr const char* kCompress = "--compress";

} // namespace

int RunSave(const Arguments& args) {
    if (WantsHelp(args)) {
        WriteStdout(kSaveHelp);
        return kExitOk;
    }
    std::vector<std::string> files, switches;
    std::string fault = SplitArguments("save", args, {kCompress}, files, switches);
    if (fault.empty() && files.size() != 2)
        fault = files.size() < 2 ? "save: IN and OUT are both needed; 'report-tool save --help' describes the command"
                                 : "save: more than two files given";
    if (!fault.empty()) return UsageError(fault);

    TemplateFile file;
    const std::vector<std::string> errors = file.Load(files[0]);
    if (!errors.empty()) {
        for (const std::string& e : errors) WriteStderr(files[0] + ": " + e + "\n");
        WriteStderr("report-tool save: " + files[1] + " not written\n");
        return kExitFailed;
    }
    TfrxReport& report = file.Report();
    // The tool's own way of hearing about errors is no part of the template.
    report.EngineOptions.NewSilentMode = TfrxEngineOptions().NewSilentMode;
    report.ReportOptions.Compressed = !switches.empty();
    report.SaveTemplateToFile(files[1]);
    return kExitOk;
}

} // namespace orv::tool
