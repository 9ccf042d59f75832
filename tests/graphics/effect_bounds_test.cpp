// No draw of the pixel engine reads or writes a byte past the pixel block
// of a picture: pictures here end where an inaccessible page begins, and
// each draw runs in a child process, which such a byte would end.

#include "base/graphics/effect.h"
#include "base/graphics/effect_fast.h"

#include "tests/graphics/test_surface.h"
#include "tests/support/child_boxes.h"
#include "tests/support/child_process.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A top-down picture with rows of exactly width pixels, whose last byte is
// the last accessible byte before a page that may not be touched.
class GuardedPicture {
public:
    GuardedPicture(int32_t width, int32_t height, int32_t bpp)
    {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        const size_t page = system.dwPageSize;
        const int32_t stride = width * (bpp / 8);
        const size_t blockBytes = static_cast<size_t>(stride) * height;
        const size_t span = (blockBytes + page - 1) / page * page;
        memory_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, span + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD previous = 0;
        VirtualProtect(memory_ + span, page, PAGE_NOACCESS, &previous);
        for (size_t i = 0; i < blockBytes; ++i)
            memory_[span - blockBytes + i] = static_cast<uint8_t>(0x80 + i % 64);

        BITMAPINFOHEADER header = {};
        header.biSize = sizeof header;
        header.biBitCount = static_cast<WORD>(bpp);
        format_.Analyse(&header);
        lock.base = memory_ + span - blockBytes;
        lock.rect = Rect(0, 0, width, height);
        lock.width = width;
        lock.height = height;
        lock.bitsPerPixel = bpp;
        lock.stride = stride;
        lock.format = &format_;
        lock.row = lock.base;
    }
    ~GuardedPicture() { VirtualFree(memory_, 0, MEM_RELEASE); }
    GuardedPicture(const GuardedPicture&) = delete;
    GuardedPicture& operator=(const GuardedPicture&) = delete;

    BitmapLock lock;

private:
    uint8_t* memory_ = nullptr;
    PixelFormat format_;
};

void DrawOnce(uint32_t type, BitmapLock& destination, BitmapLock& source, const char* name)
{
    const BitmapLock destinationStart = destination;
    const BitmapLock sourceStart = source;
    cEffect effect;
    effect.destination = &destination;
    effect.source = &source;
    effect.constantColour = Colour(0x80FFFFFF);
    effect.Draw(type);
    destination = destinationStart;
    source = sourceStart;
    WriteRaw(std::string(name) + " ok\n");
}

TEST_CHILD(DrawsAtTheEndOfTheirPictures)
{
    cEffect::InitCpu();
    cEffect::OverrideMmx(true);
    {
        // 24-bit pixels: a four-byte read of the last one would touch the
        // page after it.
        GuardedPicture from(4, 2, 24);
        TestSurface to(4, 2, 32);
        DrawOnce(kEffectCopy, to.lock, from.lock, "24 to 32");
        GuardedPicture to24(4, 2, 24);
        TestSurface from32(4, 2, 32);
        DrawOnce(kEffectCopy, to24.lock, from32.lock, "32 to 24");
        GuardedPicture from16(2, 2, 16);
        TestSurface to24Narrow(2, 2, 24);
        DrawOnce(kEffectCopy, to24Narrow.lock, from16.lock, "16 to 24 (source)");
        TestSurface from16Wide(4, 2, 16);
        DrawOnce(kEffectCopy, to24.lock, from16Wide.lock, "16 to 24 (destination)");
        // The generic road with the same pictures.
        DrawOnce(kEffectBlendSourceAlpha, to.lock, from.lock, "generic 24 to 32");
    }
    for (effect_fast::VectorSet set :
         {effect_fast::VectorSet::kNone, effect_fast::VectorSet::kSse2, effect_fast::VectorSet::kAvx2}) {
        if (set > effect_fast::VectorsOffered())
            continue;
        effect_fast::LimitVectors(set);
        // Nine pixels: whole registers, then a pair and a last pixel.
        GuardedPicture to(9, 2, 32);
        GuardedPicture from(9, 2, 32);
        for (uint32_t type = 0; type <= kEffectFill; ++type)
            DrawOnce(type, to.lock, from.lock, ("vectors " + std::to_string(static_cast<int>(set)) + " type " +
                                                std::to_string(type))
                                                   .c_str());
    }
    {
        // Scaled draws read columns and rows up to the source's last.
        GuardedPicture from(5, 3, 32);
        const struct {
            int32_t width, height;
        } sizes[] = {{3, 2}, {7, 5}, {2, 7}, {9, 1}, {1, 9}};
        for (const auto& size : sizes) {
            TestSurface to(size.width, size.height, 32);
            const std::string name = std::to_string(size.width) + "x" + std::to_string(size.height);
            for (uint32_t type : {kEffectCopy, kEffectOpacityBlend, kEffectBlendSourceAlpha})
                DrawOnce(type, to.lock, from.lock, ("scaled to " + name + " type " + std::to_string(type)).c_str());
        }
    }
    WriteRaw("done\n");
    return 0;
}

TEST(EffectBounds, NoDrawTouchesABytePastItsPicture)
{
    const ChildResult child = RunChild("DrawsAtTheEndOfTheirPictures");
    ASSERT_TRUE(child.started);
    EXPECT_EQ(child.exitCode, 0u) << child.output;
    EXPECT_NE(child.output.find("done\n"), std::string::npos) << child.output;
}

} // namespace
