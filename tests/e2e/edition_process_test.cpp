// Every edition's program started as the user starts it, through the
// process helper that the end-to-end tests share, and the helper's own
// handling of each edition's settings folders.
#include "tests/e2e/edition_process.h"

#include "app/main_window.h"
#include "editions/quenna/quenna_edition.h"
#include "tools/demo_character/demo_markers.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kKeyGreen = 0x00FF00;

TEST(FoldersBelow, CutOnlyAtRealSeparators)
{
    // ソ is 83 5C and 表 is 95 5C: their second byte is no separator.
    const struct {
        const char* base;
        const char* path;
        std::vector<std::string> folders;
    } cases[] = {
        {"C:\\docs", "C:\\docs\\a\\b\\setting.dat", {"C:\\docs\\a", "C:\\docs\\a\\b"}},
        {"C:\\docs", "C:\\docs\\ソルビ＆ルネット編\\setting.dat", {"C:\\docs\\ソルビ＆ルネット編"}},
        {"C:\\docs", "C:\\docs\\表\\ソ\\setting.dat", {"C:\\docs\\表", "C:\\docs\\表\\ソ"}},
        {"C:\\docs", "C:\\docs\\setting.dat", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FoldersBelow(c.base, c.path), c.folders) << c.path;
}

// The names of a folder's entries.
std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

bool IsFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

TEST(EditionProcess, MakesItsEditionsSettingsFoldersWhateverBytesTheirNamesHoldAndRemovesThem)
{
    ASSERT_EQ(GetACP(), 932u) << "the folder names are code page 932 bytes";
    EditionParameters table = QuennaEdition();
    table.settings.folderWord = "ソルビ＆表編";
    const EditionProgram program{table, QuennaProgram().program, QuennaProgram().archive, QuennaProgram().marker};
    // Held across the process object's own hold, so that what was there
    // before it is known.
    DocumentsFolderLock lock;
    char documents[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE);
    const std::vector<std::string> levels = FoldersBelow(documents, SettingsFilePath(documents, table.settings));
    ASSERT_EQ(levels.size(), 3u);
    const std::string& shared = levels[1];
    const std::string& folder = levels[2];
    const std::vector<std::string> before = Entries(shared);
    {
        EditionProcess process(program);
        EXPECT_EQ(process.SettingsPath(), folder + "\\setting.dat");
        ASSERT_TRUE(IsFolder(folder));
        std::vector<std::string> made = Entries(shared);
        for (const std::string& name : before)
            made.erase(std::remove(made.begin(), made.end(), name), made.end());
        EXPECT_EQ(made, std::vector<std::string>{"ソルビ＆表編"}) << "no folder cut at a trail byte";

        SettingsRecord record;
        record.server = "mail.example";
        ASSERT_TRUE(process.WriteSettings(record, 12, 34));
        SettingsRecord read;
        int32_t x = 0, y = 0;
        ASSERT_TRUE(process.ReadSettings(read, x, y));
        EXPECT_EQ(read.server, "mail.example");
        EXPECT_EQ(x, 12);
        EXPECT_EQ(y, 34);
    }
    EXPECT_FALSE(IsFolder(folder));
}

// What the tests know of an edition's character: a point of its figure
// outside every click area, where a right click opens the menu.
struct StartingEdition {
    const char* name;
    const EditionProgram& (*program)();
    POINT body;
};

void PrintTo(const StartingEdition& edition, std::ostream* out)
{
    *out << edition.name;
}

class EditionStart : public testing::TestWithParam<StartingEdition> {};

TEST_P(EditionStart, ShowsTheShapedCharacterAtTheScreenCentreAndExitWritesTheSettings)
{
    const EditionProgram& program = GetParam().program();
    const BehaviourParameters& behaviour = program.edition.behaviour;
    EditionProcess process(program);
    ASSERT_TRUE(process.Start());
    const RECT rect = process.WindowRect();
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - behaviour.originOffsetX);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2 - behaviour.originOffsetY);
    EXPECT_EQ(rect.right - rect.left, 2 * behaviour.originOffsetX) << "the demo canvas";
    EXPECT_EQ(rect.bottom - rect.top, 2 * behaviour.originOffsetY);
    EXPECT_TRUE(process.WaitForFrame([](int slot, int) { return slot == 0; }, 3000)) << "the idle animation";

    // The key colour of the canvas corner lies outside the shape: the desktop
    // shows there, while the body is the window's.
    const POINT corner = OnScreen(rect, POINT{3, 3});
    const POINT body = OnScreen(rect, GetParam().body);
    EXPECT_NE(ScreenPixel(corner.x, corner.y), kKeyGreen);
    EXPECT_EQ(WindowFromPoint(corner), GetDesktopWindow());
    EXPECT_EQ(WindowFromPoint(body), process.Window());

    SettingsRecord unused;
    int32_t x = 0, y = 0;
    EXPECT_FALSE(process.ReadSettings(unused, x, y)) << "nothing written while running";
    EXPECT_EQ(process.ExitThroughTheMenu(GetParam().body), 0);
    SettingsRecord saved;
    ASSERT_TRUE(process.ReadSettings(saved, x, y)) << "in the edition's own folder";
    EXPECT_EQ(x, rect.left);
    EXPECT_EQ(y, rect.top);
    EXPECT_TRUE(saved.keepOnTop) << "the defaults";
    EXPECT_EQ(saved.port, 110);
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionStart,
                         testing::Values(StartingEdition{"quenna", QuennaProgram, {256, 300}},
                                         StartingEdition{"pelmo", PelmoProgram, {216, 330}},
                                         StartingEdition{"tavri", TavriProgram, {224, 300}},
                                         StartingEdition{"sorlun", SorlunProgram, {202, 262}}),
                         [](const testing::TestParamInfo<StartingEdition>& info) { return std::string(info.param.name); });

// How many pixels of the character's shape differ between two captures of
// its window rect, leaving out what lies under the open dialog.
int DifferingPixels(HWND character, const RECT& rect, const RECT& dialog, const std::vector<uint32_t>& before,
                    const std::vector<uint32_t>& after)
{
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(character, shape) != ERROR;
    int differing = 0;
    const int32_t width = rect.right - rect.left;
    for (int32_t y = 0; y < rect.bottom - rect.top; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const POINT onScreen{rect.left + x, rect.top + y};
            if (PtInRect(&dialog, onScreen) || (shaped && !PtInRegion(shape, x, y)))
                continue;
            const size_t at = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
            if (before[at] != after[at])
                ++differing;
        }
    }
    DeleteObject(shape);
    return differing;
}

// A plain window of the test's own, above every other, over rect.
class CoveringWindow {
public:
    explicit CoveringWindow(const RECT& rect)
    {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        if (!GetClassInfoExA(GetModuleHandleA(nullptr), "CoveringWindow", &windowClass)) {
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            windowClass.lpszClassName = "CoveringWindow";
            RegisterClassExA(&windowClass);
        }
        window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "CoveringWindow", "", WS_POPUP | WS_VISIBLE,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        Settle();
    }
    ~CoveringWindow()
    {
        DestroyWindow(window_);
        Settle();
    }
    HWND Handle() const { return window_; }

private:
    // Lets both programs and the X server catch up.
    static void Settle()
    {
        for (int i = 0; i < 50; ++i) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            Sleep(10);
        }
    }
    HWND window_ = nullptr;
};

struct PaintedEdition {
    const char* name;
    const EditionProgram& (*program)();
};

void PrintTo(const PaintedEdition& edition, std::ostream* out)
{
    *out << edition.name;
}

class EditionPainting : public testing::TestWithParam<PaintedEdition> {};

// The settings dialog stops the timer, so no tick copies the picture while
// it is open: only the window's own painting brings back what another
// window uncovers, or what was drawn over the window before a paint
// request with erasing. (Wine keeps a copy of each window's pixels and
// brings back from it what another window uncovers; what is drawn over the
// window itself only the program can paint again.)
TEST_P(EditionPainting, WhatIsUncoveredOrAskedForIsPaintedAgainWhileTheDialogIsOpen)
{
    EditionProcess process(GetParam().program());
    ASSERT_TRUE(process.Start());
    ASSERT_TRUE(process.WaitForFrame([](int, int) { return true; }, 3000));
    PostMessageA(process.Window(), WM_COMMAND, kSettingsCommand, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = process.FindProcessWindow("#32770", "")) != nullptr; }, 5000));
    // Down in the corner, out of the way of the picture's marker near the
    // top of the canvas.
    RECT dialogRect = {};
    GetWindowRect(dialog, &dialogRect);
    SetWindowPos(dialog, nullptr, 0, GetSystemMetrics(SM_CYSCREEN) - (dialogRect.bottom - dialogRect.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(process.WaitForFrame([](int, int) { return true; }, 3000)) << "the marker shows";
    Sleep(300);
    GetWindowRect(dialog, &dialogRect);
    const RECT rect = process.WindowRect();
    const std::vector<uint32_t> before = ScreenPixels(rect);
    // The pixels the system shows only when it gets to them: waited for,
    // the last count kept for the message.
    int differing = 0;
    const auto whole = [&] {
        differing = DifferingPixels(process.Window(), rect, dialogRect, before, ScreenPixels(rect));
        return differing == 0;
    };
    const POINT marker = OnScreen(rect, POINT{process.Marker().left, process.Marker().top});
    const auto markerWhite = [&] { return ScreenPixel(marker.x, marker.y) == 0xFFFFFFu; };

    {
        CoveringWindow cover(rect);
        ASSERT_NE(cover.Handle(), nullptr);
        EXPECT_TRUE(WaitUntil(markerWhite, 3000)) << "covered";
    }
    EXPECT_TRUE(WaitUntil(whole, 5000)) << "uncovered, the character is whole again; " << differing << " pixels differ";

    // Drawn over from outside, the window holds other pixels until the
    // program paints it again.
    HDC outside = GetDC(process.Window());
    RECT client = {};
    GetClientRect(process.Window(), &client);
    FillRect(outside, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(process.Window(), outside);
    ASSERT_TRUE(WaitUntil(markerWhite, 3000)) << "drawn over";
    RedrawWindow(process.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    EXPECT_TRUE(WaitUntil(whole, 5000)) << "erased and painted on request, the character is whole; " << differing
                                        << " pixels differ";
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionPainting,
                         testing::Values(PaintedEdition{"quenna", QuennaProgram}, PaintedEdition{"pelmo", PelmoProgram},
                                         PaintedEdition{"tavri", TavriProgram}, PaintedEdition{"sorlun", SorlunProgram},
                                         PaintedEdition{"ivrel", IvrelProgram}),
                         [](const testing::TestParamInfo<PaintedEdition>& info) { return std::string(info.param.name); });

} // namespace
