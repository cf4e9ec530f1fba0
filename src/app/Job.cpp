#include "app/Job.h"

#include "app/Config.h"
#include "app/DataModule.h"
#include "app/JobMessages.h"
#include "platform/Console.h"
#include "platform/Text.h"

#include <exception>

namespace orv {
namespace {

void StartUp(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (LowerCase(arg) == "-log") LogEnabled = true;
    JobParams.Clear();
    ErrorFlag = 0;
    DM1 = std::make_unique<TDM1>();
    JobParams.SetValue("copias", "0");
}

void RunSequence(const std::vector<std::string>& args) {
    DM1->WriteLog(msg::ReadingParameters);
    ReadParameters(args, JobParams, [](const std::string& line) { DM1->WriteLog(line); });
    DM1->ConnectDatabase();
    DM1->WriteLog(msg::StartPrinting);
    DM1->PrintDocument();
    DM1->WriteLog(msg::EndPrinting);
    WriteStdout(std::to_string(ErrorFlag) + "\r\n");
}

void ShutDown() {
    JobParams.Clear();
    if (DM1) DM1->DataModuleDestroy();
    DM1.reset();
}

void ReportError(const std::exception& e) {
    WriteStderr(std::string("imprimir-pedido: error: ") + e.what() + "\n");
}

} // namespace

int RunJob(const std::vector<std::string>& args) {
    int exitCode = 0;
    try {
        StartUp(args);
        RunSequence(args);
    } catch (const std::exception& e) {
        ReportError(e);
        exitCode = 1;
    }
    try {
        ShutDown();
    } catch (const std::exception& e) {
        // The module is gone either way; a failure while it closes still counts.
        DM1.reset();
        ReportError(e);
        exitCode = 1;
    }
    return exitCode;
}

} // namespace orv
