#include "platform/FormatSettings.h"

#include "platform/Text.h"

#include <cstdlib>

namespace orv {
namespace {

// Texts are Windows-1252 bytes: 0xE9 is e acute, 0xE1 a acute, 0x80 the euro sign.
TFormatSettings SpanishSpain() {
    TFormatSettings fs;
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = '.';
    fs.DateSeparator = '/';
    fs.TimeSeparator = ':';
    fs.ListSeparator = ';';
    fs.ShortDateFormat = "dd/mm/yyyy";
    fs.LongDateFormat = "dddd, d' de 'mmmm' de 'yyyy";
    fs.ShortTimeFormat = "h:nn";
    fs.LongTimeFormat = "h:nn:ss";
    fs.TimeAMString = "a. m.";
    fs.TimePMString = "p. m.";
    fs.EraName = "d. C.";
    fs.CurrencyString = "\x80";
    fs.CurrencyFormat = 3;  // 1 €
    fs.NegCurrFormat = 8;   // -1 €
    fs.CurrencyDecimals = 2;
    fs.ShortMonthNames = {"ene", "feb", "mar", "abr", "may", "jun",
                          "jul", "ago", "sep", "oct", "nov", "dic"};
    fs.LongMonthNames = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                         "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
    fs.ShortDayNames = {"dom", "lun", "mar", "mi\xE9", "jue", "vie", "s\xE1" "b"};
    fs.LongDayNames = {"domingo", "lunes", "martes", "mi\xE9rcoles", "jueves", "viernes", "s\xE1" "bado"};
    return fs;
}

TFormatSettings EnglishUnitedStates() {
    TFormatSettings fs;
    fs.DecimalSeparator = '.';
    fs.ThousandSeparator = ',';
    fs.DateSeparator = '/';
    fs.TimeSeparator = ':';
    fs.ListSeparator = ',';
    fs.ShortDateFormat = "m/d/yyyy";
    fs.LongDateFormat = "dddd, mmmm d, yyyy";
    fs.ShortTimeFormat = "h:nn AMPM";
    fs.LongTimeFormat = "h:nn:ss AMPM";
    fs.TimeAMString = "AM";
    fs.TimePMString = "PM";
    fs.EraName = "A.D.";
    fs.CurrencyString = "$";
    fs.CurrencyFormat = 0;  // $1
    fs.NegCurrFormat = 0;   // ($1)
    fs.CurrencyDecimals = 2;
    fs.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    fs.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                         "July",    "August",   "September", "October", "November", "December"};
    fs.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    fs.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return fs;
}

struct LocaleEntry {
    const char* name;  // language_COUNTRY; the first entry of a language is its fallback
    TFormatSettings (*make)();
};

constexpr LocaleEntry kLocales[] = {
    {"es_ES", &SpanishSpain},
    {"en_US", &EnglishUnitedStates},
};

constexpr auto kDefaultLocale = &EnglishUnitedStates;

// "es-ES.UTF-8@euro" -> "es_es"
std::string NormalizedLocaleName(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    std::string out = LowerCase(name);
    for (char& c : out) {
        if (c == '-') c = '_';
    }
    return out;
}

std::string_view LanguageOf(std::string_view name) { return name.substr(0, name.find('_')); }

// Owned by the first call, never released: it must outlive every static user.
const TFormatSettings& EnvironmentSettings() {
    static const TFormatSettings settings = FormatSettingsFor(ProcessLocaleName());
    return settings;
}

const TFormatSettings* gPinned = nullptr;

} // namespace

TFormatSettings FormatSettingsFor(std::string_view localeName) {
    const std::string name = NormalizedLocaleName(localeName);
    for (const LocaleEntry& entry : kLocales) {
        if (name == NormalizedLocaleName(entry.name)) return entry.make();
    }
    for (const LocaleEntry& entry : kLocales) {
        if (LanguageOf(name) == LanguageOf(NormalizedLocaleName(entry.name))) return entry.make();
    }
    return kDefaultLocale();
}

std::string ProcessLocaleName(EnvironmentLookup lookup) {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"}) {
        const char* value = lookup ? lookup(variable) : std::getenv(variable);
        if (value && *value) return value;
    }
    return "C";
}

const TFormatSettings& ProcessFormatSettings() { return gPinned ? *gPinned : EnvironmentSettings(); }

ScopedFormatSettings::ScopedFormatSettings(const TFormatSettings& settings)
    : FSettings(settings), FPrevious(gPinned) {
    gPinned = &FSettings;
}

ScopedFormatSettings::ScopedFormatSettings(std::string_view localeName)
    : ScopedFormatSettings(FormatSettingsFor(localeName)) {}

ScopedFormatSettings::~ScopedFormatSettings() { gPinned = FPrevious; }

} // namespace orv
