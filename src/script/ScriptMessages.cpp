#include "script/ScriptMessages.h"

namespace orv::scriptmsg {

std::string Format(std::string_view message, std::string_view text) {
    std::string out(message);
    std::size_t at = out.find("%s");
    if (at != std::string::npos) out.replace(at, 2, text);
    return out;
}

std::string Format(std::string_view message, std::string_view first, std::string_view second) {
    std::string out(message);
    std::size_t at = out.find("%s");
    if (at == std::string::npos) return out;
    out.replace(at, 2, first);
    at = out.find("%s", at + first.size());
    if (at != std::string::npos) out.replace(at, 2, second);
    return out;
}

} // namespace orv::scriptmsg
