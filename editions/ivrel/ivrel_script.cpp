#include "editions/ivrel/ivrel_script.h"

#include "app/animation_script.h"
#include "base/util/byte_reader.h"
#include "base/util/byte_writer.h"

#include <utility>

const char kIvrelNoMaskName[] = "null.bmz";

namespace {

// Three empty counted strings and three words: no record is shorter, which
// bounds the frame count by the entry's size before anything is allocated.
constexpr size_t kShortestRecord = 3 * 4 + 3 * 4;

bool ReadFrame(ByteReader& reader, IvrelScriptFrame& frame)
{
    if (!ReadCountedString(reader, frame.imageName) || !ReadCountedString(reader, frame.soundName) ||
        !ReadCountedString(reader, frame.maskName))
        return false;
    reader.ReadU32LE(frame.durationMs);
    reader.ReadI32LE(frame.offsetX);
    reader.ReadI32LE(frame.offsetY);
    return reader.Ok();
}

} // namespace

bool ParseIvrelScript(const uint8_t* data, size_t size, IvrelScript& script)
{
    ByteReader reader(data, size);
    IvrelScript parsed;
    int32_t frameCount = 0;
    reader.ReadI32LE(parsed.unused);
    reader.ReadI32LE(frameCount);
    if (!reader.Ok() || frameCount < 0 || frameCount > kMostScriptFrames ||
        static_cast<size_t>(frameCount) > reader.Remaining() / kShortestRecord)
        return false;
    parsed.frames.resize(static_cast<size_t>(frameCount));
    for (IvrelScriptFrame& frame : parsed.frames) {
        if (!ReadFrame(reader, frame))
            return false;
    }
    script = std::move(parsed);
    return true;
}

std::vector<uint8_t> EncodeIvrelScript(const IvrelScript& script)
{
    std::vector<uint8_t> out;
    AppendI32LE(out, script.unused);
    AppendI32LE(out, static_cast<int32_t>(script.frames.size()));
    for (const IvrelScriptFrame& frame : script.frames) {
        AppendCountedString(out, frame.imageName);
        AppendCountedString(out, frame.soundName);
        AppendCountedString(out, frame.maskName);
        AppendU32LE(out, frame.durationMs);
        AppendI32LE(out, frame.offsetX);
        AppendI32LE(out, frame.offsetY);
    }
    return out;
}

bool ReadIvrelScript(const uint8_t* data, size_t size, AnimationSlot& slot)
{
    IvrelScript script;
    if (!ParseIvrelScript(data, size, script))
        return false;
    slot.frames.assign(script.frames.size(), FrameInfo{});
    slot.first = 0;
    slot.last = static_cast<int32_t>(slot.frames.size()) - 1;
    slot.step = 1;
    for (size_t i = 0; i < slot.frames.size(); ++i) {
        const IvrelScriptFrame& record = script.frames[i];
        FrameInfo& frame = slot.frames[i];
        frame.imageName = record.imageName.empty() ? std::string() : record.imageName + ".bmz";
        frame.soundName = record.soundName;
        frame.maskName = record.maskName.empty() ? std::string(kIvrelNoMaskName) : record.maskName + ".bmz";
        frame.durationMs = record.durationMs;
        frame.offsetX = record.offsetX;
        frame.offsetY = record.offsetY;
        frame.aliasIndex = slot.FindSameFrame(frame.imageName, frame.maskName);
        frame.loaded = true;
    }
    return true;
}
