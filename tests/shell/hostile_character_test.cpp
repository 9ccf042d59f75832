// Damaged and hostile character archives: the program loads what it can,
// shows it, and keeps running.
#include "app/animation_frames.h"

#include "app/shell_host.h"
#include "base/graphics/effect.h"
#include "base/window/display_settings.h"
#include "base/window/window_control.h"
#include "tests/shell/character_fixtures.h"
#include "tests/shell/gdi_exhaustion.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

std::string Cut(std::string bytes, size_t size)
{
    bytes.resize(size);
    return bytes;
}

// A RIFF image whose RIFF chunk claims far more bytes than it has: played
// from memory, the system would read past it.
std::string LyingVoice()
{
    std::string voice = Voice(3);
    voice[4] = voice[5] = voice[6] = '\x7F';
    return voice;
}

Entries HostileEntries()
{
    std::vector<ScriptFrame> tooMany(static_cast<size_t>(kMostScriptFrames) + 1, Frame("image", "", ""));
    const std::string good = Script(2, 40, 30, {Frame("image", "voice", "mask"), Frame("image", "", "mask")});
    std::string negativeLength = good;
    negativeLength[16] = negativeLength[17] = negativeLength[18] = negativeLength[19] = '\xFF';
    return {
        {"image.bmz", Picture(10, 10, kBlue)},
        {"mask.bmz", Picture(20, 20, kRed)},
        {"broken.bmz", Cut(Picture(10, 10, kBlue), 60)},
        {"voice.wav", Voice(1)},
        {"lying.wav", LyingVoice()},
        {"good.ttp", good},
        {"huge_canvas.ttp", Script(2, 100000, 100000, {Frame("image", "voice", "mask")})},
        {"too_many_frames.ttp", Script(2, 40, 30, tooMany)},
        {"broken_picture.ttp", Script(2, 40, 30, {Frame("broken", "lying", "")})},
        {"truncated.ttp", Cut(good, good.size() - 1)},
        {"negative_length.ttp", negativeLength},
    };
}

const char* const kScripts[] = {"good.ttp",        "huge_canvas.ttp", "too_many_frames.ttp", "broken_picture.ttp",
                                "truncated.ttp",   "negative_length.ttp", "absent.ttp"};
constexpr size_t kScriptCount = sizeof kScripts / sizeof kScripts[0];

class HostileCharacter : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cEffect::InitCpu(); }

    // Plays every slot for a few ticks on a window, as the behaviour would.
    static void PlayAll(std::vector<CharacterSlot>& slots)
    {
        WindowControl window;
        window.Create(WindowCreateParams{GetModuleHandleA(nullptr), nullptr, Rect(0, 0, 50, 50), WS_POPUP | WS_VISIBLE,
                                         WS_EX_TOOLWINDOW, "STATIC", ""});
        SettingsRecord settings;
        ShellState state;
        DisplaySettings display;
        ShellHost host(slots, settings, state, window, display);
        for (int32_t slot = 0; slot < static_cast<int32_t>(slots.size()); ++slot) {
            host.RestartSlot(slot, true);
            for (int tick = 0; tick < 3; ++tick) {
                host.UpdateSlot(slot);
                host.AdvanceSlot(slot);
            }
        }
        HWND hwnd = window.Hwnd();
        window.Release();
        DestroyWindow(hwnd);
    }
};

TEST_F(HostileCharacter, WhatCanBeLoadedIsLoadedAndTheRestStaysEmpty)
{
    CharacterArchive archive(HostileEntries());
    std::vector<CharacterSlot> slots(kScriptCount);
    for (size_t i = 0; i < kScriptCount; ++i)
        LoadSlotScript(slots[i], archive.Path(), kScripts[i]);

    ASSERT_EQ(slots[0].media.size(), 2u) << "the good script";
    EXPECT_TRUE(slots[0].media[0].surface.IsBuilt());
    EXPECT_TRUE(slots[0].media[0].wave);

    ASSERT_EQ(slots[1].media.size(), 1u) << "a canvas too large is not made; the frame is still there";
    EXPECT_FALSE(slots[1].media[0].surface.IsBuilt());
    EXPECT_TRUE(slots[1].media[0].wave);

    EXPECT_TRUE(slots[2].slot.frames.empty()) << "more frames than an animation has";

    ASSERT_EQ(slots[3].media.size(), 1u);
    EXPECT_EQ(slots[3].media[0].imageWidth, 0) << "a cut picture is no picture";
    EXPECT_FALSE(slots[3].media[0].wave) << "a voice larger inside than outside is never played";

    for (size_t i = 4; i < kScriptCount; ++i)
        EXPECT_TRUE(slots[i].slot.frames.empty()) << kScripts[i];

    PlayAll(slots);
}

// Many frames that each bring a picture and a voice of their own: a loader
// reads and composes them only while its byte budget lasts. The budget here
// has room for two frames; the program's is 1 GiB.
TEST_F(HostileCharacter, FramesPastTheLoadersBudgetAreNeitherReadNorComposed)
{
    const std::string picture = Picture(10, 10, kBlue);
    const std::string voice = Voice(1);
    Entries entries;
    std::vector<ScriptFrame> frames;
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        entries.push_back({std::string(name) + ".bmz", picture});
        entries.push_back({std::string(name) + ".wav", voice});
        frames.push_back(Frame(name, name, ""));
    }
    entries.push_back({"many.ttp", Script(2, 40, 30, frames)});
    CharacterArchive archive(entries);
    // What a frame keeps: its voice and its canvas's section.
    const uint64_t frameBytes = voice.size() + 4 * 40 * 30;

    for (const uint64_t budget : {kMostLoadedBytes, 2 * frameBytes}) {
        SCOPED_TRACE(budget);
        CharacterSlot slot;
        CharacterLoader(archive.Path(), budget).LoadSlotScript(slot, "many.ttp");
        ASSERT_EQ(slot.media.size(), frames.size()) << "every frame keeps its record";
        for (size_t i = 0; i < slot.media.size(); ++i) {
            const bool whole = budget == kMostLoadedBytes || i < 2;
            EXPECT_EQ(slot.media[i].surface.IsBuilt(), whole) << i;
            EXPECT_EQ(static_cast<bool>(slot.media[i].wave), whole) << i;
            EXPECT_EQ(slot.media[i].imageWidth, whole ? 10 : 0) << i;
        }
    }
}

// The pictures a canvas is composed from are held only until the next ones
// replace them, so a large character that is sound is composed whole: 26
// slots of 30 frames, each frame with an image of its own as large as its
// canvas, as large as Quenna's.
TEST_F(HostileCharacter, ALargeSoundCharacterIsComposedWhole)
{
    constexpr int32_t kSlots = 26;
    constexpr int32_t kFramesPerSlot = 30;
    const auto script = [](const std::vector<std::string>& images) {
        std::vector<ScriptFrame> frames;
        for (const std::string& image : images)
            frames.push_back(Frame(image, "", ""));
        return Script(2, kQuarterQuennaWidth, kQuarterQuennaHeight, frames);
    };
    const auto scriptName = [](int32_t slot) { return "slot" + std::to_string(slot) + ".ttp"; };
    CharacterArchive archive(OwnImageCharacter(kSlots, kFramesPerSlot, script, scriptName));
    CharacterLoader loader(archive.Path(), kQuarterQuennaBudget);
    std::vector<CharacterSlot> slots(kSlots);
    for (int32_t slot = 0; slot < kSlots; ++slot)
        loader.LoadSlotScript(slots[static_cast<size_t>(slot)], scriptName(slot));
    EXPECT_EQ(FramesShowingTheirOwnImage(slots), kSlots * kFramesPerSlot);
}

// A picture larger than what the budget has left is not loaded, and what is
// left is spent: a damaged archive gets no huge picture in beside what the
// loader keeps. A budget that has room for it composes every frame.
TEST_F(HostileCharacter, APictureLargerThanTheBudgetLeftIsNotLoaded)
{
    const std::string huge = Picture(100, 100, kBlue);
    CharacterArchive archive({{"huge.bmz", huge},
                              {"small.bmz", Picture(10, 10, kRed)},
                              {"other.bmz", Picture(10, 10, kWhite)},
                              {"voice.wav", Voice(1)},
                              {"slot.ttp", Script(2, 40, 30,
                                                  {Frame("small", "", ""), Frame("huge", "", ""),
                                                   Frame("other", "voice", "")})}});
    const uint64_t section = 4 * 40 * 30;
    struct Case {
        uint64_t budget;
        std::vector<bool> composed;
    };
    const Case cases[] = {
        {3 * section, {true, false, false}},
        {3 * section + huge.size(), {true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.budget);
        CharacterSlot slot;
        CharacterLoader(archive.Path(), c.budget).LoadSlotScript(slot, "slot.ttp");
        ASSERT_EQ(slot.media.size(), 3u) << "every frame keeps its record";
        for (size_t i = 0; i < slot.media.size(); ++i) {
            EXPECT_EQ(slot.media[i].surface.IsBuilt(), c.composed[i]) << i;
            EXPECT_EQ(slot.media[i].imageWidth != 0, c.composed[i]) << i;
        }
        EXPECT_EQ(static_cast<bool>(slot.media[2].wave), c.composed[2]);
    }
}

// Frames that each name another picture, far larger than their canvas but
// each fitting the budget: decoding them all would keep start-up busy for
// hours at the program's sizes. A loader decodes pictures up to
// kDecodedPictureBytesPerBudgetByte times its budget; the frames after get
// nothing, as past a spent budget, though their sections would fit. Entries
// that decode to no picture at all take from the allowance as well.
TEST_F(HostileCharacter, PicturesAreDecodedOnlyUpToTheirAllowance)
{
    constexpr int32_t kSide = 64;
    constexpr int kFrames = 40;
    const std::string large = Picture(kSide, kSide, kBlue);
    const std::string noPicture(large.size(), 'x');
    for (const bool pictures : {true, false}) {
        SCOPED_TRACE(pictures ? "large pictures" : "entries as large that hold no picture");
        Entries entries;
        std::vector<ScriptFrame> frames;
        for (int i = 0; i < kFrames; ++i) {
            const std::string name = "picture" + std::to_string(i);
            entries.push_back({name + ".bmz", pictures ? large : noPicture});
            frames.push_back(Frame(name, "", ""));
        }
        entries.push_back({"slot.ttp", Script(2, 8, 8, frames)});
        CharacterArchive archive(entries);
        const uint64_t budget = 4 * large.size();
        ASSERT_LT(uint64_t{kFrames} * 4 * 8 * 8, budget) << "every frame's section fits";
        const size_t decodable = static_cast<size_t>(kDecodedPictureBytesPerBudgetByte * budget / large.size());
        ASSERT_LT(decodable, static_cast<size_t>(kFrames));

        CharacterSlot slot;
        CharacterLoader(archive.Path(), budget).LoadSlotScript(slot, "slot.ttp");
        ASSERT_EQ(slot.media.size(), static_cast<size_t>(kFrames)) << "every frame keeps its record";
        for (size_t i = 0; i < slot.media.size(); ++i) {
            const bool composed = i < decodable;
            EXPECT_EQ(slot.media[i].surface.IsBuilt(), composed) << i;
            EXPECT_EQ(slot.media[i].imageWidth, composed && pictures ? kSide : 0) << i;
        }
    }
}

// A frame's image and mask are held together while its canvas is composed:
// both together must fit in what the budget has left, or the frame is not
// composed and the budget is spent.
TEST_F(HostileCharacter, AnImageAndAMaskHeldTogetherMustFitTheBudgetLeft)
{
    const std::string picture = Picture(50, 50, kBlue);
    CharacterArchive archive({{"image.bmz", picture},
                              {"mask.bmz", Picture(50, 50, kRed)},
                              {"slot.ttp", Script(2, 40, 30, {Frame("image", "", "mask")})}});
    const uint64_t section = 4 * 40 * 30;
    struct Case {
        uint64_t budget;
        bool composed;
    };
    const Case cases[] = {
        {section + picture.size() + picture.size() / 4, false},
        {section + 2 * picture.size(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.budget);
        CharacterSlot slot;
        CharacterLoader(archive.Path(), c.budget).LoadSlotScript(slot, "slot.ttp");
        ASSERT_EQ(slot.media.size(), 1u);
        EXPECT_EQ(slot.media[0].surface.IsBuilt(), c.composed);
        EXPECT_EQ(slot.media[0].maskWidth, c.composed ? 50 : 0);
    }
}

// Many tiny frames that differ: each composed frame holds a DIB section, a
// memory DC and a region, whatever its size, and a process gets 10,000 GDI
// objects from Windows, after which no dialog or box can open. A loader
// composes only so many frames for a character; frames that repeat an
// earlier picture cost nothing and are not counted. The pictures are
// missing: a frame still gets its (key-coloured) canvas then.
TEST_F(HostileCharacter, FramesPastTheComposedFrameBoundKeepTheirRecordsAndShowNothing)
{
    constexpr int kSlots = 3;
    constexpr int kDistinct = 1000;
    Entries entries;
    for (int slot = 0; slot < kSlots; ++slot) {
        std::vector<ScriptFrame> frames;
        for (int i = 0; i < kMostScriptFrames; ++i) {
            // The last frames repeat the first ones.
            const int picture = i < kDistinct ? i : i - kDistinct;
            frames.push_back(Frame("p" + std::to_string(slot) + "_" + std::to_string(picture), "", ""));
        }
        entries.push_back({"many" + std::to_string(slot) + ".ttp", Script(2, 2, 2, frames)});
    }
    CharacterArchive archive(entries);
    ASSERT_GT(kSlots * kDistinct, kMostComposedFrames);

    const size_t roomBefore = GdiObjectsLeft();
    const DWORD countedBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    std::vector<CharacterSlot> slots(kSlots);
    CharacterLoader loader(archive.Path());
    for (int slot = 0; slot < kSlots; ++slot)
        loader.LoadSlotScript(slots[slot], "many" + std::to_string(slot) + ".ttp");
    const size_t roomAfter = GdiObjectsLeft();
    const DWORD countedAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);

    int composed = 0;
    for (int slot = 0; slot < kSlots; ++slot) {
        SCOPED_TRACE(slot);
        const CharacterSlot& loaded = slots[static_cast<size_t>(slot)];
        ASSERT_EQ(loaded.slot.frames.size(), static_cast<size_t>(kMostScriptFrames)) << "every frame keeps its record";
        ASSERT_EQ(loaded.media.size(), loaded.slot.frames.size());
        for (int i = 0; i < kDistinct; ++i) {
            const FrameMedia& media = loaded.media[static_cast<size_t>(i)];
            EXPECT_EQ(media.Shape() != nullptr, media.surface.IsBuilt()) << i;
            composed += media.surface.IsBuilt() ? 1 : 0;
        }
        EXPECT_EQ(loaded.slot.frames[kDistinct].aliasIndex, 0);
    }
    EXPECT_EQ(composed, kMostComposedFrames);
    EXPECT_TRUE(slots[1].media[kDistinct - 1].surface.IsBuilt()) << "the repeats of the slot before took none";
    EXPECT_FALSE(slots[2].media[0].surface.IsBuilt()) << "past the bound";

    // Three GDI objects a composed frame: some 6,000 for the character.
    const size_t most = 3 * static_cast<size_t>(kMostComposedFrames) + 16;
    ASSERT_GE(roomBefore, roomAfter);
    EXPECT_LE(roomBefore - roomAfter, most);
    // Windows counts a process's GDI objects; Wine answers 0.
    if (countedBefore != 0) {
        EXPECT_LE(countedAfter - countedBefore, most);
    }

    PlayAll(slots);
}

TEST_F(HostileCharacter, AnArchiveCutAnywhereLoadsWholeSlotsOrNone)
{
    CharacterArchive whole(HostileEntries());
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(whole.Path(), bytes));
    TempDir folder;
    const std::string path = folder.File("cut.pac");
    for (size_t size = 0; size < bytes.size(); size += bytes.size() / 37 + 1) {
        SCOPED_TRACE(size);
        ASSERT_TRUE(WriteWholeFile(path, bytes.substr(0, size)));
        std::vector<CharacterSlot> slots(kScriptCount);
        for (size_t i = 0; i < kScriptCount; ++i)
            LoadSlotScript(slots[i], path, kScripts[i]);
        for (const CharacterSlot& slot : slots)
            EXPECT_EQ(slot.media.size(), slot.slot.frames.size());
        PlayAll(slots);
    }
}

} // namespace
