#include "base/io/pack_file_base.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/io/archive_fixtures.h"
#include "tests/support/temp_dir.h"

namespace {

class Zlc3FileTest : public testing::Test {
protected:
    TempDir dir_;
    const std::string source_ = dir_.File("source.bin");
    const std::string packed_ = dir_.File("packed.zlc");
    const std::string unpacked_ = dir_.File("unpacked.bin");
};

TEST_F(Zlc3FileTest, PackedFilesUnpackToTheirSource)
{
    for (const std::string& plain : {std::string(), Pattern(20000, 4)}) {
        SCOPED_TRACE(plain.size());
        ASSERT_TRUE(WriteWholeFile(source_, plain));
        PackFileBase codec;
        ASSERT_TRUE(codec.ZlcCompressFile(source_, packed_, 6));
        std::string block;
        ASSERT_TRUE(ReadWholeFile(packed_, block));
        EXPECT_EQ(block.substr(0, 8), "ZLC3" + U32LE(static_cast<uint32_t>(plain.size())));
        ASSERT_TRUE(codec.ZlcDecompressFile(packed_, unpacked_));
        std::string back;
        ASSERT_TRUE(ReadWholeFile(unpacked_, back));
        EXPECT_EQ(back, plain);
    }
}

TEST_F(Zlc3FileTest, UnpackingTakesBytesFourToSevenAsTheSizeWhateverTheMagic)
{
    const std::string plain = Pattern(3000, 8);
    ASSERT_TRUE(WriteWholeFile(packed_, "ABCD" + PackZlc3(plain).substr(4)));
    PackFileBase codec;
    ASSERT_TRUE(codec.ZlcDecompressFile(packed_, unpacked_));
    std::string back;
    ASSERT_TRUE(ReadWholeFile(unpacked_, back));
    EXPECT_EQ(back, plain);
    EXPECT_EQ(codec.Size(), 3000);
}

TEST_F(Zlc3FileTest, FailuresWriteNoDestination)
{
    const std::string good = PackZlc3(Pattern(3000, 8));
    const struct {
        const char* what;
        std::string block;
    } damaged[] = {
        {"shorter than the header", "ZLC3\x01"},
        {"empty", ""},
        {"wrong size", WithStatedSize(good, 3001)},
        {"cut short", good.substr(0, good.size() - 1)},
    };
    for (const auto& c : damaged) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteWholeFile(packed_, c.block));
        PackFileBase codec;
        EXPECT_FALSE(codec.ZlcDecompressFile(packed_, unpacked_));
        EXPECT_EQ(GetFileAttributesA(unpacked_.c_str()), INVALID_FILE_ATTRIBUTES);
    }

    PackFileBase codec;
    ASSERT_TRUE(WriteWholeFile(source_, Noise(100000, 1)));
    EXPECT_FALSE(codec.ZlcCompressFile(source_, packed_ + "2", 9)) << "noise does not fit length + 12";
    EXPECT_EQ(GetFileAttributesA((packed_ + "2").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(codec.ZlcCompressFile(dir_.File("missing"), packed_ + "3", 9));
    EXPECT_FALSE(codec.ZlcDecompressFile(dir_.File("missing"), unpacked_));
}

TEST(Zlc3Memory, CompressGivesTheBareStreamAndInflateNeedsItsExactSize)
{
    const std::string plain = Pattern(5000, 6);
    PackFileBase codec;
    HeapBuffer stream = codec.ZlcCompress(plain.data(), plain.size(), 9);
    ASSERT_TRUE(stream);
    const int32_t streamSize = codec.Size();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(stream.Get()), streamSize),
              PackZlc3(plain).substr(8)) << "no header, the same stream";

    HeapBuffer back = codec.ZlcInflate(stream.Get(), streamSize, 5000);
    ASSERT_TRUE(back);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(back.Get()), 5000), plain);
    EXPECT_EQ(codec.Size(), 5000);
    EXPECT_EQ(codec.InflatedLength(), 5000);
    EXPECT_FALSE(codec.ZlcInflate(stream.Get(), streamSize, 4999));
    EXPECT_FALSE(codec.ZlcInflate(stream.Get(), streamSize, 5001));
}

} // namespace
