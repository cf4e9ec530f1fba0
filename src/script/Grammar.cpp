#include "script/Grammar.h"

#include "model/XmlDocument.h"
#include "platform/Exception.h"
#include "platform/Text.h"
#include "platform/StringFormat.h"
#include "script/ScriptMessages.h"

#include <functional>
#include <sstream>

namespace orv {
namespace {

struct ItemName {
    const char* name;
    ItemKind kind;
};

constexpr ItemName kItemNames[] = {
    {"char", ItemKind::Char},
    {"keyword", ItemKind::Keyword},
    {"ident", ItemKind::Ident},
    {"number", ItemKind::Number},
    {"string", ItemKind::String},
    {"frstring", ItemKind::FrString},
    {"eol", ItemKind::Eol},
    {"sequence", ItemKind::Sequence},
    {"switch", ItemKind::Switch},
    {"optionalswitch", ItemKind::OptionalSwitch},
    {"optional", ItemKind::Optional},
    {"loop", ItemKind::Loop},
    {"optionalloop", ItemKind::OptionalLoop},
};

const ItemName* FindItemName(std::string_view tag) {
    for (const ItemName& n : kItemNames)
        if (SameText(tag, n.name)) return &n;
    return nullptr;
}

// Elements of a grammar document that are not rules.
constexpr const char* kParserElement = "parser";
constexpr const char* kTypesElement = "types";
constexpr const char* kKeywordsElement = "keywords";
constexpr const char* kErrorsElement = "errors";
constexpr const char* kStartRule = "program";

bool IsLoop(ItemKind kind) { return kind == ItemKind::Loop || kind == ItemKind::OptionalLoop; }

} // namespace

class Grammar::Builder {
public:
    explicit Builder(Grammar& grammar) : G(grammar) {}

    void Build(const TfrxXMLItem& root) {
        if (!SameText(root.TagName(), "language")) Fail(scriptmsg::GrammarNotLanguage);
        int parser = root.IndexOfTag(kParserElement);
        if (parser >= 0) ReadParser(root.ChildAt(parser));
        DeclareRules(root);
        if (G.FindRule(kStartRule) < 0) Fail(scriptmsg::GrammarNoStartRule);
        for (int i = 0; i < root.ChildCount(); ++i) {
            const TfrxXMLItem& child = root.ChildAt(i);
            auto rule = G.FRules.find(LowerCase(child.TagName()));
            if (rule != G.FRules.end() && !FCompiled[static_cast<std::size_t>(rule->second)])
                CompileBody(child, rule->second);
        }
    }

private:
    [[noreturn]] void Fail(const std::string& detail) const {
        throw Exception(Format(scriptmsg::GrammarInvalid, {G.FLanguage, detail}));
    }

    void ReadParser(const TfrxXMLItem& parser) {
        // Settings first: case sensitivity decides how keywords are stored.
        for (int i = 0; i < parser.ChildCount(); ++i) {
            const TfrxXMLItem& s = parser.ChildAt(i);
            if (!SameText(s.TagName(), kKeywordsElement) && !SameText(s.TagName(), kErrorsElement))
                ReadSetting(LowerCase(s.TagName()), s.GetAttr("text"));
        }
        int keywords = parser.IndexOfTag(kKeywordsElement);
        if (keywords >= 0) {
            const TfrxXMLItem& list = parser.ChildAt(keywords);
            for (int i = 0; i < list.ChildCount(); ++i) {
                const std::string& word = list.ChildAt(i).TagName();
                G.FKeywords.insert(G.FSettings.caseSensitive ? word : LowerCase(word));
                G.FLongestKeyword = std::max(G.FLongestKeyword, word.size());
            }
        }
        int errors = parser.IndexOfTag(kErrorsElement);
        if (errors >= 0) {
            const TfrxXMLItem& list = parser.ChildAt(errors);
            for (int i = 0; i < list.ChildCount(); ++i) {
                FErrors.emplace(LowerCase(list.ChildAt(i).TagName()), static_cast<int>(G.FMessages.size()));
                G.FMessages.push_back(list.ChildAt(i).GetAttr("text"));
            }
        }
    }

    void ReadSetting(const std::string& name, const std::string& value) {
        LexicalSettings& s = G.FSettings;
        auto oneChar = [&](char& into) {
            if (value.size() > 1) Fail(Format(scriptmsg::GrammarBadSetting, {name}));
            into = value.empty() ? 0 : value[0];
        };
        auto block = [&](std::pair<std::string, std::string>& into) {
            std::size_t comma = value.find(',');
            if (value.empty()) into = {};
            else if (comma == std::string::npos || comma == 0) Fail(Format(scriptmsg::GrammarBadSetting, {name}));
            else into = {value.substr(0, comma), value.substr(comma + 1)};
        };
        const struct {
            const char* name;
            std::function<void()> apply;
        } settings[] = {
            {"commentline1", [&] { s.commentLine[0] = value; }},
            {"commentline2", [&] { s.commentLine[1] = value; }},
            {"commentblock1", [&] { block(s.commentBlock[0]); }},
            {"commentblock2", [&] { block(s.commentBlock[1]); }},
            {"stringquotes", [&] { oneChar(s.stringQuote); }},
            {"hexsequence", [&] { s.hexSequence = value; }},
            {"identchars", [&] { SetIdentChars(value); }},
            {"specstrchar", [&] { s.escapes = value == "1"; }},
            {"casesensitive", [&] { s.caseSensitive = value == "1"; }},
            {"declarevars", [&] { s.declareVars = value != "0"; }},
            {"skipeol", [&] { s.skipEol = value != "0"; }},
            {"skipchar", [&] { oneChar(s.skipChar); }},
        };
        for (const auto& setting : settings) {
            if (name == setting.name) {
                setting.apply();
                return;
            }
        }
        // Unknown settings are other tools' business.
    }

    void SetIdentChars(const std::string& chars) {
        auto& table = G.FSettings.identChars;
        for (int c = 0; c < 128; ++c) table[c] = false;
        for (char c : chars) table[static_cast<unsigned char>(c)] = true;
    }

    void DeclareRules(const TfrxXMLItem& root) {
        for (int i = 0; i < root.ChildCount(); ++i) {
            const std::string& tag = root.ChildAt(i).TagName();
            if (SameText(tag, kParserElement) || SameText(tag, kTypesElement)) continue;
            if (FindItemName(tag)) Fail(Format(scriptmsg::GrammarReservedName, {tag}));
            if (G.FRules.emplace(LowerCase(tag), static_cast<int>(G.FItems.size())).second) {
                G.FItems.emplace_back();
                FCompiled.push_back(false);
            }
        }
    }

    void CompileBody(const TfrxXMLItem& element, int index) {
        FCompiled[static_cast<std::size_t>(index)] = true;
        GrammarItem body = ReadItem(element, ItemKind::Sequence);
        body.children = CompileChildren(element);
        G.FItems[static_cast<std::size_t>(index)] = std::move(body);
    }

    // The XML reader bounds the depth of a document, so this recursion is bounded too.
    int CompileItem(const TfrxXMLItem& element) {
        GrammarItem item;
        if (const ItemName* n = FindItemName(element.TagName())) {
            item = ReadItem(element, n->kind);
            item.children = CompileChildren(element);
        } else {
            int rule = G.FindRule(element.TagName());
            if (rule < 0) Fail(Format(scriptmsg::GrammarUnknownRule, {element.TagName()}));
            item = ReadItem(element, ItemKind::Rule);
            item.rule = rule;
        }
        G.FItems.push_back(std::move(item));
        return static_cast<int>(G.FItems.size() - 1);
    }

    std::vector<int> CompileChildren(const TfrxXMLItem& element) {
        std::vector<int> children;
        for (int i = 0; i < element.ChildCount(); ++i) children.push_back(CompileItem(element.ChildAt(i)));
        return children;
    }

    GrammarItem ReadItem(const TfrxXMLItem& element, ItemKind kind) {
        GrammarItem item;
        item.kind = kind;
        std::string text = element.GetAttr("text");
        if (kind == ItemKind::Char || IsLoop(kind)) {
            if (text.size() > 1 || (text.size() == 1 && !IsPunctuationChar(text[0])))
                Fail(Format(scriptmsg::GrammarBadChar, {text}));
            item.ch = text.empty() ? 0 : text[0];
        } else {
            item.text = text;
        }
        item.node = element.GetAttr("node");
        item.add = element.GetAttr("add");
        item.hasAddText = element.HasAttr("addtext");
        item.addText = element.GetAttr("addtext");
        std::string skip = element.GetAttr("skip");
        item.noSkip = kind == ItemKind::Char && skip == "0";
        item.forgetLast = IsLoop(kind) && skip == "1";
        item.term = element.GetAttr("term") == "1";
        std::string err = element.GetAttr("err");
        if (!err.empty()) {
            auto found = FErrors.find(LowerCase(err));
            if (found == FErrors.end()) Fail(Format(scriptmsg::GrammarUnknownError, {err}));
            item.error = found->second;
        }
        return item;
    }

    static bool IsPunctuationChar(char c) {
        unsigned char u = static_cast<unsigned char>(c);
        return u >= '!' && u <= '~' && !((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z'));
    }

    Grammar& G;
    std::unordered_map<std::string, int> FErrors;
    std::vector<bool> FCompiled;
};

Grammar::~Grammar() = default;

std::shared_ptr<const Grammar> Grammar::Compile(std::string_view language, std::string_view text) {
    std::shared_ptr<Grammar> grammar(new Grammar());
    grammar->FLanguage = std::string(language);
    grammar->FDocument = std::make_unique<TfrxXMLDocument>();
    std::istringstream in{std::string(text)};
    try {
        grammar->FDocument->ReadFromStream(in);
    } catch (const TfrxInvalidXMLException& e) {
        throw Exception(Format(scriptmsg::GrammarInvalid, {language, e.message()}));
    }
    TfrxXMLItem& root = grammar->FDocument->RootItem();
    Builder(*grammar).Build(root);
    grammar->FTypes = &root.ChildByTag(kTypesElement);
    return grammar;
}

bool Grammar::IsKeyword(std::string_view word) const {
    if (word.size() > FLongestKeyword) return false;
    return FKeywords.count(FSettings.caseSensitive ? std::string(word) : LowerCase(word)) > 0;
}

bool Grammar::KeywordMatches(std::string_view word, std::string_view text) const {
    if (word.size() != text.size()) return false;
    return FSettings.caseSensitive ? word == LowerCase(text) : SameText(word, text);
}

int Grammar::FindRule(std::string_view name) const {
    auto found = FRules.find(LowerCase(name));
    return found == FRules.end() ? -1 : found->second;
}

const TfrxXMLItem& Grammar::Types() const { return *FTypes; }

} // namespace orv
