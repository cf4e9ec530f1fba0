// The dialog that asks the user for a report's password. There is nobody to
// ask on this platform: the dialog always answers as cancelled.
#pragma once

#include <optional>
#include <string>

namespace orv {

// The text entered, or none when the dialog was cancelled.
std::optional<std::string> InputPassword();

} // namespace orv
