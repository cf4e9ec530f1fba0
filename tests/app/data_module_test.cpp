// The data module as it is created: connection settings, query statements,
// report datasets, the report's stored design and the PDF exporter.
#include "app/DataModule.h"
#include "data/DBDataSet.h"
#include "data/DataSources.h"
#include "model/Pages.h"
#include "model/Report.h"
#include "model/Views.h"
#include "pdf/PdfExport.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* l : lines) text += (text.empty() ? "" : "\r\n") + std::string(l);
    return text;
}

TEST(DataModuleTest, QueriesCarryTheirStatementsByteForByte) {
    TDM1 dm;
    EXPECT_EQ(dm.zqPedido->SQL(),
              Lines({"SELECT T1.*,", "T2.NOMBRE AS CLIENTENOMBRE, T2.RAZONSOCIAL AS CLIENTERAZONSOCIAL,",
                     "T2.SIGLA AS CLIENTESIGLA, T2.DOMICILIO AS CLIENTEDOMICILIO,",
                     "T2.NUMERO AS CLIENTENUMERO, T2.ESCALERA AS CLIENTEESCALERA,",
                     "T2.PISO AS CLIENTEPISO, T2.PUERTA AS CLIENTEPUERTA, T2.MANO AS CLIENTEMANO,",
                     "T2.CODIGOPOSTAL AS CLIENTECODIGOPOSTAL, T2.POBLACION AS CLIENTEPOBLACION,",
                     "T2.PROVINCIA AS CLIENTEPROVINCIA, T2.PAIS AS CLIENTEPAIS, T2.NIF AS CLIENTENIF",
                     "FROM APKPEDIDOS T1",
                     "LEFT JOIN CLIENTES T2 ON T1.EMPRESA = T2.EMPRESA AND T1.CLIENTE = T2.CLIENTE AND T1.OBRA = "
                     "T2.OBRA  ",
                     "WHERE T1.EMPRESA = :EMPRESA AND", "T1.PROVEEDOR = :PROVEEDOR  AND T1. PEDIDO = :PEDIDO"}));
    EXPECT_EQ(dm.zqPedidoDetalle->SQL(),
              Lines({"SELECT T1.* , T2.DESCRIPCION", "FROM APKPEDIDODETALLE T1",
                     "LEFT JOIN ARTICULOS T2 ON T1.EMPRESA = T2.EMPRESA AND T1.ARTICULO = T2.ARTICULO",
                     "WHERE T1.EMPRESA = :EMPRESA AND ", "T1.PROVEEDOR = :PROVEEDOR  AND ", "T1.PEDIDO = :PEDIDO"}));
    EXPECT_EQ(dm.zqEmpresa->SQL(), "SELECT * FROM SISTEMAEMPRESAS WHERE EMPRESA = :EMPRESA");
    EXPECT_FALSE(dm.ZConnection.Connected());
    EXPECT_EQ(dm.ZConnection.Protocol(), "firebird-3.0");
    EXPECT_EQ(dm.ZConnection.Port(), 3055);
}

TEST(DataModuleTest, ReportDatasetsOverTheQueries) {
    TDM1 dm;
    const struct {
        TfrxDBDataset* ds;
        const char* userName;
        TZQueryComponent* source;
        std::size_t aliases;
    } cases[] = {{dm.dsPedido, "Cabecera", dm.zqPedido, 32},
                 {dm.dsPedidoDetalle, "Detalle", dm.zqPedidoDetalle, 34},
                 {dm.dsEmpresa, "Empresa", dm.zqEmpresa, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.userName);
        EXPECT_EQ(c.ds->UserName(), c.userName);
        EXPECT_EQ(c.ds->DataSet(), c.source);
        EXPECT_EQ(c.ds->FieldAliases.Count(), c.aliases);
        for (std::size_t i = 0; i < c.ds->FieldAliases.Count(); ++i)
            EXPECT_EQ(c.ds->FieldAliases.Names(i), c.ds->FieldAliases.ValueFromIndex(i));
        EXPECT_FALSE(c.ds->CloseDataSource);
        EXPECT_FALSE(c.ds->BCDToCurrency);
    }
    EXPECT_EQ(dm.dsPedido->FieldAliases[3], "FECHA=FECHA");
    EXPECT_EQ(dm.dsPedidoDetalle->FieldAliases[33], "DESCRIPCION=DESCRIPCION");
}

TEST(DataModuleTest, StoredReportPrintsTheNoDocumentPage) {
    TDM1 dm;
    TfrxReport& r = *dm.Report;
    EXPECT_EQ(r.Version(), "5.1.12");
    EXPECT_FALSE(r.DotMatrixReport);
    EXPECT_EQ(r.ScriptLanguage, "PascalScript");
    EXPECT_EQ(r.ScriptText.Lines(), (std::vector<std::string>{"begin", "", "end."}));
    EXPECT_EQ(r.PrintOptions.Printer, "Por defecto");
    EXPECT_EQ(r.PrintOptions.PrintOnSheet, 0);
    EXPECT_EQ(r.ReportOptions.Name, "Orvanta m\xF3vil");
    EXPECT_EQ(r.EngineOptions.NewSilentMode, simMessageBoxes);
    ASSERT_EQ(r.Datasets.Count(), 3u);
    EXPECT_EQ(r.Datasets[0].DataSetName(), "Cabecera");
    EXPECT_EQ(r.Datasets[1].DataSetName(), "Detalle");
    EXPECT_EQ(r.Datasets[2].DataSetName(), "Empresa");

    auto* data = dynamic_cast<TfrxDataPage*>(r.FindObject("Data"));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->Width(), 1000);
    auto* page = dynamic_cast<TfrxReportPage*>(r.FindObject("Page1"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->PaperSize(), 9);
    EXPECT_EQ(page->PaperWidth(), 210);
    EXPECT_EQ(page->PaperHeight(), 297);
    EXPECT_EQ(page->LeftMargin + page->RightMargin + page->TopMargin + page->BottomMargin, 40);

    auto* memo = dynamic_cast<TfrxMemoView*>(r.FindObject("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Parent(), page);
    EXPECT_EQ(memo->Memo.Lines(), std::vector<std::u16string>{u"NO HAY DOCUMENTO SELECCIONADO"});
    EXPECT_EQ(memo->Left(), 142.5L);
    EXPECT_EQ(memo->Top(), 120.83333334L);
    EXPECT_EQ(memo->Width(), 440.83333333L);
    EXPECT_EQ(memo->Height(), 77.5L);
    EXPECT_EQ(memo->Font().Name(), "Consolas");
    EXPECT_EQ(memo->Font().Height(), -29);
    EXPECT_EQ(memo->Font().Color(), 255);
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(memo->HAlign, haCenter);
    EXPECT_EQ(memo->VAlign, vaCenter);
}

TEST(DataModuleTest, ComponentsInTheirStoredOrder) {
    TDM1 dm;
    std::vector<std::string> names;
    for (const TComponent* c : dm.Components()) names.push_back(c->Name());
    const std::vector<std::string> expected{
        "PDFExport",          "Report",         "frxBarCodeObject1",  "frxRichObject1",     "frxGradientObject1",
        "frxCheckBoxObject1", "frxCrossObject1", "frxOLEObject1",     "frxDotMatrixExport1", "frxGZipCompressor1",
        "frxDesigner1",       "JPEGExport",     "dsPedido",           "dsPedidoDetalle",    "zqPedido",
        "zqPedidoDetalle",    "dsEmpresa",      "zqEmpresa"};
    EXPECT_EQ(names, expected);
}

TEST(DataModuleTest, PdfExporterSettings) {
    TDM1 dm;
    const TfrxPDFExport& e = *dm.PDFExport;
    EXPECT_FALSE(e.ShowDialog || e.ShowProgress || e.OverwritePrompt || e.DataOnly);
    EXPECT_TRUE(e.UseFileCache && e.EmbeddedFonts && e.HTMLTags && e.Compressed);
    EXPECT_FALSE(e.PrintOptimized || e.Outline || e.Background);
    EXPECT_EQ(e.Quality, 95);
    EXPECT_EQ(e.Author, u"Orvanta");
    EXPECT_EQ(e.Subject, u"Orvanta PDF export");
    EXPECT_EQ(e.ProtectionFlags.size(), 4u);
    EXPECT_FALSE(e.HideToolbar || e.HideMenubar || e.HideWindowUI || e.FitWindow || e.CenterWindow ||
                 e.PrintScaling);
    EXPECT_TRUE(e.UserPassword.empty() && e.OwnerPassword.empty());
}

} // namespace
} // namespace orv
