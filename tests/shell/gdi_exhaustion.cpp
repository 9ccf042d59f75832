#include "tests/shell/gdi_exhaustion.h"

GdiExhaustion::GdiExhaustion()
{
    // Room for the handles first, so the vector itself asks for no memory
    // while the last ones are taken.
    held_.reserve(1 << 17);
    while (HRGN region = CreateRectRgn(0, 0, 1, 1))
        held_.push_back(region);
}

GdiExhaustion::~GdiExhaustion()
{
    GiveBack(held_.size());
}

void GdiExhaustion::GiveBack(size_t count)
{
    for (; count > 0 && !held_.empty(); --count) {
        DeleteObject(held_.back());
        held_.pop_back();
    }
}

size_t GdiObjectsLeft()
{
    return GdiExhaustion().Held();
}
