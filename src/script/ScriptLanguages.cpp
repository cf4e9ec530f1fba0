#include "script/ScriptLanguages.h"

#include "platform/Text.h"
#include "platform/StringFormat.h"
#include "script/ScriptMessages.h"
#include "script/grammars/BuiltinGrammars.h"

namespace orv {
namespace {

struct BuiltinLanguage {
    const char* name;
    std::string (*grammar)();
};

const BuiltinLanguage kBuiltinLanguages[] = {
    {"PascalScript", grammars::PascalScript},
    {"C++Script", grammars::CppScript},
    {"BasicScript", grammars::BasicScript},
    {"JScript", grammars::JScript},
};

constexpr std::string_view kLanguageDirective = "#language";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The language a "#language NAME" first line names, and where the second line
// begins; an empty name when the first line is no such directive.
std::string_view ReadDirective(std::string_view source, std::size_t& bodyStart) {
    std::size_t lineEnd = source.find_first_of("\r\n");
    std::string_view line = source.substr(0, lineEnd);
    std::size_t p = 0;
    while (p < line.size() && IsBlank(line[p])) ++p;
    if (line.size() - p <= kLanguageDirective.size() || !SameText(line.substr(p, kLanguageDirective.size()), kLanguageDirective))
        return {};
    p += kLanguageDirective.size();
    if (!IsBlank(line[p])) return {};
    while (p < line.size() && IsBlank(line[p])) ++p;
    std::size_t end = line.size();
    while (end > p && IsBlank(line[end - 1])) --end;
    if (end == p) return {};
    bodyStart = lineEnd == std::string_view::npos ? source.size()
                : lineEnd + ((source.compare(lineEnd, 2, "\r\n") == 0) ? 2 : 1);
    return line.substr(p, end - p);
}

} // namespace

ScriptLanguages& ScriptLanguages::Instance() {
    static ScriptLanguages languages;
    return languages;
}

ScriptLanguages::ScriptLanguages() {
    for (const BuiltinLanguage& b : kBuiltinLanguages) Register(b.name, b.grammar());
}

void ScriptLanguages::Register(std::string_view name, std::string_view grammarText) {
    std::lock_guard<std::mutex> hold(FLock);
    FEntries[LowerCase(name)] = Entry{std::string(name), std::string(grammarText), nullptr};
}

std::shared_ptr<const Grammar> ScriptLanguages::Find(std::string_view name) {
    std::lock_guard<std::mutex> hold(FLock);
    auto found = FEntries.find(LowerCase(name));
    if (found == FEntries.end()) return nullptr;
    Entry& entry = found->second;
    if (!entry.compiled) entry.compiled = Grammar::Compile(entry.name, entry.text);
    return entry.compiled;
}

std::vector<std::string> ScriptLanguages::Names() const {
    std::lock_guard<std::mutex> hold(FLock);
    std::vector<std::string> names;
    for (const auto& [key, entry] : FEntries) names.push_back(entry.name);
    return names;
}

ParseResult ParseScript(std::string_view source, std::string_view language, std::string_view startRule) {
    std::size_t start = 0;
    std::string_view named = ReadDirective(source, start);
    if (!named.empty()) language = named;
    std::shared_ptr<const Grammar> grammar = ScriptLanguages::Instance().Find(language);
    if (!grammar) {
        ParseResult result;
        result.error.message = Format(scriptmsg::LanguageNotFound, {language});
        return result;
    }
    return GrammarParser(grammar).Parse(source, start, startRule);
}

} // namespace orv
