// Calc over the demo order's lines: the report dataset Detalle over the
// job's order lines query on a private copy of the demo database.
#include "model/Report.h"

#include "data/DBDataSet.h"
#include "platform/FormatSettings.h"
#include "platform/ZConnection.h"
#include "script/ExpressionCache.h"
#include "support/DemoDatabase.h"
#include "support/OrderQueries.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

class CalcDatasetTest : public testing::Test {
protected:
    CalcDatasetTest()
    {
        db.SetUpEmbedded(connection);
        zqPedidoDetalle.SetSQL(kPedidoDetalleSql);
        zqPedidoDetalle.ParamByName("EMPRESA").SetAsInteger(1);
        zqPedidoDetalle.ParamByName("PROVEEDOR").SetAsString("P01");
        zqPedidoDetalle.ParamByName("PEDIDO").SetAsInteger(77);
        dsPedidoDetalle.SetName("dsPedidoDetalle");
        dsPedidoDetalle.SetUserName("Detalle");
        dsPedidoDetalle.SetDataSet(&zqPedidoDetalle);
        for (const std::string& f : kDetalleFields)
            dsPedidoDetalle.FieldAliases.Add(f + "=" + f);
        report.Datasets.AppendDataset(&dsPedidoDetalle);
        report.CurrentObjectName = "Memo1";
        report.Datasets.AttachAll();
    }
    ~CalcDatasetTest() override { report.Datasets.DetachAll(); }

    void GoToLine(int linea)
    {
        for (dsPedidoDetalle.First(); !dsPedidoDetalle.Eof(); dsPedidoDetalle.Next())
            if (VarSame(dsPedidoDetalle.Value("LINEA"), Value(linea)))
                return;
        FAIL() << "no line " << linea;
    }

    static std::string Shown(const Value& v) { return std::string(ValueKindName(v.Kind())) + " " + VarToStr(v); }

    ScopedFormatSettings spanish{"es_ES"};
    DemoDatabaseCopy db;
    TZConnection connection;
    TZQueryComponent zqPedidoDetalle{nullptr, connection};
    TfrxDBDataset dsPedidoDetalle{nullptr};
    TfrxReport report{nullptr};
};

TEST_F(CalcDatasetTest, FieldAndArithmeticOverEveryLine)
{
    int lines = 0;
    Value total(0.0);
    for (dsPedidoDetalle.First(); !dsPedidoDetalle.Eof(); dsPedidoDetalle.Next(), ++lines) {
        const Value importe = dsPedidoDetalle.Value("IMPORTE");
        ASSERT_EQ(importe.Kind(), ValueKind::Double);
        // The plain field reference is read without compiling anything.
        EXPECT_EQ(report.Calc("Detalle.\"IMPORTE\""), importe);
        EXPECT_EQ(report.Calc("<Detalle.\"IMPORTE\"> * 1.21"), Value(importe.AsDouble() * 1.21));
        const Value bruto = VarBinary(VarOp::Mul, dsPedidoDetalle.Value("CANTIDAD"), dsPedidoDetalle.Value("PRECIO"));
        EXPECT_EQ(report.Calc("<detalle.\"CANTIDAD\"> * <Detalle.\"PRECIO\">"), bruto);
        total = VarBinary(VarOp::Add, total, report.Calc("Detalle.\"IMPORTE\""));
    }
    EXPECT_GE(lines, 15);
    GoToLine(1);
    EXPECT_EQ(Shown(report.Calc("Detalle.\"IMPORTE\"")), "Double 4,13");
    EXPECT_EQ(Shown(report.Calc("<Detalle.\"IMPORTE\"> * 1.21")), "Double 4,9973");
    EXPECT_EQ(Shown(report.Calc("FormatFloat('#,##0.00', <Detalle.\"IMPORTE\"> * 1.21)")), "String 5,00");
    // Three expressions, each compiled once for all the lines.
    EXPECT_EQ(report.ExpressionCache().Compilations(), 3u);
    EXPECT_GT(total.AsDouble(), 0);
    EXPECT_EQ(report.Errors().Count(), 0u);
}

TEST_F(CalcDatasetTest, NullFieldsAreConvertedWhenTheReportAsks)
{
    // Null fields of a text, a number and a time stamp.
    const struct {
        int linea;
        const char* text;
        const char* converted;
    } cases[] = {
        {9, "Detalle.\"ARTICULO\"", "String "},
        {5, "Detalle.\"NUMEROMULTIPLOS\"", "Int32 0"},
        {9, "Detalle.\"FECHAHORMODIFICACION\"", "Int32 0"},
    };
    for (const auto& c : cases) {
        GoToLine(c.linea);
        EXPECT_EQ(Shown(report.Calc(c.text)), c.converted) << c.text;
    }
    GoToLine(9);
    EXPECT_EQ(Shown(report.Calc("IIF(<Detalle.\"ARTICULO\"> = '', 'Portes', <Detalle.\"ARTICULO\">)")), "String Portes");
    GoToLine(1);
    EXPECT_EQ(Shown(report.Calc("IIF(<Detalle.\"ARTICULO\"> = '', 'Portes', <Detalle.\"ARTICULO\">)")), "String COD-CU-15");
    report.EngineOptions.ConvertNulls = false;
    for (const auto& c : cases) {
        GoToLine(c.linea);
        EXPECT_TRUE(report.Calc(c.text).IsNull()) << c.text;
    }
    EXPECT_EQ(report.Errors().Count(), 0u);
}

TEST_F(CalcDatasetTest, AnUnknownFieldReadsNullAndIsReported)
{
    dsPedidoDetalle.First();
    // A field the dataset does not know counts as numeric: with ConvertNulls it reads 0.
    EXPECT_EQ(Shown(report.Calc("Detalle.\"NOEXISTE\"")), "Int32 0");
    report.EngineOptions.ConvertNulls = false;
    EXPECT_TRUE(report.Calc("Detalle.\"NOEXISTE\"").IsNull());
    EXPECT_EQ(report.Errors().Lines(), std::vector<std::string>{"Memo1: Campo no encontrado: Detalle.\"NOEXISTE\""});
}

} // namespace
} // namespace orv::test
