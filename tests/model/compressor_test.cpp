#include "model/Compressor.h"

#include "model/LoadingMessages.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cctype>
#include <functional>
#include <sstream>
#include <string>

namespace orv {
namespace {

const std::string kXml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                         "<TfrxReport Version=\"5.1.12\">\r\n"
                         "  <TfrxReportPage Name=\"Page1\"/>\r\n"
                         "</TfrxReport>\r\n";

std::string Pack(const std::string& data, TfrxCompressedDocument document = TfrxCompressedDocument::Template)
{
    TfrxGZipCompressor compressor(document);
    compressor.Stream() << data;
    std::ostringstream out;
    compressor.Compress(out);
    return out.str();
}

std::uint32_t BigEndian32(const std::string& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

std::uint32_t LittleEndian32(const std::string& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 4; i-- > 0;)
        v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

// What any gzip reader makes of the bytes (zlib's own gzip decoding).
std::string Gunzip(const std::string& packed)
{
    z_stream s{};
    EXPECT_EQ(inflateInit2(&s, 16 + MAX_WBITS), Z_OK);
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    s.avail_in = static_cast<uInt>(packed.size());
    std::string out(1 << 20, '\0');
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&s, Z_FINISH), Z_STREAM_END);
    out.resize(s.total_out);
    inflateEnd(&s);
    return out;
}

TEST(GZipCompressor, WritesTheContainerLayout)
{
    const std::string packed = Pack(kXml);
    ASSERT_GT(packed.size(), 24u);
    EXPECT_EQ(packed.substr(0, 4), std::string("\x1F\x8B\x08\x08", 4));
    const auto* raw = reinterpret_cast<const Bytef*>(kXml.data());
    EXPECT_EQ(BigEndian32(packed, 4), adler32(1, raw, static_cast<uInt>(kXml.size())));
    EXPECT_EQ(packed.substr(8, 8), std::string("\0\0" "1.fr3\0", 8));
    EXPECT_EQ(LittleEndian32(packed, packed.size() - 8), crc32(0, raw, static_cast<uInt>(kXml.size())));
    EXPECT_EQ(LittleEndian32(packed, packed.size() - 4), kXml.size());
    // A valid gzip file: its CRC-32 and size are checked by this reader.
    EXPECT_EQ(Gunzip(packed), kXml);
}

TEST(GZipCompressor, PreparedReportsCarryTheirOwnFileName)
{
    const std::string packed = Pack(kXml, TfrxCompressedDocument::PreparedReport);
    EXPECT_EQ(packed.substr(10, 6), std::string("1.fp3\0", 6));
    EXPECT_EQ(Gunzip(packed), kXml);
}

TEST(GZipCompressor, UnpacksWhatItPacked)
{
    for (const std::string& data : {kXml, std::string(), std::string(300000, 'x') + kXml}) {
        std::istringstream in(Pack(data));
        TfrxGZipCompressor compressor(TfrxCompressedDocument::Template);
        ASSERT_TRUE(compressor.Decompress(in));
        EXPECT_EQ(compressor.Stream().str(), data);
        EXPECT_EQ(compressor.Stream().tellg(), 0);
    }
}

TEST(GZipCompressor, LeavesOtherStreamsAlone)
{
    for (const std::string& text : {kXml, std::string("\x1F"), std::string()}) {
        std::istringstream in("ab" + text);
        in.seekg(2);
        TfrxGZipCompressor compressor(TfrxCompressedDocument::Template);
        EXPECT_FALSE(compressor.Decompress(in));
        EXPECT_EQ(in.tellg(), 2);
        EXPECT_TRUE(compressor.Stream().str().empty());
    }
}

TEST(GZipCompressor, StartsAtTheStreamsPosition)
{
    std::istringstream in("prefix" + Pack(kXml));
    in.seekg(6);
    TfrxGZipCompressor compressor(TfrxCompressedDocument::Template);
    ASSERT_TRUE(compressor.Decompress(in));
    EXPECT_EQ(compressor.Stream().str(), kXml);
}

// Offset of the deflate data in a container written by Pack.
constexpr std::size_t kDataAt = 16;

struct BadContainer {
    const char* name;
    std::function<std::string()> make;
    std::string message;
    TfrxUnpackLimits limits = kDefaultUnpackLimits;
};

void PrintTo(const BadContainer& c, std::ostream* os)
{
    *os << c.name;
}

std::string Edited(std::size_t at, char byte)
{
    std::string b = Pack(kXml);
    b[at] = byte;
    return b;
}

const std::string kTruncated = msg::ContainerTruncated;
// Where the cut falls decides which fault inflating meets first.
const std::string kAnyFault;

const BadContainer kBadContainers[] = {
    {"signature only", [] { return Pack(kXml).substr(0, 2); }, kTruncated},
    {"header only", [] { return Pack(kXml).substr(0, 12); }, kTruncated},
    {"name cut", [] { return Pack(kXml).substr(0, 14); }, kTruncated},
    {"cut in the data", [] { return Pack(kXml).substr(0, kDataAt + 20); }, kAnyFault},
    {"trailer lost",
     [] {
         std::string b = Pack(kXml);
         return b.substr(0, b.size() - 8);
     },
     kAnyFault},
    {"name without end",
     [] {
         std::string b = Pack(kXml);
         for (std::size_t i = 10; i < b.size(); ++i)
             if (b[i] == '\0') b[i] = 'n';
         return b;
     },
     kTruncated},
    {"method", [] { return Edited(2, 7); }, "The container's compression method 7 is not deflate"},
    {"extra field", [] { return Edited(3, 8 | 4); }, "The container's header flags 12 are not supported"},
    {"comment", [] { return Edited(3, 8 | 16); }, "The container's header flags 24 are not supported"},
    {"wrong checksum", [] { return Edited(7, static_cast<char>(Pack(kXml)[7] ^ 0x55)); }, msg::ContainerChecksum},
    {"bad block type", [] { return Edited(kDataAt, 0x07); },
     "The container's compressed data are corrupt (invalid block type)"},
    {"bytes between data and trailer",
     [] {
         std::string b = Pack(kXml);
         return b.substr(0, b.size() - 8) + b.substr(4, 4) + "xyz" + b.substr(b.size() - 8);
     },
     "The container's compressed data end 7 bytes before its trailer"},
    {"beyond the size limit", [] { return Pack(std::string(3u << 20, 'a')); },
     "The container unpacks to more than the limit of 2 MiB", {2u << 20, 100000, 0}},
    {"beyond the expansion ratio", [] { return Pack(std::string(8u << 20, '\0')); },
     "The container unpacks to more than 400 times its compressed size"},
};

class GZipCompressorRejects : public ::testing::TestWithParam<BadContainer> {};

TEST_P(GZipCompressorRejects, WithItsMessage)
{
    std::istringstream in(GetParam().make());
    TfrxGZipCompressor compressor(TfrxCompressedDocument::Template);
    compressor.SetLimits(GetParam().limits);
    try {
        compressor.Decompress(in);
        ADD_FAILURE() << "unpacked";
    } catch (const EDecompressError& e) {
        if (GetParam().message.empty())
            EXPECT_TRUE(std::string(e.what()).starts_with("The container")) << e.what();
        else
            EXPECT_EQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Containers, GZipCompressorRejects, ::testing::ValuesIn(kBadContainers),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(CompressorClass, IsTheLastCompressorComponentAlive)
{
    const TfrxCompressorClass before = CompressorClass();
    {
        TfrxGZipCompressor first(nullptr);
        ASSERT_NE(CompressorClass(), nullptr);
        {
            TfrxGZipCompressor second(nullptr);
            EXPECT_NE(CompressorClass(), nullptr);
        }
        auto compressor = CompressorClass()(TfrxCompressedDocument::Template);
        std::istringstream in(Pack(kXml));
        ASSERT_TRUE(compressor->Decompress(in));
        EXPECT_EQ(compressor->Stream().str(), kXml);
    }
    EXPECT_EQ(CompressorClass(), before);
    // A working compressor does not register its class.
    TfrxGZipCompressor working(TfrxCompressedDocument::Template);
    EXPECT_EQ(CompressorClass(), before);
}

} // namespace
} // namespace orv
