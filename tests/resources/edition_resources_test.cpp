// The resources that an edition's resource script puts into its program,
// read back from this test program, which is built with the same script
// (one test program per edition, EDITION_HEADER and EDITION_TABLE naming
// the edition's table).
#include "base/util/byte_reader.h"

#include EDITION_HEADER

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct ResourceBytes {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

ResourceBytes FindBytes(int id, LPCSTR type)
{
    ResourceBytes bytes;
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    if (!found)
        return bytes;
    HGLOBAL loaded = LoadResource(nullptr, found);
    bytes.data = static_cast<const uint8_t*>(LockResource(loaded));
    bytes.size = SizeofResource(nullptr, found);
    return bytes;
}

// Whether each pixel of the icon's mask is set (transparent), row by row
// from the top.
std::vector<std::vector<bool>> IconMask(HICON icon, int& width, int& height)
{
    ICONINFO info{};
    std::vector<std::vector<bool>> rows;
    if (!GetIconInfo(icon, &info))
        return rows;
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    width = mask.bmWidth;
    // A monochrome icon's mask holds both halves; a colour one only the mask.
    height = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } format{};
    format.header.biSize = sizeof format.header;
    format.header.biWidth = width;
    format.header.biHeight = -height; // top-down
    format.header.biPlanes = 1;
    format.header.biBitCount = 32;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmMask, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&format), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (int y = 0; y < height; ++y) {
        rows.emplace_back();
        for (int x = 0; x < width; ++x)
            rows.back().push_back((pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF) != 0);
    }
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return rows;
}

// The tray icon's id is the edition's, and the icon its character's head.
TEST(EditionResources, TrayIconIsTheHeadOnATransparentGround)
{
    const uint16_t id = EDITION_TABLE().shell.trayIconId;
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        int width = 0;
        int height = 0;
        const std::vector<std::vector<bool>> transparent = IconMask(icon, width, height);
        DestroyIcon(icon);
        ASSERT_EQ(width, size);
        ASSERT_EQ(height, size);
        // The corners lie beside the round head, the middle on the face.
        EXPECT_TRUE(transparent[0][0]);
        EXPECT_TRUE(transparent[size - 1][0]);
        EXPECT_TRUE(transparent[size - 1][size - 1]);
        EXPECT_FALSE(transparent[size / 2][size / 2]);
        EXPECT_FALSE(transparent[size * 3 / 4][size / 2]);
    }
    EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)), nullptr);
}

TEST(EditionResources, SettingsDialogKeepsItsJapaneseTexts)
{
    const ResourceBytes dialog = FindBytes(102, MAKEINTRESOURCEA(5)); // RT_DIALOG
    ASSERT_NE(dialog.data, nullptr);
    ByteReader reader(dialog.data, dialog.size);
    uint16_t version = 0, signature = 0, count = 0, menu = 0, windowClass = 0;
    uint32_t help = 0, exStyle = 0, style = 0;
    reader.ReadU16LE(version);
    reader.ReadU16LE(signature);
    reader.ReadU32LE(help);
    reader.ReadU32LE(exStyle);
    reader.ReadU32LE(style);
    reader.ReadU16LE(count);
    reader.Skip(4 * 2); // x, y, cx, cy
    reader.ReadU16LE(menu);
    reader.ReadU16LE(windowClass);
    std::u16string caption;
    for (uint16_t unit = 0; reader.ReadU16LE(unit) && unit != 0;)
        caption += static_cast<char16_t>(unit);
    ASSERT_TRUE(reader.Ok());
    EXPECT_EQ(signature, 0xFFFF); // an extended template
    EXPECT_EQ(style, 0x80C800C8u);
    EXPECT_EQ(count, 21);
    EXPECT_EQ(menu, 0);
    EXPECT_EQ(windowClass, 0);
    // Read as UTF-8 source, the caption is these two characters in UTF-16.
    EXPECT_EQ(caption, u"設定");
}

TEST(EditionResources, ManifestAsksForCommonControls6)
{
    const ResourceBytes manifest = FindBytes(1, MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(manifest.data, nullptr);
    const std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
}

} // namespace
