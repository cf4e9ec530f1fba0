#include "platform/ZConnection.h"

#include "platform/DbMessages.h"
#include "platform/Exception.h"
#include "platform/Text.h"
#include "platform/detail/FbClient.h"

#include <array>

namespace orv {
namespace {

// Every protocol name the job may be configured with; the Firebird 3 client
// speaks to all of these servers.
constexpr std::array<std::string_view, 5> kProtocols = {
    "firebird-1.5", "firebird-2.0", "firebird-2.1", "firebird-2.5", "firebird-3.0",
};

constexpr const char* kClientCharset = "WIN1252";
constexpr int kSqlDialect = 3;
constexpr int kMaxPort = 65535;
// Connecting to an unreachable or silent host gives up after this many seconds.
constexpr int kConnectTimeoutSeconds = 10;
// Embedded access runs the engine in this process and never falls back to a
// server; TCP access never falls back to the embedded engine.
constexpr const char* kEmbeddedProviders = "Providers=Engine12";
constexpr const char* kRemoteProviders = "Providers=Remote";

void CheckProtocol(const std::string& protocol) {
    for (std::string_view known : kProtocols)
        if (SameText(protocol, known)) return;
    throw Exception(dbmsg::UnknownProtocol + protocol + dbmsg::ProtocolHint);
}

// host/port:database, or host:database for the client library's default port.
std::string ConnectString(const std::string& host, int port, const std::string& database) {
    if (host.empty()) return database;
    if (port < 0 || port > kMaxPort) throw Exception(dbmsg::PortOutOfRange + std::to_string(port));
    std::string target = host;
    if (port != 0) target += "/" + std::to_string(port);
    return target + ":" + database;
}

std::unique_ptr<detail::FbAttachment> Attach(const std::string& target, const std::string& user,
                                             const std::string& password, bool embedded) {
    using namespace Firebird;
    detail::FbStatus status;
    return detail::Translate([&] {
        IUtil* util = detail::Master()->getUtilInterface();
        std::unique_ptr<IXpbBuilder, void (*)(IXpbBuilder*)> dpb(
            util->getXpbBuilder(&status, IXpbBuilder::DPB, nullptr, 0), [](IXpbBuilder* b) { b->dispose(); });
        dpb->insertInt(&status, isc_dpb_sql_dialect, kSqlDialect);
        dpb->insertString(&status, isc_dpb_lc_ctype, kClientCharset);
        dpb->insertString(&status, isc_dpb_config, embedded ? kEmbeddedProviders : kRemoteProviders);
        dpb->insertInt(&status, isc_dpb_connect_timeout, kConnectTimeoutSeconds);
        if (!user.empty()) dpb->insertString(&status, isc_dpb_user_name, user.c_str());
        if (!password.empty()) dpb->insertString(&status, isc_dpb_password, password.c_str());
        detail::FbPtr<IProvider> provider(detail::Master()->getDispatcher());
        IAttachment* attachment = provider->attachDatabase(&status, target.c_str(), dpb->getBufferLength(&status),
                                                           dpb->getBuffer(&status));
        return std::make_unique<detail::FbAttachment>(attachment);
    });
}

} // namespace

TZConnection::TZConnection() = default;

TZConnection::~TZConnection() = default;

void TZConnection::CheckClosed() const {
    if (Connected()) throw Exception(dbmsg::SettingsLocked);
}

void TZConnection::SetSetting(std::string& setting, std::string_view value) {
    CheckClosed();
    setting = value;
}

void TZConnection::SetHostName(std::string_view value) { SetSetting(FHostName, value); }
void TZConnection::SetDatabase(std::string_view value) { SetSetting(FDatabase, value); }
void TZConnection::SetProtocol(std::string_view value) { SetSetting(FProtocol, value); }
void TZConnection::SetUser(std::string_view value) { SetSetting(FUser, value); }
void TZConnection::SetPassword(std::string_view value) { SetSetting(FPassword, value); }

void TZConnection::SetPort(int value) {
    CheckClosed();
    FPort = value;
}

void TZConnection::Connect() {
    if (Connected()) return;
    CheckProtocol(FProtocol);
    const bool embedded = FHostName.empty();
    FAttachment = Attach(ConnectString(FHostName, FPort, FDatabase), FUser, FPassword, embedded);
}

void TZConnection::Disconnect() {
    std::unique_ptr<detail::FbAttachment> attachment = std::move(FAttachment);
    if (attachment) attachment->Detach();
}

detail::FbAttachment& TZConnection::Attachment() {
    Connect();
    return *FAttachment;
}

} // namespace orv
