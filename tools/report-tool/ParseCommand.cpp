// report-tool parse: the syntax tree of an expression or script as XML, or
// its first syntax error with the place.

#include "Commands.h"

#include "model/XmlDocument.h"
#include "platform/Console.h"
#include "script/ScriptLanguages.h"

#include <iostream>
#include <iterator>
#include <sstream>

namespace orv::tool {
namespace {

constexpr const char* kParseHelp =
    "Usage: report-tool parse [--language NAME] [--rule NAME] TEXT\n"
    "       report-tool parse [--language NAME] [--rule NAME] -\n"
    "\n"
    "Parses TEXT, or standard input when TEXT is '-', and prints its syntax\n"
    "tree as XML. On a syntax error prints LINE:COLUMN and the message on\n"
    "standard error and exits with 1.\n"
    "\n"
    "  --language NAME  PascalScript (default), C++Script, BasicScript or JScript;\n"
    "                   a first line '#language NAME' in the text overrides it\n"
    "  --rule NAME      the grammar rule to start from (default: program), for\n"
    "                   example 'expression' to parse a bare expression\n";

struct ParseOptions {
    std::string language = kDefaultScriptLanguage;
    std::string rule = "program";
    std::string text;
    bool haveText = false;
};

// Empty when the arguments are fine, else what is wrong with them.
std::string ReadOptions(const Arguments& args, ParseOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--language" || a == "--rule") {
            if (i + 1 >= args.size()) return "parse: " + a + " needs a value";
            (a == "--language" ? options.language : options.rule) = args[++i];
        } else if (options.haveText) {
            return "parse: more than one TEXT given";
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return "parse: unknown option '" + a + "'";
        } else {
            options.text = a;
            options.haveText = true;
        }
    }
    return options.haveText ? "" : "parse: no TEXT given; 'report-tool parse --help' describes the command";
}

std::string TreeAsXml(TfrxXMLDocument& tree) {
    std::ostringstream out;
    tree.SetIndentOutput(true);
    tree.WriteToStream(out);
    // The document's own line ends are CR LF; a terminal wants LF.
    std::string text;
    for (char c : out.str())
        if (c != '\r') text += c;
    return text;
}

} // namespace

int RunParse(const Arguments& args) {
    if (WantsHelp(args)) {
        WriteStdout(kParseHelp);
        return kExitOk;
    }
    ParseOptions options;
    std::string fault = ReadOptions(args, options);
    if (!fault.empty()) return UsageError(fault);
    if (options.text == "-") options.text.assign(std::istreambuf_iterator<char>(std::cin), {});

    ParseResult result = ParseScript(options.text, options.language, options.rule);
    if (!result.Ok()) {
        std::string place = result.error.pos.line > 0 ? FormatPos(result.error.pos) + ": " : "";
        WriteStderr(place + result.error.message + "\n");
        return kExitFailed;
    }
    WriteStdout(TreeAsXml(*result.tree));
    return kExitOk;
}

} // namespace orv::tool
