#pragma once

#include "app/animation_frames.h"
#include "app/animation_script.h"
#include "base/util/rect.h"
#include "tests/support/temp_dir.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Colours as 0x00RRGGBB, the way a 32-bit picture stores them.
constexpr uint32_t kKey = 0x0000FF00;
constexpr uint32_t kRed = 0x00FF0000;
constexpr uint32_t kBlue = 0x000000FF;
constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kYellow = 0x00FFFF00;

// A .bmp image of one colour, with keyArea (picture coordinates) in the key
// colour.
std::string Picture(int32_t width, int32_t height, uint32_t rgb, const Rect& keyArea = Rect(),
                    int32_t bitsPerPixel = 32);
// A small RIFF WAVE image whose samples carry seed, so voices can be told
// apart.
std::string Voice(uint8_t seed);

// One frame record for a script.
ScriptFrame Frame(const std::string& image, const std::string& sound, const std::string& mask,
                  uint32_t durationMs = 100, int32_t maskX = 0, int32_t maskY = 0, int32_t imageX = 0,
                  int32_t imageY = 0);
std::string Script(int32_t version, int32_t width, int32_t height, const std::vector<ScriptFrame>& frames,
                   uint8_t voiceFlag = 0);

// Quenna's canvas is 508 x 448. Tests of a character of its size compose
// at a quarter of each side, with the loader's budget cut to match.
constexpr int32_t kQuarterQuennaWidth = 508 / 4;
constexpr int32_t kQuarterQuennaHeight = 448 / 4;
constexpr uint64_t kQuarterQuennaBudget = kMostLoadedBytes / 16;

// The entries of a character at a quarter of Quenna's canvas side whose
// every frame has an image of its own, as large as the canvas and in a
// colour of its own (OwnImageColour(slot, frame)): the images, and each
// slot's script, made by script from its frames' image names (without
// ".bmz") and stored under scriptName(slot).
using OwnImageScript = std::string (*)(const std::vector<std::string>& images);
using SlotScriptName = std::string (*)(int32_t slot);
std::vector<std::pair<std::string, std::string>> OwnImageCharacter(int32_t slots, int32_t framesPerSlot,
                                                                   OwnImageScript script, SlotScriptName scriptName);
uint32_t OwnImageColour(int32_t slot, int32_t frame);
// How many frames of the slots show their own image on a composed canvas.
int32_t FramesShowingTheirOwnImage(std::vector<CharacterSlot>& slots);

// A character archive written into a folder of its own: entries by name,
// each stored as a ZLC3 block.
class CharacterArchive {
public:
    explicit CharacterArchive(const std::vector<std::pair<std::string, std::string>>& entries);
    const std::string& Path() const { return path_; }
    const std::string& Folder() const { return folder_.Path(); }

private:
    TempDir folder_;
    std::string path_;
};

// A composed frame's canvas pixel, as 0x00RRGGBB.
uint32_t CanvasAt(FrameMedia& media, int32_t x, int32_t y);
// Whether a canvas pixel lies in the frame's window shape.
bool InShape(const FrameMedia& media, int32_t x, int32_t y);
// The frame shows nothing: it has no shape, or an empty one.
bool ShapeIsEmpty(const FrameMedia& media);
// The window has exactly the frame's shape.
bool WindowHasShape(HWND window, const FrameMedia& media);

// Lets the thread's windows handle their messages for 200 ms, as the
// program's loop would, and the X server catch up.
void PumpMessagesAWhile();
// A screen pixel as 0x00RRGGBB.
uint32_t ScreenAt(int32_t x, int32_t y);
// Paints the window's whole client area in one colour (0x00RRGGBB) behind
// its program's back, as another window would leave it.
void Smear(HWND window, uint32_t rgb);
