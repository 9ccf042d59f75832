#include "base/graphics/dib_surface.h"

#include <utility>

// The surface deletes its context itself, after taking the section out.
DibSurface::DibSurface() : context_(false) {}

DibSurface::~DibSurface()
{
    Release();
}

DibSurface::DibSurface(DibSurface&& other) noexcept : context_(false)
{
    MoveFrom(other);
}

DibSurface& DibSurface::operator=(DibSurface&& other) noexcept
{
    if (this != &other) {
        Release();
        MoveFrom(other);
    }
    return *this;
}

void DibSurface::MoveFrom(DibSurface& other)
{
    section_ = std::exchange(other.section_, nullptr);
    palette_ = std::move(other.palette_);
    context_ = std::move(other.context_);
    image_ = std::move(other.image_);
}

void DibSurface::Release()
{
    // Deleting the context first frees the section from it.
    context_.Delete();
    context_.Clear();
    if (section_)
        DeleteObject(section_);
    section_ = nullptr;
    palette_.Delete();
    image_.Release();
}

bool DibSurface::Build(const Bitmap& source)
{
    Release();
    void* bits = nullptr;
    bool built = source.Pixels() && context_.Create();
    if (built) {
        section_ = context_.CreateDIBSection(source.Info(), &bits);
        built = section_ && bits;
    }
    built = built && palette_.CreatePalette(&source);
    // The rows go in before the section is selected: the system sets the
    // bits of a bitmap that no context holds.
    built = built && context_.SetDIBits(&source, section_, 0, static_cast<uint32_t>(source.Height()));
    built = built && context_.SelectObject(section_);
    built = built && image_.CopyHeaders(source);
    if (!built) {
        Release();
        return false;
    }
    image_.UseForeignPixels(static_cast<uint8_t*>(bits));
    return true;
}

bool DibSurface::BuildBlank(int32_t width, int32_t height, int32_t bitsPerPixel)
{
    Bitmap blank;
    return blank.Create(width, height, bitsPerPixel, 256) && Build(blank);
}

bool DibSurface::BuildFromFile(PackSource source)
{
    Bitmap loaded;
    return loaded.Load(std::move(source)) && Build(loaded);
}

bool DibSurface::BuildFromResource(uint16_t id, const char* type)
{
    Bitmap loaded;
    return loaded.LoadFromResource(id, type) && Build(loaded);
}
