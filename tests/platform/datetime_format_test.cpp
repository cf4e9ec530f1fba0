#include "platform/DateTimeFormat.h"
#include "platform/DateTimeParse.h"
#include "platform/Exception.h"
#include "platform/MaskText.h"
#include "platform/FormattingCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

namespace orv {
namespace {

using testing_support::MessageOf;

int ThisYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

// ---- encoding and decoding ----

TEST(EncodeDateTest, SerialDaysFromTheEndOf1899) {
    const struct {
        int year, month, day;
        double serial;
    } cases[] = {
        {1899, 12, 30, 0},   {1899, 12, 29, -1},     {1900, 1, 1, 2},         {2000, 2, 29, 36585},
        {2024, 3, 15, 45366}, {1, 1, 1, -693593},    {9999, 12, 31, 2958465},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
        int y = 0, m = 0, d = 0;
        DecodeDate(c.serial, y, m, d);
        EXPECT_EQ(y, c.year);
        EXPECT_EQ(m, c.month);
        EXPECT_EQ(d, c.day);
    }
}

TEST(EncodeDateTest, InvalidPartsRaise) {
    const struct {
        int year, month, day;
    } dates[] = {{2023, 2, 29}, {0, 1, 1}, {10000, 1, 1}, {2024, 13, 1}, {2024, 0, 1}, {2024, 4, 31}, {2024, 1, 0}};
    for (const auto& c : dates) {
        EXPECT_EQ(MessageOf([&] { EncodeDate(c.year, c.month, c.day); }), "Invalid argument to date encode");
    }
    const struct {
        int hour, minute, second, msec;
    } times[] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
    for (const auto& c : times) {
        EXPECT_EQ(MessageOf([&] { EncodeTime(c.hour, c.minute, c.second, c.msec); }),
                  "Invalid argument to time encode");
    }
}

TEST(DecodeTimeTest, FractionIsTheTimeOfDayToTheMillisecond) {
    const struct {
        double value;
        int year, month, day, hour, minute, second, msec;
    } cases[] = {
        {EncodeDate(2024, 3, 15) + 0.75, 2024, 3, 15, 18, 0, 0, 0},
        {EncodeDate(2024, 3, 15) + EncodeTime(23, 59, 59, 999), 2024, 3, 15, 23, 59, 59, 999},
        {EncodeDate(2024, 3, 15) + EncodeTime(23, 59, 59, 999) + 0.0006 / 86400, 2024, 3, 16, 0, 0, 0, 0},
        {-1.25, 1899, 12, 29, 6, 0, 0, 0},  // before 1899-12-30 the time counts forward from the day too
        {-0.5, 1899, 12, 30, 12, 0, 0, 0},
        {EncodeTime(14, 7, 9, 45), 1899, 12, 30, 14, 7, 9, 45},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        int y, mo, d, h, mi, s, ms;
        DecodeDate(c.value, y, mo, d);
        DecodeTime(c.value, h, mi, s, ms);
        EXPECT_EQ((std::vector<int>{y, mo, d, h, mi, s, ms}),
                  (std::vector<int>{c.year, c.month, c.day, c.hour, c.minute, c.second, c.msec}));
    }
    EXPECT_EQ(YearOf(45366.5), 2024);
    EXPECT_EQ(MonthOf(45366.5), 3);
    EXPECT_EQ(DayOf(45366.5), 15);
}

TEST(DecodeDateTest, ValuesOutsideTheCalendarRaise) {
    EXPECT_EQ(MessageOf([] { YearOf(1e10); }), "Date-time value 10000000000 is out of range");
    EXPECT_EQ(MessageOf([] { DayOfWeek(-693594); }), "Date-time value -693594 is out of range");
    EXPECT_EQ(MessageOf([] { FormatDateTime("c", std::nan(""), FormatSettingsFor("es_ES")); }),
              "Date-time value NAN is out of range");
}

TEST(CalendarTest, WeekdaysLeapYearsAndMonthLengths) {
    EXPECT_EQ(DayOfWeek(0), 7);       // 1899-12-30, Saturday
    EXPECT_EQ(DayOfWeek(1.9), 1);     // Sunday
    EXPECT_EQ(DayOfWeek(45366), 6);   // 2024-03-15, Friday
    EXPECT_EQ(DayOfWeek(-1.5), 6);    // 1899-12-29, Friday
    EXPECT_EQ(DayOfWeek(-693593), 2); // 0001-01-01, Monday
    for (auto [year, leap] : {std::pair{2000, true}, {1900, false}, {2024, true}, {2023, false}}) {
        EXPECT_EQ(IsLeapYear(year), leap) << year;
    }
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 4), 30);
    EXPECT_EQ(DaysInMonth(2024, 12), 31);
    EXPECT_EQ(MessageOf([] { DaysInMonth(2024, 13); }), "Invalid month 13");
}

// ---- pictures ----

// Tuesday 5 March 2024, 14:07:09.045
const TDateTime kSample = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);

using DateCase = testing_support::PictureCase<TDateTime>;

class FormatDateTimeSpanishTest : public testing::TestWithParam<DateCase> {};

TEST_P(FormatDateTimeSpanishTest, Picture) {
    const DateCase& c = GetParam();
    EXPECT_EQ(FormatDateTime(c.picture, c.value, FormatSettingsFor("es_ES")), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FormatDateTimeSpanishTest,
    testing::Values(
        DateCase{"dd/mm/yyyy", kSample, "05/03/2024"}, DateCase{"d/m/yy", kSample, "5/3/24"},
        DateCase{"ddd dddd", kSample, "mar martes"}, DateCase{"mmm mmmm", kSample, "mar marzo"},
        DateCase{"ddddd", kSample, "05/03/2024"}, DateCase{"dddddd", kSample, "martes, 5 de marzo de 2024"},
        DateCase{"hh:nn:ss.zzz", kSample, "14:07:09.045"}, DateCase{"z", kSample, "45"},
        DateCase{"h:mm", kSample, "14:07"}, DateCase{"hh dd mm", kSample, "14 05 03"},
        DateCase{"h' h 'mm", kSample, "14 h 07"}, DateCase{"hh:mm am/pm", kSample, "02:07 pm"},
        DateCase{"h:mm AM/PM", kSample, "2:07 PM"}, DateCase{"h A/P", kSample, "2 P"},
        DateCase{"h ampm", kSample, "2 p. m."}, DateCase{"h am/pm", EncodeTime(0, 30, 0, 0), "12 am"},
        DateCase{"h am/pm", EncodeTime(12, 30, 0, 0), "12 pm"}, DateCase{"h:nn", EncodeTime(0, 5, 0, 0), "0:05"},
        DateCase{"hh:nn ampm", EncodeTime(9, 5, 0, 0), "09:05 a. m."}, DateCase{"am/pm hh", kSample, "pm 14"},
        DateCase{"t", kSample, "14:07"}, DateCase{"tt", kSample, "14:07:09"},
        DateCase{"c", kSample, "05/03/2024 14:07:09"}, DateCase{"c", EncodeDate(2024, 3, 5), "05/03/2024"},
        DateCase{"", kSample, "05/03/2024 14:07:09"}, DateCase{"'Fecha: 'dd\"/\"mm", kSample, "Fecha: 05/03"},
        DateCase{"yyyy-mm-dd", kSample, "2024-03-05"}, DateCase{"YYYY MM DD HH NN SS", kSample, "2024 03 05 14 07 09"},
        DateCase{"yy", EncodeDate(2005, 1, 1), "05"}, DateCase{"yyyy", EncodeDate(987, 1, 1), "0987"},
        DateCase{"e ee", EncodeDate(2005, 1, 1), "2005 2005"}, DateCase{"g gg", kSample, "d d. C."},
        DateCase{"dddd", -1, "viernes"}, DateCase{"mmmm 'sin cerrar", kSample, "marzo sin cerrar"},
        DateCase{"x", kSample, "x"}));

TEST(FormatDateTimeTest, EnglishRecord) {
    const TFormatSettings en = FormatSettingsFor("en_US");
    EXPECT_EQ(FormatDateTime("c", kSample, en), "3/5/2024 2:07:09 PM");
    EXPECT_EQ(FormatDateTime("dddddd", kSample, en), "Tuesday, March 5, 2024");
    EXPECT_EQ(FormatDateTime("t", kSample, en), "2:07 PM");
    EXPECT_EQ(DateToStr(kSample, en), "3/5/2024");
    EXPECT_EQ(TimeToStr(kSample, en), "2:07:09 PM");
    EXPECT_EQ(DateTimeToStr(kSample, en), "3/5/2024 2:07:09 PM");
}

TEST(FormatDateTimeTest, SeparatorsAndNestedPicturesComeFromTheRecord) {
    TFormatSettings fs = FormatSettingsFor("es_ES");
    fs.DateSeparator = '-';
    fs.TimeSeparator = '.';
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", kSample, fs), "05-03-2024 14.07");
    EXPECT_EQ(FormatDateTime("ddddd", kSample, fs), "05-03-2024");
    fs.ShortDateFormat = "ddddd";  // names itself: the nesting stops
    EXPECT_EQ(FormatDateTime("[ddddd]", kSample, fs), "[]");
}

TEST(FormatDateTimeTest, ShortFormsFollowTheProcessRecord) {
    ScopedFormatSettings es("es_ES");
    EXPECT_EQ(DateToStr(kSample), "05/03/2024");
    EXPECT_EQ(TimeToStr(kSample), "14:07:09");
    EXPECT_EQ(DateTimeToStr(kSample), "05/03/2024 14:07:09");
    EXPECT_EQ(FormatDateTime("dddd", kSample), "martes");
}

// ---- reading texts ----

TEST(StrToDateTest, OrderOfTheShortDateFormat) {
    const TFormatSettings es = FormatSettingsFor("es_ES"), en = FormatSettingsFor("en_US");
    TFormatSettings ymd = es;
    ymd.ShortDateFormat = "yyyy/mm/dd";
    const struct {
        const char* text;
        const TFormatSettings& fs;
        TDateTime expected;
    } cases[] = {
        {"05/03/2024", es, EncodeDate(2024, 3, 5)},   {" 5 / 3 / 2024 ", es, EncodeDate(2024, 3, 5)},
        {"5/3/24", es, EncodeDate(2024, 3, 5)},       {"5/3/49", es, EncodeDate(2049, 3, 5)},
        {"5/3/50", es, EncodeDate(1950, 3, 5)},       {"5/3/0024", es, EncodeDate(24, 3, 5)},
        {"5/3", es, EncodeDate(ThisYear(), 3, 5)},    {"3/5/2024", en, EncodeDate(2024, 3, 5)},
        {"2024/3/5", ymd, EncodeDate(2024, 3, 5)},    {"3/5", ymd, EncodeDate(ThisYear(), 3, 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToDate(c.text, c.fs), c.expected);
    }
    for (const char* text : {"31/02/2024", "05-03-2024", "05/03/2024x", "", "5/", "5/3/", "5", "a/b/c", "5/3/1234567890"}) {
        TDateTime value = 7;
        EXPECT_FALSE(TryStrToDate(text, value, es)) << text;
        EXPECT_EQ(value, 7);
    }
    EXPECT_EQ(MessageOf([&] { StrToDate("31/02/2024", es); }), "'31/02/2024' is not a valid date");
}

TEST(StrToTimeTest, HoursMinutesSecondsAndMarkers) {
    const TFormatSettings es = FormatSettingsFor("es_ES"), en = FormatSettingsFor("en_US");
    const struct {
        const char* text;
        const TFormatSettings& fs;
        TDateTime expected;
    } cases[] = {
        {"14:07", es, EncodeTime(14, 7, 0, 0)},          {"14:07:09", es, EncodeTime(14, 7, 9, 0)},
        {"14:07:09,045", es, EncodeTime(14, 7, 9, 45)},  {"14:07:09.5", es, EncodeTime(14, 7, 9, 500)},
        {"2:07 PM", en, EncodeTime(14, 7, 0, 0)},        {"2:07 pm", es, EncodeTime(14, 7, 0, 0)},
        {"2:07 p. m.", es, EncodeTime(14, 7, 0, 0)},     {"12:00 AM", en, 0},
        {"12:30 pm", en, EncodeTime(12, 30, 0, 0)},      {" 9 : 05 ", es, EncodeTime(9, 5, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToTime(c.text, c.fs), c.expected);
    }
    for (const char* text : {"24:00", "13:00 PM", "14", "14:60", "14:07:", "14:07:09,", "14:07 x", ""}) {
        TDateTime value = 7;
        EXPECT_FALSE(TryStrToTime(text, value, es)) << text;
    }
    EXPECT_EQ(MessageOf([&] { StrToTime("25:00", es); }), "'25:00' is not a valid time");
}

TEST(StrToDateTimeTest, DateTimeOrEither) {
    const TFormatSettings es = FormatSettingsFor("es_ES");
    EXPECT_EQ(StrToDateTime("05/03/2024 14:07:09", es), kSample - EncodeTime(0, 0, 0, 45));
    EXPECT_EQ(StrToDateTime("05/03/2024", es), EncodeDate(2024, 3, 5));
    EXPECT_EQ(StrToDateTime("14:07", es), EncodeTime(14, 7, 0, 0));
    EXPECT_EQ(StrToDateTime("29/12/1899 6:00", es), -1.25);
    EXPECT_EQ(MessageOf([&] { StrToDateTime("05/03/2024 x", es); }), "'05/03/2024 x' is not a valid date and time");
    // What is written comes back.
    EXPECT_EQ(StrToDateTime(DateTimeToStr(kSample, es), es), StrToDateTime("05/03/2024 14:07:09", es));
}

// ---- edit masks ----

TEST(FormatMaskTextTest, ValueLaidIntoThePicture) {
    const struct {
        const char* mask;
        const char* value;
        const char* expected;
    } cases[] = {
        {"(999)000-0000;0;_", "5551234567", "(555)123-4567"},
        {"(999)000-0000;0;_", "55512", "(555)12_-____"},
        {"(999)000-0000;0;*", "55512", "(555)12*-****"},
        {"!(999)000-0000;0;_", "1234567", "(___)123-4567"},
        {"00/00/0000;1;_", "05/03/2024", "05/03/2024"},
        {"00/00/0000", "05-03-2024", "05/03/2024"},  // literals are saved by default: the value holds them
        {">LL-0000;0", "ab1234", "AB-1234"},
        {"<LL>LL<>LL;0", "AbCdEf", "abCDEf"},
        {"\\A\\;00;0", "12", "A;12"},
        {"00_00;0", "1234", "12 34"},
        {"", "abc", ""},
    };
    const TFormatSettings es = FormatSettingsFor("es_ES");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(FormatMaskText(c.mask, c.value, es), c.expected);
    }
    TFormatSettings dots = es;
    dots.DateSeparator = '.';
    dots.TimeSeparator = 'h';
    EXPECT_EQ(FormatMaskText("00/00 00:00;0", "05031405", dots), "05.03 14h05");
}

} // namespace
} // namespace orv
