#include "base/io/zlc3.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/io/archive_fixtures.h"

namespace {

std::string Inflate(const std::string& block, bool& ok)
{
    ZlcBlockView view;
    ok = false;
    if (!ReadZlcHeader(block.data(), block.size(), view))
        return std::string();
    HeapBuffer plain = ZlcInflateToBlock(view.stream, view.streamSize, view.plainSize);
    ok = static_cast<bool>(plain);
    return ok ? std::string(reinterpret_cast<const char*>(plain.Get()), view.plainSize) : std::string();
}

TEST(Zlc3Block, PackedDataInflatesBackWithTheHeaderTellingItsSize)
{
    const std::string cases[] = {
        std::string(),
        std::string("x"),
        std::string("The quick brown fox jumps over the lazy dog. ", 3),
        Pattern(70000, 7),
        std::string(4 * 1024 * 1024, '\0'), // close to deflate's largest ratio
    };
    for (const std::string& plain : cases) {
        SCOPED_TRACE(plain.size());
        const std::string block = PackZlc3(plain);
        ASSERT_GE(block.size(), kZlcHeaderSize);
        EXPECT_TRUE(HasZlcMagic(block.data(), block.size()));
        ZlcBlockView view;
        ASSERT_TRUE(ReadZlcHeader(block.data(), block.size(), view));
        EXPECT_EQ(view.plainSize, plain.size());
        EXPECT_EQ(view.streamSize, block.size() - kZlcHeaderSize);
        bool ok = false;
        EXPECT_EQ(Inflate(block, ok), plain);
        EXPECT_TRUE(ok);
    }
}

TEST(Zlc3Block, DataThatDoesNotShrinkCannotBePackedUnlessItIsTiny)
{
    size_t size = 0;
    const std::string noise = Noise(65536, 3);
    EXPECT_FALSE(ZlcPackBlock(noise.data(), noise.size(), 9, size));
    EXPECT_EQ(size, 0u);
    // The room of 12 bytes past the source covers the stream's own overhead.
    const std::string few = Noise(4, 3);
    EXPECT_TRUE(ZlcPackBlock(few.data(), few.size(), 9, size));
}

TEST(Zlc3Block, DamagedBlocksGiveNothing)
{
    const std::string plain = Pattern(5000, 1);
    const std::string good = PackZlc3(plain);
    struct Case {
        const char* what;
        std::string block;
    } cases[] = {
        {"stated size one short", WithStatedSize(good, 4999)},
        {"stated size one over", WithStatedSize(good, 5001)},
        {"stated size zero", WithStatedSize(good, 0)},
        {"stated size 4 GB", WithStatedSize(good, 0xFFFFFFFFu)},
        {"stream cut by one byte", good.substr(0, good.size() - 1)},
        {"stream cut in half", good.substr(0, kZlcHeaderSize + (good.size() - kZlcHeaderSize) / 2)},
        {"header only", good.substr(0, kZlcHeaderSize)},
        {"byte flipped inside the stream", Flipped(good, good.size() / 2)},
        {"checksum flipped", Flipped(good, good.size() - 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool ok = true;
        EXPECT_EQ(Inflate(c.block, ok), std::string());
        EXPECT_FALSE(ok);
    }
}

TEST(Zlc3Block, BlockShorterThanItsHeaderHasNoHeader)
{
    ZlcBlockView view;
    EXPECT_FALSE(ReadZlcHeader("ZLC3\x10\0\0", 7, view));
    EXPECT_EQ(view.stream, nullptr);
    EXPECT_TRUE(HasZlcMagic("ZLC3", 4));
    EXPECT_FALSE(HasZlcMagic("ZLC", 3));
    EXPECT_FALSE(HasZlcMagic("zlc3", 4));
}

TEST(Zlc3Block, StatedSizesBeyondDeflatesReachAreRefusedUpFront)
{
    EXPECT_TRUE(IsPlausiblePlainSize(1032, 1));
    EXPECT_FALSE(IsPlausiblePlainSize(1033, 1));
    EXPECT_FALSE(IsPlausiblePlainSize(1, 0));
    EXPECT_TRUE(IsPlausiblePlainSize(0, 0));
    EXPECT_FALSE(IsPlausiblePlainSize(0x80000000u, 0x7FFFFFFF)) << "sizes stay within 32-bit signed";
}

} // namespace
