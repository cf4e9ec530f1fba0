// A language's grammar, read from its XML document once and kept in a form
// the parser walks quickly: lexical settings, keywords, error messages, and
// the rules as a pool of items that refer to each other by index.
#pragma once

#include "script/SourceReader.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace orv {

class TfrxXMLDocument;
class TfrxXMLItem;

enum class ItemKind {
    Char,
    Keyword,
    Ident,
    Number,
    String,
    FrString,
    Eol,
    Sequence,
    Switch,
    OptionalSwitch,
    Optional,
    Loop,
    OptionalLoop,
    Rule,  // a reference to the rule `rule`
};

// One element of a rule body with its attributes.
struct GrammarItem {
    ItemKind kind = ItemKind::Sequence;
    std::string text;     // the expected word of a keyword
    char ch = 0;          // the expected character of a char; a loop's separator; 0 = none
    std::string node;     // element put around everything the item produces
    std::string add;      // element added on success
    std::string addText;  // its text, when hasAddText (else the matched token)
    bool hasAddText = false;
    int error = -1;            // index of the message recorded on failure
    bool noSkip = false;       // skip="0": no blanks before this char
    bool forgetLast = false;   // skip="1": a loop forgets errors of its last repetition
    bool term = false;         // term="1": this item's error ends a loop quietly
    int rule = -1;             // ItemKind::Rule: the item index of the rule's body
    std::vector<int> children;
};

class Grammar {
public:
    // Reads a grammar document; fails with an orv::Exception naming the fault.
    static std::shared_ptr<const Grammar> Compile(std::string_view language, std::string_view text);
    ~Grammar();

    const std::string& Language() const { return FLanguage; }
    const LexicalSettings& Settings() const { return FSettings; }
    bool IsKeyword(std::string_view word) const;
    // True when `word` is the word a keyword item with this text expects.
    bool KeywordMatches(std::string_view word, std::string_view text) const;
    const std::string& Message(int index) const { return FMessages[static_cast<std::size_t>(index)]; }
    const GrammarItem& Item(int index) const { return FItems[static_cast<std::size_t>(index)]; }
    // The body item of a rule, or -1.
    int FindRule(std::string_view name) const;
    // The grammar's <types> element, copied into every syntax tree.
    const TfrxXMLItem& Types() const;

private:
    Grammar() = default;
    class Builder;

    std::string FLanguage;
    LexicalSettings FSettings;
    std::unordered_set<std::string> FKeywords;  // lower case unless case-sensitive
    std::size_t FLongestKeyword = 0;
    std::vector<std::string> FMessages;
    std::vector<GrammarItem> FItems;
    std::unordered_map<std::string, int> FRules;  // lower-case name -> body item
    std::unique_ptr<TfrxXMLDocument> FDocument;    // holds <types>
    const TfrxXMLItem* FTypes = nullptr;
};

} // namespace orv
