#include "platform/DateTimeFormat.h"

#include "platform/Exception.h"
#include "platform/FormatMessages.h"
#include "platform/NumberFormat.h"
#include "platform/Text.h"

#include <cmath>
#include <cstdlib>

namespace orv {
namespace {

constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;
constexpr long kMsecsPerDay = 86400000;
constexpr long kDaysFrom1970To18991230 = -25569;
// Picture texts of the record (ShortDateFormat...) may name each other; deeper
// nesting than this is dropped.
constexpr int kMaxPictureNesting = 2;

// Days from 1970-01-01 in the proleptic Gregorian calendar, and back.
long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    int year, month, day;
};

CivilDate CivilFromDays(long days) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {static_cast<int>(yearOfEra + era * 400 + (month <= 2)), month, day};
}

long SerialDay(int year, int month, int day) { return DaysFromCivil(year, month, day) - kDaysFrom1970To18991230; }

const long kFirstSerialDay = SerialDay(kMinYear, 1, 1);
const long kLastSerialDay = SerialDay(kMaxYear, 12, 31);

// The calendar day and the milliseconds into it.
struct SplitValue {
    long day;
    long msec;
};

SplitValue Split(TDateTime value) {
    const double whole = std::trunc(value);
    if (!std::isfinite(value) || whole < kFirstSerialDay || whole > kLastSerialDay)
        throw Exception(fmtmsg::FormatMessage(fmtmsg::DateTimeOutOfRange, FloatToStr(value)));
    const double msec = std::nearbyint(std::fabs(value - whole) * kMsecsPerDay);
    SplitValue split{static_cast<long>(whole), static_cast<long>(msec)};
    if (split.msec >= kMsecsPerDay) {
        split.msec -= kMsecsPerDay;
        ++split.day;
    }
    return split;
}

CivilDate DateOf(TDateTime value) { return CivilFromDays(Split(value).day + kDaysFrom1970To18991230); }

struct TimeParts {
    int hour, minute, second, msec;
};

TimeParts TimeOf(TDateTime value) {
    const long msec = Split(value).msec;
    return {static_cast<int>(msec / 3600000), static_cast<int>(msec / 60000 % 60), static_cast<int>(msec / 1000 % 60),
            static_cast<int>(msec % 1000)};
}

std::string Padded(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::size_t RunLength(std::string_view picture, std::size_t i) {
    const char letter = UpperCase(picture.substr(i, 1))[0];
    std::size_t end = i;
    while (end < picture.size() && UpperCase(picture.substr(end, 1))[0] == letter) ++end;
    return end - i;
}

bool StartsWithText(std::string_view picture, std::size_t i, std::string_view word) {
    return SameText(picture.substr(i, word.size()), word);
}

// Writes one value through a picture, recursing into the record's own pictures.
class DateTimeWriter {
public:
    DateTimeWriter(TDateTime value, const TFormatSettings& fs)
        : FSettings(fs), FDate(DateOf(value)), FTime(TimeOf(value)), FDayOfWeek(DayOfWeek(value)) {}

    std::string Write(std::string_view picture) {
        Append(picture.empty() ? "c" : picture, 0);
        return FOut;
    }

private:
    void Append(std::string_view picture, int depth) {
        if (depth > kMaxPictureNesting) return;
        char lastLetter = '\0';
        for (std::size_t i = 0; i < picture.size();) {
            char token = UpperCase(picture.substr(i, 1))[0];
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastLetter == 'H') token = 'N';
                lastLetter = token;
            }
            i += AppendToken(picture, i, token, depth);
        }
    }

    // Writes the token at i; returns how many characters it took.
    std::size_t AppendToken(std::string_view picture, std::size_t i, char token, int depth) {
        const std::size_t count = RunLength(picture, i);
        switch (token) {
        case 'Y': FOut += count <= 2 ? Padded(FDate.year % 100, 2) : Padded(FDate.year, 4); return count;
        case 'M': AppendMonth(count); return count;
        case 'D': AppendDay(count, depth); return count;
        case 'E': FOut += Padded(FDate.year, count == 1 ? 1 : 2); return count;
        case 'G': FOut += count == 1 ? FSettings.EraName.substr(0, 1) : FSettings.EraName; return count;
        case 'H': FOut += Padded(HourFor(picture, i + count), count == 1 ? 1 : 2); return count;
        case 'N': FOut += Padded(FTime.minute, count == 1 ? 1 : 2); return count;
        case 'S': FOut += Padded(FTime.second, count == 1 ? 1 : 2); return count;
        case 'Z': FOut += Padded(FTime.msec, count == 1 ? 1 : 3); return count;
        case 'T': Append(count == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, depth + 1); return count;
        case 'C': AppendDateAndTime(depth); return count;
        case 'A': return AppendAmPm(picture, i);
        case '/': AppendSeparator(FSettings.DateSeparator); return 1;
        case ':': AppendSeparator(FSettings.TimeSeparator); return 1;
        case '\'':
        case '"': return AppendQuoted(picture, i);
        default: FOut += picture[i]; return 1;
        }
    }

    void AppendMonth(std::size_t count) {
        if (count <= 2) FOut += Padded(FDate.month, static_cast<int>(count));
        else FOut += (count == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames)[FDate.month - 1];
    }

    void AppendDay(std::size_t count, int depth) {
        if (count <= 2) FOut += Padded(FDate.day, static_cast<int>(count));
        else if (count <= 4) FOut += (count == 3 ? FSettings.ShortDayNames : FSettings.LongDayNames)[FDayOfWeek - 1];
        else Append(count == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat, depth + 1);
    }

    void AppendDateAndTime(int depth) {
        Append(FSettings.ShortDateFormat, depth + 1);
        if (FTime.hour != 0 || FTime.minute != 0 || FTime.second != 0) {
            FOut += ' ';
            Append(FSettings.LongTimeFormat, depth + 1);
        }
    }

    // "am/pm" and "a/p" keep the letters as written; "ampm" gives the record's strings.
    std::size_t AppendAmPm(std::string_view picture, std::size_t i) {
        const bool pm = FTime.hour >= 12;
        if (StartsWithText(picture, i, "am/pm")) {
            FOut += picture.substr(pm ? i + 3 : i, 2);
            return 5;
        }
        if (StartsWithText(picture, i, "a/p")) {
            FOut += picture[pm ? i + 2 : i];
            return 3;
        }
        if (StartsWithText(picture, i, "ampm")) {
            FOut += pm ? FSettings.TimePMString : FSettings.TimeAMString;
            return 4;
        }
        FOut += picture[i];
        return 1;
    }

    std::size_t AppendQuoted(std::string_view picture, std::size_t i) {
        const std::size_t close = std::min(picture.find(picture[i], i + 1), picture.size());
        FOut += picture.substr(i + 1, close - i - 1);
        return std::min(close + 1, picture.size()) - i;
    }

    void AppendSeparator(char separator) {
        if (separator != '\0') FOut += separator;
    }

    // The hour on a 12-hour clock when an am/pm token follows before the next hour token.
    int HourFor(std::string_view picture, std::size_t from) const {
        for (std::size_t i = from; i < picture.size(); ++i) {
            const char c = picture[i];
            if (c == 'h' || c == 'H') break;
            if (c == '\'' || c == '"') {
                i = std::min(picture.find(c, i + 1), picture.size());
            } else if (StartsWithText(picture, i, "am/pm") || StartsWithText(picture, i, "a/p") ||
                       StartsWithText(picture, i, "ampm")) {
                return FTime.hour % 12 == 0 ? 12 : FTime.hour % 12;
            }
        }
        return FTime.hour;
    }

    const TFormatSettings& FSettings;
    CivilDate FDate;
    TimeParts FTime;
    int FDayOfWeek;
    std::string FOut;
};

} // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    value = static_cast<TDateTime>(SerialDay(year, month, day));
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime value = 0;
    if (!TryEncodeDate(year, month, day, value)) throw Exception(fmtmsg::DateEncodeError);
    return value;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
        return false;
    const long total = ((hour * 60L + minute) * 60L + second) * 1000L + msec;
    value = static_cast<TDateTime>(total) / kMsecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    TDateTime value = 0;
    if (!TryEncodeTime(hour, minute, second, msec, value)) throw Exception(fmtmsg::TimeEncodeError);
    return value;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    const CivilDate date = DateOf(value);
    year = date.year;
    month = date.month;
    day = date.day;
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) {
    const TimeParts time = TimeOf(value);
    hour = time.hour;
    minute = time.minute;
    second = time.second;
    msec = time.msec;
}

int DayOf(TDateTime value) { return DateOf(value).day; }
int MonthOf(TDateTime value) { return DateOf(value).month; }
int YearOf(TDateTime value) { return DateOf(value).year; }

int DayOfWeek(TDateTime value) {
    // Serial day 0, 1899-12-30, was a Saturday.
    const long day = Split(value).day;
    return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) throw Exception(fmtmsg::FormatMessage(fmtmsg::InvalidMonth, std::to_string(month)));
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::string DateToStr(TDateTime value) { return DateToStr(value, ProcessFormatSettings()); }
std::string DateToStr(TDateTime value, const TFormatSettings& fs) { return FormatDateTime("ddddd", value, fs); }
std::string TimeToStr(TDateTime value) { return TimeToStr(value, ProcessFormatSettings()); }
std::string TimeToStr(TDateTime value, const TFormatSettings& fs) { return FormatDateTime("tt", value, fs); }
std::string DateTimeToStr(TDateTime value) { return DateTimeToStr(value, ProcessFormatSettings()); }
std::string DateTimeToStr(TDateTime value, const TFormatSettings& fs) { return FormatDateTime("c", value, fs); }

std::string FormatDateTime(std::string_view picture, TDateTime value) {
    return FormatDateTime(picture, value, ProcessFormatSettings());
}

std::string FormatDateTime(std::string_view picture, TDateTime value, const TFormatSettings& fs) {
    return DateTimeWriter(value, fs).Write(picture);
}

} // namespace orv
