// What the connection and the query share of the Firebird client library:
// the master interface, a status that raises our exception with Firebird's
// own message, and owning pointers to its reference-counted interfaces.
// Only the database access layer's sources include this header.
#pragma once

#include <firebird/Interface.h>

#include <memory>
#include <string>
#include <utility>

namespace orv::detail {

Firebird::IMaster* Master();

// The interpreted lines of a status vector, joined on one line.
std::string StatusText(Firebird::IStatus* status);

// A status for calls into the client library; a failing call throws
// Firebird::FbException, which Translate turns into our exception.
class FbStatus : public Firebird::ThrowStatusWrapper {
public:
    FbStatus() : Firebird::ThrowStatusWrapper(Master()->getStatus()) {}
    ~FbStatus() { dispose(); }
    FbStatus(const FbStatus&) = delete;
    FbStatus& operator=(const FbStatus&) = delete;
};

template <class T>
struct FbRelease {
    void operator()(T* p) const { p->release(); }
};
template <class T>
using FbPtr = std::unique_ptr<T, FbRelease<T>>;

[[noreturn]] void ThrowStatus(const Firebird::FbException& e);

// Ends an interface with a call that lets go of it on success (close, free,
// commit, rollback, detach); on failure it is released here and the error raised.
template <class T, class End>
void EndInterface(FbPtr<T>& handle, End end) {
    T* h = handle.release();
    if (!h) return;
    FbStatus status;
    try {
        end(h, status);
    } catch (const Firebird::FbException& e) {
        h->release();
        ThrowStatus(e);
    }
}

// Runs `body`; an error of the client library leaves it as orv::Exception.
template <class F>
decltype(auto) Translate(F&& body) {
    try {
        return std::forward<F>(body)();
    } catch (const Firebird::FbException& e) {
        ThrowStatus(e);
    }
}

// An open attachment to a database; detached when destroyed (errors dropped).
class FbAttachment {
public:
    explicit FbAttachment(Firebird::IAttachment* attachment) : FAttachment(attachment) {}
    ~FbAttachment();
    FbAttachment(const FbAttachment&) = delete;
    FbAttachment& operator=(const FbAttachment&) = delete;

    // Raises the client library's error; the attachment is let go either way.
    void Detach();
    Firebird::IAttachment* get() const { return FAttachment.get(); }

private:
    FbPtr<Firebird::IAttachment> FAttachment;
};

// A read-only transaction at read-committed isolation, rolled back unless committed.
class FbTransaction {
public:
    explicit FbTransaction(FbAttachment& attachment);
    ~FbTransaction();
    FbTransaction(const FbTransaction&) = delete;
    FbTransaction& operator=(const FbTransaction&) = delete;

    void Commit();
    Firebird::ITransaction* get() const { return FTransaction.get(); }

private:
    FbPtr<Firebird::ITransaction> FTransaction;
};

} // namespace orv::detail
