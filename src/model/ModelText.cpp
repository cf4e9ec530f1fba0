#include "model/ModelText.h"

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

} // namespace orv
