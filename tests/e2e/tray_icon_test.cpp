// The icon each edition's program puts in the notification area, read from
// Wine's own tray while the real program runs: the icon resource it shows,
// its tip, and that it is gone once the program has ended.
#include "tests/e2e/edition_process.h"
#include "tests/e2e/wine_tray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A program file opened for its resources alone, whatever its machine.
class ProgramResources {
public:
    explicit ProgramResources(const std::string& program)
        : module_(LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {
    }
    ~ProgramResources()
    {
        if (module_ != nullptr)
            FreeLibrary(module_);
    }
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    // The icon resource id as a program loads it from its own file.
    HICON Icon(uint16_t id) const { return module_ != nullptr ? LoadIconA(module_, MAKEINTRESOURCEA(id)) : nullptr; }

private:
    HMODULE module_;
};

// The tray icon an edition's program must show, written out here rather
// than taken from the edition's table, which it checks.
struct TrayEdition {
    const char* name;
    const EditionProgram& (*program)();
    const char* tip;
    uint16_t iconId;
};

void PrintTo(const TrayEdition& edition, std::ostream* out)
{
    *out << edition.name;
}

int DifferingPixels(const std::vector<uint32_t>& shown, const std::vector<uint32_t>& expected)
{
    if (shown.size() != expected.size())
        return static_cast<int>(std::max(shown.size(), expected.size()));
    int differing = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        differing += shown[i] != expected[i] ? 1 : 0;
    return differing;
}

class EditionTrayIcon : public testing::TestWithParam<TrayEdition> {};

// The tray's cell is held against the edition's icon resource as the tray
// paints it: an icon loaded by another id is another picture or none, which
// leaves the cell blank.
TEST_P(EditionTrayIcon, ShowsItsIconResourceAndTipUntilTheTrayMenuEndsTheProgram)
{
    const TrayEdition& edition = GetParam();
    const ProgramResources resources(edition.program().program);
    HICON icon = resources.Icon(edition.iconId);
    ASSERT_NE(icon, nullptr) << "the program file holds icon " << edition.iconId;

    const std::vector<HWND> before = TrayIconWindows();
    EditionProcess process(edition.program());
    ASSERT_TRUE(process.Start());
    std::vector<HWND> added;
    ASSERT_TRUE(WaitUntil(
        [&] {
            added = TrayIconsAddedSince(before);
            return !added.empty();
        },
        3000))
        << "no icon in the tray";
    ASSERT_EQ(added.size(), 1u);
    const HWND shown = added.front();

    // The cell's corner lies outside the centred icon: it shows the tray's
    // background.
    RECT cell = {};
    GetWindowRect(shown, &cell);
    const SIZE size{cell.right - cell.left, cell.bottom - cell.top};
    std::vector<uint32_t> expected;
    int differing = 0;
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::vector<uint32_t> pixels = ScreenPixels(cell);
            expected = TrayIconPicture(icon, size, pixels.empty() ? 0 : pixels.front());
            differing = DifferingPixels(pixels, expected);
            return differing == 0;
        },
        3000))
        << differing << " of " << expected.size() << " pixels of the tray's icon are not icon " << edition.iconId;
    ASSERT_FALSE(expected.empty());
    EXPECT_LT(std::count(expected.begin(), expected.end(), expected.front()), static_cast<ptrdiff_t>(expected.size()))
        << "the icon shows over the background, so a blank cell would not pass";

    EXPECT_EQ(TrayIconTip(shown, 5000), edition.tip);

    // The tray's right click reaches the program as its callback message,
    // which opens the program's menu.
    const POINT onIcon{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    EXPECT_EQ(process.ExitThroughTheMenuAt(onIcon), 0);
    // Wine also takes a window's icons away when the window is destroyed,
    // so this is what the user sees at the end, whichever call took it.
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(shown); }, 3000)) << "the icon is gone with the program";
    EXPECT_TRUE(TrayIconsAddedSince(before).empty());
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionTrayIcon,
                         testing::Values(TrayEdition{"quenna", QuennaProgram, "quennacot", 111},
                                         TrayEdition{"pelmo", PelmoProgram, "pelmocot", 111},
                                         TrayEdition{"tavri", TavriProgram, "tavrikot", 111},
                                         TrayEdition{"sorlun", SorlunProgram, "sorluncot", 111},
                                         TrayEdition{"ivrel", IvrelProgram, "ivrelcot", 108}),
                         [](const testing::TestParamInfo<TrayEdition>& info) { return std::string(info.param.name); });

} // namespace
