// Named parameters found in statement texts: markers outside literals,
// quoted identifiers and comments only.
#include "platform/SqlParams.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

struct ParamCase {
    const char* sql;
    const char* positional;
    std::vector<std::string> names;
};

TEST(SqlParamsTest, MarkersOutsideLiteralsAndCommentsBecomePositional) {
    const ParamCase cases[] = {
        {"WHERE A = :EMPRESA AND B = :Proveedor", "WHERE A = ? AND B = ?", {"EMPRESA", "Proveedor"}},
        {"X = :A OR Y = :a OR Z = :A", "X = ? OR Y = ? OR Z = ?", {"A", "a", "A"}},
        {"T1. PEDIDO = :PEDIDO", "T1. PEDIDO = ?", {"PEDIDO"}},
        {"S = ':NO' || :YES", "S = ':NO' || ?", {"YES"}},
        {"S = 'it''s :NO' || :YES", "S = 'it''s :NO' || ?", {"YES"}},
        {"\"A:NO\" = :YES", "\"A:NO\" = ?", {"YES"}},
        {"-- :NO\n:YES", "-- :NO\n?", {"YES"}},
        {"/* :NO\n */ :YES /* :NO */", "/* :NO\n */ ? /* :NO */", {"YES"}},
        {"HORA = '10:30' AND A : B AND C = :", "HORA = '10:30' AND A : B AND C = :", {}},
        {"S = ':unterminated", "S = ':unterminated", {}},
        {"A=:P_1$ AND B=:2", "A=? AND B=?", {"P_1$", "2"}},
    };
    for (const ParamCase& c : cases) {
        TParsedSql parsed = ParseNamedParams(c.sql);
        EXPECT_EQ(parsed.Sql, c.positional) << c.sql;
        EXPECT_EQ(parsed.Positions, c.names) << c.sql;
    }
}

} // namespace
} // namespace orv
