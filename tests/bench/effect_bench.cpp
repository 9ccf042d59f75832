// Prints the 32-bit copy, fill and blend rates of the pixel engine next to
// memcpy/memset on the same buffers, at a frame size and at 4096 x 4096.

#include "base/util/library_options.h"
#include "base/graphics/effect.h"
#include "base/graphics/effect_fast.h"
#include "tests/support/seconds_clock.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// A bottom-up 32-bit picture, as the image class holds one.
struct Picture {
    Picture(int32_t w, int32_t h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0x80402010u)
    {
        format.Set(32, 0xFF000000, 0xFF0000, 0xFF00, 0xFF);
    }
    // The whole picture, or with inset the rectangle that many pixels in
    // from each edge, whose rows do not follow one another in memory.
    BitmapLock& Lock(int32_t inset = 0)
    {
        lock.base = reinterpret_cast<uint8_t*>(pixels.data());
        lock.rect = Rect(inset, inset, width - inset, height - inset);
        lock.width = width;
        lock.height = height;
        lock.bitsPerPixel = 32;
        lock.stride = width * 4;
        lock.format = &format;
        lock.bottomUp = 1;
        lock.row = lock.PixelAt(inset, inset, true);
        return lock;
    }
    size_t Bytes(int32_t inset = 0) const { return static_cast<size_t>(width - 2 * inset) * (height - 2 * inset) * 4; }

    int32_t width, height;
    std::vector<uint32_t> pixels;
    PixelFormat format;
    BitmapLock lock;
};

// Runs work for at least minimum seconds in five slices and gives the
// megabytes a second of the fastest slice, so that a slice slowed by other
// work on the machine does not count.
template <typename Work> double Rate(size_t bytes, double minimum, Work work)
{
    double best = 0;
    for (int slice = 0; slice < 5; ++slice) {
        int rounds = 0;
        const double start = SecondsNow();
        double elapsed = 0;
        do {
            work();
            ++rounds;
            elapsed = SecondsNow() - start;
        } while (elapsed < minimum / 5);
        const double rate = static_cast<double>(bytes) * rounds / elapsed / 1e6;
        if (rate > best)
            best = rate;
    }
    return best;
}

// The engine's rate for one effect, re-locking both pictures before each
// draw (blends move the locks' row positions).
double EngineRate(Picture& to, Picture* from, uint32_t type, uint32_t constant, double minimum, int32_t inset = 0)
{
    cEffect effect;
    effect.constantColour = Colour(constant);
    return Rate(to.Bytes(inset), minimum, [&] {
        effect.destination = &to.Lock(inset);
        effect.source = from ? &from->Lock(inset) : nullptr;
        effect.Draw(type);
    });
}

const char* NameOf(effect_fast::VectorSet set)
{
    switch (set) {
    case effect_fast::VectorSet::kSse2:
        return "SSE2";
    case effect_fast::VectorSet::kAvx2:
        return "AVX2";
    default:
        return "scalar";
    }
}

// The engine's rates with the routines limited to each instruction set the
// processor offers, next to the C library's on the same buffers.
void Measure(int32_t width, int32_t height)
{
    Picture from(width, height);
    Picture to(width, height);
    const double minimum = 0.5;

    const double libraryCopy =
        Rate(to.Bytes(), minimum, [&] { std::memcpy(to.pixels.data(), from.pixels.data(), to.Bytes()); });
    const double libraryFill = Rate(to.Bytes(), minimum, [&] { std::memset(to.pixels.data(), 0x5A, to.Bytes()); });
    std::printf("%dx%d  memcpy %8.1f MB/s  memset %8.1f MB/s\n", width, height, libraryCopy, libraryFill);

    const effect_fast::VectorSet sets[] = {effect_fast::VectorSet::kNone, effect_fast::VectorSet::kSse2,
                                           effect_fast::VectorSet::kAvx2};
    for (effect_fast::VectorSet set : sets) {
        if (set > effect_fast::VectorsOffered())
            continue;
        effect_fast::LimitVectors(set);
        std::printf(" %s\n", NameOf(set));
        const double copy = EngineRate(to, &from, kEffectCopy, 0, minimum);
        const double fill = EngineRate(to, nullptr, kEffectFill, 0x0000FF00, minimum);
        const double innerCopy = EngineRate(to, &from, kEffectCopy, 0, minimum, 1);
        const double innerFill = EngineRate(to, nullptr, kEffectFill, 0x0000FF00, minimum, 1);
        std::printf("  copy      %8.1f MB/s  %.2f of memcpy\n", copy, copy / libraryCopy);
        std::printf("  fill      %8.1f MB/s  %.2f of memset\n", fill, fill / libraryFill);
        // Row by row: a rectangle one pixel in from every edge.
        std::printf("  copy rows %8.1f MB/s  %.2f of memcpy\n", innerCopy, innerCopy / libraryCopy);
        std::printf("  fill rows %8.1f MB/s  %.2f of memset\n", innerFill, innerFill / libraryFill);
        // Every source pixel is half transparent, so no pair is skipped or
        // copied: each blend does its full arithmetic on every pixel.
        for (uint32_t type = kEffectBlendSourceAlpha; type <= kEffectInvert; ++type) {
            from.pixels.assign(from.pixels.size(), 0x80402010u);
            const double blend = EngineRate(to, &from, type, 0x80C06040u, minimum);
            std::printf("  blend %u   %8.1f MB/s  %.2f of memcpy\n", static_cast<unsigned>(type), blend,
                        blend / libraryCopy);
        }
    }
    effect_fast::LimitVectors(effect_fast::VectorSet::kAvx2);
    // Keeps the buffers' last contents observable.
    std::printf("  (check %08x)\n", static_cast<unsigned>(to.pixels[static_cast<size_t>(width) * height / 2]));
}

} // namespace

int main()
{
    SetLibraryOptions(kStandardLibraryOptions);
    cEffect::InitCpu();
    std::printf("MMX %s (%s road); vector forms offered: %s\n", cEffect::HasMmx() ? "yes" : "no",
                cEffect::HasMmx() ? "fast" : "generic", NameOf(effect_fast::VectorsOffered()));
    Measure(500, 450);
    Measure(4096, 4096);
    return 0;
}
