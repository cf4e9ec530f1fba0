#include "script/FunctionLibrary.h"

#include "platform/DateTimeFormat.h"
#include "platform/DateTimeParse.h"
#include "platform/Exception.h"
#include "platform/FloatPicture.h"
#include "platform/MaskText.h"
#include "platform/NumberFormat.h"
#include "platform/StringFormat.h"
#include "platform/Text.h"
#include "script/EvalMessages.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <mutex>
#include <numbers>
#include <random>
#include <unordered_map>

namespace orv {

namespace {

// The most elements VarArrayCreate makes.
constexpr int kMaxArrayElements = 1 << 20;

// Variant type codes as VarType gives them.
constexpr std::int32_t kVarArrayOfVariant = 0x200C;

std::int32_t ToInt32(double d)
{
    if (std::isnan(d))
        throw Exception(evalmsg::InvalidFloatOp);
    if (d >= 2147483648.0 || d <= -2147483649.0)
        throw Exception(evalmsg::IntOverflow);
    return static_cast<std::int32_t>(d);
}

// Positions in texts count from 1; a start before the text is the text's start.
std::string CopyText(const std::string& s, std::int64_t from, std::int64_t count)
{
    from = std::max<std::int64_t>(from, 1);
    if (count <= 0 || from > static_cast<std::int64_t>(s.size()))
        return {};
    return s.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(std::min<std::int64_t>(count, static_cast<std::int64_t>(s.size()))));
}

std::string DeleteText(std::string s, std::int64_t from, std::int64_t count)
{
    if (from < 1 || from > static_cast<std::int64_t>(s.size()) || count <= 0)
        return s;
    s.erase(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(std::min<std::int64_t>(count, static_cast<std::int64_t>(s.size()))));
    return s;
}

} // namespace

double CurrentDateTime()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, ms);
}

namespace {

struct RandomSource {
    std::mutex lock;
    std::mt19937_64 engine;
};
RandomSource& Randoms()
{
    static RandomSource r;
    return r;
}

std::string NameCase(const std::string& s)
{
    std::string r = AnsiLowerCase(s);
    const std::string upper = AnsiUpperCase(r);
    for (std::size_t i = 0; i < r.size(); ++i)
        if (i == 0 || r[i - 1] == ' ')
            r[i] = upper[i];
    return r;
}

int CompareTextAscii(const std::string& a, const std::string& b)
{
    const std::string x = UpperCase(a), y = UpperCase(b);
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i)
        if (x[i] != y[i])
            return static_cast<unsigned char>(x[i]) - static_cast<unsigned char>(y[i]);
    return static_cast<int>(x.size()) - static_cast<int>(y.size());
}

bool StrToBool(const std::string& text)
{
    return VarToBool(Value(text));
}

TFormatArg FormatArgOf(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Int8:
    case ValueKind::Int16:
    case ValueKind::Int32:
        return TFormatArg(static_cast<std::int32_t>(v.IntegerValue()));
    case ValueKind::Int64:
        return TFormatArg(v.AsInt64());
    case ValueKind::Double:
    case ValueKind::Currency:
    case ValueKind::DateTime:
        return TFormatArg(static_cast<long double>(VarToFloat(v)));
    case ValueKind::WideString:
        return TFormatArg(v.AsWideString());
    default:
        return TFormatArg(VarToStr(v));
    }
}

Value FormatText(CallArgs& a)
{
    std::vector<TFormatArg> args;
    if (a[1].Kind() == ValueKind::Array)
        for (const Value& v : a[1].AsArray())
            args.push_back(FormatArgOf(v));
    else if (!a[1].IsEmpty() && !a[1].IsNull())
        args.push_back(FormatArgOf(a[1]));
    return Value(Format(a.Str(0), std::span<const TFormatArg>(args)));
}

Value LengthOf(CallArgs& a)
{
    if (a[0].Kind() == ValueKind::Array)
        return MakeInteger(static_cast<std::int64_t>(a[0].AsArray().size()));
    if (a[0].Kind() == ValueKind::WideString)
        return MakeInteger(static_cast<std::int64_t>(a[0].AsWideString().size()));
    return MakeInteger(static_cast<std::int64_t>(VarToStr(a[0]).size()));
}

Value SetLengthOf(CallArgs& a)
{
    const std::int64_t n = a.Int(1);
    if (n < 0 || n > kMaxArrayElements)
        throw Exception(evalmsg::RangeError);
    if (a[0].Kind() == ValueKind::Array) {
        a[0].AsArray().resize(static_cast<std::size_t>(n));
    } else {
        std::string s = a.Str(0);
        s.resize(static_cast<std::size_t>(n), ' ');
        a[0] = Value(std::move(s));
    }
    return {};
}

Value DecodeDateOf(CallArgs& a)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(a.Float(0), y, m, d);
    a[1] = Value(static_cast<std::int32_t>(y));
    a[2] = Value(static_cast<std::int32_t>(m));
    a[3] = Value(static_cast<std::int32_t>(d));
    return {};
}

Value DecodeTimeOf(CallArgs& a)
{
    int h = 0, n = 0, s = 0, ms = 0;
    DecodeTime(a.Float(0), h, n, s, ms);
    a[1] = Value(static_cast<std::int32_t>(h));
    a[2] = Value(static_cast<std::int32_t>(n));
    a[3] = Value(static_cast<std::int32_t>(s));
    a[4] = Value(static_cast<std::int32_t>(ms));
    return {};
}

Value Step(CallArgs& a, int sign)
{
    const std::int64_t by = a.Count() > 1 ? a.Int(1) : 1;
    a[0] = VarBinary(VarOp::Add, a[0], MakeInteger(sign * by));
    return {};
}

Value VarArrayCreate(CallArgs& a)
{
    if (a[0].Kind() != ValueKind::Array || a[0].AsArray().size() != 2)
        throw Exception(Format(evalmsg::CannotConvert, {ValueKindName(a[0].Kind()), "Array"}));
    const std::int64_t low = VarToInt64(a[0].AsArray()[0]), high = VarToInt64(a[0].AsArray()[1]);
    if (high - low + 1 > kMaxArrayElements)
        throw Exception(Format(evalmsg::ArrayTooLarge, {kMaxArrayElements}));
    return Value(ValueArray(static_cast<std::size_t>(std::max<std::int64_t>(high - low + 1, 0))));
}

std::int32_t VarTypeOf(const Value& v)
{
    static constexpr std::int32_t codes[] = {
        0,    // Empty
        1,    // Null
        11,   // Boolean
        16,   // Int8
        2,    // Int16
        3,    // Int32
        20,   // Int64
        5,    // Double
        6,    // Currency
        7,    // DateTime
        256,  // String
        8,    // WideString
        9,    // Object
        kVarArrayOfVariant,
    };
    return codes[static_cast<std::size_t>(v.Kind())];
}

bool ValidDate(const Value& v)
{
    const std::string text = v.Kind() == ValueKind::DateTime ? DateToStr(v.AsDateTime().Days) : VarToStr(v);
    TDateTime d = 0;
    return TryStrToDate(text, d);
}

std::string ExtractFilePath(const std::string& name)
{
    const std::size_t p = name.find_last_of("\\/:");
    return p == std::string::npos ? std::string() : name.substr(0, p + 1);
}

Value Text(std::string s) { return Value(std::move(s)); }
Value Int(std::int64_t i) { return MakeInteger(i); }
Value Date(TDateTime d) { return Value(DateTime{d}); }

using Impl = Value (*)(CallArgs&);

struct LibraryRow {
    const char* declaration;
    Impl impl;
};

// clang-format off
const LibraryRow kLibrary[] = {
    {"function IntToStr(i: Integer): String", [](CallArgs& a) { return Text(IntToStr(a.Int(0))); }},
    {"function FloatToStr(e: Extended): String", [](CallArgs& a) { return Text(FloatToStr(a.Float(0))); }},
    {"function DateToStr(e: Extended): String", [](CallArgs& a) { return Text(DateToStr(a.Float(0))); }},
    {"function TimeToStr(e: Extended): String", [](CallArgs& a) { return Text(TimeToStr(a.Float(0))); }},
    {"function DateTimeToStr(e: Extended): String", [](CallArgs& a) { return Text(DateTimeToStr(a.Float(0))); }},
    {"function BoolToStr(B: Boolean): string;", [](CallArgs& a) { return Text(a.Bool(0) ? "-1" : "0"); }},
    {"function VarToStr(v: Variant): String", [](CallArgs& a) { return Text(a.Str(0)); }},
    {"function StrToInt(s: String): Integer", [](CallArgs& a) { return Value(StrToInt(a.Str(0))); }},
    {"function StrToInt64(s: String): Int64", [](CallArgs& a) { return Value(StrToInt64(a.Str(0))); }},
    {"function StrToFloat(s: String): Extended", [](CallArgs& a) { return FloatResult(static_cast<double>(StrToFloat(a.Str(0)))); }},
    {"function StrToDate(s: String): Extended", [](CallArgs& a) { return Value(StrToDate(a.Str(0))); }},
    {"function StrToTime(s: String): Extended", [](CallArgs& a) { return Value(StrToTime(a.Str(0))); }},
    {"function StrToDateTime(s: String): Extended", [](CallArgs& a) { return Value(StrToDateTime(a.Str(0))); }},
    {"function StrToBool(const S: string): Boolean;", [](CallArgs& a) { return Value(StrToBool(a.Str(0))); }},
    {"function Format(Fmt: String; Args: array): String", FormatText},
    {"function FormatFloat(Fmt: String; Value: Extended): String", [](CallArgs& a) { return Text(FormatFloat(a.Str(0), a.Float(1))); }},
    {"function FormatDateTime(Fmt: String; DateTime: TDateTime): String", [](CallArgs& a) { return Text(FormatDateTime(a.Str(0), a.Float(1))); }},
    {"function FormatMaskText(EditMask: string; Value: string): string", [](CallArgs& a) { return Text(FormatMaskText(a.Str(0), a.Str(1))); }},
    {"function EncodeDate(Year, Month, Day: Word): TDateTime", [](CallArgs& a) { return Date(EncodeDate(ToInt32(a.Float(0)), ToInt32(a.Float(1)), ToInt32(a.Float(2)))); }},
    {"procedure DecodeDate(Date: TDateTime; var Year, Month, Day: Word)", DecodeDateOf},
    {"function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime", [](CallArgs& a) { return Date(EncodeTime(ToInt32(a.Float(0)), ToInt32(a.Float(1)), ToInt32(a.Float(2)), ToInt32(a.Float(3)))); }},
    {"procedure DecodeTime(Time: TDateTime; var Hour, Min, Sec, MSec: Word)", DecodeTimeOf},
    {"function Date: TDateTime", [](CallArgs&) { return Date(std::floor(CurrentDateTime())); }},
    {"function Time: TDateTime", [](CallArgs&) { const TDateTime n = CurrentDateTime(); return Date(n - std::floor(n)); }},
    {"function Now: TDateTime", [](CallArgs&) { return Date(CurrentDateTime()); }},
    {"function DayOfWeek(aDate: TDateTime): Integer", [](CallArgs& a) { return Int(DayOfWeek(a.Float(0))); }},
    {"function IsLeapYear(Year: Word): Boolean", [](CallArgs& a) { return Value(IsLeapYear(ToInt32(a.Float(0)))); }},
    {"function DaysInMonth(nYear, nMonth: Integer): Integer", [](CallArgs& a) { return Int(DaysInMonth(ToInt32(a.Float(0)), ToInt32(a.Float(1)))); }},
    {"function Length(s: Variant): Integer", LengthOf},
    {"function Copy(s: String; from, count: Integer): String", [](CallArgs& a) { return Text(CopyText(a.Str(0), a.Int(1), a.Int(2))); }},
    {"function Pos(substr, s: String): Integer", [](CallArgs& a) { const auto p = a.Str(1).find(a.Str(0)); return Int(p == std::string::npos ? 0 : static_cast<std::int64_t>(p) + 1); }},
    {"procedure Delete(var s: String; from, count: Integer)", [](CallArgs& a) { a[0] = Text(DeleteText(a.Str(0), a.Int(1), a.Int(2))); return Value(); }},
    {"procedure DeleteStr(var s: String; from, count: Integer)", [](CallArgs& a) { a[0] = Text(DeleteText(a.Str(0), a.Int(1), a.Int(2))); return Value(); }},
    {"procedure Insert(s: String; var s2: String; pos: Integer)", [](CallArgs& a) {
        std::string s2 = a.Str(1);
        const std::int64_t at = std::clamp<std::int64_t>(a.Int(2), 1, static_cast<std::int64_t>(s2.size()) + 1);
        a[1] = Text(s2.insert(static_cast<std::size_t>(at - 1), a.Str(0)));
        return Value();
    }},
    {"function Uppercase(s: String): String", [](CallArgs& a) { return Text(AnsiUpperCase(a.Str(0))); }},
    {"function Lowercase(s: String): String", [](CallArgs& a) { return Text(AnsiLowerCase(a.Str(0))); }},
    {"function Trim(s: String): String", [](CallArgs& a) { return Text(Trim(a.Str(0))); }},
    {"function NameCase(s: String): String", [](CallArgs& a) { return Text(NameCase(a.Str(0))); }},
    {"function CompareText(s, s1: String): Integer", [](CallArgs& a) { return Int(CompareTextAscii(a.Str(0), a.Str(1))); }},
    {"function Chr(i: Integer): Char", [](CallArgs& a) {
        const std::int64_t i = a.Int(0);
        if (i < 0 || i > 255)
            throw Exception(evalmsg::RangeError);
        return Text(std::string(1, static_cast<char>(i)));
    }},
    {"function Ord(ch: Char): Integer", [](CallArgs& a) {
        const std::string s = a.Str(0);
        if (s.size() != 1)
            throw Exception(Format(evalmsg::CannotConvert, {ValueKindName(a[0].Kind()), "Char"}));
        return Int(static_cast<unsigned char>(s[0]));
    }},
    {"procedure SetLength(var S: Variant; L: Integer)", SetLengthOf},
    {"function Round(e: Extended): Integer", [](CallArgs& a) { return Value(ToInt32(std::nearbyint(a.Float(0)))); }},
    {"function Trunc(e: Extended): Integer", [](CallArgs& a) { return Value(ToInt32(std::trunc(a.Float(0)))); }},
    {"function Int(e: Extended): Integer", [](CallArgs& a) { return FloatResult(std::trunc(a.Float(0))); }},
    {"function Frac(X: Extended): Extended", [](CallArgs& a) { const double x = a.Float(0); return FloatResult(x - std::trunc(x)); }},
    {"function Sqrt(e: Extended): Extended", [](CallArgs& a) { return FloatResult(std::sqrt(a.Float(0))); }},
    {"function Abs(e: Extended): Extended", [](CallArgs& a) { return FloatResult(std::fabs(a.Float(0))); }},
    {"function Sin(e: Extended): Extended", [](CallArgs& a) { return FloatResult(std::sin(a.Float(0))); }},
    {"function Cos(e: Extended): Extended", [](CallArgs& a) { return FloatResult(std::cos(a.Float(0))); }},
    {"function ArcTan(X: Extended): Extended", [](CallArgs& a) { return FloatResult(std::atan(a.Float(0))); }},
    {"function Tan(X: Extended): Extended", [](CallArgs& a) { return FloatResult(std::tan(a.Float(0))); }},
    {"function Exp(X: Extended): Extended", [](CallArgs& a) { return FloatResult(std::exp(a.Float(0))); }},
    {"function Ln(X: Extended): Extended", [](CallArgs& a) {
        const double x = a.Float(0);
        if (x == 0)
            throw Exception(evalmsg::FloatDivByZero);
        return FloatResult(std::log(x));
    }},
    {"function Pi: Extended", [](CallArgs&) { return Value(std::numbers::pi); }},
    {"procedure Inc(var i: Integer; incr: Integer = 1)", [](CallArgs& a) { return Step(a, 1); }},
    {"procedure Dec(var i: Integer; decr: Integer = 1)", [](CallArgs& a) { return Step(a, -1); }},
    {"procedure RaiseException(Param: String)", [](CallArgs& a) -> Value { throw Exception(a.Str(0)); }},
    // A console program has nobody to show a message to.
    {"procedure ShowMessage(Msg: Variant)", [](CallArgs&) { return Value(); }},
    {"procedure Randomize", [](CallArgs&) {
        std::lock_guard lock(Randoms().lock);
        Randoms().engine.seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
        return Value();
    }},
    {"function Random: Extended", [](CallArgs&) {
        std::lock_guard lock(Randoms().lock);
        return Value(std::uniform_real_distribution<double>(0.0, 1.0)(Randoms().engine));
    }},
    {"function ValidInt(cInt: String): Boolean", [](CallArgs& a) { std::int32_t i = 0; return Value(TryStrToInt(a.Str(0), i)); }},
    {"function ValidFloat(cFlt: String): Boolean", [](CallArgs& a) { long double d = 0; return Value(TryStrToFloat(a.Str(0), d)); }},
    {"function ValidDate(cDate: String): Boolean", [](CallArgs& a) { return Value(ValidDate(a[0])); }},
    {"function ExtractFilePath(const FileName: string): string;", [](CallArgs& a) { return Text(ExtractFilePath(a.Str(0))); }},
    {"function CreateOleObject(ClassName: String): Variant", [](CallArgs& a) -> Value { throw Exception(Format(evalmsg::OleNotAvailable, {a.Str(0)})); }},
    {"function VarArrayCreate(Bounds: Array; Typ: Integer): Variant", VarArrayCreate},
    {"function VarType(V: Variant): Integer", [](CallArgs& a) { return Value(VarTypeOf(a[0])); }},
    {"function DayOf(Date: TDateTime): Integer", [](CallArgs& a) { return Int(DayOf(a.Float(0))); }},
    {"function MonthOf(Date: TDateTime): Integer", [](CallArgs& a) { return Int(MonthOf(a.Float(0))); }},
    {"function YearOf(Date: TDateTime): Integer", [](CallArgs& a) { return Int(YearOf(a.Float(0))); }},
};
// clang-format on

struct Library {
    std::vector<FunctionEntry> entries;
    std::unordered_map<std::string, std::size_t> byName;  // lower-case name -> entry
};

const Library& TheLibrary()
{
    static const Library lib = [] {
        Library l;
        for (const LibraryRow& row : kLibrary) {
            l.entries.push_back(MakeFunction(row.declaration, row.impl));
            l.byName.emplace(LowerCase(l.entries.back().decl.name), l.entries.size() - 1);
        }
        return l;
    }();
    return lib;
}

} // namespace

FunctionEntry MakeFunction(std::string_view declaration, NativeFunction impl)
{
    return FunctionEntry{ParseDeclaration(declaration), std::move(impl)};
}

const std::vector<FunctionEntry>& FunctionLibrary() { return TheLibrary().entries; }

const FunctionEntry* FindLibraryFunction(std::string_view name)
{
    const Library& lib = TheLibrary();
    auto it = lib.byName.find(LowerCase(name));
    return it == lib.byName.end() ? nullptr : &lib.entries[it->second];
}

std::string AnsiUpperCase(std::string_view text)
{
    std::string r(text);
    for (char& ch : r) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
            ch = static_cast<char>(c - 0x20);
        else if (c == 0x9A || c == 0x9C || c == 0x9E)
            ch = static_cast<char>(c - 0x10);
        else if (c == 0xFF)
            ch = static_cast<char>(0x9F);
    }
    return r;
}

std::string AnsiLowerCase(std::string_view text)
{
    std::string r(text);
    for (char& ch : r) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            ch = static_cast<char>(c + 0x20);
        else if (c == 0x8A || c == 0x8C || c == 0x8E)
            ch = static_cast<char>(c + 0x10);
        else if (c == 0x9F)
            ch = static_cast<char>(0xFF);
    }
    return r;
}

} // namespace orv
