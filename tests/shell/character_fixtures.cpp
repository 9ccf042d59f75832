#include "tests/shell/character_fixtures.h"

#include "base/graphics/bitmap.h"
#include "base/util/byte_writer.h"
#include "tools/pack_archive/archive_builder.h"

#include <cstring>

std::string Picture(int32_t width, int32_t height, uint32_t rgb, const Rect& keyArea, int32_t bitsPerPixel)
{
    Bitmap picture;
    if (!picture.Create(width, height, bitsPerPixel, 256))
        return std::string();
    const int32_t bytesPerPixel = bitsPerPixel / 8;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t value = keyArea.Contains(x, y) ? kKey : rgb;
            std::memcpy(picture.PixelAddress(x, y), &value, static_cast<size_t>(bytesPerPixel));
        }
    }
    return std::string(reinterpret_cast<const char*>(picture.Block()), picture.BlockSize());
}

std::string Voice(uint8_t seed)
{
    const std::string samples(64, static_cast<char>(seed));
    auto u32 = [](uint32_t value) {
        std::string bytes;
        AppendU32LE(bytes, value);
        return bytes;
    };
    const std::string format = std::string("fmt ") + u32(16) + std::string("\x01\x00\x01\x00", 4) + u32(8000) +
                               u32(8000) + std::string("\x01\x00\x08\x00", 4);
    const std::string data = std::string("data") + u32(static_cast<uint32_t>(samples.size())) + samples;
    return std::string("RIFF") + u32(static_cast<uint32_t>(4 + format.size() + data.size())) + "WAVE" + format + data;
}

ScriptFrame Frame(const std::string& image, const std::string& sound, const std::string& mask, uint32_t durationMs,
                  int32_t maskX, int32_t maskY, int32_t imageX, int32_t imageY)
{
    return ScriptFrame{image, sound, mask, durationMs, maskX, maskY, imageX, imageY};
}

std::string Script(int32_t version, int32_t width, int32_t height, const std::vector<ScriptFrame>& frames,
                   uint8_t voiceFlag)
{
    const std::vector<uint8_t> bytes = EncodeAnimationScript(AnimationScript{version, width, height, frames, voiceFlag});
    return std::string(bytes.begin(), bytes.end());
}

uint32_t OwnImageColour(int32_t slot, int32_t frame)
{
    // Blue is never 0, so no frame is the key colour.
    return static_cast<uint32_t>(slot) << 16 | static_cast<uint32_t>(frame) << 8 | 0x80;
}

std::vector<std::pair<std::string, std::string>> OwnImageCharacter(int32_t slots, int32_t framesPerSlot,
                                                                   OwnImageScript script, SlotScriptName scriptName)
{
    std::vector<std::pair<std::string, std::string>> entries;
    for (int32_t slot = 0; slot < slots; ++slot) {
        std::vector<std::string> images;
        for (int32_t frame = 0; frame < framesPerSlot; ++frame) {
            images.push_back("own" + std::to_string(slot) + "_" + std::to_string(frame));
            entries.push_back({images.back() + ".bmz", Picture(kQuarterQuennaWidth, kQuarterQuennaHeight,
                                                               OwnImageColour(slot, frame))});
        }
        entries.push_back({scriptName(slot), script(images)});
    }
    return entries;
}

int32_t FramesShowingTheirOwnImage(std::vector<CharacterSlot>& slots)
{
    int32_t showing = 0;
    for (size_t slot = 0; slot < slots.size(); ++slot) {
        for (size_t frame = 0; frame < slots[slot].media.size(); ++frame) {
            FrameMedia& media = slots[slot].media[frame];
            if (!media.surface.IsBuilt())
                continue;
            const uint32_t colour = OwnImageColour(static_cast<int32_t>(slot), static_cast<int32_t>(frame));
            const int32_t right = media.surface.Image().Width() - 1;
            const int32_t bottom = media.surface.Image().Height() - 1;
            if (CanvasAt(media, 0, 0) == colour && CanvasAt(media, right, bottom) == colour)
                ++showing;
        }
    }
    return showing;
}

CharacterArchive::CharacterArchive(const std::vector<std::pair<std::string, std::string>>& entries)
    : path_(folder_.File("character.pac"))
{
    std::vector<ArchiveItem> items;
    for (const auto& entry : entries)
        items.push_back(ArchiveItem{entry.first, entry.second});
    std::string archive;
    std::string error;
    if (BuildArchive(items, true, archive, error))
        WriteWholeFile(path_, archive);
}

uint32_t CanvasAt(FrameMedia& media, int32_t x, int32_t y)
{
    uint32_t value = 0;
    std::memcpy(&value, media.surface.Image().PixelAddress(x, y), 4);
    return value & 0x00FFFFFF;
}

bool InShape(const FrameMedia& media, int32_t x, int32_t y)
{
    return media.Shape() != nullptr && PtInRegion(media.Shape(), x, y);
}

bool ShapeIsEmpty(const FrameMedia& media)
{
    RECT box = {};
    return media.Shape() == nullptr || GetRgnBox(media.Shape(), &box) == NULLREGION;
}

bool WindowHasShape(HWND window, const FrameMedia& media)
{
    HRGN windowShape = CreateRectRgn(0, 0, 0, 0);
    const bool same = GetWindowRgn(window, windowShape) != ERROR && EqualRgn(windowShape, media.Shape());
    DeleteObject(windowShape);
    return same;
}

void PumpMessagesAWhile()
{
    for (int i = 0; i < 20; ++i) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    }
}

uint32_t ScreenAt(int32_t x, int32_t y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

void Smear(HWND window, uint32_t rgb)
{
    HDC dc = GetDC(window);
    RECT client = {};
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}
