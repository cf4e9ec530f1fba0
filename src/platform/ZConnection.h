// The database connection component: host, database, protocol, port, user and
// password, opened embedded (empty host) or over TCP through the Firebird
// client library. Text travels as Windows-1252 bytes, unchanged; every
// transaction it starts is read-only at read-committed isolation.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace orv {

namespace detail {
class FbAttachment;
}

class TZConnection {
public:
    TZConnection();
    ~TZConnection();  // disconnects; an error while doing so is dropped
    TZConnection(const TZConnection&) = delete;
    TZConnection& operator=(const TZConnection&) = delete;

    // Settings: changing one while connected is an error.
    const std::string& HostName() const { return FHostName; }
    const std::string& Database() const { return FDatabase; }
    const std::string& Protocol() const { return FProtocol; }
    int Port() const { return FPort; }
    const std::string& User() const { return FUser; }
    const std::string& Password() const { return FPassword; }
    void SetHostName(std::string_view value);
    void SetDatabase(std::string_view value);
    void SetProtocol(std::string_view value);
    void SetPort(int value);  // 0: the client library's default port
    void SetUser(std::string_view value);
    void SetPassword(std::string_view value);

    // Opens the connection with the settings above; nothing when already open.
    void Connect();
    // Closes it; nothing when not open. The connection counts as closed
    // afterwards even when the client library reports an error.
    void Disconnect();
    bool Connected() const { return FAttachment != nullptr; }

    // The open attachment for the query component, connecting first when needed.
    detail::FbAttachment& Attachment();

private:
    void SetSetting(std::string& setting, std::string_view value);
    void CheckClosed() const;

    std::string FHostName, FDatabase, FProtocol, FUser, FPassword;
    int FPort = 0;
    std::unique_ptr<detail::FbAttachment> FAttachment;
};

} // namespace orv
