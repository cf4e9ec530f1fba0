// The messages of number and date conversion, in one place. A "%s" stands for
// the offending text and is filled in by FormatMessage.
#pragma once

#include <string>
#include <string_view>

namespace orv::fmtmsg {

inline constexpr const char* InvalidFormat = "Format '%s' invalid or incompatible with argument";
inline constexpr const char* ArgumentMissing = "No argument for format '%s'";
inline constexpr const char* FormatTooWide = "Format '%s' asks for a width or precision above the limit";
inline constexpr const char* InvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* InvalidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* InvalidDate = "'%s' is not a valid date";
inline constexpr const char* InvalidTime = "'%s' is not a valid time";
inline constexpr const char* InvalidDateTime = "'%s' is not a valid date and time";
inline constexpr const char* DateEncodeError = "Invalid argument to date encode";
inline constexpr const char* TimeEncodeError = "Invalid argument to time encode";
inline constexpr const char* DateTimeOutOfRange = "Date-time value %s is out of range";
inline constexpr const char* InvalidMonth = "Invalid month %s";
inline constexpr const char* NumberNotWritable = "Number %s cannot be written";

// The template with its first "%s" replaced by `text`.
inline std::string FormatMessage(std::string_view messageTemplate, std::string_view text) {
    std::string out(messageTemplate);
    const auto at = out.find("%s");
    if (at != std::string::npos) out.replace(at, 2, text);
    return out;
}

} // namespace orv::fmtmsg
