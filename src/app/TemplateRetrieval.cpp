// Fetching the order's report template from the database: the row of
// SistemaCFGDocumentos for the document type and template name, its blob
// loaded into the report, and the row's print settings applied.
#include "app/DataModule.h"

#include "app/Config.h"
#include "app/JobMessages.h"
#include "model/LoadingMessages.h"
#include "model/Report.h"
#include "model/XmlMessages.h"
#include "model/Views.h"
#include "platform/Text.h"

#include <exception>
#include <sstream>

namespace orv {
namespace {

// What the log shows, with the name between quotes; what runs binds both
// values instead, so a quote in the name can neither break nor change it.
constexpr const char* kTemplateSqlShown =
    "SELECT FIRST 1 t1.* FROM SistemaCFGDocumentos T1 WHERE t1.TipoDoc = %d AND t1.Nombre = '%s'";
constexpr const char* kTemplateSql =
    "SELECT FIRST 1 t1.* FROM SistemaCFGDocumentos T1 WHERE t1.TipoDoc = :TIPODOC AND "
    "t1.Nombre = CAST(:NOMBRE AS VARCHAR(32765))";

std::string ShownStatement(std::int32_t code, const std::string& name) {
    std::string text = kTemplateSqlShown;
    text.replace(text.find("%d"), 2, std::to_string(code));
    text.replace(text.find("%s"), 2, name);
    return text;
}

// A failed retrieval: the job still prints, but answers 1.
struct RetrievalFailed : Exception {
    using Exception::Exception;
};

} // namespace

void TDM1::LoadTemplate() {
    WriteLog(msg::LoadingTemplate);
    if (TemplateName.empty()) {
        WriteLog(msg::TemplateNotGiven);
        return;
    }
    LoadedDocument = LoadTemplateFromDatabase(10001, TemplateName, *Report);
}

TDocumentoCargado TDM1::LoadTemplateFromDatabase(std::int32_t code, const std::string& name, TfrxReport& report) {
    WriteLog(msg::LoadingTemplateType + std::to_string(code) + msg::LoadingTemplateName + name);
    TDocumentoCargado result;
    try {
        if (Trim(name).empty()) return result;
        WriteLog(msg::RunningQuery + ShownStatement(code, name));
        TZQuery query(ZConnection);
        query.SetSQL(kTemplateSql);
        query.ParamByName("TIPODOC").SetAsInteger(code);
        query.ParamByName("NOMBRE").SetAsString(name);
        WriteLog(msg::OpeningQuery);
        query.Open();
        WriteLog(msg::QueryOpen);
        if (query.IsEmpty()) {
            WriteLog(msg::TemplateRowMissing);
            ErrorFlag = 1;
            return result;
        }
        WriteLog(msg::LoadingIntoMemory);
        WriteLog(msg::LoadingIntoMemory);
        std::istringstream stream(query.FieldByName("Disenyo").AsBytes());
        WriteLog(msg::InMemory);
        WriteLog(msg::LoadingStream);
        std::string loadError;
        if (!LoadReportFromStream(stream, loadError)) {
            // No template at all: the module's own page is printed instead.
            BuildStoredDesign();
            throw RetrievalFailed(loadError);
        }
        WriteLog(msg::StreamLoaded);
        report.DotMatrixReport = query.FieldByName("DOTMATRIX").AsInteger() > 0;
        report.Tag = query.FieldByName("COPIAS").AsInteger();
        WriteLog(msg::AssigningPrinter);
        WriteLog(msg::PrintOptions);
        SetMemoText("edEmitidopor", "Emitido");
        result = {true, code, name};
        query.Close();
        WriteLog(msg::TemplateLoaded);
    } catch (const std::exception& e) {
        WriteLog(e.what());
        ErrorFlag = 1;
    }
    return result;
}

void TDM1::SetMemoText(const std::string& objectName, const std::string& text) {
    try {
        auto* memo = dynamic_cast<TfrxMemoView*>(Report->FindObject(objectName));
        if (memo) memo->SetAnsiText(text);
    } catch (const std::exception&) {
        // A memo that cannot take the text keeps its own.
    }
}

// Bytes that hold no template at all (not XML, a damaged container, another
// root element) leave these texts among the load's errors; anything else the
// load collects (an unknown object class, say) still counts as loaded.
bool TDM1::LoadReportFromStream(std::istream& stream, std::string& error) {
    Report->LoadTemplateFromStream(stream);
    const std::string notATemplate(msg::NotATemplate, std::string_view(msg::NotATemplate).find('%'));
    for (const std::string& line : Report->Errors().Lines()) {
        if (line == xmlmsg::InvalidFileFormat || line == msg::clDecompressError ||
            line.compare(0, notATemplate.size(), notATemplate) == 0) {
            error = line;
            return false;
        }
    }
    return true;
}

} // namespace orv
