// The process-wide registry of script languages: each name with its grammar
// text, filled with the four built-in languages on first use. Grammars are
// compiled when first asked for and kept until their name is registered again.
#pragma once

#include "script/GrammarParser.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

inline constexpr const char* kDefaultScriptLanguage = "PascalScript";

class ScriptLanguages {
public:
    static ScriptLanguages& Instance();

    // Adds a language, or replaces the grammar of one with that name (letter
    // case aside). The text is checked when the grammar is first used.
    void Register(std::string_view name, std::string_view grammarText);
    // The compiled grammar, or null for a name that is not registered. A
    // grammar text that does not compile raises orv::Exception.
    std::shared_ptr<const Grammar> Find(std::string_view name);
    std::vector<std::string> Names() const;

private:
    ScriptLanguages();

    struct Entry {
        std::string name;
        std::string text;
        std::shared_ptr<const Grammar> compiled;
    };

    mutable std::mutex FLock;
    std::map<std::string, Entry> FEntries;  // by lower-case name
};

// Parses a script or expression source. A first line "#language NAME" selects
// the language and the text is parsed from the second line on (places still
// count from the first line); otherwise `language` is used. A language that
// is not registered gives "Lenguaje '%s' no encontrado" without a place.
ParseResult ParseScript(std::string_view source, std::string_view language = kDefaultScriptLanguage,
                        std::string_view startRule = "program");

} // namespace orv
