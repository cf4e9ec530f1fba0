// report-tool check: loads a template and says whether it loaded cleanly.

#include "Commands.h"
#include "TemplateFile.h"

#include "platform/Console.h"

namespace orv::tool {
namespace {

constexpr const char* kCheckHelp =
    "Usage: report-tool check FILE\n"
    "\n"
    "Loads the report template in FILE, plain XML or compressed, and prints\n"
    "the errors the load collected, one a line, or 'ok' when there were none.\n"
    "Exits with 0 when the template loaded cleanly and 1 otherwise.\n";

} // namespace

int RunCheck(const Arguments& args) {
    if (WantsHelp(args)) {
        WriteStdout(kCheckHelp);
        return kExitOk;
    }
    std::string file;
    const std::string fault = OneFileArgument("check", args, file);
    if (!fault.empty()) return UsageError(fault);

    TemplateFile report;
    const std::vector<std::string> errors = report.Load(file);
    if (errors.empty()) {
        WriteStdout("ok\n");
        return kExitOk;
    }
    for (const std::string& e : errors) WriteStdout(TerminalLine(e));
    return kExitFailed;
}

} // namespace orv::tool
