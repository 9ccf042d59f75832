// Prints the time to cut a window shape from a 500 x 450 picture by the
// image's own method (rows gathered into pieces merged pairwise) and by one
// OR per run, on a standing character and on noise, with their ratio.
// Each time is the median of a few builds after one to warm up (the run
// by run build of the noise takes seconds, so it is timed once).

#include "base/util/library_options.h"
#include "base/graphics/bitmap.h"
#include "base/window/region.h"

#include "tests/graphics/region_masks.h"
#include "tests/support/seconds_clock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <typename Build> double MedianSeconds(int rounds, Build build)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const double start = SecondsNow();
        build();
        times.push_back(SecondsNow() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Compare(const char* name, Bitmap& image, int referenceRounds)
{
    Region fast, reference;
    image.BuildRegion(kMaskKey, fast);
    const double fastSeconds = MedianSeconds(5, [&] { image.BuildRegion(kMaskKey, fast); });
    const double referenceSeconds =
        MedianSeconds(referenceRounds, [&] { BuildRegionRunByRun(image, kMaskKey, reference); });
    const DWORD rects = (GetRegionData(fast.Handle(), 0, nullptr) - sizeof(RGNDATAHEADER)) / sizeof(RECT);
    std::printf("%-9s %6lu rects  merged pieces %9.3f ms  run by run %10.3f ms  ratio %6.1f  %s\n", name, rects,
                fastSeconds * 1e3, referenceSeconds * 1e3, referenceSeconds / fastSeconds,
                EqualRgn(fast.Handle(), reference.Handle()) ? "equal" : "DIFFERENT");
}

} // namespace

int main()
{
    SetLibraryOptions(kStandardLibraryOptions);
    Bitmap warmUp, character, noise;
    PaintFigureMask(warmUp, 50, 45);
    PaintFigureMask(character, 500, 450);
    PaintNoiseMask(noise, 500, 450, 500, 12345);
    Compare("warm-up", warmUp, 3);
    Compare("character", character, 5);
    Compare("noise", noise, 1);
    return 0;
}
