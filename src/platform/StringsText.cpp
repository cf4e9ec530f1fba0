#include "platform/StringsText.h"

namespace orv {

std::string StringsText(const TStringList& list)
{
    std::string text;
    for (const std::string& line : list.Lines()) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void SetStringsText(TStringList& list, std::string_view text)
{
    list.Clear();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        list.Add(std::string(text.substr(start, i - start)));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        list.Add(std::string(text.substr(start)));
}

} // namespace orv
