// The connection component against the real demo database: opened embedded
// and over TCP through the project's server (scripts/firebird-server.sh), and
// every way opening it can fail, with Firebird's own message.
#include "platform/ZConnection.h"

#include "platform/Exception.h"
#include "platform/Text.h"
#include "platform/ZQuery.h"
#include "support/DemoDatabase.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>

namespace orv::test {
namespace {

void Configure(TZConnection& c, const std::string& host, int port, const std::string& database, Login login) {
    c.SetHostName(host);
    c.SetDatabase(database);
    c.SetProtocol("firebird-3.0");
    c.SetPort(port);
    c.SetUser(login.User);
    c.SetPassword(login.Password);
}

std::string ConnectError(TZConnection& c) {
    try {
        c.Connect();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(connected)";
}

// A loopback socket that listens but never answers; port() is where.
class SilentListener {
public:
    SilentListener() : FSocket(socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (FSocket < 0 || bind(FSocket, reinterpret_cast<sockaddr*>(&a), size) != 0 || listen(FSocket, 4) != 0 ||
            getsockname(FSocket, reinterpret_cast<sockaddr*>(&a), &size) != 0)
            throw std::runtime_error("cannot listen on loopback");
        FPort = ntohs(a.sin_port);
    }
    ~SilentListener() { close(FSocket); }
    int port() const { return FPort; }

private:
    int FSocket;
    int FPort = 0;
};

// A loopback port that nothing listens on.
int ClosedPort() {
    return SilentListener().port();
}

TEST(ZConnectionTest, SettingsReadBackAndStayFixedWhileConnected) {
    DemoDatabaseCopy db;
    TZConnection c;
    Configure(c, "", 3055, db.Path(), kJobLogin);
    EXPECT_EQ(c.HostName(), "");
    EXPECT_EQ(c.Database(), db.Path());
    EXPECT_EQ(c.Protocol(), "firebird-3.0");
    EXPECT_EQ(c.Port(), 3055);
    EXPECT_EQ(c.User(), "QUERNSTAD");
    EXPECT_EQ(c.Password(), "v7qx3t#pk8#40");
    EXPECT_FALSE(c.Connected());

    c.Connect();
    EXPECT_TRUE(c.Connected());
    c.Connect();  // already open: nothing happens
    try {
        c.SetUser("SYSDBA");
        FAIL() << "a setting changed while connected";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Cannot change the connection settings while connected");
    }
    EXPECT_EQ(c.User(), "QUERNSTAD");

    c.Disconnect();
    EXPECT_FALSE(c.Connected());
    c.Disconnect();  // not open: nothing happens
    c.SetUser("SYSDBA");
    EXPECT_EQ(c.User(), "SYSDBA");
}

// What the server reports about the attachment: its protocol (none when
// embedded), user and client character set.
std::vector<std::string> AttachmentFacts(TZConnection& c) {
    TZQuery q(c);
    q.SetSQL("SELECT A.MON$REMOTE_PROTOCOL AS PROTO, A.MON$USER AS WHO, CS.RDB$CHARACTER_SET_NAME AS CS "
             "FROM MON$ATTACHMENTS A JOIN RDB$CHARACTER_SETS CS ON CS.RDB$CHARACTER_SET_ID = A.MON$CHARACTER_SET_ID "
             "WHERE A.MON$ATTACHMENT_ID = CURRENT_CONNECTION");
    q.Open();
    std::vector<std::string> facts;
    for (const char* name : {"PROTO", "WHO", "CS"}) facts.push_back(Trim(q.FieldByName(name).AsString()));
    return facts;
}

TEST(ZConnectionTest, EmptyHostOpensTheFileEmbeddedAnyOtherGoesOverTcp) {
    DemoDatabaseCopy db;
    TZConnection embedded, tcp;
    Configure(embedded, "", 3055, db.Path(), kJobLogin);
    Configure(tcp, kServerHost, kServerPort, kDemoDatabase, kJobLogin);
    EXPECT_EQ(AttachmentFacts(embedded), (std::vector<std::string>{"", "QUERNSTAD", "WIN1252"}));
    EXPECT_EQ(AttachmentFacts(tcp), (std::vector<std::string>{"TCPv4", "QUERNSTAD", "WIN1252"}));
}

TEST(ZConnectionTest, EveryFirebirdProtocolNameConnectsAndOthersAreRefused) {
    DemoDatabaseCopy db;
    for (const char* protocol : {"firebird-1.5", "firebird-2.0", "firebird-2.1", "firebird-2.5", "firebird-3.0"}) {
        TZConnection c;
        Configure(c, "", 0, db.Path(), kJobLogin);
        c.SetProtocol(protocol);
        EXPECT_EQ(ConnectError(c), "(connected)") << protocol;
    }
    for (const char* protocol : {"", "postgresql-9", "firebird-4.0"}) {
        TZConnection c;
        Configure(c, "", 0, db.Path(), kJobLogin);
        c.SetProtocol(protocol);
        EXPECT_EQ(ConnectError(c), std::string("Unsupported database protocol \"") + protocol +
                                       "\"; use firebird-1.5, firebird-2.0, firebird-2.1, firebird-2.5 or firebird-3.0");
        EXPECT_FALSE(c.Connected());
    }
}

TEST(ZConnectionTest, FailuresCarryFirebirdsOwnMessage) {
    const std::string missing = ORVANTA_BINARY_DIR "/demo/no-such.fdb";
    const std::string missingMessage = "I/O error during \"open\" operation for file \"" + missing +
                                       "\"; Error while trying to open file; No such file or directory";
    struct FailureCase {
        const char* what;
        std::string host;
        int port;
        std::string database;
        Login login;
        std::string message;
    };
    const FailureCase cases[] = {
        {"wrong password", kServerHost, kServerPort, kDemoDatabase, {"QUERNSTAD", "tolbecuxa"},
         "Your user name and password are not defined. Ask your database administrator to set up a Firebird login."},
        {"unknown user", kServerHost, kServerPort, kDemoDatabase, {"sysdba2", "x"},
         "Your user name and password are not defined. Ask your database administrator to set up a Firebird login."},
        {"closed port", kServerHost, ClosedPort(), kDemoDatabase, kJobLogin,
         "Unable to complete network request to host \"127.0.0.1\".; Failed to establish a connection."},
        {"missing file, embedded", "", 0, missing, kJobLogin, missingMessage},
        {"missing file, over TCP", kServerHost, kServerPort, missing, kJobLogin, missingMessage},
        {"port out of range", kServerHost, 70000, kDemoDatabase, kJobLogin, "Port out of range (0 to 65535): 70000"},
    };
    for (const FailureCase& f : cases) {
        TZConnection c;
        Configure(c, f.host, f.port, f.database, f.login);
        EXPECT_EQ(ConnectError(c), f.message) << f.what;
        EXPECT_FALSE(c.Connected()) << f.what;
    }
}

TEST(ZConnectionTest, SilentHostGivesUpWithinTheConnectTimeout) {
    SilentListener silent;
    TZConnection c;
    Configure(c, kServerHost, silent.port(), kDemoDatabase, kJobLogin);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(ConnectError(c), "(connected)");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
}

TEST(ZConnectionTest, TransactionsAreReadOnlyAtReadCommitted) {
    DemoDatabaseCopy db;
    TZConnection c;
    // The owner may write anything; the transaction itself refuses.
    Configure(c, "", 0, db.Path(), kSysdbaLogin);
    TZQuery q(c);
    q.SetSQL("SELECT MON$READ_ONLY AS RO, MON$ISOLATION_MODE AS ISO FROM MON$TRANSACTIONS "
             "WHERE MON$TRANSACTION_ID = CURRENT_TRANSACTION");
    q.Open();
    EXPECT_EQ(q.FieldByName("RO").AsInteger(), 1);
    EXPECT_EQ(q.FieldByName("ISO").AsInteger(), 2);  // read committed, record version
    q.SetSQL("INSERT INTO SISTEMAUSUARIOS (USUARIO) VALUES (:USUARIO)");
    q.ParamByName("USUARIO").SetAsString("INTRUSO");
    try {
        q.ExecSQL();
        FAIL() << "the insert went through";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "attempted update during read-only transaction");
    }
}

} // namespace
} // namespace orv::test
