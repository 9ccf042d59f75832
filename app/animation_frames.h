#pragma once

#include "app/animation_slot.h"
#include "app/shape_book.h"
#include "base/graphics/bitmap.h"
#include "base/graphics/dib_surface.h"
#include "base/window/region.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class WindowControl;

// Canvas pixels of this colour (green, 0x00RRGGBB with alpha 0) lie outside
// the window's shape.
constexpr uint32_t kKeyColour = 0x0000FF00;

// A frame's voice: a RIFF WAVE image as the archive holds it. Frames and the
// play buffer share it.
using WaveBytes = std::shared_ptr<const std::vector<uint8_t>>;

// What a frame shows and plays, made once when its slot loads: the composed
// canvas as a DIB section, the window shape cut from the key colour, the
// voice bytes. A frame that borrows an earlier frame's picture (an alias)
// has no canvas or shape of its own.
struct FrameMedia {
    // Shared with every frame of the character whose shape is equal; none
    // when the frame has no picture.
    std::shared_ptr<Region> region;
    DibSurface surface;
    WaveBytes wave;
    // Sizes of the pictures as loaded; 0 when a picture is missing.
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
    int32_t maskWidth = 0;
    int32_t maskHeight = 0;

    // The shape's handle; null when the frame has none.
    HRGN Shape() const { return region ? region->Handle() : nullptr; }
};

// One animation: its script's frames and playback (slot) with each frame's
// pictures and voice beside it, by frame index.
struct CharacterSlot {
    AnimationSlot slot;
    std::vector<FrameMedia> media;
};

// What a loader keeps for a character, all its slots together: the voices'
// bytes and the canvases composed for its frames, which stay as long as the
// program. A 32-bit program cannot hold more beside everything else, and a
// damaged archive of many frames with large canvases or voices would
// otherwise keep start-up busy for hours before running out of memory. The
// pictures the canvases are composed from are held only until the next
// one replaces them, so they take nothing from it; but a picture that,
// with the other one held beside it, is larger than what is left of it is
// dropped as soon as it is decoded.
constexpr uint64_t kMostLoadedBytes = uint64_t{1} << 30;

// How many bytes of pictures a loader may decode, in all, for each byte of
// its budget. A sound character's frames each have an image and a mask of
// about their canvas's size, and the budget holds the canvases; a damaged
// archive whose frames name picture after large picture (each of them
// fitting the budget) would otherwise keep start-up decoding for hours.
constexpr uint64_t kDecodedPictureBytesPerBudgetByte = 4;

// How many frames a loader composes for a character: each holds a DIB
// section and a memory DC, and a region unless its shape is an earlier
// frame's (up to three GDI objects, however small the frame), and Windows
// gives a process 10,000 GDI objects, after which no dialog or message box
// opens. A damaged archive of many tiny frames that differ stays far below
// the byte budget and would reach that quota.
constexpr int32_t kMostComposedFrames = 2000;

// How a character's animations are stored and composed: the reader of its
// script entries, and the layout that gives a frame its canvas size and its
// pictures' places once the pictures are loaded (media holds their sizes).
using ScriptReader = bool (*)(const uint8_t* data, size_t size, AnimationSlot& slot);
using FrameLayout = void (*)(FrameInfo& frame, const FrameMedia& media);
struct CharacterForm {
    ScriptReader readScript;
    FrameLayout arrangeFrame;
};

// The numbered scripts (AnimationSlot::LoadScript), whose header gives the
// canvas size and whose records place both pictures: the layout leaves the
// frame as the script made it.
bool ReadNumberedScript(const uint8_t* data, size_t size, AnimationSlot& slot);
void KeepScriptLayout(FrameInfo& frame, const FrameMedia& media);
inline constexpr CharacterForm kNumberedCharacterForm = {ReadNumberedScript, KeepScriptLayout};

// Loads animation slots from one archive. What frames have in common is
// kept between them while the loader lives: the canvas they are composed
// on, the last image and mask picture, which the next frame often repeats
// (a backdrop under several poses), and the shapes made so far, which
// frames of equal shape share. Start-up keeps one loader for all its slots.
class CharacterLoader {
public:
    explicit CharacterLoader(std::string archive, uint64_t byteBudget = kMostLoadedBytes,
                             const CharacterForm& form = kNumberedCharacterForm);

    // Loads the script entry scriptName into an empty slot, then every
    // frame's voice and, for frames that are not aliases, its composed
    // picture. A script that is missing or unreadable leaves the slot
    // empty, and so does a load that runs out of memory; a missing picture,
    // or a voice whose bytes do not hold the wave they describe, leaves
    // only that part out. Once the loader's byte budget is spent (or a
    // picture, with the other one held, larger than what is left of it was
    // found, or the pictures decoded came to
    // kDecodedPictureBytesPerBudgetByte times the budget),
    // frames keep their records but get no voice and no picture; once it has
    // composed kMostComposedFrames frames, the frames after keep their
    // records and voices but get no picture.
    void LoadSlotScript(CharacterSlot& slot, const std::string& scriptName);

    // Composes a frame's canvas: the pictures loaded, the frame laid out by
    // the character's form (canvas size and places), then the key colour,
    // the mask picture at its place, the image picture over it; then the
    // DIB section and the window shape (the one an earlier frame has, when
    // equal). A canvas of a size no window could have is not made, nor one
    // the byte budget has no room for, nor any once the loader has composed
    // its most frames (the frame then shows nothing). A picture that, with the
    // other one held, is larger than what is left of the budget is dropped,
    // and spends what is left.
    void ComposeFrame(FrameMedia& media, FrameInfo& frame);

    // The voice of that entry name, from the byte budget; none when the
    // name is empty, the entry is missing, the budget has no room for it or
    // its bytes do not hold the wave they describe.
    WaveBytes LoadVoice(const std::string& name);

private:
    struct LastPicture {
        std::string name;
        Bitmap picture;
        bool loaded = false;
    };

    void LoadSlotParts(CharacterSlot& slot, const std::string& scriptName);
    // The picture of that entry name, loaded unless it is the last one; one
    // without an image when there is none (or no room for it).
    Bitmap& Picture(const std::string& name, LastPicture& last);
    // Whether that many bytes fit in what is left of the budget; false, and
    // nothing left, when they do not.
    bool Fits(uint64_t bytes);
    // Takes bytes from the budget; false, and nothing left, when fewer are
    // left than that.
    bool Spend(uint64_t bytes);

    std::string archive_;
    uint64_t bytesLeft_;
    uint64_t pictureBytesLeft_;
    int32_t framesLeft_ = kMostComposedFrames;
    CharacterForm form_;
    Bitmap canvas_;
    LastPicture lastImage_;
    LastPicture lastMask_;
    ShapeBook shapes_;
};

// One slot with a loader of its own.
void LoadSlotScript(CharacterSlot& slot, const std::string& archive, const std::string& scriptName);

// Starts the voice (asynchronously, from memory); the one voice that plays
// stops. Does nothing for a silent frame.
void PlayFrameSound(const FrameMedia& media);
// Stops the voice that plays, before the bytes it plays from go away.
void StopFrameSound();

// What the window shows from ApplyFrameToWindow: the shape it last took,
// the frame whose picture it is to show and whether that picture reached
// it (a copy can fail, while the system shows another desktop, say).
// Handing the system a window region costs it far more than copying the
// picture, and copying costs more than nothing, so a frame whose shape the
// window has keeps it, and the frame on screen at its place is not copied
// again: the window's paint requests (PaintShownFrame) bring back what
// other windows uncover. Frames are loaded once and never move, so a frame
// is known by its address and a shape by its region's.
struct FrameOnWindow {
    HWND window = nullptr;
    bool shaped = false;
    const Region* shape = nullptr;
    FrameMedia* picture = nullptr;
    // The whole picture was copied onto the window, and no copy failed since.
    bool copied = false;
};

// Gives the window the frame's shape, puts it at (x, y) with the frame's
// canvas size and copies the canvas into it. The shape and the place are
// set only where they differ from what the window has, and the canvas is
// copied only when the frame or the place changed or the last copy failed.
// A copy that fails leaves the window to be painted.
void ApplyFrameToWindow(FrameMedia& media, const FrameInfo& frame, WindowControl& window, int32_t x, int32_t y,
                        FrameOnWindow& shown);

// Answers WM_PAINT: copies the canvas of the frame shown into the part of
// the window the system asks for (none before a frame was shown). A copy
// that fails is recorded, so that the next show of the frame copies it.
void PaintShownFrame(WindowControl& window, FrameOnWindow& shown);

// Whether the window shows a frame with a picture: the window then has
// the picture's size, and the picture, copied there, covers it.
bool ShowsPicture(const WindowControl& window, const FrameOnWindow& shown);
