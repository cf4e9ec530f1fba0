// The job's single data module: the connection, the order queries, the
// report with its fallback page, the log, and the two stages of the job.
#pragma once

#include "model/Persistent.h"
#include "platform/ZConnection.h"
#include "platform/ZQuery.h"

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace orv {

class TfrxReport;
class TfrxPDFExport;
class TfrxDBDataset;
class TZQueryComponent;

// The outcome of one template retrieval.
struct TDocumentoCargado {
    bool Cargado = false;
    std::int32_t TipoDoc = -1;
    std::string Nombre;
};

class TDM1 : public TComponent {
public:
    // Created with the stored composition, the connection closed.
    TDM1();
    ~TDM1() override;

    // Writes one line to the log file (or to standard output while the log
    // file is not yet known); nothing at all unless logging is on.
    void WriteLog(std::string_view message);
    // Creates the log file empty, whether or not logging is on.
    void ResetLog();

    // The connection setup stage.
    void ConnectDatabase();
    // The order document stage.
    void PrintDocument();
    // Runs when the module is destroyed at shutdown: closes the connection.
    void DataModuleDestroy();

    // 10001 for the order document type, -1 for any other.
    std::int32_t GetDocumentTypeCode() const;
    // Fetches the template named by TemplateName into Report.
    void LoadTemplate();
    // Never fails: every error is logged and counted in ErrorFlag.
    TDocumentoCargado LoadTemplateFromDatabase(std::int32_t code, const std::string& name, TfrxReport& report);
    // Replaces the text of the memo of that name; nothing when there is none.
    void SetMemoText(const std::string& objectName, const std::string& text);

    TZConnection ZConnection;
    // Owned by the module as components, in the order of its composition.
    TfrxPDFExport* PDFExport = nullptr;
    TfrxReport* Report = nullptr;
    TfrxDBDataset* dsPedido = nullptr;
    TfrxDBDataset* dsPedidoDetalle = nullptr;
    TZQueryComponent* zqPedido = nullptr;
    TZQueryComponent* zqPedidoDetalle = nullptr;
    TfrxDBDataset* dsEmpresa = nullptr;
    TZQueryComponent* zqEmpresa = nullptr;

    std::string IniFileName;
    std::string LogFileName;
    std::string OutputDir;
    TDocumentoCargado LoadedDocument;

    // Puts the module's stored design into the report: the page that says no
    // document was selected, and the three order datasets.
    void BuildStoredDesign();

private:
    void LookUpUser();
    void ListPrinters();
    void OpenOrderQueries();
    // Prepares the report twice and exports the second result; a failed
    // export is logged and answered with 1.
    void PrepareAndExport();
    // Loads a template blob; false (with the reason in `error`) when the
    // bytes are no template at all.
    bool LoadReportFromStream(std::istream& stream, std::string& error);
};

} // namespace orv
