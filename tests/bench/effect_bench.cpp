// Prints the 32-bit copy and fill rates of the pixel engine and of
// memcpy/memset on the same buffers, at a frame size and at 4096 x 4096.

#include "base/graphics/effect.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

double Seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A bottom-up 32-bit picture, as the image class holds one.
struct Picture {
    Picture(int32_t w, int32_t h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0x80402010u)
    {
        format.Set(32, 0xFF000000, 0xFF0000, 0xFF00, 0xFF);
    }
    BitmapLock& Lock()
    {
        lock.base = reinterpret_cast<uint8_t*>(pixels.data());
        lock.rect = Rect(0, 0, width, height);
        lock.width = width;
        lock.height = height;
        lock.bitsPerPixel = 32;
        lock.stride = width * 4;
        lock.format = &format;
        lock.bottomUp = 1;
        lock.row = lock.PixelAt(0, 0, true);
        return lock;
    }
    size_t Bytes() const { return pixels.size() * 4; }

    int32_t width, height;
    std::vector<uint32_t> pixels;
    PixelFormat format;
    BitmapLock lock;
};

// Runs work until at least minimum seconds have passed; megabytes a second.
template <typename Work> double Rate(size_t bytes, double minimum, Work work)
{
    int rounds = 0;
    const double start = Seconds();
    double elapsed = 0;
    do {
        work();
        ++rounds;
        elapsed = Seconds() - start;
    } while (elapsed < minimum);
    return static_cast<double>(bytes) * rounds / elapsed / 1e6;
}

void Measure(int32_t width, int32_t height)
{
    Picture from(width, height);
    Picture to(width, height);
    cEffect effect;
    effect.constantColour = Colour(0x0000FF00);
    const double minimum = 1.0;

    const double engineCopy = Rate(to.Bytes(), minimum, [&] {
        effect.destination = &to.Lock();
        effect.source = &from.Lock();
        effect.Draw(kEffectCopy);
    });
    const double libraryCopy =
        Rate(to.Bytes(), minimum, [&] { std::memcpy(to.pixels.data(), from.pixels.data(), to.Bytes()); });
    // The generic road reads a source even for a fill, so one is given.
    const double engineFill = Rate(to.Bytes(), minimum, [&] {
        effect.destination = &to.Lock();
        effect.source = &from.Lock();
        effect.Draw(kEffectFill);
    });
    const double libraryFill = Rate(to.Bytes(), minimum, [&] { std::memset(to.pixels.data(), 0x5A, to.Bytes()); });

    std::printf("%dx%d  copy: engine %8.1f MB/s  memcpy %8.1f MB/s  ratio %.3f\n", width, height, engineCopy,
                libraryCopy, engineCopy / libraryCopy);
    std::printf("%dx%d  fill: engine %8.1f MB/s  memset %8.1f MB/s  ratio %.3f\n", width, height, engineFill,
                libraryFill, engineFill / libraryFill);
    // Keeps the buffers' last contents observable.
    std::printf("  (check %08x)\n", static_cast<unsigned>(to.pixels[static_cast<size_t>(width) * height / 2]));
}

} // namespace

int main()
{
    cEffect::InitCpu();
    std::printf("MMX %s; fast route for the copy: %s\n", cEffect::HasMmx() ? "yes" : "no",
                cEffect::HasMmx() ? "planned (taken once written)" : "none");
    Measure(500, 450);
    Measure(4096, 4096);
    return 0;
}
