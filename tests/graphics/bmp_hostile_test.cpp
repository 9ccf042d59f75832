// Damaged and hostile BMP blocks: each is refused, and nothing outside the
// block is ever read.

#include "base/graphics/bitmap.h"
#include "base/graphics/bmp_layout.h"

#include "tests/graphics/bmp_fixtures.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// A copy of bytes that ends right where an inaccessible page begins, so a
// read past its end faults at once.
class GuardedBlock {
public:
    explicit GuardedBlock(const std::string& bytes)
    {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        const size_t page = info.dwPageSize;
        pages_ = (bytes.size() + page - 1) / page + 1;
        base_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, pages_ * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base_ + (pages_ - 1) * page, page, PAGE_NOACCESS, &old);
        data_ = base_ + (pages_ - 1) * page - bytes.size();
        std::memcpy(data_, bytes.data(), bytes.size());
    }
    ~GuardedBlock() { VirtualFree(base_, 0, MEM_RELEASE); }
    GuardedBlock(const GuardedBlock&) = delete;
    GuardedBlock& operator=(const GuardedBlock&) = delete;

    const uint8_t* Data() const { return data_; }

private:
    uint8_t* base_ = nullptr;
    uint8_t* data_ = nullptr;
    size_t pages_ = 0;
};

struct HostileCase {
    const char* name;
    BmpFields fields;
};

std::vector<HostileCase> HostileCases()
{
    std::vector<HostileCase> cases;
    auto add = [&](const char* name, auto change) {
        BmpFields fields;
        change(fields);
        cases.push_back({name, fields});
    };
    add("no BM", [](BmpFields& f) { f.magic[0] = 'M'; });
    add("shorter than the headers", [](BmpFields& f) { f.size = 53; });
    add("only the file header", [](BmpFields& f) { f.size = 14; });
    add("pixel offset beyond the block", [](BmpFields& f) { f.pixelOffset = 0x10000; f.size = 70; });
    add("pixel offset at 2^32 - 1", [](BmpFields& f) { f.pixelOffset = 0xFFFFFFFF; f.size = 70; });
    add("pixel offset inside the headers", [](BmpFields& f) { f.pixelOffset = 20; f.size = 54 + 16; });
    add("rows one byte short", [](BmpFields& f) { f.size = f.SoundSize() - 1; });
    add("width 0", [](BmpFields& f) { f.width = 0; f.size = 70; });
    add("height 0", [](BmpFields& f) { f.height = 0; f.size = 70; });
    add("negative width", [](BmpFields& f) { f.width = -2; f.size = 70; });
    add("negative height (top-down rows)", [](BmpFields& f) { f.height = -2; f.size = 70; });
    add("huge width", [](BmpFields& f) { f.width = 0x7FFFFFFF; f.size = 70; });
    add("huge height", [](BmpFields& f) { f.height = 0x7FFFFFFF; f.size = 70; });
    add("stride beyond 32 bits", [](BmpFields& f) { f.width = 0x20000000; f.height = 16; f.size = 70; });
    add("stride x height wraps to 0 in 32 bits", [](BmpFields& f) { f.width = 0x4000; f.height = 0x10000; f.size = 70; });
    add("depth 0", [](BmpFields& f) { f.bitCount = 0; });
    add("depth 1", [](BmpFields& f) { f.bitCount = 1; f.pixelOffset = 62; });
    add("depth 4", [](BmpFields& f) { f.bitCount = 4; f.pixelOffset = 118; });
    add("depth 48", [](BmpFields& f) { f.bitCount = 48; });
    add("257 colours", [](BmpFields& f) { f.bitCount = 8; f.coloursUsed = 257; f.pixelOffset = 54 + 4 * 257; });
    add("2^32 - 1 colours", [](BmpFields& f) { f.bitCount = 8; f.coloursUsed = 0xFFFFFFFF; f.pixelOffset = 54 + 1024; });
    add("8 bpp, 0 colours means 256 and they do not fit",
        [](BmpFields& f) { f.bitCount = 8; f.coloursUsed = 0; f.pixelOffset = 54 + 1020; });
    add("8 bpp, 16 colours do not fit", [](BmpFields& f) { f.bitCount = 8; f.coloursUsed = 16; f.pixelOffset = 54 + 60; });
    add("24 bpp, a stated table does not fit", [](BmpFields& f) { f.bitCount = 24; f.coloursUsed = 4; f.pixelOffset = 54 + 12; });
    add("16 bpp bit fields without room for the masks",
        [](BmpFields& f) { f.bitCount = 16; f.compression = BI_BITFIELDS; f.pixelOffset = 54 + 8; });
    add("run-length compression", [](BmpFields& f) { f.bitCount = 8; f.compression = BI_RLE8; f.pixelOffset = 54 + 1024; });
    add("bit fields on 24 bpp", [](BmpFields& f) { f.bitCount = 24; f.compression = BI_BITFIELDS; f.pixelOffset = 66; });
    add("information header under 40 bytes", [](BmpFields& f) { f.headerSize = 12; });
    add("information header beyond the pixels", [](BmpFields& f) { f.headerSize = 124; });
    add("information header size 2^32 - 1", [](BmpFields& f) { f.headerSize = 0xFFFFFFFF; });
    return cases;
}

TEST(HostileBmp, AttachRefusesEachWithInvalidValue)
{
    for (const HostileCase& c : HostileCases()) {
        SCOPED_TRACE(c.name);
        Bitmap image;
        EXPECT_FALSE(AttachCopy(image, c.fields.Bytes()));
        EXPECT_EQ(image.GetError(), Error::kInvalidValue);
        EXPECT_FALSE(image.HasImage());
        EXPECT_EQ(image.Pixels(), nullptr);
        EXPECT_FALSE(image.Lock());
        EXPECT_EQ(image.GetError(), Error::kNullPointer);
    }
}

TEST(HostileBmp, ReadingTheHeadersNeverLeavesTheBlock)
{
    for (const HostileCase& c : HostileCases()) {
        SCOPED_TRACE(c.name);
        const std::string bytes = c.fields.Bytes();
        GuardedBlock guarded(bytes);
        BmpLayout layout;
        EXPECT_FALSE(ReadBmpLayout(guarded.Data(), bytes.size(), true, layout));
        EXPECT_EQ(layout.width, 0);
    }
    // Every cut of a sound 8-bpp image: only the whole block is accepted.
    BmpFields sound;
    sound.bitCount = 8;
    sound.coloursUsed = 3;
    sound.pixelOffset = 66;
    const std::string bytes = sound.Bytes();
    for (size_t size = 0; size <= bytes.size(); ++size) {
        GuardedBlock guarded(bytes.substr(0, size));
        BmpLayout layout;
        EXPECT_EQ(ReadBmpLayout(guarded.Data(), size, true, layout), size == bytes.size()) << size;
    }
}

TEST(HostileBmp, AnAcceptedImageStaysInsideItsBlock)
{
    // The smallest sound images of each depth: every pixel operation walks
    // exactly the block.
    for (uint16_t bpp : {8, 16, 24, 32}) {
        SCOPED_TRACE(bpp);
        BmpFields fields;
        fields.bitCount = bpp;
        fields.width = 1;
        fields.height = 1;
        fields.coloursUsed = bpp == 8 ? 1 : 0;
        fields.pixelOffset = bpp == 8 ? 58 : 54;
        const std::string bytes = fields.Bytes();
        Bitmap image;
        ASSERT_TRUE(AttachCopy(image, bytes));
        EXPECT_EQ(image.Pixels() + image.Stride(), image.Block() + image.BlockSize());
        EXPECT_EQ(image.UsableTableEntries(), bpp == 8 ? 1 : 0);
        EXPECT_FALSE(image.SetPaletteEntry(bpp == 8 ? 1 : 0, 1, 2, 3));
        EXPECT_EQ(image.GetError(), Error::kAreaCheckError);
    }
}

} // namespace
