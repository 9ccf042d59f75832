#include "base/graphics/gdi_object.h"

#include "base/graphics/bitmap.h"

#include <cstring>
#include <utility>

GdiObject::GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

GdiObject& GdiObject::operator=(GdiObject&& other) noexcept
{
    if (this != &other) {
        Delete();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

void GdiObject::Delete()
{
    if (handle_)
        DeleteObject(handle_);
    handle_ = nullptr;
}

bool GdiObject::CreatePalette(const Bitmap* bitmap)
{
    if (!bitmap)
        return false;
    if (bitmap->BitsPerPixel() != 8)
        return true;
    Delete();
    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[256];
    } palette = {};
    palette.version = 0x300;
    palette.count = 256;
    const uint8_t* table = bitmap->ColourTable();
    for (int32_t i = 0; i < bitmap->UsableTableEntries(); ++i) {
        const uint8_t* quad = table + 4 * i; // blue, green, red, reserved
        palette.entries[i] = PALETTEENTRY{quad[2], quad[1], quad[0], PC_RESERVED};
    }
    LOGPALETTE* logical = reinterpret_cast<LOGPALETTE*>(&palette);
    handle_ = ::CreatePalette(logical);
    return handle_ != nullptr;
}

GdiPen::GdiPen(GdiPen&& other) noexcept
    : pen_(std::exchange(other.pen_, nullptr)),
      colour_(std::exchange(other.colour_, 0)),
      width_(std::exchange(other.width_, 0)),
      style_(std::exchange(other.style_, 0))
{
}

GdiPen& GdiPen::operator=(GdiPen&& other) noexcept
{
    if (this != &other) {
        Release();
        pen_ = std::exchange(other.pen_, nullptr);
        colour_ = std::exchange(other.colour_, 0);
        width_ = std::exchange(other.width_, 0);
        style_ = std::exchange(other.style_, 0);
    }
    return *this;
}

bool GdiPen::Create(COLORREF colour, int32_t width, int32_t style)
{
    Release();
    pen_ = CreatePen(style, width, colour);
    if (pen_) {
        colour_ = colour;
        width_ = width;
        style_ = style;
    }
    return pen_ != nullptr;
}

void GdiPen::Release()
{
    if (pen_)
        DeleteObject(pen_);
    pen_ = nullptr;
    colour_ = 0;
    width_ = style_ = 0;
}

GdiBrush::GdiBrush(GdiBrush&& other) noexcept
    : brush_(std::exchange(other.brush_, nullptr)),
      colour_(std::exchange(other.colour_, 0)),
      system_(std::exchange(other.system_, false))
{
}

GdiBrush& GdiBrush::operator=(GdiBrush&& other) noexcept
{
    if (this != &other) {
        Release();
        brush_ = std::exchange(other.brush_, nullptr);
        colour_ = std::exchange(other.colour_, 0);
        system_ = std::exchange(other.system_, false);
    }
    return *this;
}

bool GdiBrush::CreateSolid(COLORREF colour)
{
    Release();
    colour_ = colour;
    brush_ = CreateSolidBrush(colour);
    return brush_ != nullptr;
}

bool GdiBrush::CreateSystem(int32_t index)
{
    Release();
    colour_ = GetSysColor(index);
    brush_ = GetSysColorBrush(index);
    system_ = brush_ != nullptr;
    return brush_ != nullptr;
}

void GdiBrush::Release()
{
    if (brush_ && !system_)
        DeleteObject(brush_);
    brush_ = nullptr;
    colour_ = 0;
    system_ = false;
}
