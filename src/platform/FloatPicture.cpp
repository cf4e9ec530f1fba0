#include "platform/FloatPicture.h"

#include "platform/DecimalDigits.h"
#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orv {
namespace {

constexpr std::size_t kMaxSections = 3;
constexpr int kMaxExponentDigits = 4;

enum class TokenKind { Literal, IntegerDigit, Point, FractionDigit, Exponent };

struct Token {
    TokenKind kind;
    std::string text;  // the literal, or the exponent letter
};

struct Picture {
    std::vector<Token> tokens;
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;
    int fractionPlaceholders = 0;
    int minFractionDigits = 0;
    bool grouping = false;
    bool scientific = false;
    bool exponentAlwaysSigned = false;
    int minExponentDigits = 0;
};

// The digits a picture shows, already rounded and trimmed to its placeholders.
struct PictureDigits {
    std::string integer;
    std::string fraction;
    int exponent = 0;
    bool zero = false;
};

std::size_t QuoteEnd(std::string_view text, std::size_t open) {
    return std::min(text.find(text[open], open + 1), text.size());
}

// Sections past the third are ignored.
std::vector<std::string_view> SplitSections(std::string_view picture) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= picture.size() && sections.size() < kMaxSections; ++i) {
        if (i == picture.size() || picture[i] == ';') {
            sections.push_back(picture.substr(start, i - start));
            start = i + 1;
        } else if (picture[i] == '\'' || picture[i] == '"') {
            i = std::min(QuoteEnd(picture, i), picture.size() - 1);  // an open quote runs to the end
        }
    }
    return sections;
}

void AddLiteral(Picture& p, std::string_view text) {
    if (!p.tokens.empty() && p.tokens.back().kind == TokenKind::Literal) p.tokens.back().text += text;
    else p.tokens.push_back({TokenKind::Literal, std::string(text)});
}

// Reads "E+000" at i; returns the index of its last character.
std::size_t ParseExponent(Picture& p, std::string_view section, std::size_t i) {
    p.scientific = true;
    p.exponentAlwaysSigned = section[i + 1] == '+';
    p.tokens.push_back({TokenKind::Exponent, std::string(1, section[i])});
    std::size_t last = i + 1;
    for (; last + 1 < section.size() && section[last + 1] == '0'; ++last) {
        p.minExponentDigits = std::min(p.minExponentDigits + 1, kMaxExponentDigits);
    }
    return last;
}

void AddPlaceholder(Picture& p, char c, bool afterPoint, int& firstIntegerZero) {
    if (afterPoint) {
        ++p.fractionPlaceholders;
        if (c == '0') p.minFractionDigits = p.fractionPlaceholders;
        p.tokens.push_back({TokenKind::FractionDigit, {}});
    } else {
        if (c == '0' && firstIntegerZero < 0) firstIntegerZero = p.integerPlaceholders;
        ++p.integerPlaceholders;
        p.tokens.push_back({TokenKind::IntegerDigit, {}});
    }
}

Picture ParsePicture(std::string_view section) {
    Picture p;
    bool afterPoint = false;
    int firstIntegerZero = -1;
    for (std::size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        const bool exponentFollows = i + 1 < section.size() && (section[i + 1] == '+' || section[i + 1] == '-');
        if (c == '\'' || c == '"') {
            const std::size_t end = QuoteEnd(section, i);
            AddLiteral(p, section.substr(i + 1, end - i - 1));
            i = end;
        } else if ((c == '0' || c == '#') && !p.scientific) {
            AddPlaceholder(p, c, afterPoint, firstIntegerZero);
        } else if (c == '.' && !p.scientific) {
            if (!afterPoint) p.tokens.push_back({TokenKind::Point, {}});
            afterPoint = true;
        } else if (c == ',' && !p.scientific) {
            p.grouping = true;
        } else if ((c == 'E' || c == 'e') && exponentFollows && !p.scientific) {
            i = ParseExponent(p, section, i);
        } else {
            AddLiteral(p, std::string_view(&section[i], 1));
        }
    }
    p.minIntegerDigits = firstIntegerZero < 0 ? 0 : p.integerPlaceholders - firstIntegerZero;
    return p;
}

// Leading zeros down to the '0' placeholders in front of the point, trailing
// decimal zeros down to the last '0' placeholder behind it.
void TrimDigits(PictureDigits& digits, const Picture& p) {
    std::string& integer = digits.integer;
    std::size_t leading = 0;
    while (leading < integer.size() && integer[leading] == '0') ++leading;
    const int kept = static_cast<int>(integer.size() - leading);
    if (kept >= p.minIntegerDigits) integer.erase(0, leading);
    else integer = std::string(p.minIntegerDigits - kept, '0') + integer.substr(leading);
    std::string& fraction = digits.fraction;
    while (static_cast<int>(fraction.size()) > p.minFractionDigits && fraction.back() == '0') fraction.pop_back();
}

PictureDigits FixedDigits(const Picture& p, long double value) {
    TDecimal number = ToDecimal(value);
    RoundToDecimals(number, p.fractionPlaceholders);
    PictureDigits digits{number.IntegerDigits(), number.FractionDigits(p.fractionPlaceholders), 0, number.IsZero()};
    TrimDigits(digits, p);
    return digits;
}

PictureDigits ScientificDigits(const Picture& p, long double value) {
    TDecimal number = ToDecimal(value);
    RoundToSignificant(number, std::clamp(p.integerPlaceholders + p.fractionPlaceholders, 1, kMaxSignificantDigits));
    PictureDigits digits;
    digits.zero = number.IsZero();
    digits.exponent = digits.zero ? 0 : number.Exponent - p.integerPlaceholders;
    for (int i = 0; i < p.integerPlaceholders; ++i) digits.integer += number.DigitAt(i);
    for (int i = 0; i < p.fractionPlaceholders; ++i) digits.fraction += number.DigitAt(p.integerPlaceholders + i);
    TrimDigits(digits, p);
    return digits;
}

PictureDigits DigitsFor(const Picture& p, long double value) {
    return p.scientific ? ScientificDigits(p, value) : FixedDigits(p, value);
}

std::string ExponentText(const Picture& p, const std::string& letter, int exponent) {
    std::string out = letter;
    if (exponent < 0) out += '-';
    else if (p.exponentAlwaysSigned) out += '+';
    std::string magnitude = std::to_string(std::abs(exponent));
    if (static_cast<int>(magnitude.size()) < p.minExponentDigits)
        magnitude.insert(0, p.minExponentDigits - magnitude.size(), '0');
    return out + magnitude;
}

std::string Render(const Picture& p, const PictureDigits& digits, const TFormatSettings& fs) {
    std::string out;
    const int n = static_cast<int>(digits.integer.size());
    const int excess = n - p.integerPlaceholders;
    const bool grouping = p.grouping && fs.ThousandSeparator != '\0';
    auto emitIntegerDigits = [&](int from, int to) {
        for (int i = std::max(from, 0); i <= to; ++i) {
            if (grouping && i > 0 && (n - i) % 3 == 0) out += fs.ThousandSeparator;
            out += digits.integer[i];
        }
    };
    int integerIndex = 0;
    std::size_t fractionIndex = 0;
    for (const Token& token : p.tokens) {
        switch (token.kind) {
        case TokenKind::Literal: out += token.text; break;
        case TokenKind::IntegerDigit:
            emitIntegerDigits(integerIndex == 0 ? 0 : integerIndex + excess, integerIndex + excess);
            ++integerIndex;
            break;
        case TokenKind::Point:
            if (p.integerPlaceholders == 0) emitIntegerDigits(0, n - 1);
            if (!digits.fraction.empty()) out += fs.DecimalSeparator;
            break;
        case TokenKind::FractionDigit:
            if (fractionIndex < digits.fraction.size()) out += digits.fraction[fractionIndex];
            ++fractionIndex;
            break;
        case TokenKind::Exponent: out += ExponentText(p, token.text, digits.exponent); break;
        }
    }
    return out;
}

} // namespace

std::string FormatFloat(std::string_view picture, long double value) {
    return FormatFloat(picture, value, ProcessFormatSettings());
}

std::string FormatFloat(std::string_view picture, long double value, const TFormatSettings& fs) {
    if (picture.empty() || !std::isfinite(value)) return FloatToStr(value, fs);
    const std::vector<std::string_view> sections = SplitSections(picture);
    auto sectionFor = [&](std::size_t wanted) {
        return wanted < sections.size() && !sections[wanted].empty() ? wanted : 0;
    };
    std::size_t chosen = sectionFor(value > 0 ? 0 : value < 0 ? 1 : 2);
    if (sections[chosen].empty()) return FloatToStr(value, fs);
    Picture p = ParsePicture(sections[chosen]);
    PictureDigits digits = DigitsFor(p, value);
    if (digits.zero && value != 0) {
        chosen = sectionFor(2);
        p = ParsePicture(sections[chosen]);
        digits = DigitsFor(p, 0);
    }
    if (!p.scientific && static_cast<int>(digits.integer.size()) > kMaxFixedIntegerDigits)
        return FloatToStr(value, fs);
    const bool minus = value < 0 && chosen == 0 && !digits.zero;
    return (minus ? "-" : "") + Render(p, digits, fs);
}

} // namespace orv
