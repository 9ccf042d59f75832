// The Ivrel program from the outside: its own process with its demo
// character, driven with the system's mouse input and read from the screen.
// Its window stands at the base plus the shown frame's offsets, less the
// width of the side picture left of the image.
#include "base/graphics/bitmap.h"
#include "base/io/pack_file.h"
#include "editions/ivrel/ivrel_edition.h"
#include "editions/ivrel/ivrel_script.h"
#include "tests/e2e/edition_process.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t kKeyGreen = 0x00FF00;

// Where the idle animation stands, read from the demo archive as the
// program reads it: its frames all keep the first one's offsets and side
// picture.
struct IdlePlace {
    int32_t offsetX = 0;
    int32_t offsetY = 0;
    int32_t maskWidth = 0;
    int32_t imageWidth = 0;
};

bool ReadIdlePlace(const std::string& archive, IdlePlace& place)
{
    PackFile pack;
    IvrelScript idle;
    if (!pack.LoadByName(archive, IvrelSlotTable(0).script, true) ||
        !ParseIvrelScript(pack.Data(), static_cast<size_t>(pack.LoadedSize()), idle) || idle.frames.empty())
        return false;
    // The width of a picture; 0 for none, -1 when it cannot be read.
    const auto width = [&](const std::string& name) {
        Bitmap picture;
        PackSource source;
        source.path = archive;
        source.name = name + ".bmz";
        if (name.empty())
            return 0;
        return picture.Load(source) ? picture.Width() : -1;
    };
    const IvrelScriptFrame& first = idle.frames[0];
    place.offsetX = first.offsetX;
    place.offsetY = first.offsetY;
    place.maskWidth = width(first.maskName);
    place.imageWidth = width(first.imageName);
    return place.maskWidth >= 0 && place.imageWidth > 0;
}

// Points of the window's canvas on the figure's middle column: the head, in
// the upper band, and the robe below both bands.
POINT Head(const IdlePlace& place)
{
    return POINT{place.maskWidth + place.imageWidth / 2, 60};
}
POINT Robe(const IdlePlace& place)
{
    return POINT{place.maskWidth + place.imageWidth / 2, 200};
}

class IvrelProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string bytes;
        ASSERT_TRUE(ivrel_.ReadArchive(bytes));
        TempDir copy;
        ASSERT_TRUE(WriteWholeFile(copy.File("ivrel.pac"), bytes));
        ASSERT_TRUE(ReadIdlePlace(copy.File("ivrel.pac"), idle_));
        ASSERT_GT(idle_.maskWidth, 0) << "the idle animation has its side picture";
        ASSERT_TRUE(idle_.offsetX != 0 && idle_.offsetY != 0) << "and offsets that show";
    }

    // The base of a first start: the desktop centre less (90, 140).
    static POINT ComputedBase()
    {
        return POINT{GetSystemMetrics(SM_CXSCREEN) / 2 - 90, GetSystemMetrics(SM_CYSCREEN) / 2 - 140};
    }
    POINT WindowAt(POINT base) const
    {
        return POINT{base.x + idle_.offsetX - idle_.maskWidth, base.y + idle_.offsetY};
    }

    EditionProcess ivrel_{IvrelProgram()};
    IdlePlace idle_;
};

TEST_F(IvrelProgramTest, TheFirstFrameStandsAtTheComputedBasePlusItsOffsetsLessTheSidePicture)
{
    ASSERT_TRUE(ivrel_.Start());
    ASSERT_TRUE(ivrel_.WaitForFrame([](int slot, int) { return slot == 0; }, 3000)) << "the idle animation";
    const RECT rect = ivrel_.WindowRect();
    const POINT expected = WindowAt(ComputedBase());
    EXPECT_EQ(rect.left, expected.x);
    EXPECT_EQ(rect.top, expected.y);
    EXPECT_EQ(rect.right - rect.left, idle_.maskWidth + idle_.imageWidth);

    // The canvas corner is outside the shape; the head and the robe are the
    // window's.
    const POINT corner = OnScreen(rect, POINT{1, 1});
    EXPECT_NE(ScreenPixel(corner.x, corner.y), kKeyGreen);
    EXPECT_EQ(WindowFromPoint(corner), GetDesktopWindow());
    for (const POINT& part : {Head(idle_), Robe(idle_)}) {
        const POINT onScreen = OnScreen(rect, part);
        EXPECT_EQ(WindowFromPoint(onScreen), ivrel_.Window()) << part.x << "," << part.y;
    }

    // Exit stores the base, not the window's corner.
    EXPECT_EQ(ivrel_.ExitThroughTheMenu(Robe(idle_)), 0);
    SettingsRecord saved;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(ivrel_.ReadSettings(saved, x, y)) << "in イヴレル編";
    EXPECT_EQ(x, ComputedBase().x);
    EXPECT_EQ(y, ComputedBase().y);
    EXPECT_NE(x, rect.left);
    EXPECT_TRUE(saved.keepOnTop) << "the defaults";
}

TEST_F(IvrelProgramTest, AClickInTheUpperBandPlaysFive)
{
    ASSERT_TRUE(ivrel_.Start());
    ASSERT_TRUE(ivrel_.WaitForFrame([](int slot, int) { return slot == 0; }, 3000));
    const POINT head = OnScreen(ivrel_.WindowRect(), Head(idle_));
    ClickLeft(head.x, head.y);
    EXPECT_TRUE(ivrel_.WaitForFrame([](int slot, int) { return slot == 5; }, 3000));
}

TEST_F(IvrelProgramTest, ExitStoresTheDraggedBaseAndTheNextStartRestoresIt)
{
    ASSERT_TRUE(ivrel_.Start());
    ASSERT_TRUE(ivrel_.WaitForFrame([](int slot, int) { return slot == 0; }, 3000));
    const RECT before = ivrel_.WindowRect();
    const POINT robe = OnScreen(before, Robe(idle_));
    MoveMouse(robe.x, robe.y);
    PressLeft();
    for (int step = 1; step <= 5; ++step)
        MoveMouse(robe.x - 9 * step, robe.y + 6 * step);
    ReleaseLeft();
    ASSERT_TRUE(WaitUntil([&] { return ivrel_.WindowRect().left == before.left - 45; }, 3000));

    EXPECT_EQ(ivrel_.ExitThroughTheMenu(Robe(idle_)), 0);
    SettingsRecord saved;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(ivrel_.ReadSettings(saved, x, y));
    const POINT base{ComputedBase().x - 45, ComputedBase().y + 30};
    EXPECT_EQ(x, base.x) << "the base, dragged";
    EXPECT_EQ(y, base.y);

    ASSERT_TRUE(ivrel_.Start());
    ASSERT_TRUE(ivrel_.WaitForFrame([](int slot, int) { return slot == 0; }, 3000));
    EXPECT_EQ(ivrel_.WindowRect().left, WindowAt(base).x);
    EXPECT_EQ(ivrel_.WindowRect().top, WindowAt(base).y);
}

} // namespace
