#include "script/GrammarParser.h"

#include "model/XmlDocument.h"
#include "platform/Exception.h"
#include "script/ScriptLimits.h"
#include "platform/StringFormat.h"
#include "script/ScriptMessages.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orv {
namespace {

constexpr const char* kExprElement = "expr";
// Output entries reserved up front: about one per four bytes of source, up to this.
constexpr std::size_t kOutReserve = 1 << 16;

// The last token consumed: what an `add` writes, and where an `expr` ends.
struct TokenRef {
    std::size_t start = 0;
    std::size_t end = 0;
    ItemKind kind = ItemKind::Char;
};

// What the matcher produces, in source order; turned into XML elements once
// the parse has succeeded, so that backtracking only truncates a vector and
// no text is copied for output that backtracking throws away.
struct OutEntry {
    enum class Kind : std::uint8_t { Open, Close, Leaf };
    Kind kind;
    const GrammarItem* item;  // its `node` names Open and Close, its `add` a Leaf
    std::size_t offset;       // Open: first token; Close: end of the last token; Leaf: its place
    TokenRef token;           // Leaf: the token whose text it takes (unless the item has addtext)
};

// The recorded error. `termRep` is the loop repetition that forgets it when
// that repetition ends its loop (0: none); `serial` orders it against
// repetitions, which forget only errors recorded while they ran.
struct RecordedError {
    std::string message;
    std::size_t offset;
    std::uint64_t serial;
    int termRep;
};

struct Repetition {
    int id;
    std::uint64_t startSerial;
    bool forgetAll;  // skip="1"
};

bool IsToken(ItemKind kind) { return kind < ItemKind::Sequence; }

class Matcher {
public:
    Matcher(const Grammar& grammar, std::string_view text, std::size_t start)
        : G(grammar), R(text, grammar.Settings()), FStart(start), FPos(start) {
        FToken.start = FToken.end = start;
        FFarthest = start;
        FOut.reserve(std::min<std::size_t>(text.size() / 4 + 16, kOutReserve));
    }

    ParseResult Run(int startItem);

private:
    // Where matching stands: restored when an item fails.
    struct Mark {
        std::size_t pos;
        TokenRef token;
        std::size_t out;
    };

    bool Match(int index);
    Mark Save() const;
    void Restore(Mark mark);
    [[gnu::noinline]] bool FailTooDeep();
    [[gnu::noinline]] void OpenNode(const GrammarItem& it);
    [[gnu::noinline]] void Produce(const GrammarItem& it, Mark mark);
    bool MatchBody(const GrammarItem& it);
    bool MatchToken(const GrammarItem& it);
    bool MatchLoop(const GrammarItem& it);
    bool MatchChar(char ch, bool noSkip);
    void Consume(std::size_t start, std::size_t end, ItemKind kind);
    void EmitAdd(const GrammarItem& it, std::size_t at);
    std::string TokenText(const TokenRef& token) const;

    [[gnu::noinline]] void RecordError(const std::string& message, std::size_t at, bool term);
    void Fatal(const std::string& message, std::size_t at);
    void EndRepetition(bool failed, bool endsNormally);
    void CheckFinal();

    std::unique_ptr<TfrxXMLDocument> BuildTree() const;
    ParseResult Failure(const std::string& message, std::size_t offset) const;

    const Grammar& G;
    SourceReader R;
    const std::size_t FStart;
    std::size_t FPos;
    TokenRef FToken;
    std::size_t FFarthest = 0;
    std::vector<OutEntry> FOut;
    int FDepth = 0;
    int FOpenNodes = 0;
    std::optional<RecordedError> FError;
    std::uint64_t FErrorSerial = 0;
    std::vector<Repetition> FReps;
    int FNextRepId = 0;
    bool FAborted = false;
};

// Match recurses once per nested item, so its frame is kept small: the cold
// and bulky steps live in helpers of their own.
bool Matcher::Match(int index) {
    if (FAborted) return false;
    const GrammarItem& it = G.Item(index);
    const bool node = !it.node.empty();
    if (FDepth >= kMaxMatchDepth || (node && FOpenNodes >= kMaxSyntaxDepth)) return FailTooDeep();
    const Mark mark = Save();
    ++FDepth;
    if (node) OpenNode(it);
    const bool ok = MatchBody(it);
    if (node) --FOpenNodes;
    --FDepth;
    if (FAborted) return false;
    if (ok) {
        Produce(it, mark);
        return true;
    }
    Restore(mark);
    if (it.error >= 0) RecordError(G.Message(it.error), mark.pos, it.term);
    return false;
}

Matcher::Mark Matcher::Save() const { return {FPos, FToken, FOut.size()}; }

void Matcher::Restore(Mark mark) {
    FPos = mark.pos;
    FToken = mark.token;
    FOut.resize(mark.out);
}

bool Matcher::FailTooDeep() {
    if (FDepth >= kMaxMatchDepth)
        Fatal(Format(scriptmsg::TooComplex, {kMaxMatchDepth}), FPos);
    else
        Fatal(Format(scriptmsg::NestingTooDeep, {kMaxSyntaxDepth}), FPos);
    return false;
}

void Matcher::OpenNode(const GrammarItem& it) {
    FOut.push_back({OutEntry::Kind::Open, &it, 0, {}});
    ++FOpenNodes;
}

// What a matched item writes: its `add` element and the end of its `node`.
void Matcher::Produce(const GrammarItem& it, Mark mark) {
    // An item that consumed nothing starts (and ends) where the text before it ended.
    const bool consumed = FToken.start != mark.token.start || FToken.end != mark.token.end;
    const std::size_t at = consumed ? R.SkipBlanks(mark.pos) : mark.pos;
    if (!it.add.empty()) EmitAdd(it, at);
    if (!it.node.empty()) {
        FOut[mark.out].offset = at;
        FOut.push_back({OutEntry::Kind::Close, &it, FToken.end, {}});
    }
}

bool Matcher::MatchBody(const GrammarItem& it) {
    switch (it.kind) {
    case ItemKind::Sequence:
        for (int child : it.children)
            if (!Match(child)) return false;
        return true;
    case ItemKind::Switch:
    case ItemKind::OptionalSwitch:
        for (int child : it.children) {
            if (Match(child)) return true;
            if (FAborted) return false;
        }
        return it.kind == ItemKind::OptionalSwitch;
    case ItemKind::Optional: {
        const Mark mark = Save();
        for (int child : it.children) {
            if (Match(child)) continue;
            if (!FAborted) Restore(mark);
            break;
        }
        return !FAborted;
    }
    case ItemKind::Loop:
    case ItemKind::OptionalLoop:
        return MatchLoop(it);
    case ItemKind::Rule:
        return Match(it.rule);
    default:
        return MatchToken(it);
    }
}

bool Matcher::MatchChar(char ch, bool noSkip) {
    std::size_t p = noSkip ? FPos : R.SkipBlanks(FPos);
    FFarthest = std::max(FFarthest, p);
    if (!R.IsPunctuation(p) || (ch != 0 && R.Text()[p] != ch)) return false;
    Consume(p, p + 1, ItemKind::Char);
    return true;
}

bool Matcher::MatchToken(const GrammarItem& it) {
    if (it.kind == ItemKind::Char) return MatchChar(it.ch, it.noSkip);
    const std::size_t p = R.SkipBlanks(FPos);
    FFarthest = std::max(FFarthest, p);
    std::size_t end = SourceReader::kNoToken;
    switch (it.kind) {
    case ItemKind::Keyword:
    case ItemKind::Ident: {
        end = R.ReadWord(p);
        if (end == SourceReader::kNoToken) return false;
        std::string_view word = R.Text().substr(p, end - p);
        if (it.kind == ItemKind::Ident ? G.IsKeyword(word) : !it.text.empty() && !G.KeywordMatches(word, it.text))
            return false;
        break;
    }
    case ItemKind::Number: end = R.ReadNumber(p, nullptr); break;
    case ItemKind::String: end = R.ReadString(p, nullptr); break;
    case ItemKind::FrString: end = R.ReadFrString(p); break;
    case ItemKind::Eol: end = R.ReadEol(p); break;
    default: break;
    }
    if (end == SourceReader::kNoToken) return false;
    Consume(p, end, it.kind);
    return true;
}

void Matcher::Consume(std::size_t start, std::size_t end, ItemKind kind) {
    FToken = {start, end, kind};
    FPos = end;
}

bool Matcher::MatchLoop(const GrammarItem& it) {
    int count = 0;
    for (;;) {
        const Mark mark = Save();
        FReps.push_back({++FNextRepId, FErrorSerial, it.forgetLast});
        bool ok = count == 0 || it.ch == 0 || MatchChar(it.ch, false);
        for (std::size_t i = 0; ok && i < it.children.size(); ++i) ok = Match(it.children[i]);
        if (FAborted) return false;
        if (!ok) {
            Restore(mark);
            const bool endsNormally = count > 0 || it.kind == ItemKind::OptionalLoop;
            EndRepetition(true, endsNormally);
            return !FAborted && endsNormally;
        }
        EndRepetition(false, false);
        if (FAborted) return false;
        ++count;
        // Without a separator to consume, a repetition that consumed nothing
        // would repeat for ever.
        if (FPos == mark.pos && it.ch == 0) return true;
    }
}

void Matcher::EmitAdd(const GrammarItem& it, std::size_t at) {
    if (IsToken(it.kind)) at = FToken.start;
    FOut.push_back({OutEntry::Kind::Leaf, &it, at, FToken});
}

std::string Matcher::TokenText(const TokenRef& token) const {
    std::string text;
    switch (token.kind) {
    case ItemKind::Number: R.ReadNumber(token.start, &text); return text;
    case ItemKind::String: R.ReadString(token.start, &text); return text;
    case ItemKind::FrString: return "'" + std::string(R.Text().substr(token.start, token.end - token.start)) + "'";
    default: return std::string(R.Text().substr(token.start, token.end - token.start));
    }
}

void Matcher::RecordError(const std::string& message, std::size_t at, bool term) {
    if (FError) return;  // the first error wins
    const int rep = term && !FReps.empty() ? FReps.back().id : 0;
    FError = RecordedError{message, R.SkipBlanks(at), ++FErrorSerial, rep};
    CheckFinal();
}

void Matcher::Fatal(const std::string& message, std::size_t at) {
    FError = RecordedError{message, R.SkipBlanks(at), ++FErrorSerial, 0};
    FAborted = true;
}

// A repetition ends. An error recorded while it ran is forgotten when the
// repetition failed and its loop still ends normally, provided the loop has
// skip="1" or the error came from a term="1" item of this repetition; in any
// other case a term error is bound to stay.
void Matcher::EndRepetition(bool failed, bool endsNormally) {
    const Repetition rep = FReps.back();
    FReps.pop_back();
    if (!FError || FError->serial <= rep.startSerial) return;
    if (failed && endsNormally && (rep.forgetAll || FError->termRep == rep.id))
        FError.reset();
    else if (FError->termRep == rep.id)
        FError->termRep = 0;
    CheckFinal();
}

// Once nothing can forget the recorded error, matching further is wasted work.
void Matcher::CheckFinal() {
    if (!FError || FError->termRep != 0) return;
    for (const Repetition& rep : FReps)
        if (rep.forgetAll && rep.startSerial < FError->serial) return;
    FAborted = true;
}

ParseResult Matcher::Failure(const std::string& message, std::size_t offset) const {
    ParseResult result;
    result.error = {message, R.PositionOf(offset)};
    return result;
}

ParseResult Matcher::Run(int startItem) {
    const bool matched = Match(startItem);
    if (FError) return Failure(FError->message, FError->offset);
    if (!matched) return Failure(scriptmsg::SyntaxError, FFarthest);
    std::size_t rest = R.SkipBlanks(FPos);
    if (rest < R.Size()) return Failure(scriptmsg::TextAfterProgram, rest);
    ParseResult result;
    result.tree = BuildTree();
    return result;
}

void CopyTree(const TfrxXMLItem& from, TfrxXMLItem& into) {
    struct Pending {
        const TfrxXMLItem* from;
        TfrxXMLItem* to;
    };
    std::vector<Pending> pending{{&from, &into.NewChild(from.TagName())}};
    while (!pending.empty()) {
        Pending p = pending.back();
        pending.pop_back();
        p.to->SetAttrText(p.from->AttrText());
        for (int i = 0; i < p.from->ChildCount(); ++i)
            pending.push_back({&p.from->ChildAt(i), &p.to->NewChild(p.from->ChildAt(i).TagName())});
    }
}

std::unique_ptr<TfrxXMLDocument> Matcher::BuildTree() const {
    auto doc = std::make_unique<TfrxXMLDocument>();
    TfrxXMLItem& root = doc->RootItem();
    root.SetTagName("program");
    root.SetAttr("pos", FormatPos(R.PositionOf(R.SkipBlanks(FStart))));
    std::vector<TfrxXMLItem*> open{&root};
    for (const OutEntry& e : FOut) {
        switch (e.kind) {
        case OutEntry::Kind::Open: {
            TfrxXMLItem& item = open.back()->NewChild(e.item->node);
            item.SetAttr("pos", FormatPos(R.PositionOf(e.offset)));
            open.push_back(&item);
            break;
        }
        case OutEntry::Kind::Close:
            if (e.item->node == kExprElement) open.back()->SetAttr("pos1", FormatPos(R.PositionOf(e.offset)));
            open.pop_back();
            break;
        case OutEntry::Kind::Leaf: {
            TfrxXMLItem& item = open.back()->NewChild(e.item->add);
            item.SetAttr("text", e.item->hasAddText ? e.item->addText : TokenText(e.token));
            item.SetAttr("pos", FormatPos(R.PositionOf(e.offset)));
            break;
        }
        }
    }
    CopyTree(G.Types(), root);
    return doc;
}

} // namespace

ParseResult::ParseResult() = default;
ParseResult::ParseResult(ParseResult&&) noexcept = default;
ParseResult& ParseResult::operator=(ParseResult&&) noexcept = default;
ParseResult::~ParseResult() = default;

GrammarParser::GrammarParser(std::shared_ptr<const Grammar> grammar) : FGrammar(std::move(grammar)) {}

ParseResult GrammarParser::Parse(std::string_view text, std::size_t start, std::string_view startRule) const {
    int rule = FGrammar->FindRule(startRule);
    if (rule < 0)
        throw Exception(Format(scriptmsg::NoSuchRule, {FGrammar->Language(), startRule}));
    ParseResult result = Matcher(*FGrammar, text, std::min(start, text.size())).Run(rule);
    result.grammar = FGrammar;
    return result;
}

} // namespace orv
