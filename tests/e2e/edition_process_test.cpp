// Every edition's program started as the user starts it, through the
// process helper that the end-to-end tests share, and the helper's own
// handling of each edition's settings folders.
#include "tests/e2e/edition_process.h"

#include "editions/quenna/quenna_edition.h"

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
    const EditionProgram program{table, QuennaProgram().program, QuennaProgram().archive};
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

} // namespace
