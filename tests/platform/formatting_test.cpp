#include "platform/Exception.h"
#include "platform/FloatPicture.h"
#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"
#include "platform/StringFormat.h"
#include "platform/FormattingCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>

namespace orv {
namespace {

using testing_support::MessageOf;

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

// ---- settings records ----

TEST(FormatSettingsTest, RecordsByLocaleNameWithFallbacks) {
    const struct {
        const char* locale;
        char decimal;
        const char* shortDate;
    } cases[] = {
        {"es_ES", ',', "dd/mm/yyyy"},        {"es_ES.UTF-8", ',', "dd/mm/yyyy"}, {"ES-es@euro", ',', "dd/mm/yyyy"},
        {"es_MX.UTF-8", ',', "dd/mm/yyyy"},  {"en_US.UTF-8", '.', "m/d/yyyy"},   {"en_GB", '.', "m/d/yyyy"},
        {"C", '.', "m/d/yyyy"},              {"POSIX", '.', "m/d/yyyy"},         {"", '.', "m/d/yyyy"},
        {"de_DE.UTF-8", '.', "m/d/yyyy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const TFormatSettings fs = FormatSettingsFor(c.locale);
        EXPECT_EQ(fs.DecimalSeparator, c.decimal);
        EXPECT_EQ(fs.ShortDateFormat, c.shortDate);
    }
}

TEST(FormatSettingsTest, SpanishRecordIsWindows1252) {
    const TFormatSettings fs = FormatSettingsFor("es_ES");
    EXPECT_EQ(fs.ThousandSeparator, '.');
    EXPECT_EQ(fs.CurrencyString, "\x80");
    EXPECT_EQ(fs.LongMonthNames[8], "septiembre");
    EXPECT_EQ(fs.LongDayNames[3], "mi\xE9rcoles");
    EXPECT_EQ(fs.LongDayNames[6], "s\xE1" "bado");
    EXPECT_EQ(fs.ShortDayNames[0], "dom");
}

TEST(FormatSettingsTest, ProcessLocaleNameTakesTheFirstSetVariable) {
    static std::map<std::string, std::string> env;
    const EnvironmentLookup lookup = [](const char* name) -> const char* {
        const auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    };
    const struct {
        std::map<std::string, std::string> variables;
        const char* expected;
    } cases[] = {
        {{{"LC_ALL", "es_ES.UTF-8"}, {"LANG", "en_US.UTF-8"}}, "es_ES.UTF-8"},
        {{{"LC_ALL", ""}, {"LC_NUMERIC", "es_ES"}, {"LANG", "en_US"}}, "es_ES"},
        {{{"LC_TIME", "es_ES"}, {"LANG", "en_US"}}, "es_ES"},
        {{{"LANG", "en_US.UTF-8"}}, "en_US.UTF-8"},
        {{}, "C"},
    };
    for (const auto& c : cases) {
        env = c.variables;
        EXPECT_EQ(ProcessLocaleName(lookup), c.expected);
    }
}

TEST(FormatSettingsTest, ScopedSettingsPinAndRestore) {
    const char outer = ProcessFormatSettings().DecimalSeparator;
    {
        ScopedFormatSettings es("es_ES");
        EXPECT_EQ(ProcessFormatSettings().DecimalSeparator, ',');
        EXPECT_EQ(FloatToStr(1.5), "1,5");
        {
            ScopedFormatSettings en("en_US");
            EXPECT_EQ(FloatToStr(1.5), "1.5");
        }
        EXPECT_EQ(FloatToStr(1.5), "1,5");
    }
    EXPECT_EQ(ProcessFormatSettings().DecimalSeparator, outer);
}

// ---- general format ----

TEST(FloatToStrTest, GeneralFormatFifteenDigits) {
    const struct {
        long double value;
        const char* es;
        const char* en;
    } cases[] = {
        {0, "0", "0"},
        {1.5, "1,5", "1.5"},
        {-1234.5, "-1234,5", "-1234.5"},
        {100, "100", "100"},
        {0.1, "0,1", "0.1"},
        {0.1 + 0.2, "0,3", "0.3"},
        {1.0 / 3, "0,333333333333333", "0.333333333333333"},
        {2.0 / 3, "0,666666666666667", "0.666666666666667"},
        {999999999999999.0, "999999999999999", "999999999999999"},
        {1e15, "1E15", "1E15"},
        {123456789012345678.0, "1,23456789012346E17", "1.23456789012346E17"},
        {-2.5e20, "-2,5E20", "-2.5E20"},
        {0.0001, "0,0001", "0.0001"},
        {0.00001, "1E-5", "1E-5"},
        {1.5e-7, "1,5E-7", "1.5E-7"},
        {1e-300, "1E-300", "1E-300"},
        {kNaN, "NAN", "NAN"},
        {kInf, "INF", "INF"},
        {-kInf, "-INF", "-INF"},
    };
    const TFormatSettings es = FormatSettingsFor("es_ES"), en = FormatSettingsFor("en_US");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.en);
        EXPECT_EQ(FloatToStr(c.value, es), c.es);
        EXPECT_EQ(FloatToStr(c.value, en), c.en);
    }
}

TEST(FloatToStrTest, FloatFormsRoundHalvesAwayFromZero) {
    using enum TFloatFormat;
    const struct {
        long double value;
        TFloatFormat format;
        int precision, digits;
        const char* es;
        const char* en;
    } cases[] = {
        {1234.5678, ffFixed, 15, 2, "1234,57", "1234.57"},
        {1234.5678, ffNumber, 15, 2, "1.234,57", "1,234.57"},
        {1234567.5, ffNumber, 15, 0, "1.234.568", "1,234,568"},
        {1234.5678, ffCurrency, 15, 2, "1.234,57 \x80", "$1,234.57"},
        {-1234.5678, ffCurrency, 15, 2, "-1.234,57 \x80", "($1,234.57)"},
        {1234.5678, ffExponent, 5, 2, "1,2346E+03", "1.2346E+03"},
        {0.000123, ffExponent, 3, 3, "1,23E-004", "1.23E-004"},
        {0, ffExponent, 3, 3, "0,00E+000", "0.00E+000"},
        {1234.5678, ffGeneral, 4, 0, "1235", "1235"},
        {123456, ffGeneral, 4, 0, "1,235E5", "1.235E5"},
        {1e20, ffFixed, 15, 2, "1E20", "1E20"},
        {0.5, ffFixed, 15, 0, "1", "1"},
        {-0.5, ffFixed, 15, 0, "-1", "-1"},
        {2.675, ffFixed, 15, 2, "2,68", "2.68"},  // the double is 2.67499999999999982...
        {1.005, ffFixed, 15, 2, "1,01", "1.01"},
        {-0.001, ffFixed, 15, 2, "0,00", "0.00"},  // never "-0,00"
        {9.995, ffFixed, 15, 2, "10,00", "10.00"},
    };
    const TFormatSettings es = FormatSettingsFor("es_ES"), en = FormatSettingsFor("en_US");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.en);
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, es), c.es);
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, en), c.en);
    }
}

TEST(FloatToStrTest, EveryNegativeCurrencyPattern) {
    const char* expected[] = {"($1.5)", "-$1.5", "$-1.5", "$1.5-", "(1.5$)", "-1.5$", "1.5-$", "1.5$-",
                              "-1.5 $", "-$ 1.5", "1.5 $-", "$ 1.5-", "$ -1.5", "1.5- $", "($ 1.5)", "(1.5 $)"};
    TFormatSettings fs = FormatSettingsFor("en_US");
    for (std::uint8_t i = 0; i < 16; ++i) {
        fs.NegCurrFormat = i;
        EXPECT_EQ(FloatToStrF(-1.5, TFloatFormat::ffCurrency, 15, 1, fs), expected[i]) << int(i);
    }
    const char* positive[] = {"$1.5", "1.5$", "$ 1.5", "1.5 $"};
    for (std::uint8_t i = 0; i < 4; ++i) {
        fs.CurrencyFormat = i;
        EXPECT_EQ(FloatToStrF(1.5, TFloatFormat::ffCurrency, 15, 1, fs), positive[i]) << int(i);
    }
}

// ---- pictures ----

using PictureCase = testing_support::PictureCase<long double>;

class FormatFloatTest : public testing::TestWithParam<PictureCase> {};

TEST_P(FormatFloatTest, SpanishRecord) {
    const PictureCase& c = GetParam();
    EXPECT_EQ(FormatFloat(c.picture, c.value, FormatSettingsFor("es_ES")), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FormatFloatTest,
    testing::Values(
        PictureCase{"0.00", 1234.5, "1234,50"}, PictureCase{"#,##0.00", 1234567.891, "1.234.567,89"},
        PictureCase{"#,##0.00", 0.5, "0,50"}, PictureCase{"#,##0.00", -1234.5, "-1.234,50"},
        PictureCase{"#,##0", 999.5, "1.000"}, PictureCase{"#.##", 0.5, ",5"}, PictureCase{"#.##", 0, ""},
        PictureCase{"#.##", 3, "3"}, PictureCase{"0.##", 1.5, "1,5"}, PictureCase{"0.0#", 1.567, "1,57"},
        PictureCase{"0.#0", 1.5, "1,50"}, PictureCase{"000", 7, "007"}, PictureCase{"000,000", 12, "000.012"},
        PictureCase{"0", 2.5, "3"}, PictureCase{"0", -2.5, "-3"}, PictureCase{"0", 1234, "1234"},
        PictureCase{"0.00", 2.675, "2,68"}, PictureCase{"0.00", -0.001, "0,00"}, PictureCase{"0-00", 1234, "12-34"},
        PictureCase{".00", 12.5, "12,50"}, PictureCase{"0.00.0", 1.25, "1,250"},
        PictureCase{"\"Importe: \"#,##0.00", 1500, "Importe: 1.500,00"},
        PictureCase{"#,##0.00 \x80", 1500, "1.500,00 \x80"}, PictureCase{"0.00%", 12.5, "12,50%"},
        PictureCase{"'a;b'0", 5, "a;b5"}, PictureCase{"0 'kg", 5, "5 kg"},
        PictureCase{"0.00;(0.00)", -5, "(5,00)"}, PictureCase{"0.00;(0.00)", 5, "5,00"},
        PictureCase{"0.00;(0.00);'cero'", 0, "cero"}, PictureCase{"0.00;(0.00);'cero'", -0.001, "cero"},
        PictureCase{"0.00;(0.00)", -0.001, "0,00"}, PictureCase{"0.00;;'cero'", -5, "-5,00"},
        PictureCase{"0.00;(0.00);cero;ignored", 0, "cero"}, PictureCase{"0.00E+00", 1234.5, "1,23E+03"},
        PictureCase{"00.00E+00", 1234.5, "12,35E+02"}, PictureCase{"0.0e-0", 0.000123, "1,2e-4"},
        PictureCase{"0.0E-0", 12300, "1,2E4"}, PictureCase{"0.00E+00", 0, "0,00E+00"},
        PictureCase{"0.00E+00", -1234.5, "-1,23E+03"}, PictureCase{"0E+0 'x'", 5, "5E+0 x"},
        PictureCase{"", 1.5, "1,5"}, PictureCase{";", -1.5, "-1,5"}, PictureCase{"#,##0", 1e20, "1E20"}, PictureCase{"0.00", kNaN, "NAN"},
        PictureCase{"'sin cifras'", 5, "sin cifras"}));

TEST(FormatFloatTest, EnglishRecordSwapsTheSeparators) {
    const TFormatSettings en = FormatSettingsFor("en_US");
    EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891, en), "1,234,567.89");
    EXPECT_EQ(FormatFloat("0.00E+00", 1234.5, en), "1.23E+03");
}

// ---- Format ----

TEST(FormatTest, DirectivesWithTheSpanishRecord) {
    const struct {
        const char* format;
        std::vector<TFormatArg> args;
        const char* expected;
    } cases[] = {
        {"%d", {42}, "42"},
        {"[%5d]", {42}, "[   42]"},
        {"[%-5d]", {42}, "[42   ]"},
        {"%.4d", {-42}, "-0042"},
        {"%d", {std::int64_t{9000000000}}, "9000000000"},
        {"%d", {std::numeric_limits<std::int64_t>::min()}, "-9223372036854775808"},
        {"%u", {-1}, "4294967295"},
        {"%x", {255}, "FF"},
        {"%.4X", {255}, "00FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%s", {"abc"}, "abc"},
        {"%.2s", {"abc"}, "ab"},
        {"%s", {std::u16string(u"\u20AC")}, "\x80"},
        {"%f", {1234.5}, "1234,50"},
        {"%.0f", {2.5}, "3"},
        {"%n", {1234567.891}, "1.234.567,89"},
        {"%m", {1234.5}, "1.234,50 \x80"},
        {"%e", {1234.5}, "1,23450000000000E+003"},
        {"%.3e", {1234.5}, "1,23E+003"},
        {"%g", {0.5}, "0,5"},
        {"100%%", {}, "100%"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"[%*d]", {4, 7}, "[   7]"},
        {"[%-*.*f]", {8, 1, 2.25}, "[2,3     ]"},
        {"Total: %s (%d)", {"pedido", 77}, "Total: pedido (77)"},
        {"sin directivas", {1}, "sin directivas"},
    };
    const TFormatSettings es = FormatSettingsFor("es_ES");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(Format(c.format, c.args, es), c.expected);
    }
}

TEST(FormatTest, BadDirectivesNameTheWholeFormat) {
    const struct {
        const char* format;
        std::vector<TFormatArg> args;
        const char* message;
    } cases[] = {
        {"%d", {1.5}, "Format '%d' invalid or incompatible with argument"},
        {"%f", {5}, "Format '%f' invalid or incompatible with argument"},
        {"%s", {5}, "Format '%s' invalid or incompatible with argument"},
        {"%x", {"a"}, "Format '%x' invalid or incompatible with argument"},
        {"%k", {1}, "Format '%k' invalid or incompatible with argument"},
        {"50%", {}, "Format '50%' invalid or incompatible with argument"},
        {"%*d", {"x", 1}, "Format '%*d' invalid or incompatible with argument"},
        {"%5-d", {1}, "Format '%5-d' invalid or incompatible with argument"},
        {"%d y %d", {1}, "No argument for format '%d y %d'"},
        {"%3:d", {1}, "No argument for format '%3:d'"},
        {"%99999d", {1}, "Format '%99999d' asks for a width or precision above the limit"},
        {"%.5000f", {1.0}, "Format '%.5000f' asks for a width or precision above the limit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(MessageOf([&] { Format(c.format, c.args, FormatSettingsFor("es_ES")); }), c.message);
    }
}

// ---- text to number ----

TEST(StrToFloatTest, LocaleDecimalSeparatorAndExponent) {
    const struct {
        const char* text;
        long double value;
    } valid[] = {
        {"1,5", 1.5L},     {" -1,5e3 ", -1500},    {"1E2", 100}, {"+,5", 0.5L}, {"5,", 5},
        {"0", 0},          {"1e-5000", 0},         {"123456789012345678", 123456789012345678.0L},
    };
    const TFormatSettings es = FormatSettingsFor("es_ES");
    for (const auto& c : valid) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToFloat(c.text, es), c.value);
    }
    for (const char* text : {"1.5", "1.234,5", "", "  ", "abc", "1,5x", "1e", "1e+", "1e5000", ",", "- 1", "1 5", "--1"}) {
        SCOPED_TRACE(text);
        long double value = 7;
        EXPECT_FALSE(TryStrToFloat(text, value, es));
        EXPECT_EQ(value, 7);
    }
    EXPECT_EQ(MessageOf([&] { StrToFloat("1.5", es); }), "'1.5' is not a valid floating point value");
    EXPECT_EQ(StrToFloat("1.5", FormatSettingsFor("en_US")), 1.5L);
}

TEST(StrToIntTest, DecimalAndHexadecimalWithinRange) {
    const struct {
        const char* text;
        std::int32_t value;
    } valid32[] = {
        {"42", 42},         {" -42", -42},  {"+7", 7}, {"$FF", 255}, {"0x10", 16}, {"$FFFFFFFF", -1},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : valid32) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToInt(c.text), c.value);
    }
    for (const char* text : {"2147483648", "-2147483649", "$100000000", "42 ", "4 2", "", "x", "$", "1.5", "--1", "-+1"}) {
        SCOPED_TRACE(text);
        std::int32_t value = 7;
        EXPECT_FALSE(TryStrToInt(text, value));
    }
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64("9000000000"), 9000000000);
    EXPECT_EQ(MessageOf([] { StrToInt64("9223372036854775808"); }),
              "'9223372036854775808' is not a valid integer value");
    EXPECT_EQ(MessageOf([] { StrToInt("12a"); }), "'12a' is not a valid integer value");
}

// ---- machine numbers ----

TEST(FormatFixedTest, LocaleIndependentTwoDecimals) {
    ScopedFormatSettings es("es_ES");
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {12, "12.00"}, {0.5, "0.50"}, {-2.5, "-2.50"}, {-0.001, "0.00"}, {1234567.891, "1234567.89"}, {0.125, "0.12"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFixed2(c.value), c.expected);
    EXPECT_EQ(FormatFixed(1.0 / 3, 4), "0.3333");
    EXPECT_EQ(FormatFixed(2.5, 0), "2");
    EXPECT_EQ(MessageOf([] { FormatFixed2(std::nan("")); }), "Number NAN cannot be written");
}

} // namespace
} // namespace orv
