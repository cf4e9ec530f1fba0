// Date and time texts read back into date-time values by the conventions of
// a TFormatSettings record.
#pragma once

#include "platform/DateTimeFormat.h"
#include "platform/FormatSettings.h"

#include <string_view>

namespace orv {

// A date is two or three numbers split by the record's DateSeparator, in the
// order that ShortDateFormat names day, month and year; with two numbers the
// year is the current one. A year of one or two digits is taken as 2000-2049
// (00-49) or 1950-1999 (50-99). Blanks may stand around every part.
TDateTime StrToDate(std::string_view text);
TDateTime StrToDate(std::string_view text, const TFormatSettings& fs);
bool TryStrToDate(std::string_view text, TDateTime& value);
bool TryStrToDate(std::string_view text, TDateTime& value, const TFormatSettings& fs);

// hour:minute[:second[.fraction]] with the record's TimeSeparator; the
// fraction of a second takes the DecimalSeparator or '.', and its first three
// digits are milliseconds. An AM or PM marker may follow (the record's
// strings, or "AM"/"PM" in any case), with hours 0-12.
TDateTime StrToTime(std::string_view text);
TDateTime StrToTime(std::string_view text, const TFormatSettings& fs);
bool TryStrToTime(std::string_view text, TDateTime& value);
bool TryStrToTime(std::string_view text, TDateTime& value, const TFormatSettings& fs);

// A date, a time, or a date followed by a time.
TDateTime StrToDateTime(std::string_view text);
TDateTime StrToDateTime(std::string_view text, const TFormatSettings& fs);
bool TryStrToDateTime(std::string_view text, TDateTime& value);
bool TryStrToDateTime(std::string_view text, TDateTime& value, const TFormatSettings& fs);

} // namespace orv
