// report-tool calc: evaluates an expression in an empty report (no datasets)
// and prints the value's kind and text on one line.

#include "Commands.h"

#include "model/Report.h"
#include "platform/Console.h"
#include "platform/FormatSettings.h"
#include "platform/Text.h"
#include "script/ExpressionCache.h"
#include "script/ScriptLanguages.h"

#include <memory>

namespace orv::tool {
namespace {

constexpr const char* kCalcHelp =
    "Usage: report-tool calc [--language NAME] [--locale NAME] EXPRESSION\n"
    "\n"
    "Evaluates EXPRESSION as a report would, in an empty report without\n"
    "datasets, and prints one line: the value's kind (Int32, Double, String,\n"
    "Boolean, DateTime, ...), a blank and its text. Line breaks in the text are\n"
    "shown as \\r and \\n. On an error (also a name that nothing resolves)\n"
    "prints the message on standard error and exits with 1.\n"
    "\n"
    "  --language NAME  PascalScript (default), C++Script, BasicScript or JScript\n"
    "  --locale NAME    the number and date conventions (default: es_ES)\n";

std::string OneLine(const std::string& text) {
    std::string r;
    for (char c : text) {
        if (c == '\r') r += "\\r";
        else if (c == '\n') r += "\\n";
        else r += c;
    }
    return r;
}

std::string TextOf(const Value& v) {
    if (v.Kind() == ValueKind::Array) {
        std::string r;
        for (const Value& item : v.AsArray()) r += (&item == v.AsArray().data() ? "" : ", ") + TextOf(item);
        return "[" + r + "]";
    }
    if (v.Kind() == ValueKind::Object) {
        auto* c = dynamic_cast<TComponent*>(v.AsObject());
        return c ? c->Name() : std::string(v.AsObject() ? "(object)" : "nil");
    }
    return VarToStr(v);
}

} // namespace

int RunCalc(const Arguments& args) {
    if (WantsHelp(args)) {
        WriteStdout(kCalcHelp);
        return kExitOk;
    }
    std::string language = kDefaultScriptLanguage, locale = "es_ES", text;
    std::string fault =
        ReadArguments(args, "calc", {{"--language", &language}, {"--locale", &locale}}, "EXPRESSION", text);
    if (!fault.empty()) return UsageError(fault);

    ScopedFormatSettings settings(locale);
    auto report = std::make_unique<TfrxReport>(nullptr);
    report->ScriptLanguage = language;
    try {
        const Value v = report->Calc(Utf16ToCp1252(Utf8ToUtf16(text)));
        // Get of a name nothing resolves gives Null and leaves its message in Errors.
        if (report->Errors().Count() > 0) {
            for (const std::string& line : report->Errors().Lines()) WriteStderr(line + "\n");
            return kExitFailed;
        }
        WriteStdout(std::string(ValueKindName(v.Kind())) + " " + Cp1252ToUtf8(OneLine(TextOf(v))) + "\n");
        return kExitOk;
    } catch (const ECalcError& e) {
        WriteStderr(std::string(e.what()) + "\n");
        return kExitFailed;
    }
}

} // namespace orv::tool
