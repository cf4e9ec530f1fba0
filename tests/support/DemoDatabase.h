// Where tests find the demo database and the project's Firebird server
// (scripts/firebird-server.sh), with the logins the server knows.
#pragma once

#include "platform/ZConnection.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>

namespace orv::test {

inline const std::string kDemoDatabase = ORVANTA_BINARY_DIR "/demo/orvanta.fdb";
inline const std::string kServerHost = "127.0.0.1";
constexpr int kServerPort = 3055;

struct Login {
    const char* User;
    const char* Password;
};
constexpr Login kJobLogin{"QUERNSTAD", "v7qx3t#pk8#40"};
constexpr Login kSysdbaLogin{"SYSDBA", "#gatoverdeluz7358#"};

// A private copy of the demo database in a fresh folder, removed with the
// object. Tests that open the database embedded use one, so that tests
// running side by side (and the server) never find the file locked.
class DemoDatabaseCopy {
public:
    DemoDatabaseCopy() { std::filesystem::copy_file(kDemoDatabase, Path()); }

    std::string Path() const { return (FDir.Path() / "orvanta.fdb").string(); }

    // Points the connection at this copy, embedded, with the job's login.
    void SetUpEmbedded(TZConnection& connection) const {
        connection.SetDatabase(Path());
        connection.SetProtocol("firebird-3.0");
        connection.SetUser(kJobLogin.User);
        connection.SetPassword(kJobLogin.Password);
    }

private:
    TempFolder FDir{"orvanta-db"};
};

} // namespace orv::test
