#include "editions/ivrel/ivrel_frames.h"

#include "app/shell_state.h"
#include "base/window/display_settings.h"
#include "editions/ivrel/ivrel_edition.h"

#include <utility>

namespace {

ScreenHeightSource screenHeightSource = CapturedScreenHeight;

} // namespace

void ArrangeSideMask(FrameInfo& frame, const FrameMedia& media)
{
    frame.maskX = 0;
    frame.maskY = 0;
    frame.imageX = media.maskWidth;
    frame.imageY = 0;
    // The shared loader bounds the canvas like every other; the sum itself
    // must not wrap first.
    frame.canvasWidth = ClampToInt32(int64_t{media.maskWidth} + media.imageWidth);
    frame.canvasHeight = media.imageHeight;
}

POINT IvrelWindowPlace(int32_t baseX, int32_t baseY, const FrameInfo& frame, const FrameMedia& media, bool centred,
                       int32_t screenHeight)
{
    POINT at;
    at.x = ClampToInt32(int64_t{baseX} + frame.offsetX - media.maskWidth);
    at.y = centred ? (screenHeight >> 1) - (media.imageHeight >> 1) : ClampToInt32(int64_t{baseY} + frame.offsetY);
    return at;
}

POINT PlaceIvrelFrame(const FramePlacement& shown)
{
    const bool centred = shown.slot == kIvrelCentredSlot;
    const int32_t screenHeight = centred ? screenHeightSource(shown.window) : 0;
    return IvrelWindowPlace(shown.state.WindowX, shown.state.WindowY, shown.frame, shown.media, centred, screenHeight);
}

int32_t CapturedScreenHeight(HWND window)
{
    DisplaySettings display;
    display.Capture(window);
    return display.height;
}

void SetScreenHeightSource(ScreenHeightSource source)
{
    screenHeightSource = source;
}

bool AttachVoice(CharacterLoader& loader, CharacterSlot& slot, const std::string& waveName, uint8_t flag)
{
    // A slot whose script was missing has no first frame to carry it.
    if (slot.slot.frames.empty() || slot.media.empty())
        return false;
    WaveBytes voice = loader.LoadVoice(waveName);
    if (!voice)
        return false;
    slot.slot.voiceFlag = flag;
    slot.media[0].wave = std::move(voice);
    return true;
}
