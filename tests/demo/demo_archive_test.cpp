// Each edition's demo character archive as the build made it: the scripts,
// pictures and voices that the edition's program loads when no other
// character is given.
#include "app/animation_script.h"
#include "app/program.h"
#include "base/graphics/bitmap.h"
#include "base/io/pack_file.h"
#include "editions/ivrel/ivrel_edition.h"
#include "editions/ivrel/ivrel_script.h"
#include "editions/pelmo/pelmo_edition.h"
#include "editions/quenna/quenna_edition.h"
#include "editions/sorlun/sorlun_edition.h"
#include "editions/tavri/tavri_edition.h"
#include "tests/demo/demo_checks.h"
#include "tests/support/temp_dir.h"
#include "tools/demo_character/demo_markers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <ostream>
#include <utility>
#include <string>
#include <vector>

namespace {

// What the tests know of an edition's demo character besides its table.
struct DemoEdition {
    const char* name;
    const EditionParameters& (*table)();
    const char* archive;
    DemoMarkerPlace marker;
    // The areas a click reacts to, which the figure must cover in every
    // frame, and a point of the figure outside them (where the user drags
    // it or opens its menu without starting a reaction).
    std::vector<ClickRect> clickAreas;
    POINT bodyPoint;
    // The idle actions, whose voices are chatter.
    ActionRange idleActions;
    // Walks in strides: the program glides the window 4/5 of a pixel per
    // millisecond while the first stride shows and sets it 200 pixels from
    // the start for the second.
    std::vector<int> stridingWalks = {};
};

// Test names and messages show the edition by its name.
void PrintTo(const DemoEdition& edition, std::ostream* out)
{
    *out << edition.name;
}

const std::vector<DemoEdition>& Editions()
{
    static const std::vector<DemoEdition> editions{
        {"quenna", QuennaEdition, QUENNA_DEMO_ARCHIVE, kQuennaDemoMarker, {QuennaRules().clickA.area, QuennaRules().clickB.area}, {256, 300},
         QuennaRules().idlePick},
        {"pelmo", PelmoEdition, PELMO_DEMO_ARCHIVE, kPelmoDemoMarker, {kPelmoClickA, kPelmoClickB}, {216, 330}, kPelmoIdlePick},
        {"tavri", TavriEdition, TAVRI_DEMO_ARCHIVE, kTavriDemoMarker, {kTavriClickA, kTavriClickB}, {224, 300}, kTavriIdlePick,
         {kTavriWalkLeft, kTavriWalkRight}},
        {"sorlun", SorlunEdition, SORLUN_DEMO_ARCHIVE, kSorlunDemoMarker,
         {kSorlunRightUpper, kSorlunRightLower, kSorlunLeftUpper, kSorlunLeftLower}, {202, 262}, kSorlunIdlePick},
    };
    return editions;
}

// Reads a copy of the archive: the reader opens files without sharing, so
// test programs running side by side cannot all open the build's own.
class DemoArchive : public testing::TestWithParam<DemoEdition> {
protected:
    void SetUp() override { ASSERT_TRUE(CopyFileA(Demo().archive, path_.c_str(), FALSE)) << Demo().archive; }

    static const DemoEdition& Demo() { return GetParam(); }
    static const EditionParameters& Table() { return Demo().table(); }
    static int SlotCount() { return Table().shell.slotCount; }
    static int32_t CanvasWidth() { return 2 * Table().behaviour.originOffsetX; }
    static int32_t CanvasHeight() { return 2 * Table().behaviour.originOffsetY; }
    static DemoMarkerBox Marker() { return DemoMarkerOn(Demo().marker, CanvasWidth()); }

    static std::string ScriptName(int slot) { return ::ScriptName(Table().shell.scriptPattern, slot); }

    bool LoadEntry(const std::string& name, std::string& bytes) { return LoadArchiveEntry(path_, name, bytes); }

    // Only the frames of a script that loads and parses; none otherwise.
    AnimationScript LoadScript(int slot)
    {
        AnimationScript script;
        std::string bytes;
        EXPECT_TRUE(LoadEntry(ScriptName(slot), bytes)) << ScriptName(slot);
        EXPECT_TRUE(ParseAnimationScript(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), script));
        return script;
    }

    // The picture as the program loads it. It must be a 32-bit image, the
    // only depth that frames are composed from.
    Bitmap LoadPicture(const std::string& name)
    {
        Bitmap picture;
        PackSource source;
        source.path = path_;
        source.name = name + ".bmz";
        EXPECT_TRUE(picture.Load(source)) << name;
        return picture;
    }

    Canvas Compose(const ScriptFrame& frame, bool withMask = true)
    {
        Canvas canvas(CanvasWidth(), CanvasHeight());
        if (withMask && !frame.maskName.empty())
            canvas.Copy(LoadPicture(frame.maskName), frame.maskX, frame.maskY);
        canvas.Copy(LoadPicture(frame.imageName), frame.imageX, frame.imageY);
        return canvas;
    }

    TempDir dir_;
    const std::string path_ = dir_.File(Table().shell.archiveName);
};

// The index of the first frame with the same pictures: the frame whose
// picture the program shows for this one.
size_t ShownFrame(const AnimationScript& script, size_t index)
{
    for (size_t earlier = 0; earlier < index; ++earlier)
        if (script.frames[earlier].imageName == script.frames[index].imageName &&
            script.frames[earlier].maskName == script.frames[index].maskName)
            return earlier;
    return index;
}

TEST_P(DemoArchive, HoldsAVersion3ScriptPerActionOnTheCharacterCanvas)
{
    for (int slot = 0; slot < SlotCount(); ++slot) {
        SCOPED_TRACE(slot);
        const AnimationScript script = LoadScript(slot);
        EXPECT_EQ(script.version, 3);
        EXPECT_EQ(script.width, CanvasWidth());
        EXPECT_EQ(script.height, CanvasHeight());
        EXPECT_GE(script.frames.size(), 2u);
        EXPECT_LE(script.frames.size(), 6u);
        for (const ScriptFrame& frame : script.frames) {
            EXPECT_FALSE(frame.imageName.empty());
            EXPECT_GE(frame.durationMs, 100u);
            EXPECT_LE(frame.durationMs, 500u);
        }
    }
    std::string bytes;
    EXPECT_FALSE(LoadEntry(ScriptName(SlotCount()), bytes));
}

TEST_P(DemoArchive, PicturesAre32BitAndLieOnTheCanvas)
{
    for (int slot = 0; slot < SlotCount(); ++slot) {
        SCOPED_TRACE(slot);
        for (const ScriptFrame& frame : LoadScript(slot).frames) {
            const struct {
                const std::string& name;
                int32_t x, y;
            } pictures[] = {{frame.imageName, frame.imageX, frame.imageY}, {frame.maskName, frame.maskX, frame.maskY}};
            for (const auto& placed : pictures) {
                if (placed.name.empty())
                    continue;
                const Bitmap picture = LoadPicture(placed.name);
                ASSERT_NO_FATAL_FAILURE(ExpectComposablePicture(picture, placed.name));
                EXPECT_GE(placed.x, 0) << placed.name;
                EXPECT_GE(placed.y, 0) << placed.name;
                EXPECT_LE(placed.x + picture.Width(), CanvasWidth()) << placed.name;
                EXPECT_LE(placed.y + picture.Height(), CanvasHeight()) << placed.name;
            }
        }
    }
}

TEST_P(DemoArchive, VoicesAreShortPcmWaves)
{
    for (int slot = 0; slot < SlotCount(); ++slot) {
        for (const ScriptFrame& frame : LoadScript(slot).frames) {
            if (frame.soundName.empty())
                continue;
            SCOPED_TRACE(frame.soundName);
            std::string bytes;
            ASSERT_TRUE(LoadEntry(frame.soundName + ".wav", bytes));
            ExpectShortPcmWave(bytes);
        }
    }
}

TEST_P(DemoArchive, FigureOnTheKeyColourCoversTheClickAreasAndAPointBesideThem)
{
    const POINT body = Demo().bodyPoint;
    for (const ClickRect& area : Demo().clickAreas)
        ASSERT_FALSE(area.Contains(body.x, body.y)) << "the body point lies in a click area";
    for (int slot = 0; slot < SlotCount(); ++slot) {
        const AnimationScript script = LoadScript(slot);
        for (size_t index = 0; index < script.frames.size(); ++index) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << " frame " << index);
            const Canvas canvas = Compose(script.frames[index]);
            // Around the figure: the canvas edges are outside the shape.
            for (int x = 0; x < CanvasWidth(); ++x) {
                ASSERT_EQ(canvas.At(x, 0), kKey);
                ASSERT_EQ(canvas.At(x, CanvasHeight() - 1), kKey);
            }
            for (int y = 0; y < CanvasHeight(); ++y) {
                ASSERT_EQ(canvas.At(0, y), kKey);
                ASSERT_EQ(canvas.At(CanvasWidth() - 1, y), kKey);
            }
            // Every point of every area can be clicked, and the body point
            // is the window's too.
            for (const ClickRect& area : Demo().clickAreas)
                for (int y = area.top; y < area.bottom; ++y)
                    for (int x = area.left; x < area.right; ++x)
                        ASSERT_NE(canvas.At(x, y), kKey) << x << "," << y;
            ASSERT_NE(canvas.At(body.x, body.y), kKey);
        }
    }
}

TEST_P(DemoArchive, MarkerInsideTheCharacterNamesTheSlotAndTheFrameWhosePictureIsShown)
{
    for (int slot = 0; slot < SlotCount(); ++slot) {
        const AnimationScript script = LoadScript(slot);
        for (size_t index = 0; index < script.frames.size(); ++index) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << " frame " << index);
            const Canvas canvas = Compose(script.frames[index]);
            int markedSlot = -1;
            int markedFrame = -1;
            ASSERT_TRUE(DecodeDemoMarker(Marker(), [&](int x, int y) { return canvas.At(x, y); }, markedSlot, markedFrame));
            EXPECT_EQ(markedSlot, slot);
            EXPECT_EQ(markedFrame, static_cast<int>(ShownFrame(script, index)));
            ASSERT_NO_FATAL_FAILURE(ExpectMarkerInsideTheCharacter(canvas, Marker(), Demo().bodyPoint));
        }
    }
}

TEST(DemoMarkers, HoldsEverySlotOfTheLargestEditionAndIsMissingWithoutTheFigure)
{
    // 40 slots, numbered up to 39, and up to 16 frames each.
    const DemoMarkerBox box = DemoMarkerOn(kTavriDemoMarker, 2 * TavriEdition().behaviour.originOffsetX);
    for (const auto& [slot, frame] : {std::pair{39, 15}, std::pair{0, 0}, std::pair{32, 1}, std::pair{63, 9}}) {
        int readSlot = -1;
        int readFrame = -1;
        ASSERT_TRUE(DecodeDemoMarker(
            box,
            [&](int x, int y) {
                const int cell = (x - box.left) / DemoMarker::kCellSize;
                return y >= box.top && y < box.bottom ? DemoMarkerCellColour(slot, frame, cell) : kKey;
            },
            readSlot, readFrame));
        EXPECT_EQ(readSlot, slot);
        EXPECT_EQ(readFrame, frame);
    }
    int slot = 0;
    int frame = 0;
    EXPECT_FALSE(DecodeDemoMarker(box, [](int, int) { return kKey; }, slot, frame));
    EXPECT_FALSE(DecodeDemoMarker(box, [](int, int) { return 0u; }, slot, frame));
}

TEST_P(DemoArchive, FramesRepeatPicturesShowMasksAndCarryVoices)
{
    int aliases = 0;
    int visibleMasks = 0;
    int framesWithoutMask = 0;
    int flagged = 0;
    for (int slot = 0; slot < SlotCount(); ++slot) {
        SCOPED_TRACE(slot);
        const AnimationScript script = LoadScript(slot);
        bool voiced = false;
        for (size_t index = 0; index < script.frames.size(); ++index) {
            const ScriptFrame& frame = script.frames[index];
            voiced = voiced || !frame.soundName.empty();
            if (ShownFrame(script, index) != index) {
                ++aliases;
                continue;
            }
            if (frame.maskName.empty()) {
                ++framesWithoutMask;
                continue;
            }
            // The mask lies beneath the image: some of it must stay in view.
            if (Compose(frame).pixels != Compose(frame, false).pixels)
                ++visibleMasks;
            else
                ADD_FAILURE() << frame.maskName << " is hidden by " << frame.imageName;
        }
        // The flag quiets the idle chatter under the "some voices" setting;
        // what answers the user (clicks, hours, alarm, mail) always speaks.
        EXPECT_EQ(script.voiceFlag != 0, Demo().idleActions.Contains(slot));
        if (slot != 0) {
            EXPECT_TRUE(voiced);
        }
        flagged += script.voiceFlag;
    }
    EXPECT_GT(aliases, 0);
    EXPECT_GT(visibleMasks, 0);
    EXPECT_GT(framesWithoutMask, 0);
    EXPECT_GT(flagged, 0);
}

TEST_P(DemoArchive, EveryActionLooksDifferent)
{
    std::vector<Canvas> first;
    for (int slot = 0; slot < SlotCount(); ++slot) {
        const AnimationScript script = LoadScript(slot);
        ASSERT_FALSE(script.frames.empty()) << slot;
        // Leave the marker out: the pictures themselves must differ.
        first.push_back(Compose(script.frames[0]).WithoutMarker(Demo().marker));
    }
    for (int a = 0; a < SlotCount(); ++a)
        for (int b = a + 1; b < SlotCount(); ++b)
            EXPECT_NE(first[a].pixels, first[b].pixels) << "slots " << a << " and " << b;
}

// At rest the character blinks and glances, as a real character does,
// without changing the window's shape.
TEST_P(DemoArchive, IdleChangesThePictureButKeepsTheShape)
{
    const AnimationScript idle = LoadScript(0);
    ASSERT_FALSE(idle.frames.empty());
    const Canvas first = Compose(idle.frames[0]);
    int otherPictures = 0;
    for (size_t index = 1; index < idle.frames.size(); ++index) {
        SCOPED_TRACE(index);
        const Canvas canvas = Compose(idle.frames[index]);
        EXPECT_EQ(canvas.Shape(), first.Shape());
        if (canvas.WithoutMarker(Demo().marker).pixels != first.WithoutMarker(Demo().marker).pixels)
            ++otherPictures;
    }
    EXPECT_GE(otherPictures, 2) << "a blink and a glance";
}

// Each stride is a picture of its own, and the glide of the first ends
// where the second stands: after 250 ms.
TEST_P(DemoArchive, StridingWalksGlideIntoTheirSecondStride)
{
    for (int slot : Demo().stridingWalks) {
        SCOPED_TRACE(slot);
        const AnimationScript walk = LoadScript(slot);
        ASSERT_GE(walk.frames.size(), 2u);
        EXPECT_EQ(walk.frames[0].durationMs, 250u);
        EXPECT_EQ(ShownFrame(walk, 1), 1u);
        EXPECT_NE(Compose(walk.frames[0]).WithoutMarker(Demo().marker).pixels,
                  Compose(walk.frames[1]).WithoutMarker(Demo().marker).pixels);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, DemoArchive, testing::ValuesIn(Editions()),
                         [](const testing::TestParamInfo<DemoEdition>& info) { return std::string(info.param.name); });

// The picture entry of the first frame of an edition's idle animation.
struct IdlePicture {
    const char* edition;
    std::string archive;
    std::string entry;
};

std::vector<IdlePicture> IdlePictures(const TempDir& dir)
{
    std::vector<IdlePicture> pictures;
    for (const DemoEdition& edition : Editions()) {
        const std::string archive = dir.File(edition.table().shell.archiveName);
        EXPECT_TRUE(CopyFileA(edition.archive, archive.c_str(), FALSE)) << edition.archive;
        PackFile pack;
        AnimationScript idle;
        EXPECT_TRUE(pack.LoadByName(archive, ScriptName(edition.table().shell.scriptPattern, 0), true) &&
                    ParseAnimationScript(pack.Data(), static_cast<size_t>(pack.LoadedSize()), idle) && !idle.frames.empty())
            << edition.name;
        pictures.push_back({edition.name, archive, idle.frames.empty() ? "" : idle.frames[0].imageName + ".bmz"});
    }
    // Ivrel's scripts are of the older form.
    const std::string archive = dir.File(IvrelEdition().shell.archiveName);
    EXPECT_TRUE(CopyFileA(IVREL_DEMO_ARCHIVE, archive.c_str(), FALSE));
    PackFile pack;
    IvrelScript idle;
    EXPECT_TRUE(pack.LoadByName(archive, IvrelSlotTable(0).script, true) &&
                ParseIvrelScript(pack.Data(), static_cast<size_t>(pack.LoadedSize()), idle) && !idle.frames.empty());
    pictures.push_back({"ivrel", archive, idle.frames.empty() ? "" : idle.frames[0].imageName + ".bmz"});
    return pictures;
}

TEST(DemoArchives, EachEditionHasACharacterOfItsOwnColours)
{
    TempDir dir;
    std::map<uint32_t, std::string> owners;
    for (const IdlePicture& picture : IdlePictures(dir)) {
        const uint32_t colour = MainColour(picture.archive, picture.entry);
        const auto [owner, fresh] = owners.emplace(colour, picture.edition);
        EXPECT_TRUE(fresh) << picture.edition << " is mostly the colour of " << owner->second;
    }
}

} // namespace
