// The query component on a private copy of the demo database, opened
// embedded with the job's login: parameters, fields, navigation, errors.
#include "platform/ZQuery.h"

#include "platform/Exception.h"
#include "platform/FormatSettings.h"
#include "platform/ZConnection.h"
#include "support/DemoDatabase.h"
#include "support/OrderQueries.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

class ZQueryTest : public testing::Test {
protected:
    ZQueryTest() { db.SetUpEmbedded(connection); }

    // The error text of running `action`, or "(no error)".
    template <class F>
    static std::string ErrorOf(F action) {
        try {
            action();
        } catch (const Exception& e) {
            return e.what();
        }
        return "(no error)";
    }

    void OpenOrder(std::string_view sql, std::int64_t pedido = 77) {
        q.SetSQL(sql);
        q.ParamByName("EMPRESA").SetAsInteger(1);
        q.ParamByName("PROVEEDOR").SetAsString("P01");
        q.ParamByName("PEDIDO").SetAsInteger(pedido);
        q.Open();
    }

    // Numbers and dates read as text by the job's conventions.
    ScopedFormatSettings spanish{"es_ES"};
    DemoDatabaseCopy db;
    TZConnection connection;
    TZQuery q{connection};
};

// The statements the job's data module runs, with the fields its report datasets show.
TEST_F(ZQueryTest, TheOrderStatementsFindTheDemoOrderWithEveryReportedField) {
    struct StatementCase {
        const char* sql;
        int rows;
        std::vector<std::string> fields;
    };
    const StatementCase cases[] = {
        {kPedidoSql, 1, kCabeceraFields},
        {kPedidoDetalleSql, 30, kDetalleFields},
    };
    for (const StatementCase& c : cases) {
        OpenOrder(c.sql);
        EXPECT_EQ(q.RecordCount(), c.rows);
        for (const std::string& field : c.fields) EXPECT_NE(q.FindField(field), nullptr) << field;
        q.Close();
    }
    q.SetSQL(kEmpresaSql);
    q.ParamByName("EMPRESA").SetAsInteger(1);
    q.Open();
    EXPECT_EQ(q.FieldByName("nombre").AsString(), "Suministros Pe\xF1" "alara");
}

TEST_F(ZQueryTest, OpeningOnAClosedConnectionConnectsFirst) {
    ASSERT_FALSE(connection.Connected());
    q.SetSQL("SELECT COUNT(*) AS N FROM SISTEMAUSUARIOS");
    q.Open();
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(q.FieldByName("N").AsInteger(), 3);
}

TEST_F(ZQueryTest, FieldsKeepTheirKindSizeNullFlagAndText) {
    OpenOrder("SELECT P.EMPRESA, P.PROVEEDOR, P.FECHA, P.HORA, P.FECHAHORALTA, P.ESTADO, D.PRECIO, D.CANTIDAD, "
              "D.TALLA, D.COLOR, A.DESCRIPCION, E.LOGO, CAST(P.OBSERVACIONES AS BLOB SUB_TYPE TEXT) AS NOTAS, "
              "CAST(2.5 AS DOUBLE PRECISION) AS RATIO, CAST(9000000000 AS BIGINT) AS GRANDE, TRUE AS SI "
              "FROM APKPEDIDOS P "
              "JOIN APKPEDIDODETALLE D ON D.EMPRESA = P.EMPRESA AND D.PROVEEDOR = P.PROVEEDOR "
              "AND D.PEDIDO = P.PEDIDO AND D.LINEA = 3 "
              "JOIN ARTICULOS A ON A.EMPRESA = D.EMPRESA AND A.ARTICULO = D.ARTICULO "
              "JOIN SISTEMAEMPRESAS E ON E.EMPRESA = P.EMPRESA "
              "WHERE P.EMPRESA = :EMPRESA AND P.PROVEEDOR = :PROVEEDOR AND P.PEDIDO = :PEDIDO");
    using enum TFieldType;
    struct FieldCase {
        const char* name;
        TFieldType kind;
        int size;
        bool null;
        std::string text;
    };
    const FieldCase cases[] = {
        {"EMPRESA", ftInteger, 0, false, "1"},
        {"PROVEEDOR", ftString, 15, false, "P01"},
        {"FECHA", ftDate, 0, false, "15/03/2024"},
        {"HORA", ftTime, 0, false, "9:30:00"},
        {"FECHAHORALTA", ftDateTime, 0, false, "15/03/2024 9:30:12"},
        {"ESTADO", ftSmallint, 0, false, "1"},
        {"PRECIO", ftBCD, 4, false, "24,9"},
        {"CANTIDAD", ftBCD, 3, false, "4"},
        {"TALLA", ftString, 10, false, ""},
        {"COLOR", ftString, 20, true, ""},
        {"DESCRIPCION", ftString, 100, false, "Se\xF1" "al \xAB" "Obras\xBB 60 cm"},
        {"LOGO", ftBlob, 0, false, std::string("\x89PNG\r\n\x1A\n\0\xFF\0\xFE", 12)},
        {"NOTAS", ftMemo, 0, false,
         "Entregar en obra (Coslada) de 8:00 a 14:00. Preguntar por el encargado, Sr. N\xFA\xF1" "ez. "
         "Portes pagados a partir de 300 \x80."},
        {"RATIO", ftFloat, 0, false, "2,5"},
        {"GRANDE", ftLargeint, 0, false, "9000000000"},
        {"SI", ftBoolean, 0, false, "True"},
    };
    ASSERT_EQ(q.FieldCount(), std::size(cases));
    for (const FieldCase& c : cases) {
        const TZField& f = q.FieldByName(c.name);
        EXPECT_EQ(f.DataType(), c.kind) << c.name;
        EXPECT_EQ(f.Size(), c.size) << c.name;
        EXPECT_EQ(f.IsNull(), c.null) << c.name;
        EXPECT_EQ(f.AsString(), c.text) << c.name;
        EXPECT_EQ(f.IsBlob(), c.kind == ftBlob || c.kind == ftMemo) << c.name;
    }
}

TEST_F(ZQueryTest, FieldsConvertToNumbersAndDateTimes) {
    OpenOrder("SELECT P.FECHA, P.HORA, P.FECHAHORALTA, D.PRECIO, D.CANTIDAD, D.COLOR, A.DESCRIPCION, "
              "CAST(2.5 AS DOUBLE PRECISION) AS RATIO, CAST(9000000000 AS BIGINT) AS GRANDE, "
              "CAST(1.23456 AS NUMERIC(9,5)) AS FINO, P.PROVEEDOR "
              "FROM APKPEDIDOS P "
              "JOIN APKPEDIDODETALLE D ON D.EMPRESA = P.EMPRESA AND D.PROVEEDOR = P.PROVEEDOR "
              "AND D.PEDIDO = P.PEDIDO AND D.LINEA = 3 "
              "JOIN ARTICULOS A ON A.EMPRESA = D.EMPRESA AND A.ARTICULO = D.ARTICULO "
              "WHERE P.EMPRESA = :EMPRESA AND P.PROVEEDOR = :PROVEEDOR AND P.PEDIDO = :PEDIDO");
    // Days since 30 December 1899, as the report's date-time values count them.
    EXPECT_DOUBLE_EQ(q.FieldByName("FECHA").AsDateTime(), 45366.0);
    EXPECT_DOUBLE_EQ(q.FieldByName("HORA").AsDateTime(), (9 * 3600 + 30 * 60) / 86400.0);
    EXPECT_DOUBLE_EQ(q.FieldByName("FECHAHORALTA").AsDateTime(), 45366.0 + (9 * 3600 + 30 * 60 + 12) / 86400.0);
    EXPECT_DOUBLE_EQ(q.FieldByName("PRECIO").AsFloat(), 24.9);
    EXPECT_EQ(q.FieldByName("PRECIO").AsExtended(), 24.9L);
    EXPECT_EQ(q.FieldByName("PRECIO").AsCurrency(), 249000);
    EXPECT_EQ(q.FieldByName("FINO").AsCurrency(), 12346);  // rounded to four decimals, half to even
    EXPECT_EQ(q.FieldByName("CANTIDAD").AsInteger(), 4);
    EXPECT_EQ(q.FieldByName("RATIO").AsInteger(), 2);  // half to even
    EXPECT_EQ(q.FieldByName("GRANDE").AsLargeInt(), 9000000000);
    EXPECT_EQ(q.FieldByName("COLOR").AsInteger(), 0);  // null
    EXPECT_EQ(ErrorOf([&] { q.FieldByName("GRANDE").AsInteger(); }),
              "Value out of the range of a 32-bit integer in field GRANDE");
    EXPECT_EQ(ErrorOf([&] { q.FieldByName("PROVEEDOR").AsInteger(); }), "'P01' is not a valid integer value");
    EXPECT_EQ(ErrorOf([&] { q.FieldByName("PROVEEDOR").AsFloat(); }), "'P01' is not a valid floating point value");
    EXPECT_EQ(ErrorOf([&] { q.FieldByName("DESCRIPCION").AsDateTime(); }),
              "Field cannot be read as a date-time: DESCRIPCION");
}

TEST_F(ZQueryTest, FieldsAreFoundByNameWithoutLetterCaseAndRepeatedNamesGetANumber) {
    q.SetSQL("SELECT 1 AS A, 2 AS A, 3 AS \"a\" FROM RDB$DATABASE");
    q.Open();
    EXPECT_EQ(q.FieldNames(), (std::vector<std::string>{"A", "A_1", "a_2"}));
    EXPECT_EQ(q.FieldByName("a_1").AsInteger(), 2);
    EXPECT_EQ(q.FindField("B"), nullptr);
    EXPECT_EQ(ErrorOf([&] { q.FieldByName("B"); }), "Field not found: B");
}

TEST_F(ZQueryTest, NavigatesBothWaysWithEofBofAndBookmarks) {
    OpenOrder("SELECT LINEA FROM APKPEDIDODETALLE WHERE EMPRESA = :EMPRESA AND PROVEEDOR = :PROVEEDOR "
              "AND PEDIDO = :PEDIDO AND LINEA <= 3 ORDER BY LINEA");
    TZField& linea = q.FieldByName("LINEA");
    auto at = [&] { return std::to_string(linea.AsInteger()) + (q.Bof() ? " bof" : "") + (q.Eof() ? " eof" : ""); };
    EXPECT_EQ(q.RecordCount(), 3);
    EXPECT_EQ(at(), "1 bof");
    q.Next();
    EXPECT_EQ(at(), "2");
    const TBookmark second = q.GetBookmark();
    q.Next();
    EXPECT_EQ(q.RecNo(), 3);
    q.Next();
    EXPECT_EQ(at(), "3 eof");  // past the last record: stays on it
    q.Prior();
    EXPECT_EQ(at(), "2");
    q.Prior();
    q.Prior();
    EXPECT_EQ(at(), "1 bof");
    q.Last();
    EXPECT_EQ(at(), "3 eof");
    q.GotoBookmark(second);
    EXPECT_EQ(at(), "2");
    EXPECT_EQ(q.GetBookmark(), second);
    q.First();
    EXPECT_EQ(at(), "1 bof");
    EXPECT_FALSE(q.BookmarkValid(TBookmark{3}));
    EXPECT_EQ(ErrorOf([&] { q.GotoBookmark(TBookmark{3}); }), "Bookmark does not name a record of the query");
}

TEST_F(ZQueryTest, AnEmptyResultIsAtBothEndsAndAClosedQueryCannotMove) {
    OpenOrder("SELECT LINEA FROM APKPEDIDODETALLE WHERE EMPRESA = :EMPRESA AND PROVEEDOR = :PROVEEDOR "
              "AND PEDIDO = :PEDIDO",
              999);
    EXPECT_TRUE(q.IsEmpty());
    EXPECT_TRUE(q.Bof() && q.Eof());
    EXPECT_EQ(q.RecNo(), 0);
    q.Next();
    q.Prior();
    EXPECT_TRUE(q.Bof() && q.Eof());
    EXPECT_TRUE(q.FieldByName("LINEA").IsNull());
    q.Close();
    EXPECT_FALSE(q.Active());
    EXPECT_EQ(ErrorOf([&] { q.First(); }), "Cannot perform this operation on a closed query");
}

TEST_F(ZQueryTest, ParametersAreBoundNeverPastedIntoTheText) {
    q.SetSQL("SELECT COUNT(*) AS N FROM APKPEDIDODETALLE WHERE EMPRESA = :E AND PROVEEDOR = :p AND LINEA < :P");
    EXPECT_EQ(q.Params().size(), 2u);  // names compare without letter case
    q.ParamByName("e").SetAsInteger(1);
    q.ParamByName("P").SetAsString("P01");
    q.SetSQL("SELECT COUNT(*) AS N FROM APKPEDIDODETALLE WHERE EMPRESA = :E AND PROVEEDOR = :P AND PEDIDO = 77");
    EXPECT_EQ(q.ParamByName("E").AsInteger(), 1);  // values stay with their names
    q.Open();
    EXPECT_EQ(q.FieldByName("N").AsInteger(), 30);
    q.Close();
    q.ParamByName("P").SetAsString("P01' OR 'a'='a");
    q.Open();
    EXPECT_EQ(q.FieldByName("N").AsInteger(), 0);
    EXPECT_EQ(ErrorOf([&] { q.ParamByName("PEDIDO"); }), "Parameter not found: PEDIDO");
}

TEST_F(ZQueryTest, AnUnsetParameterIsNull) {
    q.SetSQL("SELECT COALESCE(CAST(:V AS VARCHAR(20)), 'nulo') AS V, ':V' AS T FROM RDB$DATABASE -- :W");
    ASSERT_EQ(q.Params().size(), 1u);
    struct BindCase {
        std::function<void(TZParam&)> bind;
        const char* value;
    };
    const BindCase cases[] = {
        {[](TZParam&) {}, "nulo"},
        {[](TZParam& p) { p.SetAsString("Mu\xF1oz"); }, "Mu\xF1oz"},
        {[](TZParam& p) { p.SetAsInteger(-5); }, "-5"},
        {[](TZParam& p) { p.SetAsString(""); }, ""},
        {[](TZParam& p) { p.Clear(); }, "nulo"},
    };
    for (const BindCase& c : cases) {
        c.bind(q.ParamByName("v"));
        q.Open();
        EXPECT_EQ(q.FieldByName("V").AsString(), c.value);
        EXPECT_EQ(q.FieldByName("T").AsString(), ":V");
        q.Close();
    }
}

TEST_F(ZQueryTest, ErrorsCarryFirebirdsMessageAndLeaveTheQueryClosed) {
    struct ErrorCase {
        const char* sql;
        bool exec;
        const char* message;
    };
    const ErrorCase cases[] = {
        {"SELECT * FROM NO_SUCH_TABLE", false,
         "Dynamic SQL Error; SQL error code = -204; Table unknown; NO_SUCH_TABLE; At line 1, column 15"},
        {"SELEC 1 FROM RDB$DATABASE", false,
         "Dynamic SQL Error; SQL error code = -104; Token unknown - line 1, column 1; SELEC"},
        {"EXECUTE BLOCK AS BEGIN END", false, "The statement returns no rows; it cannot be opened as a query"},
        {"DELETE FROM APKPEDIDOS", true, "no permission for DELETE access to TABLE APKPEDIDOS"},
    };
    for (const ErrorCase& c : cases) {
        q.SetSQL(c.sql);
        EXPECT_EQ(ErrorOf([&] { c.exec ? q.ExecSQL() : q.Open(); }), c.message) << c.sql;
        EXPECT_FALSE(q.Active());
    }
    q.SetSQL("SELECT 1 AS ONE FROM RDB$DATABASE");  // the connection is still good
    q.Open();
    EXPECT_EQ(q.FieldByName("ONE").AsInteger(), 1);
}

TEST_F(ZQueryTest, OpenAndCloseNotifyAndAClosedQueryDescribesItsColumns) {
    std::vector<std::string> events;
    q.AfterOpen = [&](TZQuery& query) { events.push_back("open " + std::to_string(query.RecordCount())); };
    q.BeforeClose = [&](TZQuery& query) { events.push_back("close " + std::to_string(query.RecordCount())); };
    q.SetSQL("SELECT USUARIO, EMPRESA FROM SISTEMAUSUARIOS WHERE EMPRESA = :EMPRESA");
    const std::vector<TFieldDef> defs = q.FieldDefs();  // parameters unset, nothing run
    ASSERT_EQ(defs.size(), 2u);
    EXPECT_EQ(defs[0].Name, "USUARIO");
    EXPECT_EQ(defs[0].DataType, TFieldType::ftString);
    EXPECT_EQ(defs[0].Size, 30);
    EXPECT_EQ(defs[1].DataType, TFieldType::ftInteger);
    EXPECT_FALSE(q.Active());
    EXPECT_TRUE(events.empty());

    q.ParamByName("EMPRESA").SetAsInteger(1);
    q.Open();
    q.Open();  // already open: no second notification
    q.SetSQL("SELECT 1 FROM RDB$DATABASE");  // a new text closes the query
    q.Close();
    EXPECT_EQ(events, (std::vector<std::string>{"open 3", "close 3"}));
}

} // namespace
} // namespace orv::test
