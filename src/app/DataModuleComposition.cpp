// The data module as it is stored: connection settings, the three order
// queries with their statements, and the report with its fallback page.
#include "app/DataModule.h"

#include "data/DBDataSet.h"
#include "data/DataSet.h"
#include "data/DataSources.h"
#include "model/Bands.h"
#include "model/Compressor.h"
#include "model/Pages.h"
#include "model/Report.h"
#include "model/Views.h"
#include "objects/ObjectKinds.h"
#include "pdf/PdfExport.h"
#include "platform/Text.h"

namespace orv {
namespace {

constexpr const char* kStoredProtocol = "firebird-3.0";
constexpr int kStoredPort = 3055;

// Statements as stored, line by line; trailing blanks belong to the lines.
constexpr const char* kPedidoSql =
    "SELECT T1.*,\r\n"
    "T2.NOMBRE AS CLIENTENOMBRE, T2.RAZONSOCIAL AS CLIENTERAZONSOCIAL,\r\n"
    "T2.SIGLA AS CLIENTESIGLA, T2.DOMICILIO AS CLIENTEDOMICILIO,\r\n"
    "T2.NUMERO AS CLIENTENUMERO, T2.ESCALERA AS CLIENTEESCALERA,\r\n"
    "T2.PISO AS CLIENTEPISO, T2.PUERTA AS CLIENTEPUERTA, T2.MANO AS CLIENTEMANO,\r\n"
    "T2.CODIGOPOSTAL AS CLIENTECODIGOPOSTAL, T2.POBLACION AS CLIENTEPOBLACION,\r\n"
    "T2.PROVINCIA AS CLIENTEPROVINCIA, T2.PAIS AS CLIENTEPAIS, T2.NIF AS CLIENTENIF\r\n"
    "FROM APKPEDIDOS T1\r\n"
    "LEFT JOIN CLIENTES T2 ON T1.EMPRESA = T2.EMPRESA AND T1.CLIENTE = T2.CLIENTE AND T1.OBRA = T2.OBRA  \r\n"
    "WHERE T1.EMPRESA = :EMPRESA AND\r\n"
    "T1.PROVEEDOR = :PROVEEDOR  AND T1. PEDIDO = :PEDIDO";

constexpr const char* kPedidoDetalleSql =
    "SELECT T1.* , T2.DESCRIPCION\r\n"
    "FROM APKPEDIDODETALLE T1\r\n"
    "LEFT JOIN ARTICULOS T2 ON T1.EMPRESA = T2.EMPRESA AND T1.ARTICULO = T2.ARTICULO\r\n"
    "WHERE T1.EMPRESA = :EMPRESA AND \r\n"
    "T1.PROVEEDOR = :PROVEEDOR  AND \r\n"
    "T1.PEDIDO = :PEDIDO";

constexpr const char* kEmpresaSql = "SELECT * FROM SISTEMAEMPRESAS WHERE EMPRESA = :EMPRESA";

constexpr std::initializer_list<const char*> kCabeceraFields = {
    "EMPRESA", "PEDIDO", "PROVEEDOR", "FECHA", "HORA", "CLIENTE", "OBRA", "OBSERVACIONES", "FECHAHORALTA",
    "FECHAHORMODIFICACION", "ESTADO", "ESTADOSITUACION", "USUARIOALTA", "USUARIOFECHAALTA", "USUARIOHORAALTA",
    "USUARIOMODIFICACION", "USUARIOFECHAMODIFICACION", "USUARIOHORAMODIFICACION", "CLIENTENOMBRE",
    "CLIENTERAZONSOCIAL", "CLIENTESIGLA", "CLIENTEDOMICILIO", "CLIENTENUMERO", "CLIENTEESCALERA", "CLIENTEPISO",
    "CLIENTEPUERTA", "CLIENTEMANO", "CLIENTECODIGOPOSTAL", "CLIENTEPOBLACION", "CLIENTEPROVINCIA", "CLIENTEPAIS",
    "CLIENTENIF"};

constexpr std::initializer_list<const char*> kDetalleFields = {
    "EMPRESA", "PEDIDO", "PROVEEDOR", "LINEA", "ARTICULO", "UNIDADES", "NUMEROMULTIPLOS", "MULTIPLO1",
    "MULTIPLO2", "MULTIPLO3", "CANTIDAD", "PRECIO", "DESCUENTO1", "DESCUENTO2", "DESCUENTO3", "IMPORTE",
    "OBSERVACIONES", "TALLA", "COLOR", "FECHAHORALTA", "FECHAHORMODIFICACION", "DESCUENTO4", "DESCUENTO5",
    "PORCIVA", "CUOTAIVA", "PORCRECARGO", "CUOTARECARGO", "PORCRETENCION", "CUOTARETENCION", "BASEIMPONIBLE",
    "IMPORTEBRUTO", "FORMATO", "ESTADO", "DESCRIPCION"};

constexpr const char* kFallbackText = "NO HAY DOCUMENTO SELECCIONADO";
constexpr TColor kRed = 255;

// A component of the module with its stored name.
template <class T, class... A>
T* Make(TComponent* owner, const char* name, A&&... args) {
    auto* component = new T(owner, std::forward<A>(args)...);
    component->SetName(name);
    return component;
}

TZQueryComponent* MakeQuery(TComponent* owner, TZConnection& connection, const char* name, const char* sql) {
    auto* query = Make<TZQueryComponent>(owner, name, connection);
    query->SetSQL(sql);
    return query;
}

// A report dataset under its user name; each alias line maps a field to the
// same name. The source is set once the queries exist.
TfrxDBDataset* MakeDataset(TComponent* owner, const char* name, const char* userName,
                           std::initializer_list<const char*> fields = {}) {
    auto* ds = Make<TfrxDBDataset>(owner, name);
    ds->SetUserName(userName);
    ds->CloseDataSource = false;
    ds->BCDToCurrency = false;
    for (const char* f : fields) ds->FieldAliases.Add(std::string(f) + "=" + f);
    return ds;
}

} // namespace

void TDM1::BuildStoredDesign() {
    TfrxReport& report = *Report;
    report.Clear();
    report.ReportOptions.Name = "Orvanta m\xF3vil";
    report.PrintOptions.Printer = "Por defecto";
    report.PrintOptions.PrintOnSheet = 0;

    auto* data = new TfrxDataPage(&report);
    data->SetName("Data");

    auto* page = new TfrxReportPage(&report);
    page->SetName("Page1");
    page->SetPaperSize(9);
    page->LeftMargin = page->RightMargin = page->TopMargin = page->BottomMargin = 10;

    auto* memo = new TfrxMemoView(page);
    memo->SetName("Memo1");
    memo->SetBounds(142.5L, 120.83333334L, 440.83333333L, 77.5L);
    memo->SetAnsiText(kFallbackText);
    memo->HAlign = haCenter;
    memo->VAlign = vaCenter;
    TFont font;
    font.SetName("Consolas");
    font.SetHeight(-29);
    font.SetColor(kRed);
    memo->SetFont(font);

    for (TfrxDataSet* ds : {static_cast<TfrxDataSet*>(dsPedido), static_cast<TfrxDataSet*>(dsPedidoDetalle),
                            static_cast<TfrxDataSet*>(dsEmpresa)})
        report.Datasets.AppendDataset(ds);
}

TDM1::TDM1() : TComponent(nullptr) {
    // Templates may hold report datasets of their own.
    RegisterDataSetClasses();
    SetName("DM1");
    // Client character set WIN1252, read-only transactions and read-committed
    // isolation are the connection component's own settings.
    ZConnection.SetProtocol(kStoredProtocol);
    ZConnection.SetPort(kStoredPort);
    PDFExport = Make<TfrxPDFExport>(this, "PDFExport");
    PDFExport->ShowDialog = false;
    PDFExport->ShowProgress = false;
    PDFExport->OverwritePrompt = false;
    PDFExport->UseFileCache = true;
    PDFExport->DataOnly = false;
    PDFExport->EmbeddedFonts = true;
    PDFExport->Author = u"Orvanta";
    PDFExport->Subject = u"Orvanta PDF export";
    Report = Make<TfrxReport>(this, "Report");
    // These make further object kinds, and compressed templates, loadable.
    Make<TfrxBarCodeObject>(this, "frxBarCodeObject1");
    Make<TfrxRichObject>(this, "frxRichObject1");
    Make<TfrxGradientObject>(this, "frxGradientObject1");
    Make<TfrxCheckBoxObject>(this, "frxCheckBoxObject1");
    Make<TfrxCrossObject>(this, "frxCrossObject1");
    Make<TfrxOLEObject>(this, "frxOLEObject1");
    Make<TfrxDotMatrixExport>(this, "frxDotMatrixExport1");
    Make<TfrxGZipCompressor>(this, "frxGZipCompressor1");
    Make<TfrxDesigner>(this, "frxDesigner1");
    Make<TfrxJPEGExport>(this, "JPEGExport");
    dsPedido = MakeDataset(this, "dsPedido", "Cabecera", kCabeceraFields);
    dsPedidoDetalle = MakeDataset(this, "dsPedidoDetalle", "Detalle", kDetalleFields);
    zqPedido = MakeQuery(this, ZConnection, "zqPedido", kPedidoSql);
    zqPedidoDetalle = MakeQuery(this, ZConnection, "zqPedidoDetalle", kPedidoDetalleSql);
    dsEmpresa = MakeDataset(this, "dsEmpresa", "Empresa");
    zqEmpresa = MakeQuery(this, ZConnection, "zqEmpresa", kEmpresaSql);
    dsPedido->SetDataSet(zqPedido);
    dsPedidoDetalle->SetDataSet(zqPedidoDetalle);
    dsEmpresa->SetDataSet(zqEmpresa);
    BuildStoredDesign();
}

TDM1::~TDM1() {
    // The report reads the queries through its datasets: it goes first.
    DestroyComponents();
}

} // namespace orv
