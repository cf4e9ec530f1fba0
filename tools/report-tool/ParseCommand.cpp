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
    std::string language = kDefaultScriptLanguage, rule = "program", text;
    std::string fault = ReadArguments(args, "parse", {{"--language", &language}, {"--rule", &rule}}, "TEXT", text);
    if (!fault.empty()) return UsageError(fault);
    if (text == "-") text.assign(std::istreambuf_iterator<char>(std::cin), {});

    ParseResult result = ParseScript(text, language, rule);
    if (!result.Ok()) {
        std::string place = result.error.pos.line > 0 ? FormatPos(result.error.pos) + ": " : "";
        WriteStderr(place + result.error.message + "\n");
        return kExitFailed;
    }
    WriteStdout(TreeAsXml(*result.tree));
    return kExitOk;
}

} // namespace orv::tool
