#include "model/WideStrings.h"

#include "model/ModelMessages.h"
#include "model/PropertyRegistry.h"
#include "platform/Exception.h"

namespace orv {

namespace {

constexpr char16_t LineSeparator = u'\u2028';

bool IsBreak(char16_t c)
{
    return c == u'\0' || c == u'\n' || c == u'\r' || c == LineSeparator;
}

} // namespace

const TClassInfo& TWideStrings::StaticClass()
{
    static const auto info = MakeClass<TWideStrings>("TWideStrings", &TPersistent::StaticClass(), [](auto&) {});
    return *info;
}

const std::u16string& TWideStrings::Get(std::size_t index) const
{
    if (index >= FLines.size())
        throw Exception(msg::WideStringOutOfBounds);
    return FLines[index];
}

void TWideStrings::Put(std::size_t index, std::u16string line)
{
    if (index == FLines.size())
        FLines.push_back(std::move(line));
    else if (index < FLines.size())
        FLines[index] = std::move(line);
    else
        throw Exception(msg::WideStringOutOfBounds);
}

void TWideStrings::Insert(std::size_t index, std::u16string line)
{
    if (index > FLines.size())
        throw Exception(msg::WideStringOutOfBounds);
    FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

void TWideStrings::Delete(std::size_t index)
{
    if (index >= FLines.size())
        throw Exception(msg::WideStringOutOfBounds);
    FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(index));
}

std::u16string TWideStrings::Text() const
{
    std::u16string text;
    for (const std::u16string& line : FLines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

void TWideStrings::SetText(std::u16string_view text)
{
    FLines.clear();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsBreak(text[i])) {
            ++i;
            continue;
        }
        FLines.emplace_back(text.substr(start, i - start));
        const bool cr = text[i] == u'\r';
        ++i;
        if (cr && i < text.size() && text[i] == u'\n')
            ++i;
        if (cr && i < text.size() && text[i] == LineSeparator)
            ++i;
        start = i;
    }
    if (start < text.size())
        FLines.emplace_back(text.substr(start));
}

} // namespace orv
