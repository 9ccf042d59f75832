#include "app/animation_script.h"

#include "base/util/byte_reader.h"
#include "base/util/byte_writer.h"

#include <cstdint>
#include <utility>

namespace {

// Counted strings and the fixed fields of one record, without the names'
// bytes: no record can be shorter, which bounds the frame count by the
// entry size before anything is allocated for it.
size_t ShortestRecord(int32_t version)
{
    const size_t counts = 3 * 4;
    const size_t fields = version >= 2 ? 5 * 4 : 3 * 4;
    return counts + fields;
}

bool ReadFrame(ByteReader& reader, int32_t version, ScriptFrame& frame)
{
    if (!ReadCountedString(reader, frame.imageName) || !ReadCountedString(reader, frame.soundName) ||
        !ReadCountedString(reader, frame.maskName))
        return false;
    reader.ReadU32LE(frame.durationMs);
    reader.ReadI32LE(frame.maskX);
    reader.ReadI32LE(frame.maskY);
    if (version >= 2) {
        reader.ReadI32LE(frame.imageX);
        reader.ReadI32LE(frame.imageY);
    }
    return reader.Ok();
}

} // namespace

bool ReadCountedString(ByteReader& reader, std::string& text)
{
    int32_t length = 0;
    if (!reader.ReadI32LE(length) || length < 0)
        return false;
    const uint8_t* bytes = nullptr;
    if (!reader.View(static_cast<size_t>(length), bytes))
        return false;
    text.assign(reinterpret_cast<const char*>(bytes), static_cast<size_t>(length));
    return true;
}

void AppendCountedString(std::vector<uint8_t>& out, const std::string& text)
{
    AppendI32LE(out, static_cast<int32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

bool ParseAnimationScript(const uint8_t* data, size_t size, AnimationScript& script)
{
    ByteReader reader(data, size);
    AnimationScript parsed;
    int32_t frameCount = 0;
    reader.ReadI32LE(parsed.version);
    reader.ReadI32LE(frameCount);
    reader.ReadI32LE(parsed.width);
    reader.ReadI32LE(parsed.height);
    if (!reader.Ok() || frameCount < 0 || frameCount > kMostScriptFrames)
        return false;
    if (static_cast<size_t>(frameCount) > reader.Remaining() / ShortestRecord(parsed.version))
        return false;
    parsed.frames.resize(static_cast<size_t>(frameCount));
    for (ScriptFrame& frame : parsed.frames) {
        if (!ReadFrame(reader, parsed.version, frame))
            return false;
    }
    if (parsed.version >= 3) {
        uint8_t flag = 0;
        if (!reader.ReadU8(flag))
            return false;
        parsed.voiceFlag = flag != 0 ? 1 : 0;
    }
    script = std::move(parsed);
    return true;
}

std::vector<uint8_t> EncodeAnimationScript(const AnimationScript& script)
{
    std::vector<uint8_t> out;
    AppendI32LE(out, script.version);
    AppendI32LE(out, static_cast<int32_t>(script.frames.size()));
    AppendI32LE(out, script.width);
    AppendI32LE(out, script.height);
    for (const ScriptFrame& frame : script.frames) {
        AppendCountedString(out, frame.imageName);
        AppendCountedString(out, frame.soundName);
        AppendCountedString(out, frame.maskName);
        AppendU32LE(out, frame.durationMs);
        AppendI32LE(out, frame.maskX);
        AppendI32LE(out, frame.maskY);
        if (script.version >= 2) {
            AppendI32LE(out, frame.imageX);
            AppendI32LE(out, frame.imageY);
        }
    }
    if (script.version >= 3)
        out.push_back(script.voiceFlag);
    return out;
}
