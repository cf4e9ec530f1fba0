// Compression of templates and prepared reports: the gzip container that
// carries a compressed document, and the process-wide compressor class that
// loading and saving use to recognise and write it.
#pragma once

#include "model/Persistent.h"
#include "platform/Exception.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

namespace orv {

class TfrxCustomCompressor;

// What a compressor works for: the file name in the container and the
// compression level depend on it.
enum class TfrxCompressedDocument { Template, PreparedReport };

// A class of compressor: makes a working compressor for one load or save.
using TfrxCompressorClass = std::unique_ptr<TfrxCustomCompressor> (*)(TfrxCompressedDocument document);

// The class that loading and saving use; none until a compressor component
// exists. With several alive, the one created last counts.
TfrxCompressorClass CompressorClass();

// A container that cannot be unpacked: the message says what is wrong with it.
class EDecompressError : public Exception {
public:
    using Exception::Exception;
};

// Bounds on what unpacking an untrusted container may produce. The ratio is
// checked only once the output has passed RatioFloor, so that small
// documents of very repetitive text always unpack.
struct TfrxUnpackLimits {
    std::size_t MaxSize;
    std::size_t MaxRatio;
    std::size_t RatioFloor;
};
inline constexpr TfrxUnpackLimits kDefaultUnpackLimits{256u * 1024 * 1024, 400, 4u * 1024 * 1024};

class TfrxCustomCompressor : public TComponent {
public:
    ~TfrxCustomCompressor() override;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    // True when Source holds a container at its current position and it has
    // been unpacked into the work stream; false, with Source untouched, when
    // it holds something else. A container that cannot be unpacked raises
    // EDecompressError.
    virtual bool Decompress(std::istream& source) = 0;
    // Packs the whole work stream into Dest as a container.
    virtual void Compress(std::ostream& dest) = 0;

    // The work stream: what was unpacked, or what is to be packed.
    std::stringstream& Stream() { return FStream; }
    TfrxCompressedDocument Document() const { return FDocument; }
    const TfrxUnpackLimits& Limits() const { return FLimits; }
    void SetLimits(const TfrxUnpackLimits& limits) { FLimits = limits; }

protected:
    // The component that a program places in a module: while it lives, its
    // class is the one that loading and saving use.
    TfrxCustomCompressor(TComponent* AOwner, TfrxCompressorClass cls);
    // A working compressor for one load or save.
    explicit TfrxCustomCompressor(TfrxCompressedDocument document);

private:
    bool FRegistered = false;
    TfrxCompressedDocument FDocument = TfrxCompressedDocument::Template;
    TfrxUnpackLimits FLimits = kDefaultUnpackLimits;
    std::stringstream FStream;
};

// The gzip container, with the zlib Adler-32 of the data kept in the
// header's time field and checked when unpacking.
class TfrxGZipCompressor : public TfrxCustomCompressor {
public:
    explicit TfrxGZipCompressor(TComponent* AOwner);
    explicit TfrxGZipCompressor(TfrxCompressedDocument document);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    bool Decompress(std::istream& source) override;
    void Compress(std::ostream& dest) override;
};

// True when the stream's next two bytes are the gzip signature; the stream
// position is kept.
bool IsGZipSignature(std::istream& stream);

} // namespace orv
