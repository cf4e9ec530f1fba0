#include "model/Compressor.h"

#include "model/LoadingMessages.h"
#include "model/PropertyRegistry.h"
#include "platform/StringFormat.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <string_view>
#include <vector>

namespace orv {

namespace {

// The container's layout: signature, method and flags, the time field that
// carries the Adler-32, extra flags, operating system, then the file name.
constexpr unsigned char kSignature0 = 31;
constexpr unsigned char kSignature1 = 139;
constexpr unsigned char kMethodDeflate = 8;
constexpr unsigned char kFlagText = 1;
constexpr unsigned char kFlagName = 8;
constexpr std::size_t kMethodOffset = 2;
constexpr std::size_t kFlagsOffset = 3;
constexpr std::size_t kTimeOffset = 4;
constexpr std::size_t kFixedHeaderSize = 10;
// CRC-32 and size of the data, each 4 bytes, little-endian.
constexpr std::size_t kTrailerSize = 8;
// zlib's own stream header for a 32 KiB window at best compression; the
// deflate data read between it and the time field's Adler-32 make a zlib stream.
constexpr std::array<unsigned char, 2> kZlibHeader{120, 218};
constexpr std::size_t kAdlerSize = 4;

constexpr const char* kTemplateName = "1.fr3";
constexpr const char* kPreparedName = "1.fp3";
constexpr int kTemplateLevel = 9;

constexpr std::size_t kChunkSize = 64 * 1024;
constexpr std::size_t kMiB = 1024 * 1024;

struct Registration {
    const TfrxCustomCompressor* Owner;
    TfrxCompressorClass Class;
};

std::mutex& RegistrationLock()
{
    static std::mutex lock;
    return lock;
}

std::vector<Registration>& Registrations()
{
    static std::vector<Registration> list;
    return list;
}

std::unique_ptr<TfrxCustomCompressor> MakeGZipCompressor(TfrxCompressedDocument document)
{
    return std::make_unique<TfrxGZipCompressor>(document);
}

[[noreturn]] void Fail(const std::string& text)
{
    throw EDecompressError(text);
}

// The rest of the stream, failing with the size limit's message once it is
// longer than any container that unpacks within the limit can be.
std::string ReadContainer(std::istream& source, const TfrxUnpackLimits& limits)
{
    // Stored deflate blocks add 5 bytes per 64 KiB; anything beyond that
    // and the header cannot unpack to MaxSize or less.
    const std::size_t cap = limits.MaxSize + limits.MaxSize / 1024 + kChunkSize;
    std::string bytes;
    char chunk[kChunkSize];
    while (source.read(chunk, sizeof chunk) || source.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(source.gcount()));
        if (bytes.size() > cap)
            Fail(Format(msg::ContainerTooLarge, {limits.MaxSize / kMiB}));
    }
    if (source.bad())
        Fail(msg::ContainerReadError);
    return bytes;
}

// Where the deflate data begin: behind the fixed header and the file name.
std::size_t DeflateDataStart(const std::string& bytes)
{
    if (bytes.size() < kFixedHeaderSize + kTrailerSize)
        Fail(msg::ContainerTruncated);
    const auto method = static_cast<unsigned char>(bytes[kMethodOffset]);
    const auto flags = static_cast<unsigned char>(bytes[kFlagsOffset]);
    if (method != kMethodDeflate)
        Fail(Format(msg::ContainerMethod, {static_cast<int>(method)}));
    if ((flags & ~(kFlagText | kFlagName)) != 0)
        Fail(Format(msg::ContainerFlags, {static_cast<int>(flags)}));
    std::size_t start = kFixedHeaderSize;
    if (flags & kFlagName) {
        const std::size_t end = bytes.find('\0', start);
        if (end == std::string::npos || end >= bytes.size() - kTrailerSize)
            Fail(msg::ContainerTruncated);
        start = end + 1;
    }
    return start;
}

class Inflater {
public:
    Inflater()
    {
        if (inflateInit(&FStream) != Z_OK)
            Fail(Format(msg::ContainerCorrupt, {"zlib could not start"}));
    }
    ~Inflater() { inflateEnd(&FStream); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Inflates the zlib stream in Input whole; Input is at most a little
    // over the size limit, so it fits zlib's 32-bit counters.
    std::string Run(std::string_view input, const TfrxUnpackLimits& limits)
    {
        FStream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
        FStream.avail_in = static_cast<uInt>(input.size());
        const std::size_t compressed = input.size() - kZlibHeader.size() - kAdlerSize;
        std::string out;
        for (;;) {
            const std::size_t room = std::min(kChunkSize, limits.MaxSize + 1 - out.size());
            const std::size_t before = out.size();
            out.resize(before + room);
            FStream.next_out = reinterpret_cast<Bytef*>(out.data() + before);
            FStream.avail_out = static_cast<uInt>(room);
            const int rc = inflate(&FStream, Z_NO_FLUSH);
            out.resize(before + room - FStream.avail_out);
            CheckLimits(out.size(), compressed, limits);
            if (rc == Z_STREAM_END)
                break;
            if (rc == Z_DATA_ERROR)
                FailData();
            if (rc == Z_MEM_ERROR)
                throw std::bad_alloc();
            if (rc == Z_BUF_ERROR || (rc == Z_OK && FStream.avail_in == 0 && FStream.avail_out != 0))
                Fail(msg::ContainerTruncated);
        }
        if (FStream.avail_in != 0) {
            // The stream ended early: what follows it is not the checksum at all.
            Fail(Format(msg::ContainerTrailing, {static_cast<std::int64_t>(FStream.avail_in)}));
        }
        return out;
    }

private:
    static void CheckLimits(std::size_t size, std::size_t compressed, const TfrxUnpackLimits& limits)
    {
        if (size > limits.MaxSize)
            Fail(Format(msg::ContainerTooLarge, {limits.MaxSize / kMiB}));
        if (size > limits.RatioFloor && size / std::max<std::size_t>(compressed, 1) > limits.MaxRatio)
            Fail(Format(msg::ContainerRatio, {limits.MaxRatio}));
    }

    [[noreturn]] void FailData() const
    {
        const std::string reason = FStream.msg ? FStream.msg : "invalid data";
        if (reason == "incorrect data check")
            Fail(msg::ContainerChecksum);
        Fail(Format(msg::ContainerCorrupt, {reason}));
    }

    z_stream FStream{};
};

void PutBigEndian32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void PutLittleEndian32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift <= 24; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void Write(std::ostream& dest, std::string_view bytes)
{
    if (!dest.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw Exception(msg::StreamWriteError);
}

class Deflater {
public:
    explicit Deflater(int level)
    {
        // Raw deflate: the container brings its own header and trailer.
        if (deflateInit2(&FStream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            throw Exception(Format(msg::CompressFailed, {"zlib could not start"}));
    }
    ~Deflater() { deflateEnd(&FStream); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    void Run(std::string_view data, std::ostream& dest)
    {
        std::size_t offset = 0;
        std::string chunk(kChunkSize, '\0');
        int rc = Z_OK;
        do {
            if (FStream.avail_in == 0 && offset < data.size()) {
                const std::size_t take = std::min(data.size() - offset, kChunkSize * 16);
                FStream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + offset));
                FStream.avail_in = static_cast<uInt>(take);
                offset += take;
            }
            const int flush = offset == data.size() ? Z_FINISH : Z_NO_FLUSH;
            FStream.next_out = reinterpret_cast<Bytef*>(chunk.data());
            FStream.avail_out = static_cast<uInt>(chunk.size());
            rc = deflate(&FStream, flush);
            if (rc == Z_STREAM_ERROR)
                throw Exception(Format(msg::CompressFailed, {FStream.msg ? FStream.msg : "stream error"}));
            Write(dest, std::string_view(chunk.data(), chunk.size() - FStream.avail_out));
        } while (rc != Z_STREAM_END);
    }

private:
    z_stream FStream{};
};

} // namespace

TfrxCompressorClass CompressorClass()
{
    std::lock_guard guard(RegistrationLock());
    return Registrations().empty() ? nullptr : Registrations().back().Class;
}

bool IsGZipSignature(std::istream& stream)
{
    const auto start = stream.tellg();
    char bytes[2] = {};
    stream.read(bytes, 2);
    const bool found = stream.gcount() == 2 && static_cast<unsigned char>(bytes[0]) == kSignature0 &&
                       static_cast<unsigned char>(bytes[1]) == kSignature1;
    stream.clear();
    stream.seekg(start);
    return found;
}

// --- the base ---

const TClassInfo& TfrxCustomCompressor::StaticClass()
{
    static const auto info =
        MakeClass<TfrxCustomCompressor>("TfrxCustomCompressor", &TComponent::StaticClass(), [](auto&) {});
    return *info;
}

TfrxCustomCompressor::TfrxCustomCompressor(TComponent* AOwner, TfrxCompressorClass cls)
    : TComponent(AOwner), FRegistered(true)
{
    std::lock_guard guard(RegistrationLock());
    Registrations().push_back({this, cls});
}

TfrxCustomCompressor::TfrxCustomCompressor(TfrxCompressedDocument document)
    : TComponent(nullptr), FDocument(document)
{
}

TfrxCustomCompressor::~TfrxCustomCompressor()
{
    if (!FRegistered)
        return;
    std::lock_guard guard(RegistrationLock());
    std::erase_if(Registrations(), [this](const Registration& r) { return r.Owner == this; });
}

// --- gzip ---

const TClassInfo& TfrxGZipCompressor::StaticClass()
{
    static const auto info =
        MakeClass<TfrxGZipCompressor>("TfrxGZipCompressor", &TfrxCustomCompressor::StaticClass(), [](auto&) {});
    return *info;
}

TfrxGZipCompressor::TfrxGZipCompressor(TComponent* AOwner) : TfrxCustomCompressor(AOwner, &MakeGZipCompressor) {}

TfrxGZipCompressor::TfrxGZipCompressor(TfrxCompressedDocument document) : TfrxCustomCompressor(document) {}

bool TfrxGZipCompressor::Decompress(std::istream& source)
{
    if (!IsGZipSignature(source))
        return false;
    std::string bytes = ReadContainer(source, Limits());
    const std::size_t start = DeflateDataStart(bytes);
    // A zlib stream in place: its header over the two bytes before the data,
    // the time field's checksum over the start of the trailer.
    const std::size_t adlerAt = bytes.size() - kTrailerSize;
    std::copy(bytes.begin() + kTimeOffset, bytes.begin() + kTimeOffset + kAdlerSize, bytes.begin() + adlerAt);
    std::copy(kZlibHeader.begin(), kZlibHeader.end(), bytes.begin() + start - kZlibHeader.size());
    const std::size_t zlibStart = start - kZlibHeader.size();
    const std::string_view zlibStream(bytes.data() + zlibStart, adlerAt + kAdlerSize - zlibStart);

    std::string data = Inflater().Run(zlibStream, Limits());
    bytes = std::string();
    Stream().clear();
    Stream().str(std::move(data));
    Stream().seekg(0);
    return true;
}

void TfrxGZipCompressor::Compress(std::ostream& dest)
{
    const std::string data = Stream().str();
    const bool forTemplate = Document() == TfrxCompressedDocument::Template;
    std::string header{static_cast<char>(kSignature0), static_cast<char>(kSignature1),
                       static_cast<char>(kMethodDeflate), static_cast<char>(kFlagName)};
    const auto* raw = reinterpret_cast<const Bytef*>(data.data());
    PutBigEndian32(header, static_cast<std::uint32_t>(adler32_z(adler32_z(0, nullptr, 0), raw, data.size())));
    header += '\0'; // extra flags
    header += '\0'; // operating system
    header += forTemplate ? kTemplateName : kPreparedName;
    header += '\0';
    Write(dest, header);

    Deflater(forTemplate ? kTemplateLevel : Z_DEFAULT_COMPRESSION).Run(data, dest);

    std::string trailer;
    PutLittleEndian32(trailer, static_cast<std::uint32_t>(crc32_z(crc32_z(0, nullptr, 0), raw, data.size())));
    PutLittleEndian32(trailer, static_cast<std::uint32_t>(data.size() & 0xFFFFFFFFu));
    Write(dest, trailer);
}

} // namespace orv
