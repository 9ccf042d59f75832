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
#include <utility>
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

// What PaintingProcedure paints: the window and the record of what it shows,
// set by the test that shows frames on it.
WindowControl* paintedWindow = nullptr;
FrameOnWindow* paintedFrame = nullptr;

// A window procedure that paints as the program's main window does.
LRESULT CALLBACK PaintingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && paintedWindow != nullptr && paintedFrame != nullptr) {
        PaintShownFrame(*paintedWindow, *paintedFrame);
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A popup window in which frames are shown, of a class like the program's
// main window: its own device context, a black background, and no painting
// of its own unless it is made with PaintingProcedure.
class FrameWindow {
public:
    explicit FrameWindow(WNDPROC procedure = DefWindowProcA)
    {
        const char* className = procedure == DefWindowProcA ? "FrameWindow" : "PaintingFrameWindow";
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        if (!GetClassInfoExA(GetModuleHandleA(nullptr), className, &windowClass)) {
            windowClass.style = CS_OWNDC;
            windowClass.lpfnWndProc = procedure;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
            windowClass.lpszClassName = className;
            EXPECT_NE(RegisterClassExA(&windowClass), 0);
        }
        window.Create(WindowCreateParams{GetModuleHandleA(nullptr), nullptr, Rect(0, 0, 50, 50), WS_POPUP | WS_VISIBLE,
                                         WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, ""});
    }
    ~FrameWindow()
    {
        HWND hwnd = window.Hwnd();
        window.Release();
        DestroyWindow(hwnd);
    }
    WindowControl window;
};

// The image's shape in another colour.
std::vector<std::pair<std::string, std::string>> PicturesWithTwin()
{
    auto entries = Pictures();
    entries.push_back({"twin.bmz", Picture(10, 10, kRed, Rect(0, 0, 2, 2))});
    return entries;
}

TEST_F(AnimationFrames, FramesOfEqualShapeShareOneRegionAcrossTheCharactersSlots)
{
    auto entries = PicturesWithTwin();
    entries.push_back({"first.ttp", Script(1, 30, 30,
                                           {Frame("image", "", ""), Frame("twin", "", ""), Frame("other", "", ""),
                                            Frame("image", "", "mask")})});
    entries.push_back({"second.ttp", Script(1, 30, 30, {Frame("other", "", ""), Frame("twin", "", "")})});
    CharacterArchive archive(entries);
    CharacterLoader loader(archive.Path());
    std::vector<CharacterSlot> slots(2);
    loader.LoadSlotScript(slots[0], "first.ttp");
    loader.LoadSlotScript(slots[1], "second.ttp");
    std::vector<FrameMedia>& first = slots[0].media;
    std::vector<FrameMedia>& second = slots[1].media;
    ASSERT_EQ(first.size(), 4u);
    ASSERT_EQ(second.size(), 2u);
    ASSERT_NE(first[0].region, nullptr);
    EXPECT_EQ(first[1].region, first[0].region) << "another picture of the same shape";
    EXPECT_NE(first[2].region, first[0].region);
    EXPECT_NE(first[3].region, first[0].region) << "the mask widens the shape";
    EXPECT_EQ(second[0].region, first[2].region) << "shapes are shared across slots";
    EXPECT_EQ(second[1].region, first[0].region);
    EXPECT_EQ(CanvasAt(first[0], 5, 5), kBlue) << "each frame keeps its own picture";
    EXPECT_EQ(CanvasAt(first[1], 5, 5), kRed);
    EXPECT_TRUE(InShape(first[1], 5, 5));
    EXPECT_FALSE(InShape(first[1], 1, 1));
}

TEST_F(AnimationFrames, AFrameOfTheShapeTheWindowHasSetsNoRegionButShowsItsPicture)
{
    CharacterSlot slot =
        LoadOne(Script(1, 30, 30, {Frame("image", "", ""), Frame("twin", "", ""), Frame("other", "", "")}),
                PicturesWithTwin());
    ASSERT_EQ(slot.media.size(), 3u);
    FrameWindow shown;
    HWND hwnd = shown.window.Hwnd();
    FrameOnWindow onWindow;
    ApplyFrameToWindow(slot.media[0], slot.slot.frames[0], shown.window, 200, 150, onWindow);
    // A stand-in shape that no frame has: a show that set a region would
    // replace it.
    HRGN standIn = CreateRectRgn(0, 0, 30, 30);
    HRGN expected = CreateRectRgn(0, 0, 30, 30);
    SetWindowRgn(hwnd, standIn, TRUE);
    ApplyFrameToWindow(slot.media[1], slot.slot.frames[1], shown.window, 200, 150, onWindow);
    PumpMessagesAWhile();
    HRGN windowShape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd, windowShape), ERROR);
    EXPECT_TRUE(EqualRgn(windowShape, expected)) << "the twin's shape is the one the window was given";
    EXPECT_EQ(ScreenAt(200 + 5, 150 + 5), kRed) << "its picture is copied";

    ApplyFrameToWindow(slot.media[2], slot.slot.frames[2], shown.window, 200, 150, onWindow);
    ASSERT_NE(GetWindowRgn(hwnd, windowShape), ERROR);
    EXPECT_TRUE(EqualRgn(windowShape, slot.media[2].Shape())) << "another shape is given";
    DeleteObject(windowShape);
    DeleteObject(expected);
}

TEST_F(AnimationFrames, TheFrameOnScreenAtItsPlaceIsNotCopiedAgain)
{
    CharacterSlot slot = LoadOne(Script(1, 30, 30, {Frame("image", "", "")}));
    FrameWindow shown;
    HWND hwnd = shown.window.Hwnd();
    FrameOnWindow onWindow;
    ApplyFrameToWindow(slot.media[0], slot.slot.frames[0], shown.window, 200, 150, onWindow);
    PumpMessagesAWhile();
    EXPECT_EQ(ScreenAt(200 + 5, 150 + 5), kBlue);
    Smear(hwnd, kYellow);
    PumpMessagesAWhile();
    ASSERT_EQ(ScreenAt(200 + 5, 150 + 5), kYellow);

    ApplyFrameToWindow(slot.media[0], slot.slot.frames[0], shown.window, 200, 150, onWindow);
    PumpMessagesAWhile();
    EXPECT_EQ(ScreenAt(200 + 5, 150 + 5), kYellow) << "nothing copied";

    ApplyFrameToWindow(slot.media[0], slot.slot.frames[0], shown.window, 210, 150, onWindow);
    PumpMessagesAWhile();
    EXPECT_EQ(ScreenAt(210 + 5, 150 + 5), kBlue) << "moved, the picture is copied";
}

TEST_F(AnimationFrames, PaintingCopiesTheFrameShown)
{
    CharacterSlot slot = LoadOne(Script(1, 30, 30, {Frame("image", "", ""), Frame("twin", "", "")}), PicturesWithTwin());
    FrameWindow shown(PaintingProcedure);
    HWND hwnd = shown.window.Hwnd();
    FrameOnWindow onWindow;
    paintedWindow = &shown.window;
    paintedFrame = &onWindow;
    RECT update = {};

    // Before any frame is shown a request is answered with nothing painted.
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));

    for (size_t frame : {size_t{0}, size_t{1}}) {
        SCOPED_TRACE(frame);
        ApplyFrameToWindow(slot.media[frame], slot.slot.frames[frame], shown.window, 200, 150, onWindow);
        PumpMessagesAWhile();
        Smear(hwnd, kYellow);
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
        PumpMessagesAWhile();
        EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
        EXPECT_EQ(ScreenAt(200 + 5, 150 + 5), frame == 0 ? kBlue : kRed) << "the frame shown, painted again";
    }
    paintedWindow = nullptr;
    paintedFrame = nullptr;
}

// While it lives, the frame's canvas is one that has lost its memory
// context, so no copy of it to a window can be made; then the frame gets
// its own canvas back.
class LostCanvas {
public:
    explicit LostCanvas(FrameMedia& media) : media_(media), canvas_(std::move(media.surface))
    {
        lost_ = media_.surface.BuildBlank(canvas_.Image().Width(), canvas_.Image().Height(), 32) &&
                media_.surface.Context().Delete();
    }
    ~LostCanvas() { media_.surface = std::move(canvas_); }
    LostCanvas(const LostCanvas&) = delete;
    LostCanvas& operator=(const LostCanvas&) = delete;
    bool Lost() const { return lost_; }

private:
    FrameMedia& media_;
    DibSurface canvas_;
    bool lost_ = false;
};

// A copy of the frame to the window that fails leaves the window to be
// painted and is not taken for the picture on screen: the window's paint
// request copies the frame, and a window that does not paint gets it at the
// next show of the frame. A paint request whose copy fails leaves the next
// show to copy it as well.
TEST_F(AnimationFrames, ACopyThatFailedIsMadeGoodByPaintingOrTheNextShow)
{
    CharacterSlot slot = LoadOne(Script(1, 30, 30, {Frame("image", "", "")}));
    ASSERT_EQ(slot.media.size(), 1u);
    FrameMedia& media = slot.media[0];
    const FrameInfo& frame = slot.slot.frames[0];
    RECT update = {};
    for (const bool paints : {true, false}) {
        SCOPED_TRACE(paints ? "a window that paints" : "a window that does not paint");
        FrameWindow shown(paints ? PaintingProcedure : DefWindowProcA);
        HWND hwnd = shown.window.Hwnd();
        FrameOnWindow onWindow;
        paintedWindow = &shown.window;
        paintedFrame = &onWindow;
        {
            LostCanvas lost(media);
            ASSERT_TRUE(lost.Lost());
            ApplyFrameToWindow(media, frame, shown.window, 200, 150, onWindow);
            EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE)) << "the window is left to be painted";
            EXPECT_FALSE(ShowsPicture(shown.window, onWindow)) << "the picture is not on the window";
        }
        // Stale pixels, to be painted over.
        Smear(hwnd, kYellow);
        PumpMessagesAWhile();
        if (paints)
            EXPECT_EQ(ScreenAt(200 + 5, 150 + 5), kBlue) << "the paint request copied the frame";
        else
            ASSERT_NE(ScreenAt(200 + 5, 150 + 5), kBlue);
        EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));

        Smear(hwnd, kYellow);
        ApplyFrameToWindow(media, frame, shown.window, 200, 150, onWindow);
        PumpMessagesAWhile();
        EXPECT_EQ(ScreenAt(200 + 5, 150 + 5), kBlue) << "the next show of the frame copies it";
        EXPECT_TRUE(ShowsPicture(shown.window, onWindow));

        if (paints) {
            {
                LostCanvas lost(media);
                Smear(hwnd, kYellow);
                InvalidateRect(hwnd, nullptr, FALSE);
                UpdateWindow(hwnd);
            }
            EXPECT_FALSE(ShowsPicture(shown.window, onWindow)) << "a paint request whose copy failed";
            ApplyFrameToWindow(media, frame, shown.window, 200, 150, onWindow);
            PumpMessagesAWhile();
            EXPECT_EQ(ScreenAt(200 + 5, 150 + 5), kBlue) << "the next show after a failed paint copies it";
        }
    }
    paintedWindow = nullptr;
    paintedFrame = nullptr;
}

TEST_F(AnimationFrames, ShowingAFrameShapesMovesAndPaintsTheWindow)
{
    CharacterSlot slot = LoadOne(Script(2, 40, 30, {Frame("image", "", "mask", 100, 2, 3, 15, 12), Frame("", "", "")}));
    ASSERT_EQ(slot.media.size(), 2u);
    FrameWindow shown;
    ASSERT_NE(shown.window.Hwnd(), nullptr);

    FrameOnWindow shape;
    ApplyFrameToWindow(slot.media[0], slot.slot.frames[0], shown.window, 200, 150, shape);
    PumpMessagesAWhile();
    RECT rect = {};
    GetWindowRect(shown.window.Hwnd(), &rect);
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 150);
    EXPECT_EQ(rect.right - rect.left, 40);
    EXPECT_EQ(rect.bottom - rect.top, 30);
    HRGN windowShape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(shown.window.Hwnd(), windowShape), ERROR);
    EXPECT_TRUE(EqualRgn(windowShape, slot.media[0].Shape())) << "a copy of the frame's shape";
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
    FrameOnWindow shape;
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
    FrameOnWindow shape;
    FrameWindow gone;
    DestroyWindow(gone.window.Hwnd());
    ApplyFrameToWindow(slot.media[0], slot.slot.frames[0], gone.window, 100, 100, shape);
    EXPECT_FALSE(shape.shaped);
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
        EXPECT_TRUE(EqualRgn(windowShape, slots[1].media[static_cast<size_t>(picture)].Shape()));
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
