#include "model/XmlReader.h"

#include "model/XmlError.h"
#include "model/XmlItem.h"
#include "model/XmlLimits.h"
#include "model/XmlMessages.h"
#include "platform/Text.h"

#include <array>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orv {
namespace {

constexpr std::string_view kCommentStart = "!--";
constexpr std::string_view kDeclarationStart = "?xml";
constexpr std::string_view kVersionKey = "version=";
constexpr std::string_view kStandaloneKey = "standalone=";
constexpr std::string_view kLegacyVersion = "1.0";
constexpr std::string_view kDeferMarker = "ld=\"0\"";
constexpr std::size_t npos = std::string_view::npos;

// What a byte may be in a tag: part of a name, white space between
// attributes, or punctuation that no name may contain.
enum CharClass : unsigned char { ccName, ccSpace, ccPunct };

constexpr std::array<unsigned char, 256> MakeCharClasses() {
    std::array<unsigned char, 256> table{};
    table.fill(ccName);
    for (unsigned char c : {' ', '\t', '\r', '\n'}) table[c] = ccSpace;
    for (unsigned char c : {'"', '\'', '=', '/', '<', '>', '\0'}) table[c] = ccPunct;
    return table;
}
constexpr std::array<unsigned char, 256> kCharClasses = MakeCharClasses();

bool IsSpace(char c) { return kCharClasses[static_cast<unsigned char>(c)] == ccSpace; }
bool IsNameChar(char c) { return kCharClasses[static_cast<unsigned char>(c)] == ccName; }

[[noreturn]] void Fail(XmlFault fault, std::uint64_t offset) { throw TfrxInvalidXMLException(fault, offset); }

bool IsClosing(std::string_view name) { return !name.empty() && name.front() == '/'; }

bool IsDeferMarker(std::string_view text, std::size_t at) {
    return (text[at] == 'l' || text[at] == 'L') && (at == 0 || text[at - 1] == ' ') &&
           SameText(text.substr(at, kDeferMarker.size()), kDeferMarker);
}

// Checks that an attribute text is a blank-separated list of name="value"
// pairs (blanks allowed around '='); returns where the first deferral marker
// ld="0" stands in it, or npos. Base is the stream offset of text[0].
std::size_t ScanAttributes(std::string_view text, std::uint64_t base) {
    auto fail = [base](std::size_t at) { Fail(XmlFault::BadAttribute, base + at); };
    const std::size_t n = text.size();
    std::size_t marker = npos;
    std::size_t i = 0;
    for (;;) {
        while (i < n && IsSpace(text[i])) ++i;
        if (i == n) return marker;
        const std::size_t nameStart = i;
        // No bound needed: the text is followed by white space, '/', '>' or
        // the NUL of a string, none of which continues a name.
        while (IsNameChar(text.data()[i])) ++i;
        if (i == nameStart) fail(i);
        while (i < n && IsSpace(text[i])) ++i;
        if (i == n || text[i] != '=') fail(i);
        ++i;
        while (i < n && IsSpace(text[i])) ++i;
        if (i == n || text[i] != '"') fail(i);
        const std::size_t quote = text.find('"', i + 1);
        if (quote == npos) fail(n);
        i = quote + 1;
        if (i < n && !IsSpace(text[i])) fail(i);
        if (marker == npos && IsDeferMarker(text, nameStart)) marker = nameStart;
    }
}

// The attribute text without the deferral marker at At and the blank that
// separates it from the other attributes.
std::string WithoutMarker(std::string_view text, std::size_t at) {
    std::string result(text);
    if (at > 0) {
        result.erase(at - 1, kDeferMarker.size() + 1);
    } else {
        result.erase(0, kDeferMarker.size());
        if (!result.empty() && result.front() == ' ') result.erase(0, 1);
    }
    return result;
}

int LevelOf(const TfrxXMLItem& item) {
    int level = 1;
    for (const TfrxXMLItem* p = item.ParentItem(); p != nullptr; p = p->ParentItem()) ++level;
    return level;
}

// The first of the bytes A, B and NUL in [data, data + length), or none.
// Tags and the text between them are scanned with this in one pass.
template <char A, char B>
const char* FindStop(const char* data, std::size_t length) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i a = _mm_set1_epi8(A), b = _mm_set1_epi8(B), nul = _mm_setzero_si128();
    for (; i + 16 <= length; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, a), _mm_cmpeq_epi8(v, b)), _mm_cmpeq_epi8(v, nul));
        if (const int mask = _mm_movemask_epi8(hits)) return data + i + __builtin_ctz(static_cast<unsigned>(mask));
    }
#endif
    for (; i < length; ++i) {
        if (data[i] == A || data[i] == B || data[i] == '\0') return data + i;
    }
    return nullptr;
}

} // namespace

// An opening tag, checked and taken apart.
struct TfrxXMLReader::ElementTag {
    std::string_view name;
    std::string_view attributes;
    std::size_t marker = npos;
    bool leaf = false;
};

// An element whose children are being read.
struct TfrxXMLReader::OpenElement {
    TfrxXMLItem* item;
    std::uint64_t start;
    bool deferred;
};

TfrxXMLReader::TfrxXMLReader(std::istream& stream)
    : FStream(stream), FBuffer(std::make_unique_for_overwrite<char[]>(kReadBlockSize)) {
    const std::istream::pos_type position = stream.tellg();
    FSeekable = position != std::istream::pos_type(-1);
    if (FSeekable) FBufferStart = static_cast<std::uint64_t>(static_cast<std::streamoff>(position));
}

TfrxXMLReader::~TfrxXMLReader() {
    if (!FSeekable) return;
    try {
        FStream.clear();
        FStream.seekg(static_cast<std::streamoff>(Position()));
    } catch (...) {
        // A stream that throws on seeking keeps whatever position it has.
    }
}

void TfrxXMLReader::Seek(std::uint64_t position) {
    FStream.clear();
    FStream.seekg(static_cast<std::streamoff>(position));
    if (FStream.fail()) {
        FStream.clear();
        throw Exception(xmlmsg::StreamSeekError);
    }
    FSeekable = true;
    FBufferStart = position;
    FCount = 0;
    FIndex = 0;
}

bool TfrxXMLReader::Fill() {
    if (FIndex < FCount) return true;
    FBufferStart += FCount;
    FIndex = 0;
    FStream.read(FBuffer.get(), static_cast<std::streamsize>(kReadBlockSize));
    FCount = static_cast<std::size_t>(FStream.gcount());
    return FCount > 0;
}

bool TfrxXMLReader::Ensure(std::size_t count) {
    if (FCount - FIndex >= count) return true;
    const std::size_t rest = FCount - FIndex;
    std::memmove(FBuffer.get(), FBuffer.get() + FIndex, rest);
    FBufferStart += FIndex;
    FIndex = 0;
    FCount = rest;
    while (FCount < count) {
        FStream.read(FBuffer.get() + FCount, static_cast<std::streamsize>(kReadBlockSize - FCount));
        const auto got = static_cast<std::size_t>(FStream.gcount());
        if (got == 0) return false;
        FCount += got;
    }
    return true;
}

std::uint64_t TfrxXMLReader::OffsetOf(const char* inBuffer) const {
    return FBufferStart + static_cast<std::uint64_t>(inBuffer - FBuffer.get());
}

std::uint64_t TfrxXMLReader::TagOffsetOf(const char* inTag) const {
    return FTagStart + 1 + static_cast<std::uint64_t>(inTag - FTagText.data());
}

bool TfrxXMLReader::SkipToTag() {
    for (;;) {
        const char* data = FBuffer.get() + FIndex;
        const std::size_t available = FCount - FIndex;
        if (const char* stop = FindStop<'<', '<'>(data, available)) {
            if (*stop == '\0') Fail(XmlFault::NulByte, OffsetOf(stop));
            FIndex += static_cast<std::size_t>(stop - data);
            FTagStart = Position();
            ++FIndex;
            return true;
        }
        FIndex = FCount;
        if (!Fill()) return false;
    }
}

void TfrxXMLReader::SkipComment() {
    // A '>' ends the comment only behind exactly two hyphens; a third one
    // starts the count again.
    int hyphens = 0;
    for (;;) {
        if (FIndex == FCount && !Fill()) Fail(XmlFault::EndOfDataInTag, Position());
        const char c = FBuffer[FIndex++];
        if (c == '>' && hyphens == 2) return;
        if (c == '\0') Fail(XmlFault::NulByte, Position() - 1);
        hyphens = (c == '-' && hyphens < 2) ? hyphens + 1 : 0;
    }
}

void TfrxXMLReader::CollectTag() {
    FTag.clear();
    for (;;) {
        const char* data = FBuffer.get() + FIndex;
        const std::size_t available = FCount - FIndex;
        const char* stop = FindStop<'>', '<'>(data, available);
        if (stop != nullptr && *stop != '>') {
            Fail(*stop == '<' ? XmlFault::LessThanInTag : XmlFault::NulByte, OffsetOf(stop));
        }
        const std::size_t length = stop ? static_cast<std::size_t>(stop - data) : available;
        if (FTag.size() + length > kMaxXmlTagLength) Fail(XmlFault::TagTooLong, FTagStart);
        FIndex += length;
        if (stop && FTag.empty()) {
            // The whole tag is in the buffer: read it there, without a copy.
            FTagText = std::string_view(data, length);
            ++FIndex;
            return;
        }
        FTag.append(data, length);
        if (stop) {
            FTagText = FTag;
            ++FIndex;
            return;
        }
        if (!Fill()) Fail(XmlFault::EndOfDataInTag, Position());
    }
}

bool TfrxXMLReader::NextTag() {
    for (;;) {
        if (!SkipToTag()) {
            FName = {};
            FAttributes = {};
            return false;
        }
        if (Ensure(kCommentStart.size()) &&
            std::string_view(FBuffer.get() + FIndex, kCommentStart.size()) == kCommentStart) {
            FIndex += kCommentStart.size();
            SkipComment();
            continue;
        }
        CollectTag();
        break;
    }
    // White space before the '>' belongs to no attribute; removing all of it
    // (not just one blank) keeps "<a\n>" and "<a x=\"1\"  >" readable.
    std::string_view tag = FTagText;
    while (!tag.empty() && IsSpace(tag.back())) tag.remove_suffix(1);
    const std::size_t blank = tag.find(' ');
    FName = tag.substr(0, blank);
    FAttributes = blank == npos ? std::string_view() : tag.substr(blank + 1);
    return true;
}

void TfrxXMLReader::ReadTag(std::string& name, std::string& attributes) {
    NextTag();
    name.assign(FName);
    attributes.assign(FAttributes);
}

bool TfrxXMLReader::ReadHeaderTag() {
    if (!NextTag()) Fail(XmlFault::NoDeclaration, Position());
    if (FName.substr(0, kDeclarationStart.size()) != kDeclarationStart) Fail(XmlFault::NoDeclaration, FTagStart);
    std::string_view version;
    const std::size_t key = FAttributes.find(kVersionKey);
    if (key != npos && key + kVersionKey.size() + 1 <= FAttributes.size()) {
        version = FAttributes.substr(key + kVersionKey.size() + 1, kLegacyVersion.size());
    }
    FLegacyStrings = version == kLegacyVersion && FAttributes.find(kStandaloneKey) == npos;
    return FLegacyStrings;
}

TfrxXMLReader::ElementTag TfrxXMLReader::TakeElementTag() const {
    ElementTag tag{FName, FAttributes};
    if (!tag.name.empty() && tag.name.back() == '/') {
        tag.name.remove_suffix(1);
        tag.leaf = true;
    } else if (!tag.attributes.empty() && tag.attributes.back() == '/') {
        tag.attributes.remove_suffix(1);
        tag.leaf = true;
    }
    if (tag.name.empty()) Fail(XmlFault::BadTagName, FTagStart + 1);
    for (const char& c : tag.name) {
        if (!IsNameChar(c)) Fail(XmlFault::BadTagName, TagOffsetOf(&c));
    }
    if (!tag.attributes.empty()) tag.marker = ScanAttributes(tag.attributes, TagOffsetOf(tag.attributes.data()));
    return tag;
}

void TfrxXMLReader::CheckClosingTag(std::string_view openName) const {
    if (!FAttributes.empty()) Fail(XmlFault::BadAttribute, TagOffsetOf(FAttributes.data()));
    if (!SameText(FName.substr(1), openName)) Fail(XmlFault::MismatchedClosingTag, FTagStart);
}

bool TfrxXMLReader::Open(TfrxXMLItem& item, const ElementTag& tag) {
    if (item.TagName().empty()) {
        item.SetTagName(std::string(tag.name));
        item.SetAttrText(tag.marker == npos ? std::string(tag.attributes) : WithoutMarker(tag.attributes, tag.marker));
    }
    // The marker survives every read, so that writing the tree again keeps it.
    if (tag.marker != npos) item.SetDeferrable(true);
    return !tag.leaf;
}

void TfrxXMLReader::Close(const OpenElement& element, bool keepAll) {
    if (element.deferred && !keepAll) element.item->MarkDeferred(element.start);
}

bool TfrxXMLReader::ReadElement(TfrxXMLItem& item, bool keepAll) {
    const std::uint64_t start = Position();
    if (!NextTag() || IsClosing(FName)) return false;
    const ElementTag top = TakeElementTag();
    // The name as opened, which a fetched element may no longer carry.
    const std::string topName(top.name);
    const int level = LevelOf(item);

    std::vector<OpenElement> open;
    const OpenElement first{&item, start, top.marker != npos};
    if (!Open(item, top)) {
        Close(first, keepAll);
        return true;
    }
    open.push_back(first);
    while (!open.empty()) {
        const std::uint64_t childStart = Position();
        if (!NextTag()) Fail(XmlFault::EndOfDataInElement, Position());
        if (IsClosing(FName)) {
            CheckClosingTag(open.size() == 1 ? std::string_view(topName) : open.back().item->TagName());
            Close(open.back(), keepAll);
            open.pop_back();
            continue;
        }
        if (level + static_cast<int>(open.size()) > kMaxXmlDepth) Fail(XmlFault::TooDeep, FTagStart);
        const ElementTag tag = TakeElementTag();
        TfrxXMLItem& child = open.back().item->NewChild();
        const OpenElement element{&child, childStart, tag.marker != npos};
        if (Open(child, tag)) {
            open.push_back(element);
        } else {
            Close(element, keepAll);
        }
    }
    return true;
}

void TfrxXMLReader::ReadOutermostElement(TfrxXMLItem& item, bool keepAll) {
    if (ReadElement(item, keepAll)) return;
    if (IsClosing(FName)) Fail(XmlFault::UnexpectedClosingTag, FTagStart);
    Fail(XmlFault::NoRootElement, Position());
}

void ReadDeferredChildren(std::istream& backingStream, TfrxXMLItem& item) {
    TfrxXMLReader reader(backingStream);
    reader.Seek(item.StreamOffset());
    try {
        reader.ReadOutermostElement(item, true);
    } catch (...) {
        item.DropChildren();
        throw;
    }
}

} // namespace orv
