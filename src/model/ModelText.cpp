#include "model/ModelText.h"

#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"

#include <cmath>

namespace orv {

std::string FormatMessage(std::string_view templ, std::initializer_list<std::string_view> args)
{
    std::string out;
    auto arg = args.begin();
    for (std::size_t i = 0; i < templ.size(); ++i) {
        if (templ[i] == '%' && i + 1 < templ.size() && templ[i + 1] == 's' && arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += templ[i];
        }
    }
    return out;
}

std::string FloatToText(long double value)
{
    static const TFormatSettings machine; // '.' as the decimal separator
    return FloatToStr(value, machine);
}

bool TextToFloat(std::string_view text, long double& value)
{
    static const TFormatSettings machine;
    std::string s;
    for (char c : text)
        if (c != ' ')
            s += (c == ',') ? '.' : c;
    return TryStrToFloat(s, value, machine) && std::isfinite(value);
}

} // namespace orv
