#include "app/animation_script.h"

#include "base/util/byte_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// Global, so that the comparisons of vectors and gtest find them.
bool operator==(const ScriptFrame& a, const ScriptFrame& b)
{
    return a.imageName == b.imageName && a.soundName == b.soundName && a.maskName == b.maskName &&
           a.durationMs == b.durationMs && a.maskX == b.maskX && a.maskY == b.maskY && a.imageX == b.imageX &&
           a.imageY == b.imageY;
}

bool operator==(const AnimationScript& a, const AnimationScript& b)
{
    return a.version == b.version && a.width == b.width && a.height == b.height && a.frames == b.frames &&
           a.voiceFlag == b.voiceFlag;
}

namespace {

// Script bytes laid out by hand, independent of the encoder under test.
struct Bytes {
    std::vector<uint8_t> data;
    Bytes& I32(int32_t value)
    {
        AppendI32LE(data, value);
        return *this;
    }
    Bytes& Name(const std::string& name)
    {
        I32(static_cast<int32_t>(name.size()));
        data.insert(data.end(), name.begin(), name.end());
        return *this;
    }
    Bytes& U8(uint8_t value)
    {
        data.push_back(value);
        return *this;
    }
};

// The same two frames in every version: the second has only a sound.
AnimationScript TwoFrames(int32_t version, uint8_t voiceFlag)
{
    AnimationScript script;
    script.version = version;
    script.width = 508;
    script.height = 448;
    ScriptFrame pose;
    pose.imageName = "q_idle01";
    pose.maskName = "q_shadow";
    pose.durationMs = 0xFFFFFFF0u;
    pose.maskX = -3;
    pose.maskY = 4;
    if (version >= 2) {
        pose.imageX = 12;
        pose.imageY = -7;
    }
    ScriptFrame voice;
    voice.soundName = "\x82\xa0"; // a name in code page 932 bytes
    voice.durationMs = 250;
    script.frames = {pose, voice};
    script.voiceFlag = voiceFlag;
    return script;
}

std::vector<uint8_t> TwoFramesByHand(int32_t version, uint8_t voiceFlagByte)
{
    Bytes bytes;
    bytes.I32(version).I32(2).I32(508).I32(448);
    bytes.Name("q_idle01").Name("").Name("q_shadow").I32(static_cast<int32_t>(0xFFFFFFF0u)).I32(-3).I32(4);
    if (version >= 2)
        bytes.I32(12).I32(-7);
    bytes.Name("").Name("\x82\xa0").Name("").I32(250).I32(0).I32(0);
    if (version >= 2)
        bytes.I32(0).I32(0);
    if (version >= 3)
        bytes.U8(voiceFlagByte);
    return bytes.data;
}

AnimationScript Untouched()
{
    AnimationScript script;
    script.version = 99;
    return script;
}

TEST(AnimationScript, ReadsEveryVersionsRecords)
{
    struct Case {
        int32_t version;
        uint8_t flagByte;
        uint8_t voiceFlag;
    };
    const Case cases[] = {
        {1, 0, 0}, // six-field records, the image at (0, 0), no flag byte
        {2, 0, 0}, // eight-field records, no flag byte
        {3, 0, 0},
        {3, 1, 1},
        {3, 0xFF, 1}, // any non-zero byte sets the flag
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version << " " << int{c.flagByte});
        const std::vector<uint8_t> bytes = TwoFramesByHand(c.version, c.flagByte);
        AnimationScript script;
        ASSERT_TRUE(ParseAnimationScript(bytes.data(), bytes.size(), script));
        EXPECT_TRUE(script == TwoFrames(c.version, c.voiceFlag));
        if (c.flagByte == c.voiceFlag) {
            EXPECT_EQ(EncodeAnimationScript(script), bytes) << "the encoder lays out the same bytes";
        }
    }
}

TEST(AnimationScript, BytesAfterTheScriptAreNotItsFlag)
{
    for (int32_t version : {1, 2}) {
        std::vector<uint8_t> bytes = TwoFramesByHand(version, 0);
        bytes.push_back(1);
        AnimationScript script;
        ASSERT_TRUE(ParseAnimationScript(bytes.data(), bytes.size(), script));
        EXPECT_EQ(script.voiceFlag, 0);
    }
}

TEST(AnimationScript, ScriptWithoutFramesIsValid)
{
    const std::vector<uint8_t> bytes = Bytes().I32(3).I32(0).I32(10).I32(20).U8(1).data;
    AnimationScript script;
    ASSERT_TRUE(ParseAnimationScript(bytes.data(), bytes.size(), script));
    EXPECT_TRUE(script.frames.empty());
    EXPECT_EQ(script.width, 10);
    EXPECT_EQ(script.voiceFlag, 1);
}

TEST(AnimationScript, EveryShortenedScriptIsRefused)
{
    const std::vector<uint8_t> bytes = TwoFramesByHand(3, 1);
    for (size_t size = 0; size < bytes.size(); ++size) {
        // A copy of exactly this size, so any read beyond it is outside the buffer.
        const std::vector<uint8_t> shortened(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        AnimationScript script = Untouched();
        EXPECT_FALSE(ParseAnimationScript(shortened.data(), shortened.size(), script)) << size << " bytes";
        EXPECT_TRUE(script == Untouched());
    }
}

TEST(AnimationScript, NegativeOrOversizedCountsAreRefused)
{
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    struct Case {
        const char* what;
        size_t offset; // of the 32-bit word replaced
        int32_t value;
    };
    const Case cases[] = {
        {"negative frame count", 4, -1},
        {"huge frame count", 4, kMax},
        {"one frame more than stored", 4, 3},
        {"negative name length", 16, -1},
        {"name longer than the entry", 16, 1000},
        {"huge name length", 16, kMax},
        {"most negative length", 16, std::numeric_limits<int32_t>::min()},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = TwoFramesByHand(2, 0);
        StoreI32LE(bytes.data() + c.offset, c.value);
        AnimationScript script = Untouched();
        EXPECT_FALSE(ParseAnimationScript(bytes.data(), bytes.size(), script)) << c.what;
        EXPECT_TRUE(script == Untouched()) << c.what;
    }
}

TEST(AnimationScript, MoreFramesThanAnAnimationHasAreRefused)
{
    for (const int32_t count : {kMostScriptFrames, kMostScriptFrames + 1}) {
        AnimationScript many;
        many.version = 2;
        many.frames.resize(static_cast<size_t>(count));
        const std::vector<uint8_t> bytes = EncodeAnimationScript(many);
        AnimationScript script = Untouched();
        EXPECT_EQ(ParseAnimationScript(bytes.data(), bytes.size(), script), count == kMostScriptFrames) << count;
    }
}

TEST(AnimationScript, NullEntryIsRefused)
{
    AnimationScript script = Untouched();
    EXPECT_FALSE(ParseAnimationScript(nullptr, 64, script));
    EXPECT_TRUE(script == Untouched());
}

} // namespace
