// Expressions evaluated by an empty report: every operator family and every
// function of the library, the error texts, and what Calc adds around the
// compiled expression (names, variables, the cache, the error list).
#include "model/Report.h"

#include "data/UserDataSet.h"
#include "model/Bands.h"
#include "model/Pages.h"
#include "model/Views.h"
#include "platform/FormatSettings.h"
#include "script/ExpressionCache.h"
#include "script/FunctionLibrary.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace orv {
namespace {

class EvaluatorTest : public testing::Test {
protected:
    // The kind and text of a value, as report-tool calc prints them.
    static std::string Shown(const Value& v)
    {
        if (v.Kind() == ValueKind::Array) {
            std::string r;
            for (std::size_t i = 0; i < v.AsArray().size(); ++i)
                r += (i == 0 ? "" : ",") + VarToStr(v.AsArray()[i]);
            return std::string("Array [") + r + "]";
        }
        return std::string(ValueKindName(v.Kind())) + " " + VarToStr(v);
    }

    // The message Calc fails with, or "(no error)".
    std::string ErrorOf(const std::string& text)
    {
        try {
            report.Calc(text);
        } catch (const ECalcError& e) {
            return e.what();
        }
        return "(no error)";
    }

    ScopedFormatSettings spanish{"es_ES"};
    TfrxReport report{nullptr};
};

struct ExprCase {
    const char* text;
    const char* shown;  // kind, a blank, the text
};

// One row per operator family and per library function.
const ExprCase kExpressions[] = {
    // arithmetic and grouping
    {"1 + 2 * 3", "Int32 7"},
    {"(1 + 2) * 3", "Int32 9"},
    {"-2 * 3", "Int32 -6"},
    {"10 - 4 - 3", "Int32 3"},
    {"7 / 2", "Double 3,5"},
    {"6 / 2", "Double 3"},
    {"7 div 2", "Int32 3"},
    {"7 mod 2", "Int32 1"},
    {"-7 mod 2", "Int32 -1"},
    {"1.5 + 1", "Double 2,5"},
    {"2147483647 + 1", "Int64 2147483648"},
    {"1.5e3", "Double 1500"},
    {"$FF", "Int32 255"},
    // texts
    {"'a' + 'b'", "String ab"},
    {"'It''s'", "String It's"},
    {"'a'#13#10'b' = 'a' + Chr(13) + Chr(10) + 'b'", "Boolean True"},
    // comparisons
    {"1 < 2", "Boolean True"},
    {"2 <= 2", "Boolean True"},
    {"3 >= 4", "Boolean False"},
    {"3 > 4", "Boolean False"},
    {"1 <> 1", "Boolean False"},
    {"'b' > 'a'", "Boolean True"},
    {"'a' = 'A'", "Boolean False"},
    {"1 = 1.0", "Boolean True"},
    {"Null = Null", "Boolean True"},
    {"Null + 1", "Null "},
    // logic and bits
    {"not (1 = 2)", "Boolean True"},
    {"not 5", "Int32 -6"},
    {"True and False", "Boolean False"},
    {"(1 = 2) or (2 = 2)", "Boolean True"},
    {"True xor True", "Boolean False"},
    {"6 and 3", "Int32 2"},
    {"6 or 3", "Int32 7"},
    {"6 xor 3", "Int32 5"},
    {"1 shl 4", "Int32 16"},
    {"256 shr 4", "Int32 16"},
    // in, is
    {"4 in [1, 3..5]", "Boolean True"},
    {"2 in [1, 3..5]", "Boolean False"},
    {"'b' in ['a', 'b']", "Boolean True"},
    {"Report is TfrxReport", "Boolean True"},
    {"Report is TfrxMemoView", "Boolean False"},
    // the library
    {"IntToStr(42)", "String 42"},
    {"FloatToStr(1.5)", "String 1,5"},
    {"DateToStr(45000)", "String 15/03/2023"},
    {"TimeToStr(0.5)", "String 12:00:00"},
    {"DateTimeToStr(45000.75)", "String 15/03/2023 18:00:00"},
    {"BoolToStr(True)", "String -1"},
    {"VarToStr(Null)", "String "},
    {"StrToInt(' -12')", "Int32 -12"},
    {"StrToInt64('9000000000')", "Int64 9000000000"},
    {"StrToFloat('2,5')", "Double 2,5"},
    {"StrToDate('15/03/2023')", "Double 45000"},
    {"StrToTime('06:00')", "Double 0,25"},
    {"StrToDateTime('15/03/2023 12:00')", "Double 45000,5"},
    {"StrToBool('true')", "Boolean True"},
    {"Format('%d-%s-%.2f', [5, 'x', 1.5])", "String 5-x-1,50"},
    {"FormatFloat('#,##0.00', 1234.5)", "String 1.234,50"},
    {"FormatDateTime('yyyy-mm-dd', 45000)", "String 2023-03-15"},
    {"FormatMaskText('000-000;0;_', '123456')", "String 123-456"},
    {"EncodeDate(2023, 3, 15)", "DateTime 15/03/2023"},
    {"EncodeTime(6, 30, 0, 0)", "DateTime 30/12/1899 6:30:00"},
    {"DayOfWeek(45000)", "Int32 4"},
    {"IsLeapYear(2024)", "Boolean True"},
    {"DaysInMonth(2023, 2)", "Int32 28"},
    {"Length('hola')", "Int32 4"},
    {"Length([1, 2, 3])", "Int32 3"},
    {"Copy('hola', 2, 2)", "String ol"},
    {"Pos('la', 'hola')", "Int32 3"},
    {"Uppercase('espa\xF1" "a')", "String ESPA\xD1" "A"},
    {"Lowercase('\xC1" "B')", "String \xE1" "b"},
    {"Trim('  x  ')", "String x"},
    {"NameCase('jUAN p\xC9REZ')", "String Juan P\xE9rez"},
    {"CompareText('abc', 'ABD') < 0", "Boolean True"},
    {"Chr(65)", "String A"},
    {"Ord('A')", "Int32 65"},
    {"Round(2.5)", "Int32 2"},
    {"Round(3.5)", "Int32 4"},
    {"Trunc(-2.7)", "Int32 -2"},
    {"Int(2.7)", "Double 2"},
    {"Frac(2.5)", "Double 0,5"},
    {"Sqrt(16)", "Double 4"},
    {"Abs(-3)", "Double 3"},
    {"Sin(0)", "Double 0"},
    {"Cos(0)", "Double 1"},
    {"ArcTan(0)", "Double 0"},
    {"Tan(0)", "Double 0"},
    {"Exp(0)", "Double 1"},
    {"Ln(1)", "Double 0"},
    {"Pi", "Double 3,14159265358979"},
    {"(Random >= 0) and (Random < 1)", "Boolean True"},
    {"Now - Date < 1", "Boolean True"},
    {"Time < 1", "Boolean True"},
    {"ValidInt('12')", "Boolean True"},
    {"ValidFloat('1,5')", "Boolean True"},
    {"ValidDate('31/02/2023')", "Boolean False"},
    {"ValidDate(EncodeDate(2023, 2, 28) + 0.5)", "Boolean True"},
    {"ExtractFilePath('C:\\dir\\a.txt')", "String C:\\dir\\"},
    {"VarType(1.5)", "Int32 5"},
    {"VarArrayCreate([0, 2], 12)", "Array [,,]"},
    {"DayOf(45000)", "Int32 15"},
    {"MonthOf(45000)", "Int32 3"},
    {"YearOf(45000)", "Int32 2023"},
    // report functions and names
    {"IIF(1 = 1, 'si', 'no')", "String si"},
    {"Get('Page#')", "Int32 0"},
    {"<Line#> + 1", "Int32 1"},
    {"Report.Calc('1 + 1')", "Int32 2"},
    {"Report.Name", "String "},
    {"frxGlobalVariables['nada']", "Null "},
    {"TfrxReport(Report) = Report", "Boolean True"},
};

TEST_F(EvaluatorTest, ExpressionsGiveTheirValues)
{
    for (const ExprCase& c : kExpressions) {
        Value v;
        try {
            v = report.Calc(c.text);
        } catch (const std::exception& e) {
            ADD_FAILURE() << c.text << ": " << e.what();
            continue;
        }
        EXPECT_EQ(Shown(v), c.shown) << c.text;
    }
    EXPECT_EQ(report.Errors().Count(), 0u);
}

TEST_F(EvaluatorTest, EveryLibraryFunctionIsCovered)
{
    std::set<std::string> named;
    for (const ExprCase& c : kExpressions) {
        std::string word;
        for (const char* p = c.text;; ++p) {
            if (std::isalnum(static_cast<unsigned char>(*p))) {
                word += *p;
                continue;
            }
            named.insert(word);
            word.clear();
            if (!*p)
                break;
        }
    }
    // Procedures change their arguments and are tried by LibraryProcedures.
    for (const char* p : {"DecodeDate", "DecodeTime", "Delete", "DeleteStr", "Insert", "SetLength", "Inc", "Dec",
                          "RaiseException", "ShowMessage", "Randomize", "CreateOleObject"})
        named.insert(p);
    for (const FunctionEntry& f : FunctionLibrary())
        EXPECT_TRUE(named.count(f.decl.name)) << f.decl.name;
}

// Procedures with by-reference parameters, called as a script would.
TEST_F(EvaluatorTest, LibraryProcedures)
{
    auto call = [](const char* name, std::vector<Value> args) {
        CallArgs a{std::span<Value>(args)};
        FindLibraryFunction(name)->impl(a);
        return args;
    };
    const std::vector<Value> date = call("DecodeDate", {Value(45000.0), {}, {}, {}});
    EXPECT_EQ(Shown(date[1]) + Shown(date[2]) + Shown(date[3]), "Int32 2023Int32 3Int32 15");
    const std::vector<Value> time = call("DecodeTime", {Value(0.75), {}, {}, {}, {}});
    EXPECT_EQ(Shown(time[1]) + Shown(time[4]), "Int32 18Int32 0");
    EXPECT_EQ(Shown(call("Delete", {Value("abcdef"), Value(2), Value(3)})[0]), "String aef");
    EXPECT_EQ(Shown(call("DeleteStr", {Value("abcdef"), Value(5), Value(9)})[0]), "String abcd");
    EXPECT_EQ(Shown(call("Insert", {Value("XY"), Value("abc"), Value(2)})[1]), "String aXYbc");
    EXPECT_EQ(Shown(call("SetLength", {Value("abcdef"), Value(2)})[0]), "String ab");
    EXPECT_EQ(call("SetLength", {Value(ValueArray{Value(1)}), Value(3)})[0].AsArray().size(), 3u);
    EXPECT_EQ(Shown(call("Inc", {Value(5), Value(1)})[0]), "Int32 6");
    EXPECT_EQ(Shown(call("Dec", {Value(5), Value(2)})[0]), "Int32 3");
    call("ShowMessage", {Value("nadie lo ve")});
    call("Randomize", {});
    EXPECT_THROW(call("RaiseException", {Value("boom")}), Exception);
    try {
        call("CreateOleObject", {Value("Excel.Application")});
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "No hay objetos OLE en esta plataforma: Excel.Application");
    }
}

TEST_F(EvaluatorTest, FaultsGiveTheirMessages)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"1 / 0", "Floating point division by zero"},
        {"0 / 0", "Invalid floating point operation"},
        {"1 div 0", "Division by zero"},
        {"1 mod 0", "Division by zero"},
        {"9223372036854775807 + 1", "Integer overflow"},
        {"Trunc(1e10)", "Integer overflow"},
        {"Exp(1000)", "Floating point overflow"},
        {"Sqrt(-1)", "Invalid floating point operation"},
        {"StrToInt('x')", "'x' is not a valid integer value"},
        {"<Page#> + 'a'", "Could not convert variant of type (String) into type (Double)"},
        {"'a' + 1", "Error en la expresi\xF3n ''a' + 1': Tipos incompatibles"},
        {"'a' * 2", "Error en la expresi\xF3n ''a' * 2': Tipos incompatibles"},
        {"True + 1", "Error en la expresi\xF3n 'True + 1': Tipos incompatibles"},
        {"Report - 1", "Error en la expresi\xF3n 'Report - 1': Tipos incompatibles"},
        {"1.5 div 2", "Error en la expresi\xF3n '1.5 div 2': Tipos incompatibles"},
        {"IntToStr(Report)", "Error en la expresi\xF3n 'IntToStr(Report)': Tipos incompatibles"},
        {"IntToStr('uno')", "Could not convert variant of type (String) into type (Integer)"},
        {"ShowMessage('x')", "Error en la expresi\xF3n 'ShowMessage('x')': Tipos incompatibles"},
        {"x + 1", "Error en la expresi\xF3n 'x + 1': Identificador no declarado: 'x'"},
        {"Report.Nada", "Error en la expresi\xF3n 'Report.Nada': Identificador no declarado: 'Nada'"},
        {"Copy('a')", "Error en la expresi\xF3n 'Copy('a')': Faltan par\xE1metros"},
        {"Pi(1)", "Error en la expresi\xF3n 'Pi(1)': Sobran par\xE1metros"},
        {"Inc(1)", "Error en la expresi\xF3n 'Inc(1)': El lado izquierdo no se puede asignar a"},
        {"1 +", "Error en la expresi\xF3n '1 +': Expression expected"},
        {"1; Result := 2", "Error en la expresi\xF3n '1; Result := 2': el texto no es una sola expresi\xF3n"},
        {"SUM(<Detalle.\"IMPORTE\">)", "SUM s\xF3lo se puede calcular mientras se prepara el informe"},
        {"Report.Calc('1 / 0')", "Error en expresi\xF3n de c\xE1lculo:Floating point division by zero"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(c.text), c.message) << c.text;
}

TEST_F(EvaluatorTest, FailuresGoToErrorsOnceWithTheObjectName)
{
    report.CurrentObjectName = "Memo1";
    EXPECT_EQ(ErrorOf("1 / 0"), "Memo1: Floating point division by zero");
    EXPECT_EQ(ErrorOf("1 / 0"), "Memo1: Floating point division by zero");
    // A failure inside a nested Calc is reported where it happened, once.
    report.Variables.Set("Malo", Value("1 div 0"));
    EXPECT_EQ(ErrorOf("<Malo> + 1"), "Memo1: Division by zero");
    ASSERT_EQ(report.Errors().Count(), 2u);
    EXPECT_EQ(report.Errors()[0], "Memo1: Division by zero");
    EXPECT_EQ(report.Errors()[1], "Memo1: Floating point division by zero");
}

TEST_F(EvaluatorTest, IgnoreDevByZeroDropsOnlyTheFloatingDivision)
{
    report.EngineOptions.IgnoreDevByZero = true;
    EXPECT_TRUE(report.Calc("1 / 0").IsNull());
    EXPECT_EQ(ErrorOf("1 div 0"), "Division by zero");
    EXPECT_EQ(report.Errors().Count(), 1u);
}

TEST_F(EvaluatorTest, ReportAndGlobalVariables)
{
    report.Variables.Set("Suma", Value("2 + 3"));
    report.Variables.Set("Lineas", Value("uno\r\ndos"));
    report.Variables.Set("Siete", Value(7));
    frxGlobalVariables().Set("Global", Value("texto"));
    EXPECT_EQ(Shown(report.Calc("Suma")), "Int32 5");
    EXPECT_EQ(Shown(report.Calc("<Suma> * 2")), "Int32 10");
    EXPECT_EQ(Shown(report.Calc("Lineas")), "String uno\r\ndos");
    EXPECT_EQ(Shown(report.Calc("Siete")), "Int32 7");
    EXPECT_EQ(Shown(report.Calc("<Global>")), "String texto");
    EXPECT_EQ(Shown(report.Calc("frxGlobalVariables['GLOBAL']")), "String texto");
    report.Set("Nueva", Value(1.5));
    EXPECT_EQ(Shown(report.Calc("<nueva> + 1")), "Double 2,5");
    frxGlobalVariables().Clear();
    EXPECT_EQ(report.Errors().Count(), 0u);
}

TEST_F(EvaluatorTest, GetOfAnUnknownNameGivesNullAndAnError)
{
    EXPECT_TRUE(report.Calc("<Nadie>").IsNull());
    ASSERT_EQ(report.Errors().Count(), 1u);
    EXPECT_EQ(report.Errors()[0], "Variable o campo desconocido: Nadie");
}

TEST_F(EvaluatorTest, AVariableThatNamesItselfEndsWithAnError)
{
    report.Variables.Set("Bucle", Value("<Bucle> + 1"));
    EXPECT_EQ(ErrorOf("Bucle"), "Demasiados c\xE1lculos anidados (m\xE1s de 64)");
}

TEST_F(EvaluatorTest, IifRunsOnlyTheChosenBranchAndDropsFailures)
{
    report.Variables.Set("Cuenta", Value(0));
    report.OnGetValue = [this](const std::string& name, Value& v) {
        if (name == "Contar") {
            report.Set("Cuenta", VarBinary(VarOp::Add, report.Variables.Get("Cuenta"), Value(1)));
            v = Value("contado");
        }
    };
    EXPECT_EQ(Shown(report.Calc("IIF(1 = 2, <Contar>, 'no')")), "String no");
    EXPECT_EQ(Shown(report.Calc("IIF(1 = 1, <Contar>, 'no')")), "String contado");
    EXPECT_EQ(Shown(report.Variables.Get("Cuenta")), "Int32 1");
    EXPECT_TRUE(report.Calc("IIF(True, 1 div 0, 2)").IsEmpty());
    EXPECT_EQ(report.Errors().Count(), 0u);
}

TEST_F(EvaluatorTest, TheSameTextCompilesOnce)
{
    TfrxExpressionCache& cache = report.ExpressionCache();
    report.Calc("'a' + 'b'");
    report.Calc("'a' + 'b'");
    EXPECT_EQ(cache.Compilations(), 1u);
    // Texts that differ only in letter case are different expressions.
    EXPECT_EQ(Shown(report.Calc("'A' + 'b'")), "String Ab");
    EXPECT_EQ(cache.Compilations(), 2u);
    // Plain names never reach the cache.
    report.Calc("Page#");
    EXPECT_EQ(cache.Compilations(), 2u);
}

TEST_F(EvaluatorTest, ObjectsOfTheReportAndTheirProperties)
{
    auto* page = new TfrxReportPage(&report);
    page->SetName("Page1");
    auto* band = new TfrxMasterData(page);
    band->SetName("MasterData1");
    auto* memo = new TfrxMemoView(band);
    memo->SetName("Memo1");
    memo->SetLeft(10);
    EXPECT_EQ(Shown(report.Calc("Memo1.Left + 1")), "Double 11");
    EXPECT_EQ(Shown(report.Calc("memo1.Name + '!'")), "String Memo1!");
    EXPECT_EQ(Shown(report.Calc("Memo1 is TfrxMemoView")), "Boolean True");
    EXPECT_EQ(Shown(report.Calc("Memo1 is TfrxMasterData")), "Boolean False");
    EXPECT_EQ(Shown(report.Calc("Memo1.Visible and True")), "Boolean True");
    // A plain object name is found by the look-up without compiling.
    EXPECT_EQ(report.Calc("Memo1").AsObject(), memo);
    // A dataset of the report, with the operations scripts call by name.
    auto* ds = new TfrxUserDataSet(&report);
    ds->SetName("dsUsuario");
    ds->Fields.Add("Nombre");
    ds->OnGetValue.Handler = [](const std::string& field, Value& v) { v = Value("valor de " + field); };
    EXPECT_EQ(Shown(report.Calc("dsUsuario.Value('Nombre') + '/' + dsUsuario.DisplayText('Nombre')")),
              "WideString valor de Nombre/valor de Nombre");  // display texts are wide
    EXPECT_EQ(Shown(report.Calc("dsUsuario.HasField('NOMBRE') and (dsUsuario.FieldsCount = 1)")), "Boolean True");
    EXPECT_EQ(Shown(report.Calc("dsUsuario.RecNo + dsUsuario.FieldType('Nombre') + dsUsuario.RecordCount")), "Int32 0");
    EXPECT_EQ(Shown(report.Calc("dsUsuario.Eof or dsUsuario.IsBlobField('Nombre')")), "Boolean False");
    EXPECT_EQ(Shown(report.Calc("dsUsuario.DisplayWidth('Nombre')")), "Int32 10");
}

TEST_F(EvaluatorTest, OtherLanguagesWrapTheirOwnWay)
{
    const struct {
        const char* language;
        const char* text;
        const char* shown;
    } cases[] = {
        {"C++Script", "Copy(\"hola\", 1, 2) == \"ho\"", "Boolean True"},
        {"C++Script", "(1 < 2) && !(2 < 1)", "Boolean True"},
        {"BasicScript", "\"a\" & 1", "String a1"},
        {"BasicScript", "7 \\ 2", "Int32 3"},
        {"JScript", "sinDeclarar == null", "Boolean True"},
    };
    for (const auto& c : cases) {
        TfrxReport r(nullptr);
        r.ScriptLanguage = c.language;
        EXPECT_EQ(Shown(r.Calc(c.text)), c.shown) << c.language << ": " << c.text;
    }
}

TEST_F(EvaluatorTest, LongAndDeepExpressionsStayWithinBounds)
{
    std::string chain = "1";
    for (int i = 1; i < 20000; ++i)
        chain += " + 1";
    EXPECT_EQ(Shown(report.Calc(chain)), "Int32 20000");
    const std::string deep = std::string(300, '(') + "1" + std::string(300, ')');
    EXPECT_NE(ErrorOf(deep).find("Too many nested levels"), std::string::npos);
}

} // namespace
} // namespace orv
