// The connection setup stage, with the job run as a real process: settings
// from the INI file or the parameters, the password they lead to, the output
// folder, and real connections to the demo database (embedded, and over TCP
// through the project's server) with the exact lines they log.
#include "support/DemoDatabase.h"
#include "support/ProcessRunner.h"

#include <gtest/gtest.h>

#include <functional>

namespace orv::test {
namespace {

const std::string kConnected = "Conexi\xF3n establecida";
const std::string kConnectError = "Error durante la conexi\xF3n: ";
const std::string kBadLogin =
    kConnectError + "Your user name and password are not defined. Ask your database administrator to set up a "
                    "Firebird login.";

// What the stage logs from "Init Log" to its outcome.
struct StageLog {
    std::string source;  // the line naming where the settings come from
    std::string outputDir;
    std::string host, database, port, protocol;
    std::string outcome;

    std::string Log() const {
        return CrLfLines({"Init Log", source, "Comprobando directorio de Salida:" + outputDir,
                          "Conectando a la base de datos", "Host = " + host, "Database = " + database,
                          "Port = " + port, "Protocol = " + protocol, outcome});
    }
};

// Runs the job with logging on and checks the stage's lines, which open the
// log, and the disconnect line, which closes it.
void ExpectSetupLog(const JobFolder& folder, const std::vector<std::string>& args, const StageLog& expected,
                    const std::string& label) {
    std::vector<std::string> withLog{"-log"};
    withLog.insert(withLog.end(), args.begin(), args.end());
    ProcessResult r = folder.Run(withLog);
    const std::string log = folder.LogBytes();
    const std::string stage = expected.Log();
    EXPECT_EQ(log.substr(0, stage.size()), stage)
        << label << " (the TCP cases need scripts/firebird-server.sh start)\n" << r.err;
    const std::string last = "Desconectando de la base de datos\r\n";
    EXPECT_TRUE(log.size() >= last.size() && log.substr(log.size() - last.size()) == last) << label << "\n" << log;
}

std::string IniLine(const JobFolder& folder) {
    return "Leyendo configuraci\xF3n de la base de datos de " + folder.Ini().string();
}

struct IniCase {
    const char* label;
    // The GENERAL section's keys; "{dir}" stands for the job's folder.
    std::string keys;
    std::function<StageLog(const JobFolder&)> expected;
};

std::string WithDir(std::string text, const JobFolder& folder) {
    const std::string dir = folder.Dir().string();
    for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, dir);
    return text;
}

TEST(ConnectDatabaseTest, IniSettingsDefaultsAndPasswordsShowInTheLogAndTheConnection) {
    const std::string demo = kDemoDatabase;
    const IniCase cases[] = {
        {"only the section header: every default, the server's alias of the demo database", "",
         [](const JobFolder& f) {
             return StageLog{IniLine(f), f.Dir().string() + "/", "localhost", "orvanta", "3055", "firebird-3.0",
                          kConnected};
         }},
        {"SYSDBA gets its own password", "dbhost=127.0.0.1\r\ndbname=" + demo + "\r\ndbuser=SYSDBA\r\n",
         [&](const JobFolder& f) {
             return StageLog{IniLine(f), f.Dir().string() + "/", "127.0.0.1", demo, "3055", "firebird-3.0", kConnected};
         }},
        {"sysdba in lower case gets the job's password", "dbname=" + demo + "\r\ndbuser=sysdba\r\n",
         [&](const JobFolder& f) {
             return StageLog{IniLine(f), f.Dir().string() + "/", "localhost", demo, "3055", "firebird-3.0", kBadLogin};
         }},
        {"firebird-1.5 gets the old password whatever the user",
         "dbprotocol=firebird-1.5\r\ndbuser=SYSDBA\r\ndbport=0x0BEF\r\n",
         [](const JobFolder& f) {
             return StageLog{IniLine(f), f.Dir().string() + "/", "localhost", "orvanta", "3055", "firebird-1.5",
                          kBadLogin};
         }},
        {"a port that does not convert is the default one", "dbport=abc\r\n",
         [](const JobFolder& f) {
             return StageLog{IniLine(f), f.Dir().string() + "/", "localhost", "orvanta", "3055", "firebird-3.0",
                          kConnected};
         }},
        {"an empty outdir is the root folder; an empty host opens the file embedded",
         "dbhost=\r\ndbname={dir}/orvanta.fdb\r\noutdir=\r\n",
         [](const JobFolder& f) {
             return StageLog{IniLine(f), "/", "", f.Dir().string() + "/orvanta.fdb", "3055", "firebird-3.0", kConnected};
         }},
        {"a missing file", "dbhost=\r\ndbname={dir}/missing.fdb\r\noutdir={dir}/pdf/out\r\n",
         [](const JobFolder& f) {
             const std::string file = f.Dir().string() + "/missing.fdb";
             return StageLog{IniLine(f), f.Dir().string() + "/pdf/out/", "", file, "3055", "firebird-3.0",
                          kConnectError + "I/O error during \"open\" operation for file \"" + file +
                              "\"; Error while trying to open file; No such file or directory"};
         }},
        {"a closed port", "dbhost=127.0.0.1\r\ndbport=1\r\n",
         [](const JobFolder& f) {
             return StageLog{IniLine(f), f.Dir().string() + "/", "127.0.0.1", "orvanta", "1", "firebird-3.0",
                          kConnectError +
                              "Unable to complete network request to host \"127.0.0.1\".; Failed to establish a "
                              "connection."};
         }},
        {"an unknown protocol", "dbprotocol=mysql\r\n",
         [](const JobFolder& f) {
             return StageLog{IniLine(f), f.Dir().string() + "/", "localhost", "orvanta", "3055", "mysql",
                          kConnectError + "Unsupported database protocol \"mysql\"; use firebird-1.5, "
                                          "firebird-2.0, firebird-2.1, firebird-2.5 or firebird-3.0"};
         }},
    };
    for (const IniCase& c : cases) {
        JobFolder folder;
        std::filesystem::copy_file(kDemoDatabase, folder.Dir() / "orvanta.fdb");
        folder.WriteIni("[GENERAL]\r\n" + WithDir(c.keys, folder));
        ExpectSetupLog(folder, {}, c.expected(folder), c.label);
    }
    JobFolder folder;  // the output folder is created, parents and all
    folder.WriteIni("[GENERAL]\r\noutdir=" + folder.Dir().string() + "/pdf/out\r\ndbport=1\r\n");
    folder.Run({});
    EXPECT_TRUE(std::filesystem::is_directory(folder.Dir() / "pdf" / "out"));
}

struct ParamCase {
    const char* label;
    std::vector<std::string> args;
    std::string schemaLine, host, database, port, protocol, outcome;
};

TEST(ConnectDatabaseTest, WithoutIniTheParametersOrTheirDefaultsApply) {
    const std::string demo = kDemoDatabase;
    const ParamCase cases[] = {
        {"no parameters", {}, "", "localhost", "orvanta", "3055", "firebird-3.0", kConnected},
        {"every parameter",
         {"-host", "127.0.0.1", "-schema", demo, "-port", "3055", "-protocol", "firebird-2.5", "-user", "SYSDBA"},
         demo, "127.0.0.1", demo, "3055", "firebird-2.5", kConnected},
        {"a hexadecimal port and the old protocol's password", {"-port", "0x0BEF", "-protocol", "firebird-1.5"}, "",
         "localhost", "orvanta", "3055", "firebird-1.5", kBadLogin},
    };
    for (const ParamCase& c : cases) {
        JobFolder folder;
        const StageLog expected{"Leyendo configuraci\xF3n de la base de datos desde parametros\r\n" + c.schemaLine,
                             folder.Dir().string() + "/", c.host, c.database, c.port, c.protocol, c.outcome};
        ExpectSetupLog(folder, c.args, expected, c.label);
    }
}

TEST(ConnectDatabaseTest, APortParameterThatIsNotANumberEndsTheJobWithoutAResult) {
    JobFolder folder;
    ProcessResult r = folder.Run({"-log", "-port", "30x"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, CrLfLines({"Leyendo par\xE1metros de entrada", "Par\xE1metro:port = 30x", "Open connection"}));
    EXPECT_NE(r.err.find("'30x' is not a valid integer value"), std::string::npos) << r.err;
    EXPECT_EQ(folder.LogBytes(), CrLfLines({"Init Log", "Leyendo configuraci\xF3n de la base de datos desde parametros",
                                            "", "Desconectando de la base de datos"}));
}

} // namespace
} // namespace orv::test
