// Date-time values (days counted from 30 December 1899, the fraction being
// the time of day) built, taken apart and written by the conventions of a
// TFormatSettings record.
#pragma once

#include "platform/FormatSettings.h"

#include <string>
#include <string_view>

namespace orv {

using TDateTime = double;

// Years 1-9999; errors raise orv::Exception.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value);

// A value before 1899-12-30 keeps its time as a positive fraction: -1.25 is
// 1899-12-29 06:00. The time is rounded to the nearest millisecond (halves to
// even); 23:59:59.9996 becomes midnight of the next day. Values outside years
// 1-9999, infinities and NaN raise orv::Exception.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);
int DayOf(TDateTime value);
int MonthOf(TDateTime value);
int YearOf(TDateTime value);
// 1 is Sunday, 7 Saturday.
int DayOfWeek(TDateTime value);

bool IsLeapYear(int year);
// Month 1-12, otherwise orv::Exception.
int DaysInMonth(int year, int month);

// ShortDateFormat; LongTimeFormat; the two joined by a blank, the time left
// out at midnight.
std::string DateToStr(TDateTime value);
std::string DateToStr(TDateTime value, const TFormatSettings& fs);
std::string TimeToStr(TDateTime value);
std::string TimeToStr(TDateTime value, const TFormatSettings& fs);
std::string DateTimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value, const TFormatSettings& fs);

// Picture syntax (letters in either case):
//   c        ShortDateFormat, then a blank and LongTimeFormat unless midnight
//   d dd     day; ddd dddd short and long day name; ddddd ShortDateFormat;
//            dddddd LongDateFormat
//   e ee     year of the era (the year), "ee" with at least two digits
//   g gg     first letter of the era name, the whole era name
//   m mm     month; mmm mmmm short and long month name; right after an hour
//            token m and mm are minutes
//   yy yyyy  two-digit and four-digit year
//   h hh     hour (12-hour clock when an am/pm token follows before the next hour)
//   n nn s ss  minute, second; z zzz milliseconds
//   t tt     ShortTimeFormat, LongTimeFormat
//   am/pm a/p  as written, e.g. "pm" or "PM"; ampm the record's AM/PM strings
//   / :      the record's date and time separators
//   'x' "x"  literal text; any other character is literal
// An empty picture is "c".
std::string FormatDateTime(std::string_view picture, TDateTime value);
std::string FormatDateTime(std::string_view picture, TDateTime value, const TFormatSettings& fs);

} // namespace orv
