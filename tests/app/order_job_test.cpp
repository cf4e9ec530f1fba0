// The whole job run as a process against the demo database, embedded and
// through the project's server: the complete log, the result line and the
// exit code of each way an order run can go.
#include "platform/Printers.h"
#include "support/DemoDatabase.h"
#include "support/ProcessRunner.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

const std::string kNotATemplate = "Invalid file format";

// The printer lines come from this machine's own printer list.
std::vector<std::string> PrinterLines() {
    TPrinter printer;
    std::vector<std::string> lines{"Cantidad de impresoras detectadas : " + std::to_string(printer.Printers().size())};
    for (std::size_t k = 0; k < printer.Printers().size(); ++k)
        lines.push_back("Impresora N\xBA" + std::to_string(k + 1) + ": " + printer.Printers()[k]);
    if (printer.Printers().empty())
        lines.push_back("Impresora actual : There is no default printer currently selected");
    else
        lines.push_back("Impresora actual : " + printer.Printers()[0]);
    return lines;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string Shown(const std::string& name) {
    return "Ejecutando query : SELECT FIRST 1 t1.* FROM SistemaCFGDocumentos T1 WHERE t1.TipoDoc = 10001 AND "
           "t1.Nombre = '" + name + "'";
}

std::vector<std::string> Retrieval(const std::string& name) {
    return {"Cargando formulario", "Cargando formulario : Tipo=10001 Nombre=" + name, Shown(name),
            "Abriendo query.", "Query abierto."};
}

const std::vector<std::string> kLoaded = {
    "Cargando formulario en memoria.", "Cargando formulario en memoria.", "Formulario en memoria.",
    "Cargando stream.", "Stream cargado.", "Asignando impresora al formulario.",
    "configurnado opciones de impresi?n", "Formulario cargado correctamente."};
const std::vector<std::string> kPrinted = {"Imprimiendo", "Pdf generado"};
const std::vector<std::string> kEnd = {"Finalizando impresi\xF3n", "Desconectando de la base de datos"};

struct Connection {
    std::string iniKeys;  // the GENERAL section; {db} is the database file
    std::string host, database;
};

struct JobCase {
    const char* label;
    std::vector<std::string> args;
    std::string typeLine;                // "Tipo de documento ..." line
    std::vector<std::string> afterPrinters;
    const char* result;                  // the result line, nullptr for none
    int exitCode;
};

// Keeps the test names short in listings.
void PrintTo(const JobCase& c, std::ostream* os) { *os << c.label; }

class OrderJobTest : public testing::TestWithParam<JobCase> {
protected:
    void RunCase(const Connection& connection) {
        const JobCase& c = GetParam();
        JobFolder folder;
        DemoDatabaseCopy db;
        std::string keys = connection.iniKeys;
        if (auto at = keys.find("{db}"); at != std::string::npos) keys.replace(at, 4, db.Path());
        folder.WriteIni("[GENERAL]\r\n" + keys);
        std::string database = connection.database == "{db}" ? db.Path() : connection.database;

        std::vector<std::string> args{"-log"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        ProcessResult r = folder.Run(args);

        const std::string dir = folder.Dir().string() + "/";
        std::vector<std::string> expected{
            "Init Log", "Leyendo configuraci\xF3n de la base de datos de " + folder.Ini().string(),
            "Comprobando directorio de Salida:" + dir, "Conectando a la base de datos",
            "Host = " + connection.host, "Database = " + database, "Port = 3055", "Protocol = firebird-3.0",
            "Conexi\xF3n establecida", "Iniciando impresi\xF3n", "Comprobando tipo de documento", c.typeLine};
        expected = expected + PrinterLines() + c.afterPrinters + kEnd;
        EXPECT_EQ(folder.LogBytes(), CrLfLines(expected)) << r.err;
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        const std::string out = r.out.substr(r.out.find("Open connection\r\n") + 17);
        EXPECT_EQ(out, c.result ? std::string(c.result) + "\r\n" : "");
    }
};

TEST_P(OrderJobTest, EmbeddedDatabase) { RunCase({"dbhost=\r\ndbname={db}\r\n", "", "{db}"}); }

TEST_P(OrderJobTest, ThroughTheServer) {
    RunCase({"dbhost=127.0.0.1\r\ndbname=orvanta\r\n", "127.0.0.1", "orvanta"});
}

const std::vector<std::string> kOrder = {"-empresa", "1", "-proveedor", "P01", "-pedido", "77",
                                         "-tipodoc", "ctPedidoTradevo", "-usuario", "compras"};

INSTANTIATE_TEST_SUITE_P(
    Runs, OrderJobTest,
    testing::Values(
        JobCase{"demo_order", kOrder + std::vector<std::string>{"-formulario", "Pedido", "-filename", "p77.pdf"},
                "Tipo de documento ctPedidoTradevo = 10001", Retrieval("Pedido") + kLoaded + kPrinted, "0", 0},
        JobCase{"no_arguments", {}, "Tipo de documento  = -1",
                {"El tipo de documento no corresponde con ninguno de los admitidos."}, "0", 0},
        JobCase{"type_not_accepted", {"-tipodoc", "ctFactura", "-formulario", "Pedido"},
                "Tipo de documento ctFactura = -1",
                {"El tipo de documento no corresponde con ninguno de los admitidos."}, "0", 0},
        JobCase{"type_in_other_letter_case", {"-tipodoc", "CTPEDIDOTRADEVO"},
                "Tipo de documento CTPEDIDOTRADEVO = 10001",
                std::vector<std::string>{"Cargando formulario", "Formulario no encontrado"} + kPrinted, "0", 0},
        JobCase{"template_not_in_table", kOrder + std::vector<std::string>{"-formulario", "Factura"},
                "Tipo de documento ctPedidoTradevo = 10001",
                Retrieval("Factura") + std::vector<std::string>{"No se ha podido leer el modelo del documento"} +
                    kPrinted,
                "1", 0},
        // A row whose design is no template is a failed retrieval: the stored page is printed, answer 1.
        JobCase{"template_row_holds_no_template", kOrder + std::vector<std::string>{"-formulario", "Roto"},
                "Tipo de documento ctPedidoTradevo = 10001",
                Retrieval("Roto") +
                    std::vector<std::string>{"Cargando formulario en memoria.", "Cargando formulario en memoria.",
                                             "Formulario en memoria.", "Cargando stream.", kNotATemplate} +
                    kPrinted,
                "1", 0},
        // A quote in either name is data, not statement text: nothing breaks and nothing else matches.
        JobCase{"quotes_in_names_are_bound_not_pasted",
                kOrder + std::vector<std::string>{"-usuario", "x' OR '1'='1", "-formulario", "x' OR '1'='1"},
                "Tipo de documento ctPedidoTradevo = 10001",
                Retrieval("x' OR '1'='1") + std::vector<std::string>{"No se ha podido leer el modelo del documento"} +
                    kPrinted,
                "1", 0}),
    [](const testing::TestParamInfo<JobCase>& i) { return std::string(i.param.label); });

TEST(OrderJobFailureTest, UnreachableDatabaseEndsWithExitCodeOneAndNoResultLine) {
    JobFolder folder;
    folder.WriteIni("[GENERAL]\r\ndbhost=127.0.0.1\r\ndbport=1\r\ndbname=orvanta\r\n");
    ProcessResult r = folder.Run({"-log", "-tipodoc", "ctPedidoTradevo"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out.find("\r\n0\r\n"), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.size() - 17), "Open connection\r\n");
    const std::string log = folder.LogBytes();
    const std::string failed = "Error durante la conexi\xF3n: Unable to complete network request to host";
    EXPECT_NE(log.find(failed), std::string::npos) << log;
    const std::string tail = CrLfLines({"Iniciando impresi\xF3n", "Desconectando de la base de datos"});
    EXPECT_EQ(log.substr(log.size() - tail.size()), tail) << log;
    EXPECT_NE(r.err.find("Unable to complete network request"), std::string::npos) << r.err;
}

} // namespace
} // namespace orv::test
