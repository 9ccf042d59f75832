#include "app/animation_frames.h"

#include "app/shell_host.h"
#include "base/graphics/effect.h"
#include "base/window/display_settings.h"
#include "base/window/window_control.h"
#include "tests/shell/character_fixtures.h"
#include "tests/shell/gdi_exhaustion.h"
#include "tests/support/child_boxes.h"
#include "tests/support/child_process.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class AnimationFrames : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cEffect::InitCpu(); }
};

// The mask is 20 x 20 red at (2, 3); the image 10 x 10 blue at (15, 12)
// (version 2 and later), its top-left 2 x 2 pixels in the key colour.
std::vector<std::pair<std::string, std::string>> Pictures()
{
    return {{"image.bmz", Picture(10, 10, kBlue, Rect(0, 0, 2, 2))},
            {"mask.bmz", Picture(20, 20, kRed)},
            {"other.bmz", Picture(4, 4, kWhite)},
            {"voice1.wav", Voice(1)},
            {"voice2.wav", Voice(2)}};
}

CharacterSlot LoadOne(const std::string& script, std::vector<std::pair<std::string, std::string>> entries = Pictures())
{
    entries.push_back({"slot.ttp", script});
    CharacterArchive archive(entries);
    CharacterSlot slot;
    LoadSlotScript(slot, archive.Path(), "slot.ttp");
    return slot;
}

TEST_F(AnimationFrames, EachVersionComposesTheMaskBeneathTheImageOnTheKeyColour)
{
    struct Case {
        int32_t version;
        int32_t imageX, imageY; // where the image lands
        uint8_t voiceFlag;
    };
    for (const Case c : {Case{1, 0, 0, 0}, Case{2, 15, 12, 0}, Case{3, 15, 12, 1}}) {
        SCOPED_TRACE(c.version);
        CharacterSlot slot =
            LoadOne(Script(c.version, 40, 30, {Frame("image", "voice1", "mask", 100, 2, 3, 15, 12)}, 1));
        ASSERT_EQ(slot.media.size(), 1u);
        FrameMedia& media = slot.media[0];
        ASSERT_TRUE(media.surface.IsBuilt());
        EXPECT_EQ(media.surface.Image().Width(), 40);
        EXPECT_EQ(media.surface.Image().Height(), 30);
        EXPECT_EQ(slot.slot.voiceFlag, c.voiceFlag) << "only version 3 carries the flag";
        EXPECT_EQ(media.imageWidth, 10);
        EXPECT_EQ(media.maskHeight, 20);

        const int32_t ix = c.imageX, iy = c.imageY;
        EXPECT_EQ(CanvasAt(media, ix + 5, iy + 5), kBlue);
        EXPECT_TRUE(InShape(media, ix + 5, iy + 5));
        EXPECT_EQ(CanvasAt(media, ix, iy), kKey) << "the image's own key pixels stay outside, over the mask too";
        EXPECT_FALSE(InShape(media, ix, iy));
        EXPECT_EQ(CanvasAt(media, 21, 22), kRed) << "the mask shows where the image does not cover it";
        EXPECT_TRUE(InShape(media, 21, 22));
        EXPECT_EQ(CanvasAt(media, 39, 29), kKey) << "nothing drawn there";
        EXPECT_FALSE(InShape(media, 39, 29));
        EXPECT_FALSE(InShape(media, 40, 0)) << "the shape ends with the canvas";
    }
}

TEST_F(AnimationFrames, RepeatedPicturePairsShareTheFirstFramesCanvasButNotItsVoice)
{
    CharacterSlot slot = LoadOne(Script(2, 30, 30,
                                        {Frame("image", "voice1", "mask"), Frame("image", "voice2", "mask"),
                                         Frame("image", "voice1", "other"), Frame("image", "", "")}));
    ASSERT_EQ(slot.media.size(), 4u);
    EXPECT_EQ(slot.slot.frames[1].aliasIndex, 0);
    EXPECT_FALSE(slot.media[1].surface.IsBuilt()) << "an alias holds no canvas of its own";
    ASSERT_TRUE(slot.media[1].wave);
    ASSERT_TRUE(slot.media[0].wave);
    const std::string secondVoice = Voice(2);
    EXPECT_EQ(*slot.media[1].wave, std::vector<uint8_t>(secondVoice.begin(), secondVoice.end()));
    EXPECT_NE(*slot.media[0].wave, *slot.media[1].wave);

    EXPECT_EQ(slot.slot.frames[2].aliasIndex, -1) << "another mask is another picture";
    EXPECT_TRUE(slot.media[2].surface.IsBuilt());
    EXPECT_EQ(slot.slot.frames[3].aliasIndex, -1);
    EXPECT_EQ(slot.media[3].maskWidth, 0) << "no mask name, no mask";
    EXPECT_EQ(slot.media[3].maskHeight, 0);
    EXPECT_EQ(CanvasAt(slot.media[3], 15, 15), kKey) << "nothing left over from the frames composed before";
    EXPECT_EQ(CanvasAt(slot.media[2], 15, 15), kKey) << "the other mask is smaller";
    EXPECT_EQ(CanvasAt(slot.media[0], 15, 15), kRed);
    EXPECT_FALSE(slot.media[3].wave);
}

TEST_F(AnimationFrames, MissingPartsLeaveOnlyThemselvesOut)
{
    struct Case {
        const char* what;
        ScriptFrame frame;
        uint32_t atImage;  // canvas pixel (5, 5): inside the image
        uint32_t atMask;   // canvas pixel (15, 15): mask only
        bool voiced;
    };
    auto entries = Pictures();
    entries.push_back({"deep.bmz", Picture(10, 10, kBlue, Rect(), 24)});
    const Case cases[] = {
        {"everything there", Frame("image", "voice1", "mask"), kBlue, kRed, true},
        {"image missing", Frame("nothing", "voice1", "mask"), kRed, kRed, true},
        {"mask missing", Frame("image", "voice1", "nothing"), kBlue, kKey, true},
        {"voice missing", Frame("image", "nothing", "mask"), kBlue, kRed, false},
        {"image of 24 bits", Frame("deep", "", ""), kKey, kKey, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CharacterSlot slot = LoadOne(Script(1, 30, 30, {c.frame}), entries);
        ASSERT_EQ(slot.media.size(), 1u) << "the frame loads whatever is missing";
        FrameMedia& media = slot.media[0];
        ASSERT_TRUE(media.surface.IsBuilt());
        EXPECT_EQ(CanvasAt(media, 5, 5), c.atImage);
        EXPECT_EQ(CanvasAt(media, 15, 15), c.atMask);
        EXPECT_EQ(static_cast<bool>(media.wave), c.voiced);
    }

    CharacterSlot bare = LoadOne(Script(1, 30, 30, {Frame("nothing", "", "")}), entries);
    ASSERT_EQ(bare.media.size(), 1u);
    EXPECT_TRUE(ShapeIsEmpty(bare.media[0])) << "nothing drawn: the frame shows nothing";
}

TEST_F(AnimationFrames, AScriptThatCannotBeReadLeavesTheSlotEmpty)
{
    const std::string good = Script(2, 30, 30, {Frame("image", "voice1", "mask")});
    struct Case {
        const char* what;
        std::string script;
    };
    const Case cases[] = {
        {"cut short", good.substr(0, good.size() - 3)},
        {"empty entry", std::string()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CharacterSlot slot = LoadOne(c.script);
        EXPECT_TRUE(slot.slot.frames.empty());
        EXPECT_TRUE(slot.media.empty());
    }
    CharacterArchive archive(Pictures());
    CharacterSlot missing;
    LoadSlotScript(missing, archive.Path(), "slot.ttp");
    EXPECT_TRUE(missing.slot.frames.empty());
    CharacterSlot noArchive;
    LoadSlotScript(noArchive, archive.Folder() + "\\absent.pac", "slot.ttp");
    EXPECT_TRUE(noArchive.slot.frames.empty());
}

TEST_F(AnimationFrames, AnEmptyPictureNameLoadsNothingEvenWhenTheArchiveIsAPicture)
{
    TempDir folder;
    const std::string path = folder.File("picture.bmp");
    ASSERT_TRUE(WriteWholeFile(path, Picture(10, 10, kBlue)));
    FrameInfo frame;
    frame.canvasWidth = 10;
    frame.canvasHeight = 10;
    FrameMedia media;
    CharacterLoader(path).ComposeFrame(media, frame);
    EXPECT_EQ(media.imageWidth, 0);
    EXPECT_EQ(media.maskWidth, 0);
    ASSERT_TRUE(media.surface.IsBuilt());
    EXPECT_EQ(CanvasAt(media, 5, 5), kKey);
}

TEST_F(AnimationFrames, ACanvasNoWindowCouldHaveIsNotMade)
{
    CharacterArchive archive(Pictures());
    struct Case {
        int32_t width, height;
    };
    for (const Case c : {Case{0, 10}, Case{10, 0}, Case{-5, 10}, Case{10, -1}, Case{8193, 1}, Case{100000, 100000},
                         Case{INT32_MAX, INT32_MAX}, Case{INT32_MIN, 2}}) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        FrameInfo frame;
        frame.imageName = "image.bmz";
        frame.canvasWidth = c.width;
        frame.canvasHeight = c.height;
        FrameMedia media;
        CharacterLoader(archive.Path()).ComposeFrame(media, frame);
        EXPECT_FALSE(media.surface.IsBuilt());
        EXPECT_TRUE(ShapeIsEmpty(media));
    }
}

// A popup window in which frames are shown, of a class like the program's
// main window: its own device context, a black background, no painting of
// its own.
class FrameWindow {
public:
    FrameWindow()
    {
        static const ATOM registered = [] {
            WNDCLASSEXA windowClass = {};
            windowClass.cbSize = sizeof windowClass;
            windowClass.style = CS_OWNDC;
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
            windowClass.lpszClassName = "FrameWindow";
            return RegisterClassExA(&windowClass);
        }();
        EXPECT_NE(registered, 0);
        window.Create(WindowCreateParams{GetModuleHandleA(nullptr), nullptr, Rect(0, 0, 50, 50), WS_POPUP | WS_VISIBLE,
                                         WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "FrameWindow", ""});
    }
    ~FrameWindow()
    {
        HWND hwnd = window.Hwnd();
        window.Release();
        DestroyWindow(hwnd);
    }
    WindowControl window;
};

void Pump()
{
    MSG message;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    }
}

uint32_t ScreenAt(int32_t x, int32_t y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

TEST_F(AnimationFrames, ShowingAFrameShapesMovesAndPaintsTheWindow)
{
    CharacterSlot slot = LoadOne(Script(2, 40, 30, {Frame("image", "", "mask", 100, 2, 3, 15, 12), Frame("", "", "")}));
    ASSERT_EQ(slot.media.size(), 2u);
    FrameWindow shown;
    ASSERT_NE(shown.window.Hwnd(), nullptr);

    ShownShape shape;
    ApplyFrameToWindow(slot.media[0], slot.slot.frames[0], shown.window, 200, 150, shape);
    Pump();
    RECT rect = {};
    GetWindowRect(shown.window.Hwnd(), &rect);
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 150);
    EXPECT_EQ(rect.right - rect.left, 40);
    EXPECT_EQ(rect.bottom - rect.top, 30);
    HRGN windowShape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(shown.window.Hwnd(), windowShape), ERROR);
    EXPECT_TRUE(EqualRgn(windowShape, slot.media[0].region.Handle())) << "a copy of the frame's shape";
    EXPECT_EQ(ScreenAt(200 + 20, 150 + 15), kBlue);
    EXPECT_EQ(ScreenAt(200 + 3, 150 + 4), kRed);

    ApplyFrameToWindow(slot.media[1], slot.slot.frames[1], shown.window, 200, 150, shape);
    EXPECT_EQ(GetWindowRgn(shown.window.Hwnd(), windowShape), NULLREGION) << "nothing drawn: nothing shown";
    DeleteObject(windowShape);
}

// A shape the window did not take is given again at the next show of the
// frame: the record says what the window has, not what it was offered.
// Here no region can be made while the process has no GDI handle left
// (under Wine, one handle free is enough for the system to take it).
// Process-wide, so in a child of its own.
TEST_CHILD(ShapeWhileNoRegionCanBeMade)
{
    cEffect::InitCpu();
    CharacterSlot slot = LoadOne(Script(2, 40, 30, {Frame("image", "", "mask", 100, 2, 3, 15, 12), Frame("other", "", "")}));
    FrameWindow shown;
    ShownShape shape;
    ApplyFrameToWindow(slot.media[0], slot.slot.frames[0], shown.window, 100, 100, shape);
    {
        GdiExhaustion exhausted;
        ApplyFrameToWindow(slot.media[1], slot.slot.frames[1], shown.window, 100, 100, shape);
    }
    const bool kept = WindowHasShape(shown.window.Hwnd(), slot.media[0]);
    ApplyFrameToWindow(slot.media[1], slot.slot.frames[1], shown.window, 100, 100, shape);
    const bool given = WindowHasShape(shown.window.Hwnd(), slot.media[1]);
    WriteRaw(std::string("kept the shape it had: ") + (kept ? "yes" : "no") + "; took the new one at the next show: " +
             (given ? "yes" : "no"));
    return kept && given ? 0 : 1;
}

TEST_F(AnimationFrames, AShapeTheWindowDidNotTakeIsGivenAgainAtTheNextShow)
{
    const ChildResult child = RunChild("ShapeWhileNoRegionCanBeMade");
    EXPECT_FALSE(child.timedOut);
    EXPECT_EQ(child.exitCode, 0u) << child.output;

    // A window that is gone refuses any shape.
    CharacterSlot slot = LoadOne(Script(2, 40, 30, {Frame("image", "", "mask")}));
    ShownShape shape;
    FrameWindow gone;
    DestroyWindow(gone.window.Hwnd());
    ApplyFrameToWindow(slot.media[0], slot.slot.frames[0], gone.window, 100, 100, shape);
    EXPECT_EQ(shape.window, nullptr);
    EXPECT_EQ(shape.media, nullptr);
}

TEST_F(AnimationFrames, TheHostShowsTheCurrentFramesPictureAtTheShellsPosition)
{
    auto entries = Pictures();
    entries.push_back({"slot.ttp", Script(2, 40, 30, {Frame("image", "", "", 0), Frame("other", "", "", 0),
                                                      Frame("image", "", "", 0)})});
    CharacterArchive archive(entries);
    std::vector<CharacterSlot> slots(2);
    LoadSlotScript(slots[1], archive.Path(), "slot.ttp");
    FrameWindow shown;
    SettingsRecord settings;
    ShellState state;
    state.WindowX = 120;
    state.WindowY = 80;
    DisplaySettings display;
    ShellHost host(slots, settings, state, shown.window, display);

    HRGN windowShape = CreateRectRgn(0, 0, 0, 0);
    for (int32_t frame : {0, 1, 2}) {
        SCOPED_TRACE(frame);
        slots[1].slot.current = frame;
        host.UpdateSlot(1);
        const int32_t picture = frame == 2 ? 0 : frame; // frame 2 repeats frame 0
        ASSERT_NE(GetWindowRgn(shown.window.Hwnd(), windowShape), ERROR);
        EXPECT_TRUE(EqualRgn(windowShape, slots[1].media[static_cast<size_t>(picture)].region.Handle()));
        RECT rect = {};
        GetWindowRect(shown.window.Hwnd(), &rect);
        EXPECT_EQ(rect.left, 120);
        EXPECT_EQ(rect.top, 80);
    }
    DeleteObject(windowShape);

    // The same frame again at another place: the window follows.
    state.WindowX = 130;
    state.WindowY = 95;
    host.UpdateSlot(1);
    RECT rect = {};
    GetWindowRect(shown.window.Hwnd(), &rect);
    EXPECT_EQ(rect.left, 130);
    EXPECT_EQ(rect.top, 95);

    // Slot numbers outside the table change nothing.
    for (int32_t outside : {-1, 2, 1000}) {
        host.UpdateSlot(outside);
        host.RestartSlot(outside, true);
        EXPECT_FALSE(host.AdvanceSlot(outside));
    }
}

} // namespace
