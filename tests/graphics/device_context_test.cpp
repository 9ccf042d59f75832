// The device-context wrappers and GDI objects on real memory contexts: each
// draws into a DIB section whose pixels the test reads back.

#include "base/graphics/device_context.h"
#include "base/graphics/dib_surface.h"
#include "base/graphics/gdi_object.h"

#include "tests/graphics/bmp_fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// A 32-bpp surface of the given size, white, with reads in COLORREF form.
class Canvas {
public:
    Canvas(int32_t width = 20, int32_t height = 20)
    {
        EXPECT_TRUE(surface.BuildBlank(width, height, 32));
        Clear(RGB(255, 255, 255));
    }
    DeviceContext& Dc() { return surface.Context(); }
    HDC Handle() { return surface.Context().Handle(); }
    COLORREF At(int32_t x, int32_t y)
    {
        GdiFlush();
        const uint32_t pixel = Get32(surface.Image(), x, y);
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    void Clear(COLORREF colour)
    {
        const uint32_t pixel = static_cast<uint32_t>(GetRValue(colour)) << 16 |
                               static_cast<uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
        for (int32_t y = 0; y < surface.Image().Height(); ++y)
            for (int32_t x = 0; x < surface.Image().Width(); ++x)
                Set32(surface.Image(), x, y, pixel);
    }
    int32_t Count(COLORREF colour)
    {
        int32_t count = 0;
        for (int32_t y = 0; y < surface.Image().Height(); ++y)
            for (int32_t x = 0; x < surface.Image().Width(); ++x)
                count += At(x, y) == colour;
        return count;
    }

    DibSurface surface;
};

TEST(DeviceContext, ShapesDrawWithTemporaryToolsAndPutBackWhatWasSelected)
{
    struct Case {
        const char* name;
        std::function<bool(DeviceContext&)> draw;
        int32_t edgeX, edgeY;     // a pixel of the outline
        COLORREF edge;
        int32_t insideX, insideY; // a pixel of the inside
        COLORREF inside;
    };
    const Case cases[] = {
        {"Rectangle", [](DeviceContext& dc) { return dc.Rectangle(2, 2, 12, 10, kRed, kBlue); }, 2, 5, kRed, 6, 6,
         kBlue},
        {"Ellipse", [](DeviceContext& dc) { return dc.Ellipse(2, 2, 18, 18, kRed, kBlue); }, 10, 2, kRed, 10, 10,
         kBlue},
        {"Line", [](DeviceContext& dc) { return dc.Line(1, 5, 15, 5, kRed); }, 8, 5, kRed, 8, 6, RGB(255, 255, 255)},
        {"FillRect", [](DeviceContext& dc) { return dc.FillRect(Rect(3, 3, 7, 7), kBlue); }, 3, 3, kBlue, 6, 6,
         kBlue},
        {"FrameRect", [](DeviceContext& dc) { return dc.FrameRect(Rect(3, 3, 9, 9), kBlue); }, 3, 5, kBlue, 5, 5,
         RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas;
        const HGDIOBJ pen = GetCurrentObject(canvas.Handle(), OBJ_PEN);
        const HGDIOBJ brush = GetCurrentObject(canvas.Handle(), OBJ_BRUSH);
        EXPECT_TRUE(c.draw(canvas.Dc()));
        EXPECT_EQ(canvas.At(c.edgeX, c.edgeY), c.edge);
        EXPECT_EQ(canvas.At(c.insideX, c.insideY), c.inside);
        EXPECT_EQ(canvas.At(19, 19), RGB(255, 255, 255));
        // The temporaries are out of the context (and gone); the context
        // holds what it held before.
        EXPECT_EQ(GetCurrentObject(canvas.Handle(), OBJ_PEN), pen);
        EXPECT_EQ(GetCurrentObject(canvas.Handle(), OBJ_BRUSH), brush);
        EXPECT_EQ(canvas.Dc().CurrentPen(), nullptr);
        EXPECT_EQ(canvas.Dc().CurrentBrush(), nullptr);
    }
}

TEST(DeviceContext, DrawFocusRectInvertsADottedFrame)
{
    Canvas canvas;
    ASSERT_TRUE(canvas.Dc().DrawFocusRect(Rect(2, 2, 12, 12)));
    const int32_t changed = 400 - canvas.Count(RGB(255, 255, 255));
    EXPECT_GT(changed, 0);
    EXPECT_LE(changed, 40);
    EXPECT_EQ(canvas.At(6, 6), RGB(255, 255, 255));
    ASSERT_TRUE(canvas.Dc().DrawFocusRect(Rect(2, 2, 12, 12)));
    EXPECT_EQ(canvas.Count(RGB(255, 255, 255)), 400) << "a second call takes it away";
}

TEST(DeviceContext, ACallersPenAndBrushStayCurrent)
{
    Canvas canvas;
    GdiPen pen;
    ASSERT_TRUE(pen.Create(kGreen, 1, PS_SOLID));
    GdiBrush brush;
    ASSERT_TRUE(brush.CreateSolid(kRed));
    canvas.Dc().SetCurrentPen(&pen);
    canvas.Dc().SetCurrentBrush(&brush);
    ASSERT_TRUE(canvas.Dc().Rectangle(2, 2, 12, 10, kBlue, kBlue));
    EXPECT_EQ(canvas.At(2, 5), kGreen) << "drawn with the caller's pen, not the colour given";
    EXPECT_EQ(canvas.At(6, 6), kRed);
    EXPECT_EQ(canvas.Dc().CurrentPen(), &pen);
    EXPECT_EQ(canvas.Dc().CurrentBrush(), &brush);
    EXPECT_EQ(GetCurrentObject(canvas.Handle(), OBJ_PEN), pen.Handle());

    // A temporary brush next to the caller's pen: the pen stays selected.
    canvas.Dc().SetCurrentBrush(nullptr);
    ASSERT_TRUE(canvas.Dc().Rectangle(12, 12, 18, 18, kBlue, kBlue));
    EXPECT_EQ(canvas.At(12, 14), kGreen);
    EXPECT_EQ(canvas.At(14, 14), kBlue);
    EXPECT_EQ(GetCurrentObject(canvas.Handle(), OBJ_PEN), pen.Handle());
    EXPECT_EQ(GetCurrentObject(canvas.Handle(), OBJ_BRUSH), brush.Handle());
    // Back to the stock objects before the caller's go.
    SelectObject(canvas.Handle(), GetStockObject(BLACK_PEN));
    SelectObject(canvas.Handle(), GetStockObject(WHITE_BRUSH));
}

TEST(DeviceContext, TextCalls)
{
    Canvas canvas(64, 32);
    DeviceContext& dc = canvas.Dc();
    Rect rect(0, 0, 64, 32);
    EXPECT_FALSE(dc.DrawText("", rect, DT_LEFT));
    EXPECT_FALSE(dc.TextOut("", 0, 0));
    EXPECT_EQ(canvas.Count(RGB(255, 255, 255)), 64 * 32);

    ASSERT_TRUE(dc.SetBkMode(TRANSPARENT));
    ASSERT_TRUE(dc.SetTextColor(kRed));
    ASSERT_TRUE(dc.SetBkColor(kBlue));
    EXPECT_TRUE(dc.TextOut("W", 2, 2));
    EXPECT_GT(canvas.Count(kRed), 0);
    EXPECT_EQ(canvas.Count(kBlue), 0) << "a transparent background";
    canvas.Clear(RGB(255, 255, 255));
    EXPECT_TRUE(dc.DrawText("WW", rect, DT_LEFT | DT_TOP));
    EXPECT_GT(canvas.Count(kRed), 0);

    TEXTMETRICA metrics = {};
    EXPECT_TRUE(dc.GetTextMetrics(metrics));
    EXPECT_GT(metrics.tmHeight, 0);
    GLYPHMETRICS glyph = {};
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    EXPECT_NE(dc.GetGlyphOutline('W', GGO_METRICS, glyph, identity), GDI_ERROR);
    EXPECT_GT(glyph.gmBlackBoxX, 0u);
    ABC widths[3] = {};
    // The stock font of a new context may not be a TrueType one.
    HFONT font = CreateFontA(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(canvas.Handle(), font);
    EXPECT_TRUE(dc.GetCharABCWidths('A', 'C', widths));
    EXPECT_GT(widths[0].abcB, 0u);
    SelectObject(canvas.Handle(), oldFont);
    DeleteObject(font);
}

TEST(DeviceContext, EveryCallFailsWithoutAContext)
{
    DeviceContext none;
    Canvas canvas;
    Rect rect(0, 0, 4, 4);
    TEXTMETRICA metrics;
    GLYPHMETRICS glyph;
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    ABC widths[1];
    void* bits = nullptr;
    EXPECT_FALSE(none.BitBlt(canvas.Dc(), 0, 0, rect));
    EXPECT_FALSE(none.StretchDIBits(canvas.surface.Image()));
    EXPECT_FALSE(none.SetDIBits(&canvas.surface.Image(), canvas.surface.Section(), 0, 1));
    EXPECT_EQ(none.CreateDIBSection(canvas.surface.Image().Info(), &bits), nullptr);
    EXPECT_FALSE(none.SelectObject(GetStockObject(BLACK_PEN)));
    EXPECT_FALSE(none.Line(0, 0, 1, 1, 0));
    EXPECT_FALSE(none.Ellipse(0, 0, 1, 1, 0, 0));
    EXPECT_FALSE(none.Rectangle(0, 0, 1, 1, 0, 0));
    EXPECT_FALSE(none.FrameRect(rect, 0));
    EXPECT_FALSE(none.FillRect(rect, 0));
    EXPECT_FALSE(none.DrawFocusRect(rect));
    EXPECT_FALSE(none.DrawText("x", rect, 0));
    EXPECT_FALSE(none.TextOut("x", 0, 0));
    EXPECT_FALSE(none.SetBkMode(TRANSPARENT));
    EXPECT_FALSE(none.SetBkColor(0));
    EXPECT_FALSE(none.SetTextColor(0));
    EXPECT_FALSE(none.GetTextMetrics(metrics));
    EXPECT_EQ(none.GetGlyphOutline('x', GGO_METRICS, glyph, identity), GDI_ERROR);
    EXPECT_FALSE(none.GetCharABCWidths('x', 'x', widths));
}

TEST(DeviceContext, BitBltCopiesBetweenContextsAndNeedsBoth)
{
    Canvas source, destination;
    source.Clear(kBlue);
    DeviceContext empty;
    EXPECT_FALSE(destination.Dc().BitBlt(empty, 0, 0, Rect(0, 0, 5, 5)));
    EXPECT_EQ(destination.Count(RGB(255, 255, 255)), 400) << "nothing drawn";
    EXPECT_TRUE(destination.Dc().BitBlt(source.Dc(), 4, 6, Rect(0, 0, 3, 2)));
    EXPECT_EQ(destination.Count(kBlue), 6);
    EXPECT_EQ(destination.At(4, 6), kBlue);
    EXPECT_EQ(destination.At(6, 7), kBlue);
    EXPECT_EQ(destination.At(7, 7), RGB(255, 255, 255));
}

TEST(DeviceContext, StretchDIBitsAndSetDIBitsCarryAnImagesPixels)
{
    Bitmap image;
    ASSERT_TRUE(image.Create(2, 2, 32, 0));
    Set32(image, 0, 0, 0x00FF0000); // red top-left
    Set32(image, 1, 1, 0x000000FF); // blue bottom-right

    Canvas canvas;
    EXPECT_TRUE(canvas.Dc().StretchDIBits(image, Rect(0, 0, 8, 8), Rect()));
    EXPECT_EQ(canvas.At(1, 1), kRed);
    EXPECT_EQ(canvas.At(6, 6), kBlue);
    EXPECT_EQ(canvas.At(6, 1), RGB(0, 0, 0));
    EXPECT_FALSE(canvas.Dc().StretchDIBits(Bitmap())) << "an image without pixels";

    // Rows into a bitmap no context holds.
    MemoryDC memory(true);
    ASSERT_TRUE(memory.Create());
    void* bits = nullptr;
    HBITMAP target = memory.CreateDIBSection(image.Info(), &bits);
    ASSERT_NE(target, nullptr);
    EXPECT_TRUE(memory.SetDIBits(&image, target, 0, 2));
    EXPECT_EQ(std::memcmp(bits, image.Pixels(), 16), 0);
    EXPECT_FALSE(memory.SetDIBits(&image, target, 0, 3)) << "more rows than the image holds";
    EXPECT_FALSE(memory.SetDIBits(nullptr, target, 0, 1));
    EXPECT_FALSE(memory.SetDIBits(&image, nullptr, 0, 2)) << "the system sets nothing";
    DeleteObject(target);
}

TEST(MemoryDC, CreatesOnceAndDeletesWhatItOwns)
{
    MemoryDC dc(false);
    EXPECT_FALSE(dc.Delete());
    ASSERT_TRUE(dc.Create());
    const HDC held = dc.Handle();
    EXPECT_FALSE(dc.Create()) << "a context is held already";
    EXPECT_EQ(dc.Handle(), held);
    EXPECT_TRUE(dc.Delete());
    EXPECT_EQ(dc.Handle(), nullptr);
    EXPECT_EQ(GetObjectType(held), 0u);

    HDC owned = nullptr;
    {
        MemoryDC owner(true);
        ASSERT_TRUE(owner.Create());
        owned = owner.Handle();
        EXPECT_EQ(GetObjectType(owned), static_cast<DWORD>(OBJ_MEMDC));
    }
    EXPECT_EQ(GetObjectType(owned), 0u) << "deleted with its owner";
    HDC kept = nullptr;
    {
        MemoryDC borrower(false);
        ASSERT_TRUE(borrower.Create());
        kept = borrower.Handle();
    }
    EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_MEMDC)) << "not owned, not deleted";
    DeleteDC(kept);
}

TEST(GdiObjects, PensAndBrushesOwnTheirHandles)
{
    GdiPen pen;
    ASSERT_TRUE(pen.Create(kRed, 3, PS_DASH));
    EXPECT_EQ(pen.Colour(), kRed);
    EXPECT_EQ(pen.Width(), 3);
    EXPECT_EQ(pen.Style(), PS_DASH);
    const HPEN first = pen.Handle();
    ASSERT_TRUE(pen.Create(kBlue, 1, PS_SOLID));
    EXPECT_EQ(GetObjectType(first), 0u) << "the pen made before is deleted";
    const HPEN second = pen.Handle();
    pen.Release();
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(pen.Handle(), nullptr);
    EXPECT_EQ(pen.Colour(), 0u);
    EXPECT_EQ(pen.Width(), 0);

    GdiBrush brush;
    ASSERT_TRUE(brush.CreateSolid(kGreen));
    EXPECT_EQ(brush.Colour(), kGreen);
    const HBRUSH solid = brush.Handle();
    ASSERT_TRUE(brush.CreateSystem(COLOR_WINDOW));
    EXPECT_EQ(GetObjectType(solid), 0u);
    EXPECT_EQ(brush.Colour(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(brush.Handle(), GetSysColorBrush(COLOR_WINDOW));
    brush.Release();
    EXPECT_EQ(brush.Handle(), nullptr);
    EXPECT_EQ(GetObjectType(GetSysColorBrush(COLOR_WINDOW)), static_cast<DWORD>(OBJ_BRUSH))
        << "the system's brush is not ours to delete";
}

TEST(GdiObjects, PaletteFromAnIndexedImage)
{
    Bitmap indexed;
    ASSERT_TRUE(indexed.Create(2, 2, 8, 3));
    indexed.SetPaletteEntry(0, 10, 20, 30);
    indexed.SetPaletteEntry(2, 200, 100, 50);
    GdiObject palette;
    ASSERT_TRUE(palette.CreatePalette(&indexed));
    ASSERT_EQ(GetObjectType(palette.Handle()), static_cast<DWORD>(OBJ_PAL));
    PALETTEENTRY entries[256];
    ASSERT_EQ(GetPaletteEntries(static_cast<HPALETTE>(palette.Handle()), 0, 256, entries), 256u);
    EXPECT_EQ(entries[0].peRed, 10);
    EXPECT_EQ(entries[0].peGreen, 20);
    EXPECT_EQ(entries[0].peBlue, 30);
    EXPECT_EQ(entries[0].peFlags, PC_RESERVED);
    EXPECT_EQ(entries[2].peRed, 200);
    EXPECT_EQ(entries[2].peBlue, 50);
    EXPECT_EQ(entries[3].peRed + entries[3].peGreen + entries[3].peBlue + entries[3].peFlags, 0)
        << "entries beyond the count are 0";

    Bitmap deep;
    ASSERT_TRUE(deep.Create(2, 2, 32, 0));
    GdiObject none;
    EXPECT_TRUE(none.CreatePalette(&deep));
    EXPECT_EQ(none.Handle(), nullptr);
    EXPECT_FALSE(none.CreatePalette(nullptr));
}

TEST(GdiObjects, OwnersSurviveAGrowingVector)
{
    std::vector<GdiPen> pens;
    std::vector<GdiBrush> brushes;
    std::vector<MemoryDC> contexts;
    for (int i = 0; i < 16; ++i) {
        pens.emplace_back();
        ASSERT_TRUE(pens.back().Create(RGB(i, 0, 0), 1, PS_SOLID));
        brushes.emplace_back();
        ASSERT_TRUE(brushes.back().CreateSolid(RGB(0, i, 0)));
        contexts.emplace_back(true);
        ASSERT_TRUE(contexts.back().Create());
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(GetObjectType(pens[i].Handle()), static_cast<DWORD>(OBJ_PEN));
        EXPECT_EQ(pens[i].Colour(), RGB(i, 0, 0));
        EXPECT_EQ(GetObjectType(brushes[i].Handle()), static_cast<DWORD>(OBJ_BRUSH));
        EXPECT_EQ(GetObjectType(contexts[i].Handle()), static_cast<DWORD>(OBJ_MEMDC));
    }
    const HDC last = contexts.back().Handle();
    contexts.clear();
    EXPECT_EQ(GetObjectType(last), 0u);
}

} // namespace
