#include "app/Config.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

struct ParamCase {
    const char* label;
    std::vector<std::string> args;
    std::vector<std::string> entries;  // the list afterwards, in order
    std::vector<std::string> logged;
};

class ReadParametersTest : public testing::TestWithParam<ParamCase> {};

TEST_P(ReadParametersTest, FillsListAndLogsEachParameter) {
    const ParamCase& c = GetParam();
    TStringList params;
    params.SetValue("copias", "0");
    std::vector<std::string> logged;
    ReadParameters(c.args, params, [&](const std::string& l) { logged.push_back(l); });
    EXPECT_EQ(params.Lines(), c.entries);
    EXPECT_EQ(logged, c.logged);
}

// "Par\xE1metro:" is the Windows-1252 text of the log line.
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadParametersTest,
    testing::Values(
        ParamCase{"none", {}, {"copias=0"}, {}},
        ParamCase{"value_taken_as_name_too",
                  {"-proveedor", "-A1", "-pedido", "7"},
                  {"copias=0", "proveedor=-A1", "a1=-pedido", "pedido=7"},
                  {"Par\xE1metro:proveedor = -A1", "Par\xE1metro:a1 = -pedido", "Par\xE1metro:pedido = 7"}},
        ParamCase{"repeated_name_keeps_later",
                  {"-EMPRESA", "5", "-empresa", "6"},
                  {"copias=0", "empresa=6"},
                  {"Par\xE1metro:empresa = 5", "Par\xE1metro:empresa = 6"}},
        ParamCase{"log_switch_any_case_vs_double_dash",
                  {"-LOG", "--log", "x"},
                  {"copias=0", "log=x"},
                  {"Par\xE1metro:log = x"}},
        ParamCase{"dashes_removed_and_value_trimmed",
                  {"-pe-dido", " \t12 "},
                  {"copias=0", "pedido=12"},
                  {"Par\xE1metro:pedido = 12"}},
        ParamCase{"trailing_name_without_value",
                  {"-tipodoc", "ctPedidoTradevo", "-formulario"},
                  {"copias=0", "tipodoc=ctPedidoTradevo"},
                  {"Par\xE1metro:tipodoc = ctPedidoTradevo", "Par\xE1metro:formulario = "}},
        ParamCase{"empty_value_deletes_entry",
                  {"-copias", "  "},
                  {},
                  {"Par\xE1metro:copias = "}}),
    [](const testing::TestParamInfo<ParamCase>& i) { return std::string(i.param.label); });

struct IntCase {
    const char* text;
    bool converts;
    std::int32_t value;
};

TEST(StrToIntSafeTest, ConvertsOnlyWholeThirtyTwoBitNumbers) {
    const IntCase cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {"  -17", true, -17},
        {"+8", true, 8},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"99999999999999999999", false, 0},
        {"$1F", true, 31},
        {"x10", true, 16},
        {"X10", true, 16},
        {"0x0BEF", true, 3055},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},
        {"$100000000", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"12a", false, 0},
        {"30x", false, 0},
        {"7 ", false, 0},
        {"abc", false, 0},
        {"1.5", false, 0},
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE(c.text);
        std::int32_t v = 12345;
        EXPECT_EQ(TryStrToInt(c.text, v), c.converts);
        EXPECT_EQ(StrToIntSafe(c.text), c.value);
        if (c.converts)
            EXPECT_EQ(StrToIntStrict(c.text), c.value);
        else
            EXPECT_THROW(StrToIntStrict(c.text), Exception);
    }
}

TEST(StrToIntStrictTest, NamesTheTextThatFailed) {
    try {
        StrToIntStrict("30x");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "'30x' is not a valid integer value");
    }
}

} // namespace
} // namespace orv
