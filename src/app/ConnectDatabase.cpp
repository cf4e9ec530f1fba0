// The connection setup stage of the data module and its counterpart at
// shutdown: database settings from the INI file beside the executable or from
// the parameters, the password, the output folder, and the connection itself.
#include "app/DataModule.h"

#include "app/Config.h"
#include "app/JobMessages.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <exception>

namespace orv {
namespace {

constexpr const char* kSection = "GENERAL";

// Settings used when neither the INI file nor a parameter gives one.
constexpr const char* kDefaultHost = "localhost";
constexpr const char* kDefaultDatabase = "orvanta";
constexpr const char* kDefaultProtocol = "firebird-3.0";
constexpr const char* kDefaultPortText = "3055";
constexpr int kDefaultPort = 3055;
constexpr const char* kDefaultUser = "QUERNSTAD";

// The password follows from the protocol and the user, compared exactly.
constexpr const char* kLegacyProtocol = "firebird-1.5";
constexpr const char* kLegacyPassword = "tolbecuxa";
constexpr const char* kAdminUser = "SYSDBA";
constexpr const char* kAdminPassword = "#gatoverdeluz7358#";
constexpr const char* kJobPassword = "v7qx3t#pk8#40";

void SetPassword(TZConnection& c) {
    if (c.Protocol() == kLegacyProtocol) c.SetPassword(kLegacyPassword);
    else if (c.User() == kAdminUser) c.SetPassword(kAdminPassword);
    else c.SetPassword(kJobPassword);
}

// A port text that does not convert (the empty one included) gives the default.
int IniPort(const std::string& text) {
    std::int32_t port = 0;
    return TryStrToInt(text, port) ? port : kDefaultPort;
}

void ReadIniSettings(TDM1& dm) {
    dm.WriteLog(msg::ReadingIni + dm.IniFileName);
    const TIniFile ini(dm.IniFileName);
    TZConnection& c = dm.ZConnection;
    c.SetHostName(ini.ReadString(kSection, "dbhost", kDefaultHost));
    c.SetDatabase(ini.ReadString(kSection, "dbname", kDefaultDatabase));
    c.SetProtocol(ini.ReadString(kSection, "dbprotocol", kDefaultProtocol));
    c.SetPort(IniPort(ini.ReadString(kSection, "dbport", kDefaultPortText)));
    c.SetUser(ini.ReadString(kSection, "dbuser", kDefaultUser));
    SetPassword(c);
    dm.OutputDir = IncludeTrailingPathDelimiter(ini.ReadString(kSection, "outdir", ExtractFilePath(dm.IniFileName)));
}

std::string ParamOr(std::string_view name, const char* fallback) {
    const std::string value = JobParams.Values(name);
    return value.empty() ? fallback : value;
}

// A port parameter that is not a whole number is an error of the job, not of
// the connection: it ends the run.
void ReadParamSettings(TDM1& dm) {
    dm.WriteLog(msg::ReadingFromParameters);
    dm.WriteLog(JobParams.Values("schema"));
    TZConnection& c = dm.ZConnection;
    c.SetHostName(ParamOr("host", kDefaultHost));
    c.SetDatabase(ParamOr("schema", kDefaultDatabase));
    c.SetProtocol(ParamOr("protocol", kDefaultProtocol));
    c.SetPort(StrToIntStrict(ParamOr("port", kDefaultPortText)));
    c.SetUser(ParamOr("user", kDefaultUser));
    SetPassword(c);
    dm.OutputDir = ExtractFilePath(dm.LogFileName);
}

} // namespace

void TDM1::ConnectDatabase() {
    WriteLog(msg::OpenConnection);
    OutputDir.clear();
    const std::string exe = ExecutablePath();
    IniFileName = ChangeFileExt(exe, ".ini");
    LogFileName = ChangeFileExt(exe, ".log");
    ResetLog();
    WriteLog(msg::InitLog);

    if (FileExists(IniFileName)) ReadIniSettings(*this);
    else ReadParamSettings(*this);

    WriteLog(msg::CheckingOutputDir + OutputDir);
    // A folder that cannot be made shows up when the PDF is written.
    if (!DirectoryExists(OutputDir)) ForceDirectories(OutputDir);

    WriteLog(msg::Connecting);
    try {
        WriteLog(msg::HostLine + ZConnection.HostName());
        WriteLog(msg::DatabaseLine + ZConnection.Database());
        WriteLog(msg::PortLine + std::to_string(ZConnection.Port()));
        WriteLog(msg::ProtocolLine + ZConnection.Protocol());
        ZConnection.Connect();
        WriteLog(msg::Connected);
    } catch (const std::exception& e) {
        WriteLog(msg::ConnectError + std::string(e.what()));
    }
}

void TDM1::DataModuleDestroy() {
    WriteLog(msg::Disconnecting);
    try {
        ZConnection.Disconnect();
    } catch (const std::exception& e) {
        WriteLog(msg::DisconnectError + std::string(e.what()));
    }
}

} // namespace orv
