#pragma once

#include "app/animation_frames.h"
#include "app/shell_parameters.h"
#include "editions/ivrel/ivrel_script.h"

#include <windows.h>

#include <cstdint>
#include <string>

// How Ivrel's frames are composed and placed. The mask picture stands left
// of the image: the canvas is the mask's width and the image's width side
// by side, as high as the image (a taller mask is cut there). The image
// stands at the frame's offsets from the character's base position, the
// mask to its left.

// The loader's layout of Ivrel's frames (CharacterForm): the canvas size
// and the pictures' places from the sizes of the loaded pictures.
void ArrangeSideMask(FrameInfo& frame, const FrameMedia& media);

// Ivrel's scripts read and its frames laid out through the shared loader.
inline constexpr CharacterForm kIvrelCharacterForm = {ReadIvrelScript, ArrangeSideMask};

// The window's top-left corner for a frame: x is base x + offset x - the
// mask's width; y is base y + offset y, or for a slot centred on the screen
// half the screen height less half the image's height. Sums with the base
// (which setting.dat may hold anywhere) are held at the int32 range, never
// at the desktop.
POINT IvrelWindowPlace(int32_t baseX, int32_t baseY, const FrameInfo& frame, const FrameMedia& media, bool centred,
                       int32_t screenHeight);

// The shell's placement of Ivrel's frames (ShellParameters::placeFrame):
// the base is the shell's position, and the centred slot reads the screen
// height afresh at every show.
POINT PlaceIvrelFrame(const FramePlacement& shown);

// Where the centred slot reads the screen height: a fresh capture of the
// display for the main window. Tests put a height of their own in its place.
using ScreenHeightSource = int32_t (*)(HWND window);
int32_t CapturedScreenHeight(HWND window);
void SetScreenHeightSource(ScreenHeightSource source);

// Gives a loaded slot the voice waveName (a whole entry name) on its first
// frame, in place of any sound the frame had, and the voice flag (non-zero:
// the slot speaks only when every voice is wanted). False, and the slot
// untouched, when the slot has no frames (its script was missing) or the
// voice cannot be loaded: missing, beyond the loader's byte budget, or not
// the wave its bytes describe.
bool AttachVoice(CharacterLoader& loader, CharacterSlot& slot, const std::string& waveName, uint8_t flag);
