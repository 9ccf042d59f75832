#include "app/animation_slot.h"

#include <cstdint>

namespace {

std::string WithExtension(const std::string& name, const char* extension)
{
    return name.empty() ? name : name + extension;
}

} // namespace

bool AnimationSlot::LoadScript(const uint8_t* data, size_t size)
{
    AnimationScript script;
    if (!ParseAnimationScript(data, size, script))
        return false;
    Load(script);
    return true;
}

void AnimationSlot::Load(const AnimationScript& script)
{
    version = script.version;
    width = script.width;
    height = script.height;
    frames.assign(script.frames.size(), FrameInfo{});
    first = 0;
    last = static_cast<int32_t>(frames.size()) - 1;
    step = 1;
    for (size_t i = 0; i < frames.size(); ++i) {
        const ScriptFrame& record = script.frames[i];
        FrameInfo& frame = frames[i];
        frame.imageName = WithExtension(record.imageName, ".bmz");
        frame.soundName = WithExtension(record.soundName, ".wav");
        frame.maskName = WithExtension(record.maskName, ".bmz");
        frame.soundPending = true;
        frame.durationMs = record.durationMs;
        frame.maskX = record.maskX;
        frame.maskY = record.maskY;
        frame.imageX = record.imageX;
        frame.imageY = record.imageY;
        frame.canvasWidth = width;
        frame.canvasHeight = height;
        frame.aliasIndex = FindSameFrame(frame.imageName, frame.maskName);
        frame.loaded = true;
    }
    voiceFlag = script.voiceFlag;
}

int32_t AnimationSlot::FindSameFrame(const std::string& imageName, const std::string& maskName) const
{
    for (size_t i = 0; i < frames.size(); ++i) {
        const FrameInfo& frame = frames[i];
        if (frame.loaded && frame.imageName == imageName && frame.maskName == maskName)
            return static_cast<int32_t>(i);
    }
    return -1;
}

bool AnimationSlot::Advance(MillisecondClock& timer)
{
    frameTimeUp = false;
    if (frames.empty())
        return false;
    elapsed = timer.Milliseconds() - clock;
    const uint32_t duration = HasFrame(current) ? frames[static_cast<size_t>(current)].durationMs : 0;
    if (elapsed <= duration)
        return false;
    frameTimeUp = true;
    clock = timer.Milliseconds();
    const int32_t old = current;
    int64_t next = int64_t{current} + step;
    if (next < first)
        next = last;
    if (next > last)
        next = first;
    current = static_cast<int32_t>(next);
    return old != 0 && current == 0;
}

void AnimationSlot::Restart(MillisecondClock& timer, bool rearmSounds)
{
    clock = timer.Milliseconds();
    current = first > 0 ? first : 0;
    if (current > last)
        current = last;
    if (rearmSounds) {
        for (FrameInfo& frame : frames)
            frame.soundPending = true;
    }
}

SlotUpdate AnimationSlot::BeginUpdate(int32_t voiceMode)
{
    SlotUpdate update;
    if (!HasFrame(current))
        return update;
    FrameInfo& frame = frames[static_cast<size_t>(current)];
    const bool voicesWanted = voiceMode != 2 && (voiceFlag == 0 || voiceMode == 0);
    if (voicesWanted && frame.soundPending) {
        frame.soundPending = false;
        update.soundFrame = current;
    }
    update.pictureFrame = HasFrame(frame.aliasIndex) ? frame.aliasIndex : current;
    return update;
}
