// Small text helpers of the report model: filling message templates.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// Replaces each "%s" of the template, in order, by the next argument.
std::string FormatMessage(std::string_view templ, std::initializer_list<std::string_view> args);

} // namespace orv
