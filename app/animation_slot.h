#pragma once

#include "app/animation_script.h"
#include "app/millisecond_clock.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a frame is apart from its pictures and its sound bytes: the names
// they are loaded by, where the pictures go, how long the frame stays.
struct FrameInfo {
    uint32_t durationMs = 0;
    int32_t maskX = 0;
    int32_t maskY = 0;
    int32_t imageX = 0;
    int32_t imageY = 0;
    // The slot's canvas size: the window size while this frame is shown.
    int32_t canvasWidth = 0;
    int32_t canvasHeight = 0;
    // Where the window stands while this frame is shown, relative to the
    // character's place, in an edition whose frames each say so (0 where
    // the window stands at the character's place).
    int32_t offsetX = 0;
    int32_t offsetY = 0;
    // The sound is still to be played at the next update.
    bool soundPending = true;
    // Archive entry names with their extensions (".bmz", ".wav"), or empty.
    std::string imageName;
    std::string maskName;
    std::string soundName;
    // An earlier frame of the slot with the same image and mask, whose
    // picture and shape this frame shows; -1 when it has its own.
    int32_t aliasIndex = -1;
    // The frame record has been read, whether or not its pictures were found.
    bool loaded = false;
};

// What an update of the slot does: play the sound of one frame (-1: none)
// and show the picture of another (-1: nothing, the slot is empty). They
// differ when the current frame borrows an earlier frame's picture.
struct SlotUpdate {
    int32_t soundFrame = -1;
    int32_t pictureFrame = -1;
};

// One animation: its frames in script order and where playback stands. The
// pictures and sounds of the frames live beside it, by frame index.
class AnimationSlot {
public:
    // Takes a script entry's bytes. A script that cannot be read leaves the
    // slot as it was (empty at start-up) and gives false.
    bool LoadScript(const uint8_t* data, size_t size);
    void Load(const AnimationScript& script);

    // The lowest loaded frame with exactly these names, or -1.
    int32_t FindSameFrame(const std::string& imageName, const std::string& maskName) const;

    // Moves to the next frame once the current one's time is up. True only
    // when the move went from a later frame back to frame 0.
    bool Advance(MillisecondClock& clock);
    // Back to the first frame; rearmSounds makes every frame's sound play
    // again.
    void Restart(MillisecondClock& clock, bool rearmSounds);
    // The frames an update plays and shows under the given voice mode (0 all
    // voices, 1 only those of slots without the voice flag, 2 none); the
    // played sound is no longer pending.
    SlotUpdate BeginUpdate(int32_t voiceMode);

    std::vector<FrameInfo> frames;
    int32_t first = 0;
    int32_t last = 0;
    int32_t current = 0;
    int32_t step = 0;
    // Millisecond-clock value of the last frame change or restart, and the
    // time since it as of the last Advance.
    uint32_t clock = 0;
    uint32_t elapsed = 0;
    // The last Advance found the current frame's time up and moved on
    // (in a one-frame animation, from its frame to itself).
    bool frameTimeUp = false;
    int32_t width = 0;
    int32_t height = 0;
    int32_t version = 0;
    uint8_t voiceFlag = 0;

private:
    bool HasFrame(int32_t index) const { return index >= 0 && static_cast<size_t>(index) < frames.size(); }
};
