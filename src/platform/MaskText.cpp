#include "platform/MaskText.h"

#include "platform/Text.h"

#include <algorithm>
#include <vector>

namespace orv {
namespace {

constexpr char kDefaultBlank = '_';
constexpr std::string_view kSlotCharacters = "09#LlAaCc";
constexpr char kMissing = '\0';  // stands in front of a right-aligned value

enum class LetterCase { Keep, Upper, Lower };

struct MaskPosition {
    bool slot;
    char literal;
    LetterCase letterCase;
};

struct Mask {
    std::vector<MaskPosition> positions;
    bool saveLiterals = true;
    char blank = kDefaultBlank;
    bool rightAligned = false;
};

// The ';' fields of a mask; a ';' after '\' belongs to the picture.
std::vector<std::string_view> MaskFields(std::string_view editMask) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < editMask.size(); ++i) {
        if (editMask[i] == '\\') ++i;
        else if (editMask[i] == ';') {
            fields.push_back(editMask.substr(start, i - start));
            start = i + 1;
        }
    }
    fields.push_back(editMask.substr(std::min(start, editMask.size())));
    return fields;
}

// The position the picture character at i stands for; a backslash takes the next one too.
MaskPosition PositionAt(std::string_view picture, std::size_t& i, LetterCase letterCase, const TFormatSettings& fs) {
    const char c = picture[i];
    if (c == '\\' && i + 1 < picture.size()) return {false, picture[++i], letterCase};
    if (kSlotCharacters.find(c) != std::string_view::npos) return {true, '\0', letterCase};
    if (c == '_') return {false, ' ', letterCase};
    if (c == '/') return {false, fs.DateSeparator, letterCase};
    if (c == ':') return {false, fs.TimeSeparator, letterCase};
    return {false, c, letterCase};
}

Mask ParseMask(std::string_view editMask, const TFormatSettings& fs) {
    const std::vector<std::string_view> fields = MaskFields(editMask);
    Mask mask;
    if (fields.size() > 1) mask.saveLiterals = fields[1] != "0";
    if (fields.size() > 2 && !fields[2].empty()) mask.blank = fields[2][0];
    const std::string_view picture = fields[0];
    LetterCase letterCase = LetterCase::Keep;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (picture.substr(i, 2) == "<>") {
            letterCase = LetterCase::Keep;
            ++i;
            continue;
        }
        switch (picture[i]) {
        case '!': mask.rightAligned = true; break;
        case '>': letterCase = LetterCase::Upper; break;
        case '<': letterCase = LetterCase::Lower; break;
        default: mask.positions.push_back(PositionAt(picture, i, letterCase, fs));
        }
    }
    return mask;
}

char InCase(char c, LetterCase letterCase) {
    if (letterCase == LetterCase::Upper) return UpperCase(std::string_view(&c, 1))[0];
    if (letterCase == LetterCase::Lower) return LowerCase(std::string_view(&c, 1))[0];
    return c;
}

} // namespace

std::string FormatMaskText(std::string_view editMask, std::string_view value) {
    return FormatMaskText(editMask, value, ProcessFormatSettings());
}

std::string FormatMaskText(std::string_view editMask, std::string_view value, const TFormatSettings& fs) {
    const Mask mask = ParseMask(editMask, fs);
    // With saved literals the value runs along every position, otherwise only along the slots.
    const std::size_t expected = mask.saveLiterals
                                     ? mask.positions.size()
                                     : static_cast<std::size_t>(std::count_if(
                                           mask.positions.begin(), mask.positions.end(),
                                           [](const MaskPosition& p) { return p.slot; }));
    std::string input(value);
    if (mask.rightAligned && input.size() < expected) input.insert(0, expected - input.size(), kMissing);
    std::string out;
    std::size_t next = 0;
    for (const MaskPosition& position : mask.positions) {
        if (!position.slot) {
            out += position.literal;
            if (mask.saveLiterals) ++next;
            continue;
        }
        const char c = next < input.size() ? input[next++] : kMissing;
        out += c == kMissing ? mask.blank : InCase(c, position.letterCase);
    }
    return out;
}

} // namespace orv
