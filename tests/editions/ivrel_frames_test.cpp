// Ivrel's older scripts and frames: the script reader and what it refuses,
// the frames composed with the mask left of the image through the shared
// loader, the voices attached after loading, and where the window stands
// for a frame.
#include "app/animation_frames.h"
#include "app/program.h"
#include "base/graphics/effect.h"
#include "base/util/byte_writer.h"
#include "editions/ivrel/ivrel_edition.h"
#include "editions/ivrel/ivrel_frames.h"
#include "editions/ivrel/ivrel_script.h"
#include "tests/shell/character_fixtures.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

IvrelScriptFrame Record(const std::string& image, const std::string& sound, const std::string& mask,
                        uint32_t durationMs = 100, int32_t offsetX = 0, int32_t offsetY = 0)
{
    return IvrelScriptFrame{image, sound, mask, durationMs, offsetX, offsetY};
}

std::string Bytes(const std::vector<IvrelScriptFrame>& frames, int32_t unused = 0)
{
    const std::vector<uint8_t> bytes = EncodeIvrelScript(IvrelScript{unused, frames});
    return std::string(bytes.begin(), bytes.end());
}

bool Read(const std::string& bytes, AnimationSlot& slot)
{
    return ReadIvrelScript(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), slot);
}

// What a slot holds, as text, to compare two slots whole.
std::string Described(const AnimationSlot& slot)
{
    std::string text = std::to_string(slot.first) + ".." + std::to_string(slot.last) + " step " +
                       std::to_string(slot.step) + " at " + std::to_string(slot.current) + " clock " +
                       std::to_string(slot.clock) + ":";
    for (const FrameInfo& frame : slot.frames) {
        text += " [" + frame.imageName + "|" + frame.soundName + "|" + frame.maskName + "|" +
                std::to_string(frame.durationMs) + "|" + std::to_string(frame.offsetX) + "," +
                std::to_string(frame.offsetY) + "|alias " + std::to_string(frame.aliasIndex) +
                (frame.loaded ? "|loaded" : "") + (frame.soundPending ? "|pending" : "") + "]";
    }
    return text;
}

TEST(IvrelScripts, TheFirstWordMayHoldAnyValueAndLoadsTheSame)
{
    const std::vector<IvrelScriptFrame> frames = {Record("a", "s.wav", "m", 120, -3, 4), Record("b", "", "", 80, 5, -6)};
    AnimationSlot reference;
    ASSERT_TRUE(Read(Bytes(frames), reference));
    for (int32_t unused : {1, -1, 3, kMax, kMin, 0x4C435A33}) {
        SCOPED_TRACE(unused);
        AnimationSlot slot;
        ASSERT_TRUE(Read(Bytes(frames, unused), slot));
        EXPECT_EQ(Described(slot), Described(reference));
    }
}

TEST(IvrelScripts, ARecordHasSixFieldsAndItsNamesAreTheEntriesTheFrameLoads)
{
    AnimationSlot slot;
    slot.current = 1;
    slot.clock = 777;
    ASSERT_TRUE(Read(Bytes({Record("pose", "ivrel_hum.wav", "owl", 250, -20, 15), Record("pose", "voice", "", 90, 7, -8),
                            Record("", "", "", 0, 0, 0), Record("pose", "other.wav", "", 60, 1, 2)}),
                     slot));
    ASSERT_EQ(slot.frames.size(), 4u);
    EXPECT_EQ(slot.first, 0);
    EXPECT_EQ(slot.last, 3);
    EXPECT_EQ(slot.step, 1);
    EXPECT_EQ(slot.current, 1) << "the playback place is left as it was";
    EXPECT_EQ(slot.clock, 777u);

    const FrameInfo& first = slot.frames[0];
    EXPECT_EQ(first.imageName, "pose.bmz");
    EXPECT_EQ(first.soundName, "ivrel_hum.wav") << "the whole entry name, nothing appended";
    EXPECT_EQ(first.maskName, "owl.bmz");
    EXPECT_EQ(first.durationMs, 250u);
    EXPECT_EQ(first.offsetX, -20);
    EXPECT_EQ(first.offsetY, 15);
    EXPECT_TRUE(first.soundPending);
    EXPECT_TRUE(first.loaded);
    EXPECT_EQ(first.aliasIndex, -1);

    const FrameInfo& second = slot.frames[1];
    EXPECT_EQ(second.soundName, "voice") << "no extension is added either";
    EXPECT_EQ(second.maskName, "null.bmz") << "an empty mask name";
    EXPECT_EQ(second.aliasIndex, -1) << "another mask, another picture";

    EXPECT_EQ(slot.frames[2].imageName, "") << "an empty image name stays empty";
    EXPECT_EQ(slot.frames[2].maskName, "null.bmz");

    // The same image with an empty mask again: the second frame's pictures.
    const FrameInfo& fourth = slot.frames[3];
    EXPECT_EQ(fourth.aliasIndex, 1);
    EXPECT_EQ(fourth.durationMs, 60u) << "its own duration";
    EXPECT_EQ(fourth.soundName, "other.wav") << "and its own sound";
    EXPECT_EQ(fourth.offsetX, 1);
}

// A damaged script is refused whole: the slot keeps what it had (nothing, at
// start-up), and nothing past the entry is read.
TEST(IvrelScripts, ADamagedScriptIsRefusedWhole)
{
    const std::string good = Bytes({Record("image", "voice.wav", "mask", 100, 1, 2)});
    std::string longName;
    AppendI32LE(longName, 0);
    AppendI32LE(longName, 1);
    AppendI32LE(longName, 1000); // an image name longer than the entry
    longName += "abc";
    std::string negativeName;
    AppendI32LE(negativeName, 0);
    AppendI32LE(negativeName, 1);
    AppendI32LE(negativeName, -4);
    negativeName += std::string(32, '\0');
    const auto withCount = [](int32_t count, size_t bytesAfter) {
        std::string bytes;
        AppendI32LE(bytes, 0);
        AppendI32LE(bytes, count);
        return bytes + std::string(bytesAfter, '\0');
    };
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty entry", std::string()},
        {"no count", good.substr(0, 6)},
        {"a record cut short", good.substr(0, good.size() - 1)},
        {"a name past the entry", longName},
        {"a negative name length", negativeName},
        {"a negative count", withCount(-1, 240)},
        {"the lowest count", withCount(kMin, 240)},
        // Empty records are 24 bytes: 10 of them do not fit 239 bytes.
        {"more records than the bytes left hold", withCount(10, 239)},
        {"more than the most frames", withCount(kMostScriptFrames + 1, 24 * (kMostScriptFrames + 1))},
        {"the highest count", withCount(kMax, 240)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnimationSlot empty;
        EXPECT_FALSE(Read(c.bytes, empty));
        EXPECT_TRUE(empty.frames.empty());

        AnimationSlot loaded;
        ASSERT_TRUE(Read(Bytes({Record("old", "", "")}), loaded));
        const std::string before = Described(loaded);
        EXPECT_FALSE(Read(c.bytes, loaded));
        EXPECT_EQ(Described(loaded), before);
    }

    // At the bounds the script is whole.
    AnimationSlot tenEmpty;
    EXPECT_TRUE(Read(withCount(10, 240), tenEmpty));
    EXPECT_EQ(tenEmpty.frames.size(), 10u);
    AnimationSlot most;
    EXPECT_TRUE(Read(withCount(kMostScriptFrames, 24 * kMostScriptFrames), most));
    EXPECT_EQ(most.frames.size(), static_cast<size_t>(kMostScriptFrames));
    AnimationSlot none;
    EXPECT_TRUE(Read(withCount(0, 0), none));
    EXPECT_TRUE(none.frames.empty());
    AnimationSlot trailing;
    EXPECT_TRUE(Read(good + "more bytes", trailing)) << "bytes after the records are not read";
    EXPECT_EQ(trailing.frames.size(), 1u);
}

using Entries = std::vector<std::pair<std::string, std::string>>;

class IvrelFrames : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cEffect::InitCpu(); }

    // The mask 40 x 60 red, the image 100 x 120 blue with its top-left
    // 2 x 2 pixels in the key colour; a tall mask, a null mask and voices.
    static Entries Pictures()
    {
        return {{"image.bmz", Picture(100, 120, kBlue, Rect(0, 0, 2, 2))},
                {"mask.bmz", Picture(40, 60, kRed)},
                {"tall.bmz", Picture(10, 200, kWhite)},
                {"voice1.wav", Voice(1)},
                {"voice2.wav", Voice(2)}};
    }

    static CharacterSlot LoadOne(const std::vector<IvrelScriptFrame>& frames, Entries entries = Pictures())
    {
        entries.push_back({"slot.ttp", Bytes(frames)});
        CharacterArchive archive(entries);
        CharacterSlot slot;
        CharacterLoader(archive.Path(), kMostLoadedBytes, kIvrelCharacterForm).LoadSlotScript(slot, "slot.ttp");
        return slot;
    }
};

TEST_F(IvrelFrames, TheMaskStandsLeftOfTheImageOnACanvasAsHighAsTheImage)
{
    CharacterSlot slot = LoadOne({Record("image", "", "mask")});
    ASSERT_EQ(slot.media.size(), 1u);
    FrameMedia& media = slot.media[0];
    const FrameInfo& frame = slot.slot.frames[0];
    ASSERT_TRUE(media.surface.IsBuilt());
    EXPECT_EQ(media.surface.Image().Width(), 140);
    EXPECT_EQ(media.surface.Image().Height(), 120);
    EXPECT_EQ(frame.canvasWidth, 140) << "the window's size while the frame shows";
    EXPECT_EQ(frame.canvasHeight, 120);
    EXPECT_EQ(media.maskWidth, 40);
    EXPECT_EQ(media.maskHeight, 60);
    EXPECT_EQ(media.imageWidth, 100);
    EXPECT_EQ(media.imageHeight, 120);

    EXPECT_EQ(CanvasAt(media, 0, 0), kRed);
    EXPECT_EQ(CanvasAt(media, 39, 59), kRed);
    EXPECT_TRUE(InShape(media, 39, 59));
    EXPECT_EQ(CanvasAt(media, 39, 60), kKey) << "below the mask";
    EXPECT_FALSE(InShape(media, 39, 60));
    EXPECT_EQ(CanvasAt(media, 40, 0), kKey) << "the image's own key pixels, at its left edge";
    EXPECT_FALSE(InShape(media, 41, 1));
    EXPECT_EQ(CanvasAt(media, 42, 0), kBlue);
    EXPECT_EQ(CanvasAt(media, 139, 119), kBlue);
    EXPECT_TRUE(InShape(media, 139, 119));
    EXPECT_FALSE(InShape(media, 140, 119)) << "the shape ends with the canvas";
}

TEST_F(IvrelFrames, AnEmptyMaskIsNullBmzWhichIsLoadedWhenTheArchiveHasIt)
{
    CharacterSlot without = LoadOne({Record("image", "", "")});
    ASSERT_EQ(without.media.size(), 1u);
    EXPECT_EQ(without.media[0].maskWidth, 0) << "no null.bmz in the archive";
    ASSERT_TRUE(without.media[0].surface.IsBuilt());
    EXPECT_EQ(without.media[0].surface.Image().Width(), 100) << "the image alone";
    EXPECT_EQ(CanvasAt(without.media[0], 50, 50), kBlue);

    Entries entries = Pictures();
    entries.push_back({"null.bmz", Picture(12, 30, kWhite)});
    CharacterSlot with = LoadOne({Record("image", "", "")}, entries);
    ASSERT_EQ(with.media.size(), 1u);
    EXPECT_EQ(with.media[0].maskWidth, 12);
    ASSERT_TRUE(with.media[0].surface.IsBuilt());
    EXPECT_EQ(with.media[0].surface.Image().Width(), 112);
    EXPECT_EQ(CanvasAt(with.media[0], 5, 5), kWhite);
    EXPECT_EQ(CanvasAt(with.media[0], 62, 50), kBlue);

    CharacterSlot missing = LoadOne({Record("image", "", "absent")});
    ASSERT_EQ(missing.media.size(), 1u);
    EXPECT_EQ(missing.media[0].maskWidth, 0) << "a missing mask is no mask";
    EXPECT_EQ(missing.media[0].surface.Image().Width(), 100);
}

TEST_F(IvrelFrames, AMaskTallerThanTheImageIsCutAtItsHeight)
{
    CharacterSlot slot = LoadOne({Record("image", "", "tall")});
    ASSERT_EQ(slot.media.size(), 1u);
    FrameMedia& media = slot.media[0];
    EXPECT_EQ(media.maskHeight, 200);
    ASSERT_TRUE(media.surface.IsBuilt());
    EXPECT_EQ(media.surface.Image().Height(), 120);
    EXPECT_EQ(CanvasAt(media, 5, 119), kWhite);
    EXPECT_TRUE(InShape(media, 5, 119));
    EXPECT_FALSE(InShape(media, 5, 120));
}

TEST_F(IvrelFrames, FramesWithTheSameImageAndEmptyMasksShareOnePicture)
{
    CharacterSlot slot = LoadOne({Record("image", "voice1.wav", "", 100, 3, 4), Record("image", "voice2.wav", "", 200, 9, 9),
                                  Record("image", "", "mask", 300)});
    ASSERT_EQ(slot.media.size(), 3u);
    EXPECT_EQ(slot.slot.frames[1].aliasIndex, 0);
    EXPECT_FALSE(slot.media[1].surface.IsBuilt()) << "an alias holds no canvas of its own";
    EXPECT_EQ(slot.media[1].maskWidth, 0) << "nor sizes";
    EXPECT_EQ(slot.media[1].imageWidth, 0);
    ASSERT_TRUE(slot.media[1].wave);
    const std::string second = Voice(2);
    EXPECT_EQ(*slot.media[1].wave, std::vector<uint8_t>(second.begin(), second.end())) << "its own voice";
    EXPECT_EQ(slot.slot.frames[2].aliasIndex, -1);
    EXPECT_TRUE(slot.media[2].surface.IsBuilt());
}

TEST_F(IvrelFrames, AnEmptyImageNameLoadsNothingEvenWhenTheArchiveIsAPicture)
{
    TempDir folder;
    const std::string path = folder.File("picture.bmp");
    ASSERT_TRUE(WriteWholeFile(path, Picture(10, 10, kBlue)));
    FrameInfo frame;
    frame.maskName = kIvrelNoMaskName;
    FrameMedia media;
    CharacterLoader(path, kMostLoadedBytes, kIvrelCharacterForm).ComposeFrame(media, frame);
    EXPECT_EQ(media.imageWidth, 0);
    EXPECT_EQ(media.imageHeight, 0);
    EXPECT_FALSE(media.surface.IsBuilt()) << "no image: a canvas no higher than nothing";
    EXPECT_TRUE(ShapeIsEmpty(media));
}

// The canvas of the mask and the image side by side is bounded like every
// canvas: wider than a window could be, it is not made.
TEST_F(IvrelFrames, ACanvasWiderThanAnyWindowIsNotMade)
{
    struct Case {
        int32_t maskWidth, imageWidth;
        bool made;
    };
    for (const Case c : {Case{4096, 4096, true}, Case{4096, 4097, false}, Case{8000, 1000, false}}) {
        SCOPED_TRACE(testing::Message() << c.maskWidth << " + " << c.imageWidth);
        CharacterSlot slot =
            LoadOne({Record("wide", "", "side")}, {{"wide.bmz", Picture(c.imageWidth, 2, kBlue)}, {"side.bmz", Picture(c.maskWidth, 2, kRed)}});
        ASSERT_EQ(slot.media.size(), 1u);
        EXPECT_EQ(slot.media[0].surface.IsBuilt(), c.made);
        EXPECT_EQ(ShapeIsEmpty(slot.media[0]), !c.made);
    }

    // Sizes whose sum would wrap are held at the int32 range first.
    FrameInfo frame;
    FrameMedia media;
    media.maskWidth = kMax;
    media.imageWidth = kMax;
    media.imageHeight = 7;
    ArrangeSideMask(frame, media);
    EXPECT_EQ(frame.canvasWidth, kMax);
    EXPECT_EQ(frame.canvasHeight, 7);
    EXPECT_EQ(frame.imageX, kMax);
}

TEST_F(IvrelFrames, AScriptThatIsMissingOrDamagedLeavesTheSlotEmpty)
{
    const std::string good = Bytes({Record("image", "voice1.wav", "mask")});
    for (const std::string& script : {good.substr(0, good.size() - 2), std::string()}) {
        Entries entries = Pictures();
        entries.push_back({"slot.ttp", script});
        CharacterArchive archive(entries);
        CharacterSlot slot;
        CharacterLoader(archive.Path(), kMostLoadedBytes, kIvrelCharacterForm).LoadSlotScript(slot, "slot.ttp");
        EXPECT_TRUE(slot.slot.frames.empty());
        EXPECT_TRUE(slot.media.empty());
    }
    CharacterArchive archive(Pictures());
    CharacterSlot missing;
    CharacterLoader(archive.Path(), kMostLoadedBytes, kIvrelCharacterForm).LoadSlotScript(missing, "slot.ttp");
    EXPECT_TRUE(missing.slot.frames.empty());
}

// Start-up loads the whole table through one loader, whose budget counts
// what the frames keep, not the pictures they were composed from: a
// character of Quenna's size, each frame with an image of its own as large
// as its canvas, is composed whole.
TEST_F(IvrelFrames, ALargeSoundCharacterIsComposedWholeAtStartUp)
{
    constexpr int32_t kSlots = 25;
    constexpr int32_t kFramesPerSlot = 30;
    const auto script = [](const std::vector<std::string>& images) {
        std::vector<IvrelScriptFrame> records;
        for (const std::string& image : images)
            records.push_back(Record(image, "", ""));
        return Bytes(records);
    };
    const auto scriptName = [](int32_t slot) { return IvrelSlotTable(slot).script; };
    CharacterArchive archive(OwnImageCharacter(kSlots, kFramesPerSlot, script, scriptName));
    CharacterLoader loader(archive.Path(), kQuarterQuennaBudget, kIvrelCharacterForm);
    std::vector<CharacterSlot> slots(kSlots);
    LoadIvrelSlots(loader, slots);
    EXPECT_EQ(FramesShowingTheirOwnImage(slots), kSlots * kFramesPerSlot);
}

// A wave whose RIFF chunk claims more bytes than the entry holds.
std::string OverlongVoice()
{
    std::string voice = Voice(9);
    const uint32_t claimed = 100000;
    std::memcpy(&voice[4], &claimed, 4);
    return voice;
}

class IvrelVoices : public IvrelFrames {
protected:
    static Entries WithVoices()
    {
        Entries entries = Pictures();
        entries.push_back({"slot.ttp", Bytes({Record("image", "voice1.wav", "mask"), Record("image", "", "")})});
        entries.push_back({"attached.wav", Voice(7)});
        entries.push_back({"broken.wav", OverlongVoice()});
        entries.push_back({"notawave.wav", "RIFF but not a wave at all"});
        return entries;
    }
};

TEST_F(IvrelVoices, AnAttachedVoiceTakesTheFirstFramesPlaceWithItsFlag)
{
    CharacterArchive archive(WithVoices());
    CharacterLoader loader(archive.Path(), kMostLoadedBytes, kIvrelCharacterForm);
    CharacterSlot slot;
    loader.LoadSlotScript(slot, "slot.ttp");
    ASSERT_EQ(slot.media.size(), 2u);
    ASSERT_TRUE(slot.media[0].wave) << "the script's own voice first";

    EXPECT_TRUE(AttachVoice(loader, slot, "attached.wav", 1));
    EXPECT_EQ(slot.slot.voiceFlag, 1);
    ASSERT_TRUE(slot.media[0].wave);
    const std::string attached = Voice(7);
    EXPECT_EQ(*slot.media[0].wave, std::vector<uint8_t>(attached.begin(), attached.end()));
    EXPECT_FALSE(slot.media[1].wave) << "the other frames keep theirs";

    EXPECT_TRUE(AttachVoice(loader, slot, "voice2.wav", 0));
    EXPECT_EQ(slot.slot.voiceFlag, 0);
}

// A voice that is missing, or that fails the checks every voice passes, is
// not loaded: the slot's flag and its first frame stay as they were.
TEST_F(IvrelVoices, AVoiceThatCannotBeLoadedChangesNothing)
{
    CharacterArchive archive(WithVoices());
    for (const char* name : {"absent.wav", "broken.wav", "notawave.wav", "", "voice1"}) {
        SCOPED_TRACE(name);
        CharacterLoader loader(archive.Path(), kMostLoadedBytes, kIvrelCharacterForm);
        CharacterSlot slot;
        loader.LoadSlotScript(slot, "slot.ttp");
        ASSERT_EQ(slot.media.size(), 2u);
        slot.slot.voiceFlag = 1;
        const WaveBytes before = slot.media[0].wave;
        EXPECT_FALSE(AttachVoice(loader, slot, name, 0));
        EXPECT_EQ(slot.slot.voiceFlag, 1);
        EXPECT_EQ(slot.media[0].wave, before);
    }

    // Nor one the loader's byte budget has no room for.
    CharacterLoader spent(archive.Path(), 0, kIvrelCharacterForm);
    CharacterSlot slot;
    spent.LoadSlotScript(slot, "slot.ttp");
    ASSERT_EQ(slot.media.size(), 2u);
    EXPECT_FALSE(AttachVoice(spent, slot, "attached.wav", 1));
    EXPECT_EQ(slot.slot.voiceFlag, 0);
    EXPECT_FALSE(slot.media[0].wave);
}

TEST_F(IvrelVoices, ASlotWithoutFramesTakesNoVoice)
{
    CharacterArchive archive(WithVoices());
    CharacterLoader loader(archive.Path(), kMostLoadedBytes, kIvrelCharacterForm);
    CharacterSlot empty;
    loader.LoadSlotScript(empty, "absent.ttp");
    EXPECT_FALSE(AttachVoice(loader, empty, "attached.wav", 1));
    EXPECT_TRUE(empty.slot.frames.empty());
    EXPECT_TRUE(empty.media.empty());
    EXPECT_EQ(empty.slot.voiceFlag, 0);
}

// Every slot of the table loads its script and gets the table's voice on
// its first frame, in the program's order: with room for fourteen voices,
// the twelve chimes' and then those of 8 and 23 are the ones attached.
TEST_F(IvrelVoices, TheTablesVoicesAreAttachedInTheirOrder)
{
    Entries entries;
    for (int32_t slot = 0; slot < 25; ++slot) {
        const IvrelSlotEntries names = IvrelSlotTable(slot);
        ASSERT_FALSE(names.script.empty()) << slot;
        entries.push_back({names.script, Bytes({Record("", "", ""), Record("x", "", "")})});
        if (!names.voice.empty())
            entries.push_back({names.voice, Voice(static_cast<uint8_t>(slot))});
    }
    CharacterArchive archive(entries);
    const uint64_t voiceSize = Voice(0).size();
    struct Case {
        uint64_t budget;
        std::vector<int32_t> voiced;
    };
    const std::vector<int32_t> all = {1, 2, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    const Case cases[] = {
        {kMostLoadedBytes, all},
        {14 * voiceSize, {8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.budget);
        std::vector<CharacterSlot> slots(25);
        CharacterLoader loader(archive.Path(), c.budget, kIvrelCharacterForm);
        LoadIvrelSlots(loader, slots);
        std::vector<int32_t> voiced;
        for (int32_t slot = 0; slot < 25; ++slot) {
            SCOPED_TRACE(slot);
            ASSERT_EQ(slots[static_cast<size_t>(slot)].media.size(), 2u);
            const WaveBytes& wave = slots[static_cast<size_t>(slot)].media[0].wave;
            if (!wave)
                continue;
            voiced.push_back(slot);
            const std::string expected = Voice(static_cast<uint8_t>(slot));
            EXPECT_EQ(*wave, std::vector<uint8_t>(expected.begin(), expected.end()));
            EXPECT_EQ(slots[static_cast<size_t>(slot)].slot.voiceFlag, IvrelSlotTable(slot).voiceFlag);
        }
        EXPECT_EQ(voiced, c.voiced);
    }
}

TEST(IvrelSlotTable, NamesEachSlotsScriptAndVoice)
{
    struct Case {
        int32_t slot;
        const char* script;
        const char* voice;
        uint8_t flag;
    };
    const Case cases[] = {
        {0, "ivrel00.ttp", "", 0},          {1, "ivrel01.ttp", "ivrel16.wav", 1}, {2, "ivrel02.ttp", "ivrel18.wav", 1},
        {3, "ivrel03.ttp", "", 0},          {4, "ivrel04.ttp", "ivrel24.wav", 1}, {5, "ivrel05.ttp", "ivrel23.wav", 0},
        {6, "ivrel06.ttp", "ivrel21.wav", 0}, {7, "ivrel07.ttp", "ivrel22.wav", 0}, {8, "ivrel08.ttp", "ivrel02.wav", 0},
        {9, "ivrel09.ttp", "", 0},          {10, "ivrel08_0.ttp", "ivrel04.wav", 0}, {15, "ivrel08_5.ttp", "ivrel09.wav", 0},
        {21, "ivrel08_11.ttp", "ivrel15.wav", 0}, {22, "ivrel06_0.ttp", "ivrel20.wav", 0},
        {23, "ivrel08_x.ttp", "ivrel03.wav", 0}, {24, "ivrel01_0.ttp", "ivrel17.wav", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        const IvrelSlotEntries entries = IvrelSlotTable(c.slot);
        EXPECT_EQ(entries.script, c.script);
        EXPECT_EQ(entries.voice, c.voice);
        EXPECT_EQ(entries.voiceFlag, c.flag);
    }
    for (int32_t outside : {-1, 25}) {
        EXPECT_EQ(IvrelSlotTable(outside).script, "");
        EXPECT_EQ(IvrelSlotTable(outside).voice, "");
    }
}

// The slots whose voices were attached with the flag are silent when only
// some voices are wanted.
TEST(IvrelSlotTable, WithVoiceModeOneTheFlaggedSlotsAreSilent)
{
    for (int32_t slot = 0; slot < 25; ++slot) {
        SCOPED_TRACE(slot);
        const bool silent = slot == 1 || slot == 2 || slot == 4 || slot == 24;
        for (int32_t voiceMode : {0, 1}) {
            AnimationSlot played;
            played.frames.assign(1, FrameInfo{});
            played.voiceFlag = IvrelSlotTable(slot).voiceFlag;
            EXPECT_EQ(played.BeginUpdate(voiceMode).soundFrame, voiceMode == 1 && silent ? -1 : 0) << voiceMode;
        }
    }
}

TEST(IvrelPlacement, TheImageStandsAtTheBasePlusItsOffsetsAndTheMaskToItsLeft)
{
    FrameInfo frame;
    frame.offsetX = -20;
    frame.offsetY = 15;
    FrameMedia media;
    media.maskWidth = 40;
    media.imageWidth = 100;
    media.imageHeight = 120;
    const POINT at = IvrelWindowPlace(300, 200, frame, media, false, 768);
    EXPECT_EQ(at.x, 300 - 20 - 40);
    EXPECT_EQ(at.y, 200 + 15);
}

// The centred slot stands at half the screen's height less half the
// image's, each halved by a shift; neither the base y nor the offset y
// count, and the screen height is the one handed in at this show.
TEST(IvrelPlacement, TheCentredSlotStandsAtHalfTheScreenHeight)
{
    FrameInfo frame;
    frame.offsetX = 5;
    frame.offsetY = -300;
    FrameMedia media;
    media.maskWidth = 10;
    media.imageHeight = 120;
    struct Case {
        int32_t screenHeight, imageHeight, y;
    };
    for (const Case c : {Case{768, 120, 324}, Case{767, 121, 323}, Case{600, 120, 240}, Case{0, 0, 0}, Case{1, 1, 0}}) {
        SCOPED_TRACE(testing::Message() << c.screenHeight << ", " << c.imageHeight);
        media.imageHeight = c.imageHeight;
        const POINT at = IvrelWindowPlace(300, 9999, frame, media, true, c.screenHeight);
        EXPECT_EQ(at.x, 295);
        EXPECT_EQ(at.y, c.y);
    }
}

// A base read from setting.dat may lie anywhere: the sums with it are held
// at the int32 range, never at the desktop.
TEST(IvrelPlacement, SumsWithTheBaseAreHeldAtTheInt32Range)
{
    struct Case {
        int32_t baseX, baseY;
        int32_t offsetX, offsetY, maskWidth;
        int32_t x, y;
    };
    const Case cases[] = {
        {kMax, kMax, 100, 100, 0, kMax, kMax},
        {kMin, kMin, -100, -1, 40, kMin, kMin},
        {kMin, kMax, 0, 0, 1, kMin, kMax},
        {kMax - 10, kMin + 10, 10, -10, 0, kMax, kMin}, // exactly to the limits
        {kMax, kMin, -100, 100, 40, kMax - 140, kMin + 100},
        {-5000, 90000, 8, -6, 48, -5040, 89994}, // far outside the desktop, as stored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.baseX << "," << c.baseY);
        FrameInfo frame;
        frame.offsetX = c.offsetX;
        frame.offsetY = c.offsetY;
        FrameMedia media;
        media.maskWidth = c.maskWidth;
        const POINT at = IvrelWindowPlace(c.baseX, c.baseY, frame, media, false, 768);
        EXPECT_EQ(at.x, c.x);
        EXPECT_EQ(at.y, c.y);
    }
}

} // namespace
