// The order document stage: the user looked up, the document type accepted
// or rejected, the printers listed, the template fetched, the three order
// queries opened and the report prepared and exported to the PDF file.
#include "app/DataModule.h"

#include "app/Config.h"
#include "app/JobMessages.h"
#include "data/DBDataSet.h"
#include "data/DataSources.h"
#include "model/Report.h"
#include "pdf/PdfExport.h"
#include "platform/Paths.h"
#include "platform/Printers.h"
#include "platform/Text.h"

#include <exception>
#include <memory>

namespace orv {
namespace {

constexpr std::int32_t kOrderDocumentCode = 10001;
constexpr std::int32_t kUnknownDocumentCode = -1;
constexpr const char* kOrderDocumentType = "ctPedidoTradevo";
constexpr const char* kDefaultPdfName = "comprobante.pdf";
constexpr const char* kExportFailed = "No se ha podido generar el PDF";

// The name travels as a parameter, never pasted into the statement; the cast
// keeps a name longer than the column a plain mismatch, as a literal would be.
constexpr const char* kUserLookupSql =
    "SELECT * FROM SISTEMAUSUARIOS WHERE upper(USUARIO) = CAST(:USUARIO AS VARCHAR(32765))";

} // namespace

std::int32_t TDM1::GetDocumentTypeCode() const {
    return SameText(JobParams.Values("tipodoc"), kOrderDocumentType) ? kOrderDocumentCode : kUnknownDocumentCode;
}

void TDM1::LookUpUser() {
    TZQuery query(ZConnection);
    query.SetSQL(kUserLookupSql);
    query.ParamByName("USUARIO").SetAsString(UpperCase(JobParams.Values("usuario")));
    query.Open();
    if (!query.IsEmpty()) JobParams.SetValue("usuario", query.FieldByName("USUARIO").AsString());
}

void TDM1::ListPrinters() {
    TPrinter printer;
    const auto& names = printer.Printers();
    WriteLog(msg::PrinterCount + std::to_string(names.size()));
    for (std::size_t k = 0; k < names.size(); ++k)
        WriteLog(msg::PrinterNumber + std::to_string(k + 1) + ": " + names[k]);
    try {
        if (!names.empty()) printer.SetPrinterIndex(0);
        WriteLog(msg::CurrentPrinter + printer.CurrentName());
    } catch (const std::exception& e) {
        WriteLog(msg::CurrentPrinter + std::string(e.what()));
    }
}

void TDM1::OpenOrderQueries() {
    const std::int32_t empresa = StrToIntSafe(JobParams.Values("empresa"));
    const std::string proveedor = JobParams.Values("proveedor");
    const std::int32_t pedido = StrToIntSafe(JobParams.Values("pedido"));
    for (TZQuery* q : {static_cast<TZQuery*>(zqPedido), static_cast<TZQuery*>(zqPedidoDetalle)}) {
        q->ParamByName("EMPRESA").SetAsInteger(empresa);
        q->ParamByName("PROVEEDOR").SetAsString(proveedor);
        q->ParamByName("PEDIDO").SetAsInteger(pedido);
        q->Open();
    }
    zqEmpresa->ParamByName("EMPRESA").SetAsInteger(empresa);
    zqEmpresa->Open();
}

void TDM1::PrintDocument() {
    TemplateName = JobParams.Values("formulario");
    LookUpUser();
    const std::string outdir = JobParams.Values("outdir");
    if (!outdir.empty()) OutputDir = IncludeTrailingPathDelimiter(outdir);

    WriteLog(msg::CheckingDocumentType);
    const std::int32_t code = GetDocumentTypeCode();
    WriteLog(msg::DocumentType + JobParams.Values("tipodoc") + " = " + std::to_string(code));
    ListPrinters();
    if (code != kOrderDocumentCode) {
        WriteLog(msg::DocumentTypeRejected);
        return;
    }

    LoadTemplate();
    WriteLog(msg::Printing);
    OpenOrderQueries();
    const std::string fileName = JobParams.Values("filename");
    PDFExport->FileName = OutputDir + (fileName.empty() ? kDefaultPdfName : fileName);
    // After the datasets that the loaded template lists itself.
    for (TfrxDataSet* ds : {static_cast<TfrxDataSet*>(dsEmpresa), static_cast<TfrxDataSet*>(dsPedido),
                            static_cast<TfrxDataSet*>(dsPedidoDetalle)})
        Report->Datasets.AppendDataset(ds);
    PrepareAndExport();
}

void TDM1::PrepareAndExport() {
    Report->PrepareDocument(true);
    Report->PrepareDocument(true);
    if (Report->ExportDocument(PDFExport)) {
        WriteLog(msg::PdfWritten);
        return;
    }
    // The caller must not take a missing or stale file for the order.
    const TStringList& errors = Report->Errors();
    WriteLog(errors.Count() ? errors[errors.Count() - 1] : std::string(kExportFailed));
    ErrorFlag = 1;
}

} // namespace orv
