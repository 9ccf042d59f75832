// Blank images, images attached from memory and written to files.

#include "base/graphics/bitmap.h"

#include "base/util/byte_writer.h"
#include "tests/graphics/bmp_fixtures.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

uint32_t U32At(const std::string& block, size_t at)
{
    uint32_t value = 0;
    std::memcpy(&value, block.data() + at, 4);
    return value;
}

uint16_t U16At(const std::string& block, size_t at)
{
    uint16_t value = 0;
    std::memcpy(&value, block.data() + at, 2);
    return value;
}

// Files whose pixels do not follow a 40-byte header directly.
BmpFields SpareBytesBeforePixels()
{
    BmpFields fields;
    fields.bitCount = 24;
    fields.pixelOffset = 70;
    return fields;
}

BmpFields LongInformationHeader()
{
    BmpFields fields;
    fields.headerSize = 108;
    fields.pixelOffset = 122;
    return fields;
}

TEST(BitmapCreate, WritesTheFileImageOfEachDepth)
{
    struct Case {
        int32_t width, height, bpp, colours;
        size_t blockSize;
        uint32_t pixelOffset;
        int32_t rowBytes, stride;
        uint32_t compression, coloursUsed;
        int32_t colourCount;
    };
    const Case cases[] = {
        {10, 2, 24, 0, 118, 54, 30, 32, 0, 0, 256},
        {3, 1, 16, 0, 74, 66, 6, 8, 3, 0, 256},
        {4, 4, 8, 256, 54 + 1024 + 16, 54 + 1024, 4, 4, 0, 0, 256},
        {5, 3, 8, 16, 54 + 64 + 24, 54 + 64, 5, 8, 0, 16, 16},
        {3, 2, 32, 0, 54 + 24, 54, 12, 12, 0, 0, 256},
        {0, 0, 32, 0, 54, 54, 0, 0, 0, 0, 256},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + "x" + std::to_string(c.bpp));
        Bitmap image;
        ASSERT_TRUE(image.Create(c.width, c.height, c.bpp, c.colours));
        EXPECT_EQ(image.GetError(), 0);
        EXPECT_EQ(image.RowBytes(), c.rowBytes);
        EXPECT_EQ(image.Stride(), c.stride);
        EXPECT_EQ(image.ColourCount(), c.colourCount);
        EXPECT_TRUE(image.ImageRect().Equals(0, 0, c.width, c.height));
        EXPECT_EQ(image.Pixels(), image.Block() + c.pixelOffset);
        EXPECT_EQ(image.Header(), image.Block() + 14);
        EXPECT_EQ(image.ColourTable(), image.Block() + 54);

        const std::string block = BlockOf(image);
        ASSERT_EQ(block.size(), c.blockSize);
        // The headers field by field, the 16-bpp masks, then zeros.
        std::string expected;
        AppendU16LE(expected, 0x4D42); // "BM"
        AppendU32LE(expected, static_cast<uint32_t>(c.blockSize));
        AppendU32LE(expected, 0); // reserved
        AppendU32LE(expected, c.pixelOffset);
        AppendU32LE(expected, 40); // information header size
        AppendI32LE(expected, c.width);
        AppendI32LE(expected, c.height);
        AppendU16LE(expected, 1); // planes
        AppendU16LE(expected, static_cast<uint16_t>(c.bpp));
        AppendU32LE(expected, c.compression);
        expected.append(12, '\0'); // image size, resolution
        AppendU32LE(expected, c.coloursUsed);
        AppendU32LE(expected, 0); // important colours
        if (c.bpp == 16) {
            AppendU32LE(expected, 0x7C00);
            AppendU32LE(expected, 0x03E0);
            AppendU32LE(expected, 0x001F);
        }
        expected.resize(c.blockSize, '\0');
        EXPECT_EQ(block, expected);
    }
}

TEST(BitmapCreate, BadArgumentsFailAndKeepTheImage)
{
    struct Case {
        const char* name;
        int32_t width, height, bpp, colours;
    };
    const Case cases[] = {
        {"depth 12", 4, 4, 12, 0},
        {"depth 0", 4, 4, 0, 0},
        {"depth 1", 4, 4, 1, 0},
        {"negative width", -1, 4, 32, 0},
        {"negative height", 4, -1, 32, 0},
        {"257 colours", 4, 4, 8, 257},
        {"negative colours", 4, 4, 8, -1},
        {"stride beyond 32 bits", 0x20000000, 1, 32, 0},
        {"rows beyond 32 bits", 0x10000, 0x10000, 32, 0},
        {"block just beyond 32 bits", 0x7FFFFFFF - 53, 1, 8, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap image;
        ASSERT_TRUE(image.Create(2, 2, 24, 0));
        uint8_t* block = image.Block();
        EXPECT_FALSE(image.Create(c.width, c.height, c.bpp, c.colours));
        EXPECT_EQ(image.GetError(), Error::kInvalidValue);
        EXPECT_EQ(image.Message(), "Invalid value;");
        EXPECT_EQ(image.Block(), block);
        EXPECT_EQ(image.Width(), 2);
    }
}

TEST(BitmapCreate, ZeroColoursMeanAFullTable)
{
    Bitmap image;
    ASSERT_TRUE(image.Create(2, 2, 8, 0));
    EXPECT_EQ(image.ColourCount(), 256);
    EXPECT_EQ(image.BlockSize(), 54u + 1024 + 8);
}

TEST(BitmapAttach, ReadsBackWhatCreateWrote)
{
    for (int32_t bpp : {8, 16, 24, 32}) {
        SCOPED_TRACE(bpp);
        Bitmap made;
        ASSERT_TRUE(made.Create(5, 3, bpp, 256));
        Bitmap attached;
        ASSERT_TRUE(AttachCopy(attached, BlockOf(made)));
        EXPECT_EQ(attached.Width(), 5);
        EXPECT_EQ(attached.Height(), 3);
        EXPECT_EQ(attached.BitsPerPixel(), bpp);
        EXPECT_EQ(attached.Stride(), made.Stride());
        EXPECT_EQ(attached.ColourCount(), 256);
        EXPECT_EQ(attached.Pixels() - attached.Block(), made.Pixels() - made.Block());
        EXPECT_EQ(attached.Format().bitsPerPixel, bpp);
        EXPECT_EQ(attached.Format().colourMask, made.Format().colourMask);
    }
}

TEST(BitmapAttach, NullIsAPointerError)
{
    Bitmap image;
    EXPECT_FALSE(image.Attach(nullptr, 100));
    EXPECT_EQ(image.GetError(), Error::kNullPointer);
}

TEST(BitmapAttach, ItsOwnBlockAgainIsKept)
{
    Bitmap image;
    ASSERT_TRUE(image.Create(3, 2, 32, 0));
    Set32(image, 2, 1, 0x00ABCDEF);
    ASSERT_TRUE(image.Attach(image.Block(), image.BlockSize()));
    EXPECT_EQ(Get32(image, 2, 1), 0x00ABCDEFu);
}

TEST(BitmapAttach, AcceptsWhatFilesMayHoldBetweenHeaderAndPixels)
{
    struct Case {
        const char* name;
        BmpFields fields;
        uint32_t tableOffset;
        int32_t usableEntries;
    };
    BmpFields smallTable;
    smallTable.bitCount = 8;
    smallTable.coloursUsed = 2;
    smallTable.pixelOffset = 62;
    BmpFields fields32;
    fields32.compression = BI_BITFIELDS;
    fields32.pixelOffset = 66;
    const Case cases[] = {
        {"24 bpp with 16 spare bytes", SpareBytesBeforePixels(), 54, 4},
        {"108-byte header", LongInformationHeader(), 122, 0},
        {"8 bpp with 2 colours", smallTable, 54, 2},
        {"32 bpp with bit fields", fields32, 54, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bytes = c.fields.Bytes();
        Bitmap image;
        ASSERT_TRUE(AttachCopy(image, bytes)) << image.GetError();
        EXPECT_EQ(image.Pixels(), image.Block() + c.fields.pixelOffset);
        EXPECT_EQ(image.ColourTable(), image.Block() + c.tableOffset);
        EXPECT_EQ(image.UsableTableEntries(), c.usableEntries);
        // The picture's top-left pixel is the first byte of the last row.
        const int32_t stride = image.Stride();
        EXPECT_EQ(image.PixelAddress(0, 0), image.Pixels() + stride * (c.fields.height - 1));
    }
}

TEST(BitmapSave, WritesTheBlockByteForByte)
{
    TempDir dir;
    std::vector<std::string> blocks;
    for (int32_t bpp : {8, 16, 24, 32}) {
        Bitmap made;
        made.Create(3, 2, bpp, bpp == 8 ? 7 : 0);
        for (int64_t i = 0; i < int64_t{made.Stride()} * made.Height(); ++i)
            made.Pixels()[i] = static_cast<uint8_t>(i + 1);
        if (bpp == 8)
            made.SetPaletteEntry(6, 1, 2, 3);
        blocks.push_back(BlockOf(made));
    }
    blocks.push_back(SpareBytesBeforePixels().Bytes());
    blocks.push_back(LongInformationHeader().Bytes());

    for (const std::string& block : blocks) {
        SCOPED_TRACE(U16At(block, 28));
        Bitmap image;
        ASSERT_TRUE(AttachCopy(image, block));
        const std::string path = dir.File("saved.bmp");
        ASSERT_TRUE(image.SaveBmp(path));
        std::string file;
        ASSERT_TRUE(ReadWholeFile(path, file));
        EXPECT_EQ(file, block);
        EXPECT_EQ(U32At(file, 2), file.size());
    }
}

TEST(BitmapSave, FailuresNameTheirCause)
{
    TempDir dir;
    Bitmap empty;
    EXPECT_FALSE(empty.SaveBmp(dir.File("none.bmp")));
    EXPECT_EQ(empty.GetError(), Error::kNullPointer);

    Bitmap image;
    ASSERT_TRUE(image.Create(2, 2, 32, 0));
    EXPECT_FALSE(image.SaveBmp(""));
    EXPECT_EQ(image.GetError(), Error::kNullPointer);
    EXPECT_FALSE(image.SaveBmp(dir.File("no such folder\\x.bmp")));
    EXPECT_EQ(image.GetError(), Error::kOpenFailed);
    EXPECT_TRUE(image.SaveBmp(dir.File("x.bmp")));
    EXPECT_EQ(image.GetError(), 0);
}

TEST(BitmapRelease, ForgetsEverything)
{
    Bitmap image;
    ASSERT_TRUE(image.Create(4, 4, 16, 0));
    image.SetFillColour(Colour(0xFFFFFFFF));
    ASSERT_TRUE(image.Lock());
    image.Release();
    EXPECT_FALSE(image.HasImage());
    EXPECT_EQ(image.Pixels(), nullptr);
    EXPECT_EQ(image.ColourTable(), nullptr);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Stride(), 0);
    EXPECT_EQ(image.ColourCount(), 0);
    EXPECT_EQ(image.GetFillValue(), 0);
    EXPECT_FALSE(image.IsLocked());
    EXPECT_EQ(image.ClassName(), "Bitmap");
    image.Release();
}

TEST(Bitmap, MovesKeepTheImageAndItsLockWorking)
{
    std::vector<Bitmap> frames;
    for (int32_t i = 0; i < 20; ++i) {
        frames.emplace_back();
        ASSERT_TRUE(frames.back().Create(3, 3, 32, 0));
        Set32(frames.back(), 1, 1, 0x1000u + static_cast<uint32_t>(i));
    }
    ASSERT_TRUE(frames[0].Lock());
    frames.emplace_back(); // moves the locked image
    for (int32_t i = 0; i < 20; ++i)
        EXPECT_EQ(Get32(frames[static_cast<size_t>(i)], 1, 1), 0x1000u + static_cast<uint32_t>(i));
    EXPECT_EQ(frames[0].LockView().format, &frames[0].Format());
    EXPECT_TRUE(frames[0].Unlock());

    Bitmap taken = std::move(frames[1]);
    EXPECT_FALSE(frames[1].HasImage());
    EXPECT_EQ(Get32(taken, 1, 1), 0x1001u);
    taken = std::move(frames[2]);
    EXPECT_EQ(Get32(taken, 1, 1), 0x1002u);
}

} // namespace
