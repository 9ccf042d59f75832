#include "base/window/region.h"

#include <utility>

Region::Region(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    CreateRect(left, top, right, bottom);
}

Region::~Region()
{
    Release();
}

Region::Region(Region&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), lastResult_(std::exchange(other.lastResult_, ERROR))
{
}

Region& Region::operator=(Region&& other) noexcept
{
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, nullptr);
        lastResult_ = std::exchange(other.lastResult_, ERROR);
    }
    return *this;
}

bool Region::CreateRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    // Replacing the handle without deleting it would leak a GDI object on
    // every call.
    HRGN created = CreateRectRgn(left, top, right, bottom);
    if (handle_)
        DeleteObject(handle_);
    handle_ = created;
    return handle_ != nullptr;
}

void Region::Release()
{
    if (handle_)
        DeleteObject(handle_);
    handle_ = nullptr;
    lastResult_ = ERROR;
}

int32_t Region::Combine(const Region& other, Region* destination, int32_t mode)
{
    if (destination || mode != kCopy) {
        HRGN target = destination ? destination->handle_ : handle_;
        lastResult_ = CombineRgn(target, handle_, other.handle_, mode);
    } else {
        lastResult_ = CombineRgn(handle_, other.handle_, nullptr, RGN_COPY);
    }
    return lastResult_;
}

HRGN Region::Detach()
{
    lastResult_ = ERROR;
    return std::exchange(handle_, nullptr);
}
