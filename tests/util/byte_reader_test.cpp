#include "base/util/byte_reader.h"
#include "base/util/byte_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const uint8_t kBytes[] = {0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};

TEST(ByteReader, ReadsLittleEndianValuesInOrder)
{
    ByteReader reader(kBytes, sizeof kBytes);
    uint16_t word = 0;
    uint32_t dword = 0;
    int32_t negative = 0;
    ASSERT_TRUE(reader.ReadU16LE(word));
    EXPECT_EQ(word, 0x0201);
    ASSERT_TRUE(reader.Seek(0));
    ASSERT_TRUE(reader.ReadU32LE(dword));
    EXPECT_EQ(dword, 0x04030201u);
    ASSERT_TRUE(reader.ReadI32LE(negative));
    EXPECT_EQ(negative, -1);
    EXPECT_EQ(reader.Remaining(), 1u);
    EXPECT_TRUE(reader.Ok());
}

TEST(ByteReader, ReadPastTheEndFailsWithoutMovingOrLeakingBytes)
{
    ByteReader reader(kBytes, sizeof kBytes);
    ASSERT_TRUE(reader.Seek(7));
    uint32_t value = 0xDEADBEEF;
    EXPECT_FALSE(reader.ReadU32LE(value));
    EXPECT_EQ(value, 0u) << "a failed read hands out 0, never stale or outside bytes";
    EXPECT_EQ(reader.Position(), 7u);
    EXPECT_FALSE(reader.Ok());
    uint8_t byte = 0;
    EXPECT_TRUE(reader.ReadU8(byte)) << "a later read that fits still works";
    EXPECT_EQ(byte, 0xFF);
    EXPECT_FALSE(reader.Ok()) << "the failure stays visible";
}

TEST(ByteReader, OffsetsThatWouldWrapAreRefused)
{
    ByteReader reader(kBytes, sizeof kBytes);
    uint8_t block[4] = {};
    const size_t huge = static_cast<size_t>(-2);
    EXPECT_FALSE(reader.BytesAt(4, block, huge));
    EXPECT_FALSE(reader.BytesAt(huge, block, 4));
    EXPECT_FALSE(reader.Skip(huge));
    EXPECT_FALSE(reader.Seek(sizeof kBytes + 1));
    EXPECT_TRUE(reader.Seek(sizeof kBytes)) << "the end itself is a valid position";
    const uint8_t* view = kBytes;
    EXPECT_FALSE(reader.View(1, view));
    EXPECT_EQ(view, nullptr);
    EXPECT_TRUE(reader.View(0, view));
}

TEST(ByteReader, NullBufferReadsAsEmpty)
{
    ByteReader reader(nullptr, 100);
    uint8_t byte = 1;
    EXPECT_EQ(reader.Size(), 0u);
    EXPECT_FALSE(reader.ReadU8(byte));
    EXPECT_EQ(byte, 0);
}

TEST(ByteReader, AbsoluteReadsLeaveThePositionAlone)
{
    ByteReader reader(kBytes, sizeof kBytes);
    uint16_t word = 0;
    ASSERT_TRUE(reader.U16LEAt(4, word));
    EXPECT_EQ(word, 0xFFFF);
    EXPECT_EQ(reader.Position(), 0u);
    uint8_t copy[3] = {};
    ASSERT_TRUE(reader.ReadBytes(copy, 3));
    EXPECT_EQ(copy[2], 0x03);
}

TEST(ByteWriter, StoresWhatTheReaderReadsBack)
{
    uint8_t bytes[10] = {};
    StoreU16LE(bytes, 0xBEEF);
    StoreU32LE(bytes + 2, 0x04030201u);
    StoreI32LE(bytes + 6, -2);
    const uint8_t expected[10] = {0xEF, 0xBE, 0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(std::memcmp(bytes, expected, sizeof bytes), 0) << "little-endian whatever the build";

    ByteReader reader(bytes, sizeof bytes);
    uint16_t word = 0;
    uint32_t dword = 0;
    int32_t negative = 0;
    EXPECT_TRUE(reader.ReadU16LE(word) && reader.ReadU32LE(dword) && reader.ReadI32LE(negative));
    EXPECT_EQ(word, 0xBEEF);
    EXPECT_EQ(dword, 0x04030201u);
    EXPECT_EQ(negative, -2);
}

TEST(ByteWriter, AppendsTheStoredBytesToVectorsAndStrings)
{
    const uint8_t expected[10] = {0xEF, 0xBE, 0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0xFF, 0xFF};
    std::vector<uint8_t> vector = {0x55};
    AppendU16LE(vector, 0xBEEF);
    AppendU32LE(vector, 0x04030201u);
    AppendI32LE(vector, -2);
    ASSERT_EQ(vector.size(), 11u);
    EXPECT_EQ(vector[0], 0x55) << "what was there stays in front";
    EXPECT_EQ(std::memcmp(vector.data() + 1, expected, sizeof expected), 0);

    std::string text = "x";
    AppendU16LE(text, 0xBEEF);
    AppendU32LE(text, 0x04030201u);
    AppendI32LE(text, -2);
    EXPECT_EQ(text, "x" + std::string(reinterpret_cast<const char*>(expected), sizeof expected));
}

} // namespace
