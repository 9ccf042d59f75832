#pragma once

#include <windows.h>

#include <cstdint>

class Bitmap;

// Owners of GDI objects. Each deletes what it holds when it goes; they move
// but never copy, so no handle is deleted twice.

// One GDI object of any kind.
class GdiObject {
public:
    GdiObject() = default;
    ~GdiObject() { Delete(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept;
    GdiObject& operator=(GdiObject&& other) noexcept;

    // DeleteObject of the held handle; the handle is forgotten.
    void Delete();
    // A palette from an 8-bpp image's colour table (256 entries, those
    // beyond the image's count 0, each marked PC_RESERVED). An image of
    // another depth needs none: nothing is made and the result is true.
    // False for a missing image or when no palette is made.
    bool CreatePalette(const Bitmap* bitmap);

    HGDIOBJ Handle() const { return handle_; }

private:
    HGDIOBJ handle_ = nullptr;
};

// A pen with the colour, width and style it was made with.
class GdiPen {
public:
    GdiPen() = default;
    ~GdiPen() { Release(); }
    GdiPen(const GdiPen&) = delete;
    GdiPen& operator=(const GdiPen&) = delete;
    GdiPen(GdiPen&& other) noexcept;
    GdiPen& operator=(GdiPen&& other) noexcept;

    // Deletes the pen held, then makes CreatePen(style, width, colour);
    // true when made.
    bool Create(COLORREF colour, int32_t width, int32_t style);
    // Deletes the pen; every field 0.
    void Release();

    HPEN Handle() const { return pen_; }
    COLORREF Colour() const { return colour_; }
    int32_t Width() const { return width_; }
    int32_t Style() const { return style_; }

private:
    HPEN pen_ = nullptr;
    COLORREF colour_ = 0;
    int32_t width_ = 0;
    int32_t style_ = 0;
};

// A solid brush, or the system's brush of a system colour.
class GdiBrush {
public:
    GdiBrush() = default;
    ~GdiBrush() { Release(); }
    GdiBrush(const GdiBrush&) = delete;
    GdiBrush& operator=(const GdiBrush&) = delete;
    GdiBrush(GdiBrush&& other) noexcept;
    GdiBrush& operator=(GdiBrush&& other) noexcept;

    // Deletes the brush held, then makes a solid brush of colour.
    bool CreateSolid(COLORREF colour);
    // Deletes the brush held, then takes the system's brush of the system
    // colour index. That brush belongs to the system and is never deleted.
    bool CreateSystem(int32_t index);
    // Deletes the brush when it is one of ours; handle and colour 0.
    void Release();

    HBRUSH Handle() const { return brush_; }
    COLORREF Colour() const { return colour_; }

private:
    HBRUSH brush_ = nullptr;
    COLORREF colour_ = 0;
    bool system_ = false;
};
