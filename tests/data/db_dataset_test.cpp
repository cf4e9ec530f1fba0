// Report datasets over the job's three order queries on a private copy of the
// demo database: field lists in alias order, values, display texts,
// navigation, ranges, attachment to the source, blobs.
#include "data/DBDataSet.h"

#include "model/Report.h"
#include "model/WideStrings.h"
#include "platform/DateTimeFormat.h"
#include "platform/Exception.h"
#include "platform/FormatSettings.h"
#include "platform/Text.h"
#include "platform/ZConnection.h"
#include "support/DemoDatabase.h"
#include "support/OrderQueries.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orv::test {
namespace {

// Every line of the job's alias lists maps a field to the same name.
void AliasEachField(TfrxDBDataset& ds, const std::vector<std::string>& fields)
{
    for (const std::string& f : fields)
        ds.FieldAliases.Add(f + "=" + f);
}

std::vector<std::string> FieldList(TfrxDataSet& ds)
{
    TStringList list;
    ds.GetFieldList(list);
    return list.Lines();
}

// Counts the calls of a source handler; its type tells it apart from the
// handlers a dataset puts in its place.
struct CallCounter {
    int* calls;
    void operator()(TZQuery&) const { ++*calls; }
};

class DBDatasetTest : public testing::Test {
protected:
    DBDatasetTest()
    {
        db.SetUpEmbedded(connection);
        zqPedido.SetSQL(kPedidoSql);
        zqPedidoDetalle.SetSQL(kPedidoDetalleSql);
        zqEmpresa.SetSQL(kEmpresaSql);
        SetOrder(77);
        zqEmpresa.ParamByName("EMPRESA").SetAsInteger(1);
        Bind(dsPedido, "dsPedido", "Cabecera", zqPedido);
        Bind(dsPedidoDetalle, "dsPedidoDetalle", "Detalle", zqPedidoDetalle);
        Bind(dsEmpresa, "dsEmpresa", "Empresa", zqEmpresa);
        AliasEachField(dsPedido, kCabeceraFields);
        AliasEachField(dsPedidoDetalle, kDetalleFields);
        report.CurrentObjectName = "Memo1";
    }

    void SetOrder(std::int64_t pedido)
    {
        for (TZQuery* q : {static_cast<TZQuery*>(&zqPedido), static_cast<TZQuery*>(&zqPedidoDetalle)}) {
            q->ParamByName("EMPRESA").SetAsInteger(1);
            q->ParamByName("PROVEEDOR").SetAsString("P01");
            q->ParamByName("PEDIDO").SetAsInteger(pedido);
        }
    }

    void Bind(TfrxDBDataset& ds, const char* name, const char* userName, TZQueryComponent& q)
    {
        ds.SetName(name);
        ds.SetUserName(userName);
        ds.SetDataSet(&q);
        report.Datasets.AppendDataset(&ds);
    }

    // Moves the lines dataset to the order line of that number.
    void GoToLine(int linea)
    {
        for (dsPedidoDetalle.First(); !dsPedidoDetalle.Eof(); dsPedidoDetalle.Next())
            if (dsPedidoDetalle.Value("LINEA") == Value(std::int32_t(linea)))
                return;
        FAIL() << "no line " << linea;
    }

    ScopedFormatSettings spanish{"es_ES"};
    DemoDatabaseCopy db;
    TZConnection connection;
    TZQueryComponent zqPedido{nullptr, connection};
    TZQueryComponent zqPedidoDetalle{nullptr, connection};
    TZQueryComponent zqEmpresa{nullptr, connection};
    TfrxDBDataset dsPedido{nullptr};
    TfrxDBDataset dsPedidoDetalle{nullptr};
    TfrxDBDataset dsEmpresa{nullptr};
    TfrxReport report{nullptr};
};

TEST_F(DBDatasetTest, FieldListsFollowTheAliasesOrEveryColumnWithoutThem)
{
    report.Datasets.AttachAll();
    const std::vector<std::string> empresaFields = {
        "EMPRESA", "NOMBRE", "RAZONSOCIAL", "NIF", "SIGLA", "DOMICILIO", "NUMERO", "CODIGOPOSTAL", "POBLACION",
        "PROVINCIA", "PAIS", "TELEFONO", "FAX", "EMAIL", "WEB", "REGISTROMERCANTIL", "CAPITALSOCIAL", "LOGO",
        "FECHAHORALTA"};
    struct ListCase {
        TfrxDBDataset& ds;
        const std::vector<std::string>& fields;
    };
    for (const ListCase& c : {ListCase{dsPedido, kCabeceraFields}, ListCase{dsPedidoDetalle, kDetalleFields},
                              ListCase{dsEmpresa, empresaFields}}) {
        c.ds.First();
        EXPECT_EQ(FieldList(c.ds), c.fields) << c.ds.UserName();
        EXPECT_EQ(c.ds.FieldsCount(), static_cast<int>(c.fields.size())) << c.ds.UserName();
        EXPECT_TRUE(c.ds.HasField("empresa")) << c.ds.UserName();
    }
    // Columns of the header query outside the alias list stay out of the report's reach.
    EXPECT_FALSE(dsPedido.HasField("REFERENCIAPROVEEDOR"));
    EXPECT_TRUE(dsPedido.Value("REFERENCIAPROVEEDOR").IsNull());
    EXPECT_EQ(report.Errors().Lines(),
              std::vector<std::string>{"Memo1: Campo no encontrado: Cabecera.\"REFERENCIAPROVEEDOR\""});
    report.Datasets.DetachAll();
}

TEST_F(DBDatasetTest, ValuesKeepTheirKindsNullsAndWindows1252Text)
{
    // Expected values of one field at one order line (0: the header or the company).
    struct ValueCase {
        TfrxDBDataset* ds;
        int linea;
        const char* field;
        Value expected;
    };
    const double fecha = EncodeDate(2024, 3, 15);
    const ValueCase cases[] = {
        {&dsPedido, 0, "EMPRESA", std::int32_t(1)},
        {&dsPedido, 0, "pedido", std::int32_t(77)},
        {&dsPedido, 0, "PROVEEDOR", "P01"},
        {&dsPedido, 0, "FECHA", DateTime{fecha}},
        {&dsPedido, 0, "HORA", DateTime{EncodeTime(9, 30, 0, 0)}},
        {&dsPedido, 0, "FECHAHORALTA", DateTime{fecha + EncodeTime(9, 30, 12, 0)}},
        {&dsPedido, 0, "ESTADO", std::int32_t(1)},
        {&dsPedido, 0, "OBSERVACIONES",
         "Entregar en obra (Coslada) de 8:00 a 14:00. Preguntar por el encargado, Sr. N\xFA\xF1"
         "ez. Portes pagados a partir de 300 \x80."},
        {&dsPedido, 0, "CLIENTEDOMICILIO", "Do\xF1" "a Urraca"},
        {&dsPedido, 0, "CLIENTEESCALERA", ""},
        {&dsPedido, 0, "CLIENTENOMBRE", "Reformas Ib\xE1\xF1" "ez - Obra Coslada"},
        {&dsPedidoDetalle, 1, "PRECIO", 0.87},
        {&dsPedidoDetalle, 1, "UNIDADES", 5.0},
        {&dsPedidoDetalle, 1, "MULTIPLO1", Value::Null()},
        {&dsPedidoDetalle, 1, "TALLA", Value::Null()},
        {&dsPedidoDetalle, 1, "FECHAHORMODIFICACION", Value::Null()},
        {&dsPedidoDetalle, 1, "OBSERVACIONES", "Seg\xFAn oferta n\xBA OF-2024/0311"},
        {&dsPedidoDetalle, 1, "DESCRIPCION", "Codo de cobre 90\xBA \xD8" "15"},
        {&dsPedidoDetalle, 9, "DESCRIPCION", Value::Null()},
        {&dsPedidoDetalle, 8, "IMPORTE", 381.42},
        {&dsEmpresa, 0, "NOMBRE", "Suministros Pe\xF1" "alara"},
        {&dsEmpresa, 0, "FAX", Value::Null()},
        {&dsEmpresa, 0, "CAPITALSOCIAL", 60000.0},
    };
    for (const ValueCase& c : cases) {
        TfrxDBDataset& ds = *c.ds;
        if (c.linea)
            GoToLine(c.linea);
        else
            ds.First();
        const Value v = ds.Value(c.field);
        ASSERT_EQ(v.Kind(), c.expected.Kind()) << ds.UserName() << '.' << c.field;
        if (v.Kind() == ValueKind::Double)
            EXPECT_DOUBLE_EQ(v.AsDouble(), c.expected.AsDouble()) << c.field;
        else if (v.Kind() == ValueKind::DateTime)
            EXPECT_DOUBLE_EQ(v.AsDateTime().Days, c.expected.AsDateTime().Days) << c.field;
        else
            EXPECT_EQ(v, c.expected) << ds.UserName() << '.' << c.field;
    }
    EXPECT_TRUE(report.Errors().Lines().empty());
}

TEST_F(DBDatasetTest, ExactDecimalsReadAsCurrencyOnlyWhenAsked)
{
    struct DecimalCase {
        const char* field;
        double asDouble;
        std::int64_t scaled;
    };
    const DecimalCase cases[] = {
        {"PRECIO", 0.87, 8700},
        {"IMPORTE", 4.13, 41300},
        {"CANTIDAD", 5.0, 50000},
        {"DESCUENTO1", 5.0, 50000},
    };
    GoToLine(1);
    for (bool toCurrency : {false, true}) {
        dsPedidoDetalle.BCDToCurrency = toCurrency;
        for (const DecimalCase& c : cases) {
            const Value v = dsPedidoDetalle.Value(c.field);
            if (toCurrency)
                EXPECT_EQ(v, Value(Currency{c.scaled})) << c.field;
            else
                EXPECT_DOUBLE_EQ(v.AsDouble(), c.asDouble) << c.field;
        }
        EXPECT_TRUE(dsPedidoDetalle.Value("MULTIPLO1").IsNull());
    }
}

// Column kinds that the order tables lack, each with the value kind it reads as.
TEST_F(DBDatasetTest, EveryColumnKindReadsAsItsValueKind)
{
    TZQueryComponent kinds(nullptr, connection);
    kinds.SetSQL("SELECT CAST(9000000000 AS BIGINT) AS GRANDE, TRUE AS SI, CAST(2.5 AS DOUBLE PRECISION) AS RATIO, "
                 "CAST(-7 AS SMALLINT) AS PEQUE, CAST(NULL AS BIGINT) AS NADA, "
                 "CAST(1.23455 AS NUMERIC(18,5)) AS FINO FROM RDB$DATABASE");
    TfrxDBDataset ds(nullptr);
    ds.SetUserName("Tipos");
    ds.SetDataSet(&kinds);
    ds.BCDToCurrency = true;
    ds.First();
    EXPECT_EQ(ds.Value("GRANDE"), Value(std::int64_t{9000000000}));
    EXPECT_EQ(ds.Value("SI"), Value(true));
    EXPECT_EQ(ds.Value("RATIO"), Value(2.5));
    EXPECT_EQ(ds.Value("PEQUE"), Value(std::int32_t{-7}));
    EXPECT_TRUE(ds.Value("NADA").IsNull());
    EXPECT_EQ(ds.Value("FINO"), Value(Currency{12346})) << "four decimals, the half to the even neighbour";
    EXPECT_EQ(ds.FieldType("SI"), fftBoolean);
    EXPECT_EQ(ds.DisplayWidth("GRANDE"), 15);
}

TEST_F(DBDatasetTest, DisplayTextsAreTheFieldsTextsAsWideText)
{
    GoToLine(1);
    dsPedido.First();
    struct TextCase {
        TfrxDBDataset& ds;
        const char* field;
        std::u16string text;
    };
    const TextCase cases[] = {
        {dsPedido, "PROVEEDOR", u"P01"},
        {dsPedido, "FECHA", u"15/03/2024"},
        {dsPedido, "observaciones",
         u"Entregar en obra (Coslada) de 8:00 a 14:00. Preguntar por el encargado, Sr. N\u00fa\u00f1ez. "
         u"Portes pagados a partir de 300 \u20ac."},
        {dsPedidoDetalle, "PRECIO", u"0,87"},
        {dsPedidoDetalle, "LINEA", u"1"},
        {dsPedidoDetalle, "TALLA", u""},
        {dsPedidoDetalle, "DESCRIPCION", u"Codo de cobre 90\u00ba \u00d815"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(c.ds.DisplayText(c.field), c.text) << c.field;
}

TEST_F(DBDatasetTest, NavigationRunsBothWaysOverTheOrderLines)
{
    report.Datasets.AttachAll();
    EXPECT_EQ(dsPedidoDetalle.RecordCount(), 30);
    std::vector<std::int32_t> forward, backward;
    for (dsPedidoDetalle.First(); !dsPedidoDetalle.Eof(); dsPedidoDetalle.Next())
        forward.push_back(dsPedidoDetalle.Value("LINEA").AsInt32());
    ASSERT_EQ(forward.size(), 30u);
    EXPECT_EQ(dsPedidoDetalle.RecNo, 30);
    EXPECT_EQ(dsPedidoDetalle.Value("LINEA").AsInt32(), forward.back()) << "the end stays on the last record";

    for (int i = 0; i < 30; ++i) {
        backward.push_back(dsPedidoDetalle.Value("LINEA").AsInt32());
        dsPedidoDetalle.Prior();
    }
    EXPECT_EQ(std::vector<std::int32_t>(backward.rbegin(), backward.rend()), forward);
    std::vector<std::int32_t> sorted = forward;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(sorted[static_cast<std::size_t>(i)], i + 1);
    report.Datasets.DetachAll();
}

TEST_F(DBDatasetTest, AnEmptyResultIsAtItsEndFromTheStart)
{
    SetOrder(999);
    report.Datasets.AttachAll();
    for (TfrxDBDataset* ds : {&dsPedido, &dsPedidoDetalle}) {
        ds->First();
        EXPECT_TRUE(ds->Eof()) << ds->UserName();
        EXPECT_EQ(ds->RecordCount(), 0);
        EXPECT_TRUE(ds->Value("EMPRESA").IsNull());
        EXPECT_EQ(ds->DisplayText("EMPRESA"), u"");
        ds->Next();
        EXPECT_TRUE(ds->Eof());
    }
    EXPECT_TRUE(report.Errors().Lines().empty());
    report.Datasets.DetachAll();
}

// A hidden field, a renamed one and an alias whose field the query lacks.
TEST_F(DBDatasetTest, AliasesRenameHideAndMayNameMissingFieldsWithoutFailing)
{
    for (const char* line : {"EMPRESA=Empresa", "-NIF=Nif", "NOMBRE=Razon", "NOEXISTE=Fantasma"})
        dsEmpresa.FieldAliases.Add(line);
    report.Datasets.AttachAll();
    dsEmpresa.First();
    EXPECT_EQ(FieldList(dsEmpresa), (std::vector<std::string>{"Empresa", "Razon", "Fantasma"}));
    EXPECT_EQ(dsEmpresa.Value("empresa"), Value(std::int32_t(1)));
    EXPECT_EQ(dsEmpresa.Value("RAZON"), Value("Suministros Pe\xF1" "alara"));
    EXPECT_EQ(dsEmpresa.FieldType("Razon"), fftString);
    EXPECT_EQ(dsEmpresa.DisplayWidth("Razon"), 60);

    for (const char* missing : {"Nif", "NOMBRE", "Fantasma"}) {
        const std::string quoted = std::string("Empresa.\"") + missing + "\"";
        EXPECT_TRUE(dsEmpresa.Value(missing).IsNull()) << missing;
        EXPECT_EQ(dsEmpresa.DisplayText(missing), Cp1252ToUtf16("Campo no encontrado: " + quoted)) << missing;
        EXPECT_FALSE(dsEmpresa.IsBlobField(missing)) << missing;
    }
    EXPECT_EQ(report.Errors().Lines(), (std::vector<std::string>{"Memo1: Campo no encontrado: Empresa.\"Fantasma\"",
                                                                 "Memo1: Campo no encontrado: Empresa.\"Nif\"",
                                                                 "Memo1: Campo no encontrado: Empresa.\"NOMBRE\""}));
    report.Datasets.DetachAll();
}

TEST_F(DBDatasetTest, FieldKindsAndWidthsComeFromTheFieldsOrTheirDefinitions)
{
    struct KindCase {
        TfrxDBDataset& ds;
        const char* field;
        TfrxFieldType type;
        int width;
    };
    const KindCase cases[] = {
        {dsPedido, "PROVEEDOR", fftString, 15},   {dsPedido, "OBSERVACIONES", fftString, 1000},
        {dsPedido, "FECHA", fftTemporal, 10},     {dsPedido, "HORA", fftTemporal, 10},
        {dsPedido, "FECHAHORALTA", fftTemporal, 20}, {dsPedido, "EMPRESA", fftNumeric, 10},
        {dsPedido, "ESTADO", fftNumeric, 10},     {dsPedidoDetalle, "PRECIO", fftNumeric, 10},
        {dsPedidoDetalle, "DESCRIPCION", fftString, 100}, {dsEmpresa, "LOGO", fftNumeric, 10},
        {dsEmpresa, "NO_SUCH_FIELD", fftNumeric, 10},
    };
    // Closed, the statement's definitions answer; open, the fields do.
    for (bool open : {false, true}) {
        for (const KindCase& c : cases) {
            if (open)
                c.ds.First();
            EXPECT_EQ(c.ds.FieldType(c.field), c.type) << c.field << (open ? " open" : " closed");
            EXPECT_EQ(c.ds.DisplayWidth(c.field), c.width) << c.field << (open ? " open" : " closed");
        }
    }
}

TEST_F(DBDatasetTest, AttachingTwiceKeepsTheSourceHandlersAndDetachingPutsThemBack)
{
    int opened = 0, closing = 0;
    zqPedidoDetalle.AfterOpen = CallCounter{&opened};
    zqPedidoDetalle.BeforeClose = CallCounter{&closing};
    report.Datasets.AppendDataset(&dsPedidoDetalle);  // listed twice, as a template may list it again
    report.Datasets.AttachAll();
    EXPECT_EQ(zqPedidoDetalle.AfterOpen.target<CallCounter>(), nullptr);

    dsPedidoDetalle.First();
    EXPECT_EQ(opened, 1);
    // Closed from outside, the source is reopened by the next use, with a fresh field map.
    zqPedidoDetalle.Close();
    EXPECT_EQ(closing, 1);
    EXPECT_EQ(dsPedidoDetalle.RecordCount(), 30);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(dsPedidoDetalle.FieldsCount(), 34);

    report.Datasets.DetachAll();
    EXPECT_NE(zqPedidoDetalle.AfterOpen.target<CallCounter>(), nullptr);
    EXPECT_NE(zqPedidoDetalle.BeforeClose.target<CallCounter>(), nullptr);
    EXPECT_TRUE(zqPedidoDetalle.Active()) << "CloseDataSource is off";
    zqPedidoDetalle.Close();
    zqPedidoDetalle.Open();
    EXPECT_EQ(closing, 2);
    EXPECT_EQ(opened, 3);

    // A source that had no handlers gets none back.
    dsEmpresa.Attach();
    dsEmpresa.Detach();
    EXPECT_FALSE(zqEmpresa.AfterOpen);
    EXPECT_FALSE(zqEmpresa.BeforeClose);

    // A dataset destroyed while attached gives the handlers back too.
    {
        TfrxDBDataset passing(nullptr);
        passing.SetDataSet(&zqPedidoDetalle);
        passing.Attach();
    }
    zqPedidoDetalle.Close();
    EXPECT_EQ(closing, 3);
}

TEST_F(DBDatasetTest, DetachClosesTheSourceOnlyWhenAsked)
{
    for (bool closeSource : {false, true}) {
        dsEmpresa.CloseDataSource = closeSource;
        int onClose = 0;
        dsEmpresa.OnClose.Handler = [&](TfrxDataSet&) { ++onClose; };
        dsEmpresa.Attach();
        dsEmpresa.First();
        dsEmpresa.Detach();
        EXPECT_EQ(zqEmpresa.Active(), !closeSource);
        EXPECT_EQ(onClose, closeSource ? 1 : 0);
    }
}

// The query's current record when the dataset opens bounds the range.
TEST_F(DBDatasetTest, CurrentRangesStartOrEndAtTheRecordCurrentAtOpening)
{
    zqPedidoDetalle.Open();
    std::vector<std::int32_t> lines;
    for (zqPedidoDetalle.First(); !zqPedidoDetalle.Eof(); zqPedidoDetalle.Next())
        lines.push_back(zqPedidoDetalle.FieldByName("LINEA").AsInteger());
    auto walk = [&] {
        std::vector<std::int32_t> seen;
        for (dsPedidoDetalle.First(); !dsPedidoDetalle.Eof(); dsPedidoDetalle.Next())
            seen.push_back(dsPedidoDetalle.Value("LINEA").AsInt32());
        return seen;
    };
    auto placeAt = [&](int index) {
        zqPedidoDetalle.First();
        for (int i = 0; i < index; ++i)
            zqPedidoDetalle.Next();
    };

    placeAt(27);
    dsPedidoDetalle.RangeBegin = rbCurrent;
    dsPedidoDetalle.Attach();
    EXPECT_EQ(walk(), std::vector<std::int32_t>(lines.begin() + 27, lines.end()));
    dsPedidoDetalle.Detach();
    EXPECT_EQ(zqPedidoDetalle.FieldByName("LINEA").AsInteger(), lines[27]) << "back at the record of the start";

    placeAt(2);
    dsPedidoDetalle.RangeBegin = rbFirst;
    dsPedidoDetalle.RangeEnd = reCurrent;
    dsPedidoDetalle.Attach();
    EXPECT_EQ(walk(), std::vector<std::int32_t>(lines.begin(), lines.begin() + 3));
    EXPECT_EQ(dsPedidoDetalle.Value("LINEA").AsInt32(), lines[2]);
    dsPedidoDetalle.Detach();
}

TEST_F(DBDatasetTest, BlobsCopyAsBytesOrAsLinesOfText)
{
    dsEmpresa.First();
    EXPECT_TRUE(dsEmpresa.IsBlobField("logo"));
    EXPECT_FALSE(dsEmpresa.IsBlobField("NOMBRE"));
    std::stringstream bytes;
    dsEmpresa.CopyBlobTo("LOGO", bytes);
    EXPECT_EQ(bytes.tellg(), 0);
    EXPECT_EQ(bytes.str(), std::string("\x89PNG\r\n\x1A\n\x00\xFF\x00\xFE", 12));

    TWideStrings lines;
    lines.Add(u"sin tocar");
    dsEmpresa.CopyBlobTo("NOMBRE", lines);
    EXPECT_EQ(lines.Lines(), std::vector<std::u16string>{u"sin tocar"}) << "not a blob: nothing copied";
    try {
        dsEmpresa.CopyBlobTo("Fantasma", lines);
        ADD_FAILURE() << "a name the dataset does not know";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Campo no encontrado: Empresa.\"Fantasma\"");
    }

    TZQueryComponent notas(nullptr, connection);
    notas.SetSQL("SELECT CAST('uno' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'dos a\xF1os' AS BLOB SUB_TYPE TEXT) "
                 "AS NOTAS FROM RDB$DATABASE");
    TfrxDBDataset dsNotas(nullptr);
    dsNotas.SetDataSet(&notas);
    EXPECT_EQ(dsNotas.FieldType("NOTAS"), fftString);
    dsNotas.CopyBlobTo("NOTAS", lines);
    EXPECT_EQ(lines.Lines(), (std::vector<std::u16string>{u"uno", u"dos a\u00f1os"}));
}

TEST_F(DBDatasetTest, ADataSourceLeadsToItsQuery)
{
    TDataSource source(nullptr);
    source.SetDataSet(&zqEmpresa);
    dsEmpresa.SetDataSource(&source);
    EXPECT_EQ(dsEmpresa.DataSet(), nullptr);
    dsEmpresa.Attach();
    EXPECT_EQ(dsEmpresa.Value("NIF"), Value("B28765432"));
    dsEmpresa.Detach();
    dsEmpresa.SetDataSet(&zqEmpresa);
    EXPECT_EQ(dsEmpresa.DataSource(), nullptr);
    {
        TZQueryComponent gone(nullptr, connection);
        dsEmpresa.SetDataSet(&gone);
    }
    EXPECT_EQ(dsEmpresa.DataSet(), nullptr) << "a destroyed query leaves no reference behind";
}

} // namespace
} // namespace orv::test
