// report-tool tree: the component tree of a template, one component a line.

#include "Commands.h"
#include "TemplateFile.h"

#include "model/ModelText.h"
#include "model/PropertyRegistry.h"
#include "platform/Console.h"

namespace orv::tool {
namespace {

constexpr const char* kTreeHelp =
    "Usage: report-tool tree FILE\n"
    "\n"
    "Loads the report template in FILE, plain XML or compressed, and prints\n"
    "its component tree, one component a line, indented by two blanks a\n"
    "level: name, class, then left, top, width and height in pixels.\n"
    "Errors of the load go to standard error, and the exit code is then 1.\n";

constexpr const char* kUnnamed = "(unnamed)";

// The report itself has no name and no place: its line is its class.
std::string ComponentLine(const TfrxComponent& c, int depth) {
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    if (depth == 0) return line + c.ClassInfo().Name();
    line += (c.Name().empty() ? kUnnamed : c.Name()) + " " + c.ClassInfo().Name();
    line += " (" + FloatToText(c.Left()) + ", " + FloatToText(c.Top()) + ", " + FloatToText(c.Width()) + " x " +
            FloatToText(c.Height()) + ")";
    return line;
}

void WriteTree(const TfrxComponent& c, int depth) {
    WriteStdout(TerminalLine(ComponentLine(c, depth)));
    for (const TfrxComponent* child : c.Objects()) WriteTree(*child, depth + 1);
}

} // namespace

int RunTree(const Arguments& args) {
    if (WantsHelp(args)) {
        WriteStdout(kTreeHelp);
        return kExitOk;
    }
    std::string file;
    const std::string fault = OneFileArgument("tree", args, file);
    if (!fault.empty()) return UsageError(fault);

    TemplateFile report;
    const std::vector<std::string> errors = report.Load(file);
    for (const std::string& e : errors) WriteStderr(file + ": " + e + "\n");
    WriteTree(report.Report(), 0);
    return errors.empty() ? kExitOk : kExitFailed;
}

} // namespace orv::tool
