#include "platform/PasswordDialog.h"

namespace orv {

std::optional<std::string> InputPassword()
{
    return std::nullopt;
}

} // namespace orv
