// The conventions that number and date texts follow (separators, date and
// time pictures, currency, month and day names), kept as our own records by
// locale name so that results never depend on the machine's locale data.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';  // '\0': numbers are not grouped
    char DateSeparator = '/';
    char TimeSeparator = ':';
    char ListSeparator = ',';
    std::string ShortDateFormat;
    std::string LongDateFormat;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::string TimeAMString;
    std::string TimePMString;
    std::string EraName;  // of the Gregorian calendar, for the 'g' picture
    std::string CurrencyString;
    std::uint8_t CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    std::uint8_t NegCurrFormat = 0;   // 0..15, the patterns are listed in NumberFormat.cpp
    std::uint8_t CurrencyDecimals = 2;
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames;  // [0] is Sunday
    std::array<std::string, 7> LongDayNames;
};

// The record of a locale name such as "es_ES", "es_ES.UTF-8" or "es_ES@euro"
// (code set and modifier are ignored, '-' counts as '_', letter case does not
// matter). An unknown country of a known language gets that language's
// record; "C", "POSIX" and anything else unknown get the en_US record.
TFormatSettings FormatSettingsFor(std::string_view localeName);

// The name the process runs under: the first non-empty of LC_ALL,
// LC_NUMERIC, LC_TIME and LANG, read through `lookup` (getenv by default).
using EnvironmentLookup = const char* (*)(const char* name);
std::string ProcessLocaleName(EnvironmentLookup lookup = nullptr);

// The record every formatting function uses by default: chosen once from
// ProcessLocaleName(), unless a ScopedFormatSettings pins another one.
const TFormatSettings& ProcessFormatSettings();

// Pins the process record for its lifetime (tests, or a job that must format
// by a fixed convention); the previous record comes back on destruction.
class ScopedFormatSettings {
public:
    explicit ScopedFormatSettings(const TFormatSettings& settings);
    explicit ScopedFormatSettings(std::string_view localeName);
    ~ScopedFormatSettings();
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

private:
    TFormatSettings FSettings;
    const TFormatSettings* FPrevious;
};

} // namespace orv
