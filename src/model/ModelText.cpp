#include "model/ModelText.h"

#include <array>
#include <charconv>

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
    std::array<char, 64> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buf.data(), end) : std::string("0");
}

} // namespace orv
