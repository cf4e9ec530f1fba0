#include "platform/BinaryProperties.h"

#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

TEST(BinaryProperties, WritesNameTypeCountAndBytesAndReadsThemBack) {
    TBinaryPropertyWriter writer;
    writer.WriteBinary("Data", std::string("\x01\x00\xFF", 3));
    writer.WriteBinary("More", "");
    EXPECT_EQ(writer.Data(), std::string("\x04" "Data" "\x0A" "\x03\x00\x00\x00" "\x01\x00\xFF"
                                         "\x04" "More" "\x0A" "\x00\x00\x00\x00", 23));
    EXPECT_EQ(BinToHex(writer.Data().substr(0, 10)), "04446174610A03000000");

    TBinaryPropertyReader reader(writer.Data());
    TBinaryProperty p;
    ASSERT_TRUE(reader.Next(p));
    EXPECT_EQ(p.Name, "Data");
    EXPECT_EQ(p.Value, std::string("\x01\x00\xFF", 3));
    ASSERT_TRUE(reader.Next(p));
    EXPECT_EQ(p.Name, "More");
    EXPECT_EQ(p.Value, "");
    EXPECT_FALSE(reader.Next(p));
    EXPECT_FALSE(reader.Failed());
}

TEST(BinaryProperties, ABlockThatDoesNotReadWholeEndsAndSaysSo) {
    const struct {
        std::string Block;
        bool Failed;
    } cases[] = {
        {"", false},
        {std::string(1, '\0'), false},                             // an empty name ends the list
        {"\x04" "Dat", true},                                      // name cut short
        {"\x04" "Data", true},                                     // no type byte
        {std::string("\x04" "Data" "\x06" "\x01\x00\x00\x00" "x", 11), true},  // a type not read here
        {std::string("\x04" "Data" "\x0A" "\x02\x00", 8), true},               // count cut short
        {std::string("\x04" "Data" "\x0A" "\x05\x00\x00\x00" "abc", 12), true},  // bytes cut short
    };
    for (const auto& c : cases) {
        TBinaryPropertyReader reader(c.Block);
        TBinaryProperty p;
        EXPECT_FALSE(reader.Next(p)) << c.Block.size();
        EXPECT_EQ(reader.Failed(), c.Failed) << c.Block.size();
    }
}

TEST(BinaryProperties, NamesAreCheckedAndHexDigitsRead) {
    TBinaryPropertyWriter writer;
    EXPECT_THROW(writer.WriteBinary("", "x"), Exception);
    EXPECT_THROW(writer.WriteBinary(std::string(256, 'a'), "x"), Exception);
    std::string data;
    EXPECT_TRUE(HexToBin("00aFff", data));
    EXPECT_EQ(data, std::string("\x00\xAF\xFF", 3));
    EXPECT_FALSE(HexToBin("0", data));
    EXPECT_FALSE(HexToBin("0g", data));
}

}  // namespace
}  // namespace orv
