#include "base/graphics/device_context.h"

#include "base/graphics/bitmap.h"
#include "base/graphics/gdi_object.h"

#include <utility>

namespace {

// Selects object into dc for one scope and selects back what it replaced.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection()
    {
        if (previous_)
            ::SelectObject(dc_, previous_);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace

void DeviceContext::Clear()
{
    window_ = nullptr;
    releaseOnDestroy_ = 0;
    dc_ = nullptr;
    pen_ = nullptr;
    brush_ = nullptr;
}

bool DeviceContext::BitBlt(const DeviceContext& source, int32_t x, int32_t y, const Rect& sourceRect)
{
    if (!dc_ || !source.dc_)
        return false;
    return ::BitBlt(dc_, x, y, sourceRect.Width(), sourceRect.Height(), source.dc_, sourceRect.left, sourceRect.top,
                    SRCCOPY) != FALSE;
}

bool DeviceContext::StretchDIBits(const Bitmap& bitmap, const Rect& destination, const Rect& source)
{
    if (!dc_ || !bitmap.Pixels())
        return false;
    Rect to = destination;
    Rect from = source;
    to.SetIfEmpty(bitmap.ImageRect());
    from.SetIfEmpty(bitmap.ImageRect());
    const int lines = ::StretchDIBits(dc_, to.left, to.top, to.Width(), to.Height(), from.left, from.top, from.Width(),
                                      from.Height(), bitmap.Pixels(), bitmap.Info(), DIB_RGB_COLORS, SRCCOPY);
    return lines != 0 && lines != static_cast<int>(GDI_ERROR);
}

bool DeviceContext::SetDIBits(const Bitmap* bitmap, HBITMAP target, uint32_t firstLine, uint32_t lineCount)
{
    // The system reads lineCount rows from the image's pixels.
    if (!dc_ || !bitmap || !bitmap->Pixels() || lineCount > static_cast<uint32_t>(bitmap->Height()))
        return false;
    // 0 is the system's failure; fewer rows than asked leave part of the
    // target unset, which is no copy either.
    const int lines = ::SetDIBits(dc_, target, firstLine, lineCount, bitmap->Pixels(), bitmap->Info(), DIB_RGB_COLORS);
    return lines > 0 && static_cast<uint32_t>(lines) == lineCount;
}

HBITMAP DeviceContext::CreateDIBSection(const BITMAPINFO* info, void** bits)
{
    if (!dc_)
        return nullptr;
    return ::CreateDIBSection(dc_, info, DIB_RGB_COLORS, bits, nullptr, 0);
}

bool DeviceContext::SelectObject(HGDIOBJ object)
{
    if (!dc_)
        return false;
    ::SelectObject(dc_, object);
    return true;
}

template <typename Draw>
bool DeviceContext::WithTools(bool needsPen, bool needsBrush, COLORREF penColour, COLORREF brushColour, Draw draw)
{
    if (!dc_)
        return false;
    GdiPen temporaryPen;
    GdiBrush temporaryBrush;
    GdiPen* pen = pen_;
    GdiBrush* brush = brush_;
    if (needsPen && !pen) {
        temporaryPen.Create(penColour, 1, PS_SOLID);
        pen = &temporaryPen;
    }
    if (needsBrush && !brush) {
        temporaryBrush.CreateSolid(brushColour);
        brush = &temporaryBrush;
    }
    // Declared after the temporaries, so they are put out of the context
    // before they are deleted.
    ScopedSelection penSelection(dc_, needsPen && pen == &temporaryPen ? temporaryPen.Handle() : nullptr);
    ScopedSelection brushSelection(dc_, needsBrush && brush == &temporaryBrush ? temporaryBrush.Handle() : nullptr);
    if (needsPen && pen != &temporaryPen)
        ::SelectObject(dc_, pen->Handle());
    if (needsBrush && brush != &temporaryBrush)
        ::SelectObject(dc_, brush->Handle());
    return draw(brush ? brush->Handle() : nullptr);
}

bool DeviceContext::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF colour)
{
    return WithTools(true, false, colour, 0, [&](HBRUSH) {
        return MoveToEx(dc_, x1, y1, nullptr) && LineTo(dc_, x2, y2);
    });
}

bool DeviceContext::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom, COLORREF penColour,
                            COLORREF brushColour)
{
    return WithTools(true, true, penColour, brushColour,
                     [&](HBRUSH) { return ::Ellipse(dc_, left, top, right, bottom) != FALSE; });
}

bool DeviceContext::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, COLORREF penColour,
                              COLORREF brushColour)
{
    return WithTools(true, true, penColour, brushColour,
                     [&](HBRUSH) { return ::Rectangle(dc_, left, top, right, bottom) != FALSE; });
}

bool DeviceContext::FrameRect(const Rect& rect, COLORREF colour)
{
    const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    return WithTools(false, true, 0, colour, [&](HBRUSH brush) { return ::FrameRect(dc_, &area, brush) != 0; });
}

bool DeviceContext::FillRect(const Rect& rect, COLORREF colour)
{
    const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    return WithTools(false, true, 0, colour, [&](HBRUSH brush) { return ::FillRect(dc_, &area, brush) != 0; });
}

bool DeviceContext::DrawFocusRect(const Rect& rect)
{
    const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    return dc_ && ::DrawFocusRect(dc_, &area) != FALSE;
}

bool DeviceContext::DrawText(const std::string& text, Rect& rect, UINT format)
{
    if (!dc_ || text.empty())
        return false;
    RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    const int height = ::DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &area, format);
    rect = Rect(area.left, area.top, area.right, area.bottom);
    return height != 0;
}

bool DeviceContext::TextOut(const std::string& text, int32_t x, int32_t y)
{
    if (!dc_ || text.empty())
        return false;
    return ::TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size())) != FALSE;
}

bool DeviceContext::SetBkMode(int32_t mode)
{
    if (!dc_)
        return false;
    ::SetBkMode(dc_, mode);
    return true;
}

bool DeviceContext::SetBkColor(COLORREF colour)
{
    if (!dc_)
        return false;
    ::SetBkColor(dc_, colour);
    return true;
}

bool DeviceContext::SetTextColor(COLORREF colour)
{
    if (!dc_)
        return false;
    ::SetTextColor(dc_, colour);
    return true;
}

bool DeviceContext::GetTextMetrics(TEXTMETRICA& metrics)
{
    return dc_ && ::GetTextMetricsA(dc_, &metrics) != FALSE;
}

DWORD DeviceContext::GetGlyphOutline(UINT character, UINT format, GLYPHMETRICS& metrics, const MAT2& matrix,
                                     DWORD bufferSize, void* buffer)
{
    if (!dc_)
        return GDI_ERROR;
    return ::GetGlyphOutlineA(dc_, character, format, &metrics, bufferSize, buffer, &matrix);
}

bool DeviceContext::GetCharABCWidths(UINT first, UINT last, ABC* widths)
{
    return dc_ && widths && ::GetCharABCWidthsA(dc_, first, last, widths) != FALSE;
}

MemoryDC::~MemoryDC()
{
    if (owns_)
        Delete();
    Clear();
}

MemoryDC::MemoryDC(MemoryDC&& other) noexcept : DeviceContext(other), owns_(other.owns_)
{
    other.Clear();
}

MemoryDC& MemoryDC::operator=(MemoryDC&& other) noexcept
{
    if (this != &other) {
        if (owns_)
            Delete();
        DeviceContext::operator=(other);
        owns_ = other.owns_;
        other.Clear();
    }
    return *this;
}

bool MemoryDC::Create(HDC compatible)
{
    if (dc_)
        return false;
    dc_ = CreateCompatibleDC(compatible);
    return dc_ != nullptr;
}

bool MemoryDC::Delete()
{
    if (!dc_)
        return false;
    DeleteDC(dc_);
    dc_ = nullptr;
    return true;
}

PaintDC::~PaintDC()
{
    if (releaseOnDestroy_)
        EndPaint();
    Clear();
}

bool PaintDC::BeginPaint(HWND window)
{
    if (dc_)
        return false;
    dc_ = ::BeginPaint(window, &paint_);
    if (dc_)
        window_ = window;
    return dc_ != nullptr;
}

void PaintDC::EndPaint()
{
    if (dc_)
        ::EndPaint(window_, &paint_);
    dc_ = nullptr;
    window_ = nullptr;
}

WindowDC::~WindowDC()
{
    if (releaseOnDestroy_)
        ReleaseDC();
    Clear();
}

WindowDC::WindowDC(WindowDC&& other) noexcept : DeviceContext(other)
{
    other.Clear();
}

WindowDC& WindowDC::operator=(WindowDC&& other) noexcept
{
    if (this != &other) {
        if (releaseOnDestroy_)
            ReleaseDC();
        DeviceContext::operator=(other);
        other.Clear();
    }
    return *this;
}

bool WindowDC::GetDC(HWND window)
{
    if (dc_)
        return false;
    dc_ = ::GetDC(window);
    if (dc_)
        window_ = window;
    return dc_ != nullptr;
}

void WindowDC::ReleaseDC()
{
    if (dc_)
        ::ReleaseDC(window_, dc_);
    dc_ = nullptr;
    window_ = nullptr;
}
