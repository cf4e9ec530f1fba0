#include "model/XmlText.h"

#include "model/XmlLimits.h"
#include "platform/DateTimeFormat.h"
#include "platform/Exception.h"
#include "platform/NumberFormat.h"
#include "platform/Text.h"
#include "script/Value.h"

#include <array>
#include <cstdint>

namespace orv {
namespace {

constexpr std::string_view kQuotEntity = "&quot;";

// The reference each byte is written as, or empty for a byte copied as it is.
// NUL is left out: its form depends on the length of the text.
constexpr std::array<std::string_view, 256> MakeEscapes() {
    std::array<std::string_view, 256> table{};
    table['"'] = "&#34;";
    table['&'] = "&#38;";
    table['<'] = "&#60;";
    table['>'] = "&#62;";
    table['\n'] = "&#10;";
    table['\r'] = "&#13;";
    return table;
}
constexpr std::array<std::string_view, 256> kEscapes = MakeEscapes();

bool NeedsEscape(unsigned char c) { return c == 0 || !kEscapes[c].empty(); }

struct NamedEntity {
    std::string_view text;
    char value;
};
constexpr NamedEntity kNamedEntities[] = {
    {"&quot;", '"'},
    {"&amp;", '&'},
    {"&lt;", '<'},
    {"&gt;", '>'},
};

// Decodes the numeric reference that starts at text[at] ("&#...;") into out
// and returns the index behind it; returns at when there is no ';' to end it.
// The number is read by the platform's integer conversion, whose error a
// malformed number raises (it also takes the hexadecimal forms "x41", "$41").
std::size_t DecodeNumericReference(std::string_view text, std::size_t at, std::string& out) {
    const std::size_t first = at + 2;
    if (first >= text.size()) return at;
    const std::size_t semicolon = text.find(';', first + 1);
    if (semicolon == std::string_view::npos) return at;
    const std::int32_t code = StrToInt(text.substr(first, semicolon - first));
    out += static_cast<char>(static_cast<std::uint32_t>(code) & 0xFF);
    return semicolon + 1;
}

// Decodes the named entity at text[at] into out; returns at when there is none.
std::size_t DecodeNamedEntity(std::string_view text, std::size_t at, std::string& out) {
    for (const NamedEntity& entity : kNamedEntities) {
        if (text.substr(at, entity.text.size()) == entity.text) {
            out += entity.value;
            return at + entity.text.size();
        }
    }
    return at;
}

} // namespace

std::string EncodeXMLText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && !NeedsEscape(static_cast<unsigned char>(text[i]))) ++i;
    if (i == text.size()) return std::string(text);

    const std::string_view nul = text.size() < kShortTextLength ? std::string_view("&#0;") : std::string_view(" ");
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 16);
    out.append(text.substr(0, i));
    for (; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '&' && text.substr(i, kQuotEntity.size()) == kQuotEntity) {
            out += kEscapes['"'];
            i += kQuotEntity.size() - 1;
        } else if (c == 0) {
            out += nul;
        } else if (!kEscapes[c].empty()) {
            out += kEscapes[c];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string DecodeXMLText(std::string_view text) {
    std::size_t amp = text.find('&');
    if (amp == std::string_view::npos) return std::string(text);

    std::string out;
    out.reserve(text.size());
    std::size_t done = 0;
    while (amp != std::string_view::npos) {
        out.append(text.substr(done, amp - done));
        std::size_t next = text.substr(amp, 2) == "&#" ? DecodeNumericReference(text, amp, out)
                                                       : DecodeNamedEntity(text, amp, out);
        if (next == amp) {
            out += '&';
            next = amp + 1;
        }
        done = next;
        amp = text.find('&', done);
    }
    out.append(text.substr(done));
    return out;
}

std::string VariantToXMLText(const Value& value) {
    switch (value.Kind()) {
    case ValueKind::Boolean:
        return value.AsBoolean() ? "1" : "0";
    case ValueKind::Int8:
    case ValueKind::Int16:
    case ValueKind::Int32:
    case ValueKind::Int64:
        return IntToStr(value.IntegerValue());
    case ValueKind::Double:
        return FloatToStr(value.AsDouble());
    case ValueKind::Currency:
        return FloatToStr(static_cast<long double>(value.AsCurrency().Scaled) / Currency::Scale);
    case ValueKind::DateTime:
        try {
            return DateTimeToStr(value.AsDateTime().Days);
        } catch (const Exception&) {
            return FloatToStr(value.AsDateTime().Days);  // no calendar date: the day count itself
        }
    case ValueKind::String:
        return EncodeXMLText(value.AsString());
    case ValueKind::WideString:
        return EncodeXMLText(Utf16ToCp1252(value.AsWideString()));
    default:
        return std::string();
    }
}

} // namespace orv
