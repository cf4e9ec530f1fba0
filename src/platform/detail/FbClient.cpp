#include "platform/detail/FbClient.h"

#include "platform/DbMessages.h"
#include "platform/Exception.h"

#include <array>

namespace orv::detail {

Firebird::IMaster* Master() {
    static Firebird::IMaster* const master = Firebird::fb_get_master_interface();
    return master;
}

std::string StatusText(Firebird::IStatus* status) {
    const ISC_STATUS* vector = status->getErrors();
    std::array<char, 1024> line{};
    std::string text;
    while (fb_interpret(line.data(), static_cast<unsigned>(line.size()), &vector) > 0) {
        if (!text.empty()) text += dbmsg::ErrorLineJoin;
        text += line.data();
    }
    return text;
}

void ThrowStatus(const Firebird::FbException& e) {
    throw Exception(StatusText(e.getStatus()));
}

namespace {

// Reads see every committed change; nothing can be written.
constexpr unsigned char kReadOnlyReadCommitted[] = {
    isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait,
};

} // namespace

FbAttachment::~FbAttachment() {
    try {
        Detach();
    } catch (const Exception&) {
        // Nothing more can be done about a connection that will not close.
    }
}

void FbAttachment::Detach() {
    EndInterface(FAttachment, [](Firebird::IAttachment* a, FbStatus& s) { a->detach(&s); });
}

FbTransaction::FbTransaction(FbAttachment& attachment) {
    FbStatus status;
    FTransaction.reset(Translate([&] {
        return attachment.get()->startTransaction(&status, sizeof kReadOnlyReadCommitted,
                                                  kReadOnlyReadCommitted);
    }));
}

FbTransaction::~FbTransaction() {
    try {
        EndInterface(FTransaction, [](Firebird::ITransaction* t, FbStatus& s) { t->rollback(&s); });
    } catch (const Exception&) {
        // A read-only transaction has nothing to lose.
    }
}

void FbTransaction::Commit() {
    EndInterface(FTransaction, [](Firebird::ITransaction* t, FbStatus& s) { t->commit(&s); });
}

} // namespace orv::detail

// Leak checks of sanitizer builds. The embedded Firebird engine is a plugin
// that the client loads and unloads with thread-local storage of its own;
// once it is gone, scanning thread-local storage crashes the leak checker
// at exit, so that storage is not scanned. State that libraries keep for the
// whole process (the client's character conversions, the print system's
// per-thread globals) is then not counted against us.
extern "C" const char* __lsan_default_options() {
    return "use_tls=0";
}

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfbclient.so\n"
           "leak:libcups.so\n";
}
