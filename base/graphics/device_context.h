#pragma once

#include "base/util/rect.h"

#include <windows.h>

#include <cstdint>
#include <string>

class Bitmap;
class GdiBrush;
class GdiPen;

// A device context and the drawing calls of the library. It owns nothing:
// MemoryDC, PaintDC and WindowDC below own their contexts. Every drawing
// call gives false without a context.
//
// The shapes (Line, Ellipse, Rectangle, FrameRect, FillRect) draw with the
// current pen and brush the caller set. Where none is set, a temporary one
// of the given colour (a solid pen of width 1, a solid brush) serves for
// that call: it is selected, the shape drawn, the object selected before
// it put back and only then the temporary deleted, so the context never
// holds a deleted object and the current pen or brush stays as it was.
class DeviceContext {
public:
    explicit DeviceContext(HDC dc = nullptr) : dc_(dc) {}

    // Forgets everything; no handle is released.
    void Clear();

    HDC Handle() const { return dc_; }
    HWND Window() const { return window_; }
    void SetCurrentPen(GdiPen* pen) { pen_ = pen; }
    void SetCurrentBrush(GdiBrush* brush) { brush_ = brush; }
    GdiPen* CurrentPen() const { return pen_; }
    GdiBrush* CurrentBrush() const { return brush_; }

    // SRCCOPY of sourceRect of source to (x, y).
    bool BitBlt(const DeviceContext& source, int32_t x, int32_t y, const Rect& sourceRect);
    // Draws an image's pixels; all-zero rects mean the whole image. False
    // when the system copies nothing.
    bool StretchDIBits(const Bitmap& bitmap, const Rect& destination = Rect(), const Rect& source = Rect());
    // Sets lineCount rows from firstLine of the bitmap handle from an
    // image's pixels. False when the system sets fewer rows than asked, or
    // the rows asked are not all in the image.
    bool SetDIBits(const Bitmap* bitmap, HBITMAP target, uint32_t firstLine, uint32_t lineCount);
    HBITMAP CreateDIBSection(const BITMAPINFO* info, void** bits);
    bool SelectObject(HGDIOBJ object);

    bool Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF colour);
    bool Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom, COLORREF penColour, COLORREF brushColour);
    bool Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, COLORREF penColour,
                   COLORREF brushColour);
    bool FrameRect(const Rect& rect, COLORREF colour);
    bool FillRect(const Rect& rect, COLORREF colour);
    bool DrawFocusRect(const Rect& rect);

    // False for an empty text or when nothing is drawn.
    bool DrawText(const std::string& text, Rect& rect, UINT format);
    bool TextOut(const std::string& text, int32_t x, int32_t y);
    bool SetBkMode(int32_t mode);
    bool SetBkColor(COLORREF colour);
    bool SetTextColor(COLORREF colour);
    bool GetTextMetrics(TEXTMETRICA& metrics);
    // GDI_ERROR without a context: the system's own failure value, where 0
    // would read as the size of an empty glyph, a success.
    DWORD GetGlyphOutline(UINT character, UINT format, GLYPHMETRICS& metrics, const MAT2& matrix,
                          DWORD bufferSize = 0, void* buffer = nullptr);
    bool GetCharABCWidths(UINT first, UINT last, ABC* widths);

protected:
    HWND window_ = nullptr;
    int32_t releaseOnDestroy_ = 0;
    HDC dc_ = nullptr;

private:
    template <typename Draw>
    bool WithTools(bool needsPen, bool needsBrush, COLORREF penColour, COLORREF brushColour, Draw draw);

    GdiPen* pen_ = nullptr;     // not owned
    GdiBrush* brush_ = nullptr; // not owned
};

// A memory context, deleted on destruction when it owns it.
class MemoryDC : public DeviceContext {
public:
    explicit MemoryDC(bool owns) : owns_(owns ? 1 : 0) {}
    ~MemoryDC();
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    MemoryDC(MemoryDC&& other) noexcept;
    MemoryDC& operator=(MemoryDC&& other) noexcept;

    // CreateCompatibleDC(compatible); false when a context is held already
    // or none is made.
    bool Create(HDC compatible = nullptr);
    // DeleteDC of the context held; false when none.
    bool Delete();

private:
    int32_t owns_;
};

// The context of BeginPaint, ended on destruction when asked at
// construction.
class PaintDC : public DeviceContext {
public:
    explicit PaintDC(bool releaseOnDestroy) { releaseOnDestroy_ = releaseOnDestroy ? 1 : 0; }
    ~PaintDC();
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    // False when a context is held already or BeginPaint fails.
    bool BeginPaint(HWND window);
    void EndPaint();
    const PAINTSTRUCT& Paint() const { return paint_; }

private:
    PAINTSTRUCT paint_ = {};
};

// A window's context from GetDC, given back on destruction when asked at
// construction.
class WindowDC : public DeviceContext {
public:
    explicit WindowDC(bool releaseOnDestroy) { releaseOnDestroy_ = releaseOnDestroy ? 1 : 0; }
    ~WindowDC();
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC(WindowDC&& other) noexcept;
    WindowDC& operator=(WindowDC&& other) noexcept;

    // False when a context is held already or GetDC fails.
    bool GetDC(HWND window);
    void ReleaseDC();
};
