#include "platform/DateTimeParse.h"

#include "platform/Exception.h"
#include "platform/FormatMessages.h"
#include "platform/Text.h"

#include <chrono>
#include <ctime>

namespace orv {
namespace {

constexpr int kMaxNumberDigits = 9;
constexpr int kMsecDigits = 3;
constexpr int kTwoDigitYearPivot = 50;  // 00-49 -> 20xx, 50-99 -> 19xx

enum class DateOrder { DMY, MDY, YMD };

// The order of the first day, month and year letters of a picture.
DateOrder DateOrderOf(std::string_view picture) {
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char c = picture[i];
        if (c == '\'' || c == '"') {
            i = std::min(picture.find(c, i + 1), picture.size());
        } else if (c == 'y' || c == 'Y') {
            return DateOrder::YMD;
        } else if (c == 'm' || c == 'M') {
            return DateOrder::MDY;
        } else if (c == 'd' || c == 'D') {
            return DateOrder::DMY;
        }
    }
    return DateOrder::DMY;
}

int CurrentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

// Reads a text left to right; every read skips the blanks before it and
// consumes nothing when it fails.
class Scanner {
public:
    explicit Scanner(std::string_view text) : FText(text) {}

    bool AtEnd() {
        SkipBlanks();
        return FPos == FText.size();
    }

    bool Digits(std::string& digits) {
        SkipBlanks();
        const std::size_t start = FPos;
        while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9') ++FPos;
        digits.assign(FText.substr(start, FPos - start));
        return !digits.empty();
    }

    bool Number(int& value, int& digitCount) {
        const std::size_t start = FPos;
        std::string digits;
        if (!Digits(digits) || digits.size() > kMaxNumberDigits) {
            FPos = start;
            return false;
        }
        value = std::stoi(digits);
        digitCount = static_cast<int>(digits.size());
        return true;
    }

    bool Number(int& value) {
        int digitCount = 0;
        return Number(value, digitCount);
    }

    bool Char(char c) { return Word(std::string_view(&c, 1)); }

    bool Word(std::string_view word) {
        if (word.empty()) return false;
        const std::size_t start = FPos;
        SkipBlanks();
        if (SameText(FText.substr(FPos, word.size()), word)) {
            FPos += word.size();
            return true;
        }
        FPos = start;
        return false;
    }

private:
    void SkipBlanks() {
        while (FPos < FText.size() && FText[FPos] == ' ') ++FPos;
    }

    std::string_view FText;
    std::size_t FPos = 0;
};

bool ScanDate(Scanner& in, const TFormatSettings& fs, TDateTime& value) {
    int first = 0, second = 0, third = 0, yearDigits = 0, digits = 0;
    if (!in.Number(first, digits) || !in.Char(fs.DateSeparator) || !in.Number(second)) return false;
    const bool hasYear = in.Char(fs.DateSeparator);
    if (hasYear && !in.Number(third, yearDigits)) return false;
    int year = CurrentYear(), month = 0, day = 0;
    switch (DateOrderOf(fs.ShortDateFormat)) {
    case DateOrder::YMD:
        if (hasYear) {
            year = first;
            yearDigits = digits;
            month = second;
            day = third;
        } else {
            month = first;
            day = second;
        }
        break;
    case DateOrder::MDY:
        month = first;
        day = second;
        if (hasYear) year = third;
        break;
    case DateOrder::DMY:
        day = first;
        month = second;
        if (hasYear) year = third;
        break;
    }
    if (hasYear && yearDigits <= 2) year += year < kTwoDigitYearPivot ? 2000 : 1900;
    return TryEncodeDate(year, month, day, value);
}

// The first three digits of a fraction of a second, as milliseconds.
int MillisecondsOf(const std::string& fraction) {
    std::string msec = fraction.substr(0, kMsecDigits);
    msec.append(kMsecDigits - msec.size(), '0');
    return std::stoi(msec);
}

bool ScanAmPm(Scanner& in, const TFormatSettings& fs, bool& pm) {
    if (in.Word(fs.TimeAMString) || in.Word("AM")) {
        pm = false;
        return true;
    }
    if (in.Word(fs.TimePMString) || in.Word("PM")) {
        pm = true;
        return true;
    }
    return false;
}

bool ScanTime(Scanner& in, const TFormatSettings& fs, TDateTime& value) {
    int hour = 0, minute = 0, second = 0, msec = 0;
    if (!in.Number(hour) || !in.Char(fs.TimeSeparator) || !in.Number(minute)) return false;
    if (in.Char(fs.TimeSeparator)) {
        if (!in.Number(second)) return false;
        if (in.Char(fs.DecimalSeparator) || in.Char('.')) {
            std::string fraction;
            if (!in.Digits(fraction)) return false;
            msec = MillisecondsOf(fraction);
        }
    }
    bool pm = false;
    if (ScanAmPm(in, fs, pm)) {
        if (hour > 12) return false;
        if (hour == 12) hour = 0;
        if (pm) hour += 12;
    }
    return TryEncodeTime(hour, minute, second, msec, value);
}

// The time of a date before 1899-12-30 counts away from zero, like its days.
TDateTime Combined(TDateTime date, TDateTime time) { return date < 0 ? date - time : date + time; }

using TryParse = bool (*)(std::string_view, TDateTime&, const TFormatSettings&);

TDateTime ParseOrThrow(TryParse parse, std::string_view text, const TFormatSettings& fs, const char* messageTemplate) {
    TDateTime value = 0;
    if (!parse(text, value, fs)) throw Exception(fmtmsg::FormatMessage(messageTemplate, text));
    return value;
}

} // namespace

bool TryStrToDate(std::string_view text, TDateTime& value) {
    return TryStrToDate(text, value, ProcessFormatSettings());
}

bool TryStrToDate(std::string_view text, TDateTime& value, const TFormatSettings& fs) {
    Scanner in(text);
    TDateTime date = 0;
    if (!ScanDate(in, fs, date) || !in.AtEnd()) return false;
    value = date;
    return true;
}

bool TryStrToTime(std::string_view text, TDateTime& value) {
    return TryStrToTime(text, value, ProcessFormatSettings());
}

bool TryStrToTime(std::string_view text, TDateTime& value, const TFormatSettings& fs) {
    Scanner in(text);
    TDateTime time = 0;
    if (!ScanTime(in, fs, time) || !in.AtEnd()) return false;
    value = time;
    return true;
}

bool TryStrToDateTime(std::string_view text, TDateTime& value) {
    return TryStrToDateTime(text, value, ProcessFormatSettings());
}

bool TryStrToDateTime(std::string_view text, TDateTime& value, const TFormatSettings& fs) {
    Scanner in(text);
    TDateTime date = 0, time = 0;
    if (!ScanDate(in, fs, date)) return TryStrToTime(text, value, fs);
    if (!in.AtEnd() && (!ScanTime(in, fs, time) || !in.AtEnd())) return false;
    value = Combined(date, time);
    return true;
}

TDateTime StrToDate(std::string_view text) { return StrToDate(text, ProcessFormatSettings()); }

TDateTime StrToDate(std::string_view text, const TFormatSettings& fs) {
    return ParseOrThrow(static_cast<TryParse>(&TryStrToDate), text, fs, fmtmsg::InvalidDate);
}

TDateTime StrToTime(std::string_view text) { return StrToTime(text, ProcessFormatSettings()); }

TDateTime StrToTime(std::string_view text, const TFormatSettings& fs) {
    return ParseOrThrow(static_cast<TryParse>(&TryStrToTime), text, fs, fmtmsg::InvalidTime);
}

TDateTime StrToDateTime(std::string_view text) { return StrToDateTime(text, ProcessFormatSettings()); }

TDateTime StrToDateTime(std::string_view text, const TFormatSettings& fs) {
    return ParseOrThrow(static_cast<TryParse>(&TryStrToDateTime), text, fs, fmtmsg::InvalidDateTime);
}

} // namespace orv
