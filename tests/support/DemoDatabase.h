// Where tests find the demo database and the project's Firebird server
// (scripts/firebird-server.sh), with the logins the server knows.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
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
    DemoDatabaseCopy() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "orvanta-db-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
        FDir = tmpl;
        std::filesystem::copy_file(kDemoDatabase, Path());
    }
    ~DemoDatabaseCopy() {
        std::error_code ec;
        std::filesystem::remove_all(FDir, ec);
    }
    DemoDatabaseCopy(const DemoDatabaseCopy&) = delete;
    DemoDatabaseCopy& operator=(const DemoDatabaseCopy&) = delete;

    std::string Path() const { return (FDir / "orvanta.fdb").string(); }

private:
    std::filesystem::path FDir;
};

} // namespace orv::test
