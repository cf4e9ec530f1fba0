#include "script/SourceReader.h"

#include "platform/Text.h"

#include <algorithm>
#include <cstdint>

namespace orv {
namespace {

// Byte classes, one table lookup per byte.
enum : std::uint8_t {
    kDigit = 1,
    kHexDigit = 2,
    kLetter = 4,
    kPunctuation = 8,
};

constexpr std::array<std::uint8_t, 256> MakeClasses() {
    std::array<std::uint8_t, 256> t{};
    for (int c = '0'; c <= '9'; ++c) t[c] = kDigit | kHexDigit;
    for (int c = 'A'; c <= 'Z'; ++c) t[c] = kLetter;
    for (int c = 'a'; c <= 'z'; ++c) t[c] = kLetter;
    for (int c = 'A'; c <= 'F'; ++c) t[c] |= kHexDigit;
    for (int c = 'a'; c <= 'f'; ++c) t[c] |= kHexDigit;
    for (int c = '!'; c <= '~'; ++c)
        if (!(t[c] & (kDigit | kLetter))) t[c] = kPunctuation;
    return t;
}

constexpr std::array<std::uint8_t, 256> kClasses = MakeClasses();

bool Is(unsigned char c, std::uint8_t cls) { return (kClasses[c] & cls) != 0; }

unsigned long DigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned long>(c - '0');
    return static_cast<unsigned long>((c | 0x20) - 'a' + 10);
}

// A value past this is out of any code page: no need to count further.
constexpr unsigned long kMaxCharCode = 0x10FFFF;

} // namespace

std::string FormatPos(SourcePos pos) {
    return std::to_string(pos.line) + ":" + std::to_string(pos.column);
}

LexicalSettings::LexicalSettings() {
    for (int c = 0; c < 256; ++c) identChars[c] = Is(static_cast<unsigned char>(c), kDigit | kLetter) || c == '_' || c >= 128;
}

char CharacterOfCode(unsigned long code) {
    if (code <= 0xFF) return static_cast<char>(code);
    if (code <= 0xFFFF) return Utf16ToCp1252(std::u16string(1, static_cast<char16_t>(code)))[0];
    return '?';
}

SourceReader::SourceReader(std::string_view text, const LexicalSettings& settings)
    : FText(text), FSettings(settings) {
    FLineStarts.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            FLineStarts.push_back(i + 1);
    }
}

SourcePos SourceReader::PositionOf(std::size_t offset) const {
    auto next = std::upper_bound(FLineStarts.begin(), FLineStarts.end(), offset);
    std::size_t line = static_cast<std::size_t>(next - FLineStarts.begin());
    return {static_cast<int>(line), static_cast<int>(offset - FLineStarts[line - 1] + 1)};
}

bool SourceReader::IsBlank(unsigned char c) const {
    if (c > ' ') return false;
    return FSettings.skipEol || (c != '\r' && c != '\n');
}

bool SourceReader::IsIdentChar(std::size_t pos) const {
    return pos < FText.size() && FSettings.identChars[static_cast<unsigned char>(FText[pos])];
}

std::size_t SourceReader::LineEndLength(std::size_t pos) const {
    if (pos >= FText.size()) return 0;
    if (FText[pos] == '\r') return (pos + 1 < FText.size() && FText[pos + 1] == '\n') ? 2 : 1;
    return FText[pos] == '\n' ? 1 : 0;
}

bool SourceReader::StartsWith(std::size_t pos, std::string_view text) const {
    if (text.empty() || FText.size() - pos < text.size()) return false;
    std::string_view here = FText.substr(pos, text.size());
    if (!(FSettings.caseSensitive ? here == text : SameText(here, text))) return false;
    // A comment opener that is a word ("rem") is no opener inside a longer word.
    return !FSettings.identChars[static_cast<unsigned char>(text.back())] || !IsIdentChar(pos + text.size());
}

std::size_t SourceReader::SkipComment(std::size_t pos) const {
    for (const std::string& opener : FSettings.commentLine) {
        if (!StartsWith(pos, opener)) continue;
        std::size_t end = FText.find_first_of("\r\n", pos + opener.size());
        return end == std::string_view::npos ? FText.size() : end;
    }
    for (const auto& [opener, closer] : FSettings.commentBlock) {
        if (!StartsWith(pos, opener)) continue;
        std::size_t end = closer.empty() ? std::string_view::npos : FText.find(closer, pos + opener.size());
        return end == std::string_view::npos ? FText.size() : end + closer.size();
    }
    return pos;
}

std::size_t SourceReader::SkipBlanks(std::size_t pos) const {
    if (pos == FSkipFrom) return FSkipTo;
    std::size_t p = pos;
    const std::size_t n = FText.size();
    for (;;) {
        while (p < n && IsBlank(static_cast<unsigned char>(FText[p]))) ++p;
        if (p >= n) break;
        if (FSettings.skipChar != 0 && FText[p] == FSettings.skipChar && LineEndLength(p + 1) > 0) {
            p += 1 + LineEndLength(p + 1);
            continue;
        }
        std::size_t after = SkipComment(p);
        if (after == p) break;
        p = after;
    }
    FSkipFrom = pos;
    FSkipTo = p;
    return p;
}

std::size_t SourceReader::ReadWord(std::size_t pos) const {
    if (!IsIdentChar(pos) || Is(static_cast<unsigned char>(FText[pos]), kDigit)) return kNoToken;
    std::size_t end = pos + 1;
    while (IsIdentChar(end)) ++end;
    return end;
}

std::size_t SourceReader::ReadHexDigits(std::size_t pos) const {
    while (pos < FText.size() && Is(static_cast<unsigned char>(FText[pos]), kHexDigit)) ++pos;
    return pos;
}

std::size_t SourceReader::ReadNumber(std::size_t pos, std::string* text) const {
    const std::size_t n = FText.size();
    auto digitAt = [&](std::size_t p) { return p < n && Is(static_cast<unsigned char>(FText[p]), kDigit); };
    const std::string& hex = FSettings.hexSequence;
    if (!hex.empty() && pos + hex.size() <= n && SameText(FText.substr(pos, hex.size()), hex)) {
        std::size_t digits = pos + hex.size();
        std::size_t end = ReadHexDigits(digits);
        if (end > digits) {
            if (text) *text = "$" + std::string(FText.substr(digits, end - digits));
            return end;
        }
    }
    if (!digitAt(pos)) return kNoToken;
    std::size_t end = pos;
    while (digitAt(end)) ++end;
    // A period without a digit behind it is not part of the number: 1..5 is a range.
    if (end < n && FText[end] == '.' && digitAt(end + 1)) {
        end += 1;
        while (digitAt(end)) ++end;
    }
    if (end < n && (FText[end] == 'e' || FText[end] == 'E')) {
        std::size_t e = end + 1;
        if (e < n && (FText[e] == '+' || FText[e] == '-')) ++e;
        if (digitAt(e)) {
            end = e;
            while (digitAt(end)) ++end;
        }
    }
    if (text) *text = std::string(FText.substr(pos, end - pos));
    return end;
}

std::size_t SourceReader::ReadQuotedPart(std::size_t pos, std::string* content) const {
    const char quote = FSettings.stringQuote;
    const std::size_t n = FText.size();
    std::size_t p = pos + 1;
    while (p < n) {
        const char c = FText[p];
        if (c == quote) {
            if (FSettings.escapes || p + 1 >= n || FText[p + 1] != quote) return p + 1;
            if (content) *content += quote;  // doubled quote
            p += 2;
            continue;
        }
        if (static_cast<unsigned char>(c) < ' ' && c != '\t') return kNoToken;  // unclosed on this line
        if (c == '\\' && FSettings.escapes && p + 1 < n) {
            const char e = FText[p + 1];
            p += 2;
            if (e == 'x' && p < n && Is(static_cast<unsigned char>(FText[p]), kHexDigit)) {
                std::size_t end = ReadHexDigits(p);
                unsigned long code = 0;
                for (std::size_t i = p; i < end && code <= kMaxCharCode; ++i)
                    code = code * 16 + DigitValue(FText[i]);
                if (content) *content += CharacterOfCode(code);
                p = end;
            } else if (content) {
                *content += e == 'n' ? '\n' : e == 'r' ? '\r' : e;
            }
            continue;
        }
        if (content) *content += c;
        ++p;
    }
    return kNoToken;
}

std::size_t SourceReader::ReadCharCode(std::size_t pos, std::string* content) const {
    std::string digits;
    std::size_t end = ReadNumber(pos + 1, &digits);
    if (end == kNoToken || digits.find_first_of(".eE", digits[0] == '$' ? digits.size() : 0) != std::string::npos)
        return kNoToken;
    const bool hex = digits[0] == '$';
    unsigned long code = 0;
    for (std::size_t i = hex ? 1 : 0; i < digits.size() && code <= kMaxCharCode; ++i)
        code = code * (hex ? 16 : 10) + DigitValue(digits[i]);
    if (content) *content += CharacterOfCode(code);
    return end;
}

std::size_t SourceReader::ReadString(std::size_t pos, std::string* text) const {
    std::string content;
    std::string* into = text ? &content : nullptr;
    std::size_t p = pos;
    while (p < FText.size()) {
        std::size_t end = kNoToken;
        if (FText[p] == FSettings.stringQuote)
            end = ReadQuotedPart(p, into);
        else if (FText[p] == '#')
            end = ReadCharCode(p, into);
        else
            break;
        if (end == kNoToken) {
            if (FText[p] == FSettings.stringQuote) return kNoToken;  // an unclosed part spoils the string
            break;
        }
        p = end;
    }
    if (p == pos) return kNoToken;
    if (text) *text = "'" + content + "'";
    return p;
}

std::size_t SourceReader::ReadFrString(std::size_t pos) const {
    const std::size_t n = FText.size();
    int depth = 1;
    for (std::size_t p = pos; p < n; ++p) {
        const char c = FText[p];
        if (c == '"' || c == '\'') {
            std::size_t close = FText.find(c, p + 1);
            if (close == std::string_view::npos) return kNoToken;
            p = close;
        } else if (c == '<' || c == '[') {
            ++depth;
        } else if (c == '>' || c == ']') {
            if (--depth == 0) return p > pos ? p : kNoToken;
        }
    }
    return kNoToken;
}

std::size_t SourceReader::ReadEol(std::size_t pos) const {
    if (pos >= FText.size()) return FText.size();
    std::size_t len = LineEndLength(pos);
    return len > 0 ? pos + len : kNoToken;
}

bool SourceReader::IsPunctuation(std::size_t pos) const {
    return pos < FText.size() && Is(static_cast<unsigned char>(FText[pos]), kPunctuation);
}

} // namespace orv
