// Every edition's table against the values it must hold: one row per
// edition. The rows are checked in the table itself, after the program
// adopts it, and in the whole program run with it.
#include "app/edition.h"
#include "app/program.h"
#include "app/settings_record.h"
#include "app/shell.h"
#include "base/util/library_options.h"
#include "editions/ivrel/ivrel_edition.h"
#include "editions/ivrel/ivrel_frames.h"
#include "editions/pelmo/pelmo_edition.h"
#include "editions/quenna/quenna_edition.h"
#include "editions/sorlun/sorlun_edition.h"
#include "editions/tavri/tavri_edition.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

// The timer period the settings dialog leaves behind while an action plays.
struct DialogTimer {
    int32_t action;
    uint32_t periodMs;
};

struct ExpectedEdition {
    const char* name;
    const EditionParameters& (*table)();

    // setting.dat
    const char* folderWord;
    SettingsStringOffsets stringOffsets;
    // The separator of every level of its path.
    char pathSeparator;

    // The program around the character.
    const char* archiveName;
    const char* firstScript;
    const char* lastScript;
    // The script of each slot, when it is not the pattern's.
    std::string (*slotScript)(int32_t slot);
    int32_t slotCount;
    const char* windowName;
    uint16_t trayIconId;
    bool followDisplayChanges;
    StartUpFunction startUp;
    std::vector<DialogTimer> dialogTimers;
    FramePlacementFunction placeFrame;

    // The behaviour.
    int32_t originOffsetX;
    int32_t originOffsetY;
    uint32_t idleTimeoutMs;
    uint32_t actionTimeoutMs;
    ActionRange chimeActions;
    ActionRange blockingActions;
    uint32_t mailPeriodMs;
    uint32_t normalTimerMs;
    bool zeroStampMeansNotStarted;
    // The pickers' seed: this one in every run, or the clock's time.
    bool seedFromTime;
    uint32_t fixedSeed;
    PickerForm pickerForm;

    LibraryOptionsTable library;
};

const ExpectedEdition kEditions[] = {
    {
        .name = "quenna",
        .table = QuennaEdition,
        .folderWord = "クエンナ編",
        .stringOffsets = {.server = 335498, .user = 445680, .password = 124598},
        .pathSeparator = '\\',
        .archiveName = "quenna.pac",
        .firstScript = "quenna00.ttp",
        .lastScript = "quenna25.ttp",
        .slotScript = nullptr,
        .slotCount = 26,
        .windowName = "quennacot",
        .trayIconId = 111,
        .followDisplayChanges = true,
        .startUp = DefaultStartUp,
        // The walk goes on at its own period.
        .dialogTimers = {{0, 100}, {3, 30}, {4, 30}, {7, 100}},
        .placeFrame = PlaceAtWindowPosition,
        .originOffsetX = 254,
        .originOffsetY = 224,
        .idleTimeoutMs = 30000,
        .actionTimeoutMs = 30000,
        .chimeActions = {11, 22},
        .blockingActions = {23, 24},
        .mailPeriodMs = 60000,
        .normalTimerMs = 100,
        .zeroStampMeansNotStarted = true,
        .seedFromTime = true,
        .fixedSeed = 0,
        .pickerForm = PickerForm::SharedGenerator,
        .library = {.convertPathSeparators = true, .windowMoveFlags = 0x05, .windowResizeFlags = 0x06},
    },
    {
        .name = "pelmo",
        .table = PelmoEdition,
        .folderWord = "ペルモ編",
        .stringOffsets = {.server = 398745, .user = 179850, .password = 80456},
        .pathSeparator = '\\',
        .archiveName = "pelmo.pac",
        .firstScript = "pelmo00.ttp",
        .lastScript = "pelmo28.ttp",
        .slotScript = nullptr,
        .slotCount = 29,
        .windowName = "pelmocot",
        .trayIconId = 111,
        .followDisplayChanges = false,
        .startUp = DefaultStartUp,
        // No walk: 3 and 4 are actions like any other.
        .dialogTimers = {{0, 100}, {3, 100}, {4, 100}, {11, 100}, {24, 100}},
        .placeFrame = PlaceAtWindowPosition,
        .originOffsetX = 260,
        .originOffsetY = 236,
        .idleTimeoutMs = 30000,
        .actionTimeoutMs = 30000,
        .chimeActions = {12, 23},
        .blockingActions = {24, 26},
        .mailPeriodMs = 60000,
        .normalTimerMs = 100,
        .zeroStampMeansNotStarted = true,
        .seedFromTime = false,
        .fixedSeed = 5489,
        .pickerForm = PickerForm::SharedGenerator,
        .library = {.convertPathSeparators = true, .windowMoveFlags = 0x05, .windowResizeFlags = 0x06},
    },
    {
        .name = "tavri",
        .table = TavriEdition,
        .folderWord = "タヴリ編",
        .stringOffsets = {.server = 195468, .user = 412036, .password = 221456},
        .pathSeparator = '\\',
        .archiveName = "tavri.pac",
        .firstScript = "tavri00.ttp",
        .lastScript = "tavri39.ttp",
        .slotScript = nullptr,
        .slotCount = 40,
        .windowName = "tavrikot",
        .trayIconId = 111,
        .followDisplayChanges = true,
        .startUp = DefaultStartUp,
        // The walk (8, 9) goes on at the normal period after the dialog.
        .dialogTimers = {{0, 100}, {8, 100}, {9, 100}, {34, 100}},
        .placeFrame = PlaceAtWindowPosition,
        .originOffsetX = 234,
        .originOffsetY = 224,
        .idleTimeoutMs = 30000,
        .actionTimeoutMs = 30000,
        .chimeActions = {10, 33},
        .blockingActions = {34, 37},
        .mailPeriodMs = 60000,
        .normalTimerMs = 100,
        .zeroStampMeansNotStarted = true,
        .seedFromTime = false,
        .fixedSeed = 5489,
        .pickerForm = PickerForm::SharedGenerator,
        // Moves and resizes without a redraw.
        .library = {.convertPathSeparators = true, .windowMoveFlags = 0x0D, .windowResizeFlags = 0x0E},
    },
    {
        .name = "sorlun",
        .table = SorlunEdition,
        .folderWord = "ソルビ＆ルネット編",
        .stringOffsets = {.server = 246987, .user = 112586, .password = 465874},
        .pathSeparator = '\\',
        .archiveName = "sorlun.pac",
        .firstScript = "sorlun00.ttp",
        .lastScript = "sorlun29.ttp",
        .slotScript = nullptr,
        .slotCount = 30,
        .windowName = "sorluncot",
        .trayIconId = 111,
        .followDisplayChanges = false,
        .startUp = DefaultStartUp,
        // No walk: 3 and 4 are actions like any other.
        .dialogTimers = {{0, 100}, {3, 100}, {4, 100}, {12, 100}, {25, 100}},
        .placeFrame = PlaceAtWindowPosition,
        .originOffsetX = 260,
        .originOffsetY = 236,
        .idleTimeoutMs = 30000,
        .actionTimeoutMs = 30000,
        .chimeActions = {13, 24},
        .blockingActions = {25, 26},
        .mailPeriodMs = 60000,
        .normalTimerMs = 100,
        .zeroStampMeansNotStarted = true,
        .seedFromTime = false,
        .fixedSeed = 5489,
        .pickerForm = PickerForm::PlainRecord,
        // Names as given, moves and resizes without a redraw.
        .library = {.convertPathSeparators = false, .windowMoveFlags = 0x0D, .windowResizeFlags = 0x0E},
    },
    {
        .name = "ivrel",
        .table = IvrelEdition,
        .folderWord = "イヴレル編",
        .stringOffsets = {.server = 102543, .user = 342856, .password = 445879},
        .pathSeparator = '/',
        .archiveName = "ivrel.pac",
        .firstScript = "ivrel00.ttp",
        .lastScript = "ivrel01_0.ttp",
        .slotScript = [](int32_t slot) { return IvrelSlotTable(slot).script; },
        .slotCount = 25,
        .windowName = "ivrelcot",
        .trayIconId = 108,
        .followDisplayChanges = false,
        .startUp = IvrelStartUp,
        // No walk: 3 and 4 are idle animations.
        .dialogTimers = {{0, 100}, {3, 100}, {4, 100}, {7, 100}, {8, 100}},
        .placeFrame = PlaceIvrelFrame,
        // The base: the desktop centre less these.
        .originOffsetX = 90,
        .originOffsetY = 140,
        .idleTimeoutMs = 30000,
        .actionTimeoutMs = 30000,
        .chimeActions = {10, 21},
        .blockingActions = {8, 8},
        .mailPeriodMs = 60000,
        .normalTimerMs = 100,
        .zeroStampMeansNotStarted = false,
        .seedFromTime = false,
        .fixedSeed = 5489,
        .pickerForm = PickerForm::SharedGenerator,
        .library = {.convertPathSeparators = false, .windowMoveFlags = 0x0D, .windowResizeFlags = 0x0E},
    },
};

// Library options that differ from the edition's in every field, handed
// over first so that a table that never reached the library shows.
LibraryOptionsTable OtherThan(const LibraryOptionsTable& options)
{
    return {
        .convertPathSeparators = !options.convertPathSeparators,
        .windowMoveFlags = options.windowMoveFlags ^ SWP_NOREDRAW,
        .windowResizeFlags = options.windowResizeFlags ^ SWP_NOREDRAW,
    };
}

std::string OptionsText(const LibraryOptionsTable& options)
{
    char text[80];
    std::snprintf(text, sizeof text, "library options: convert %d, move 0x%02X, resize 0x%02X",
                  options.convertPathSeparators ? 1 : 0, static_cast<unsigned>(options.windowMoveFlags),
                  static_cast<unsigned>(options.windowResizeFlags));
    return text;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(EditionTables, EachTableHoldsItsEditionsValues)
{
    for (const ExpectedEdition& row : kEditions) {
        SCOPED_TRACE(row.name);
        const EditionParameters& table = row.table();
        EXPECT_STREQ(table.settings.folderWord, row.folderWord);
        EXPECT_EQ(table.settings.stringOffsets.server, row.stringOffsets.server);
        EXPECT_EQ(table.settings.stringOffsets.user, row.stringOffsets.user);
        EXPECT_EQ(table.settings.stringOffsets.password, row.stringOffsets.password);
        EXPECT_EQ(table.settings.pathForm == SettingsPathForm::kForwardSlashes ? '/' : '\\', row.pathSeparator);

        const ShellParameters& shell = table.shell;
        EXPECT_STREQ(shell.archiveName, row.archiveName);
        EXPECT_EQ(shell.slotCount, row.slotCount);
        const auto script = [&](int32_t slot) {
            return row.slotScript != nullptr ? row.slotScript(slot) : ScriptName(shell.scriptPattern, slot);
        };
        EXPECT_EQ(script(0), row.firstScript);
        EXPECT_EQ(script(shell.slotCount - 1), row.lastScript);
        EXPECT_EQ(ScriptName(shell.scriptPattern, 0), row.firstScript) << "the pattern names the first slots";
        EXPECT_STREQ(shell.windowName, row.windowName);
        EXPECT_EQ(shell.trayIconId, row.trayIconId);
        EXPECT_EQ(shell.followDisplayChanges, row.followDisplayChanges);
        EXPECT_EQ(shell.startUp, row.startUp);
        EXPECT_EQ(shell.placeFrame, row.placeFrame);
        for (const DialogTimer& timer : row.dialogTimers) {
            ShellState state;
            state.CurrentAction = timer.action;
            EXPECT_EQ(shell.dialogCloseTimer(state, table.behaviour), timer.periodMs) << "during " << timer.action;
        }

        const BehaviourParameters& behaviour = table.behaviour;
        EXPECT_EQ(behaviour.originOffsetX, row.originOffsetX);
        EXPECT_EQ(behaviour.originOffsetY, row.originOffsetY);
        EXPECT_EQ(behaviour.idleTimeoutMs, row.idleTimeoutMs);
        EXPECT_EQ(behaviour.actionTimeoutMs, row.actionTimeoutMs);
        EXPECT_EQ(behaviour.chimeActions.first, row.chimeActions.first);
        EXPECT_EQ(behaviour.chimeActions.last, row.chimeActions.last);
        EXPECT_EQ(behaviour.blockingActions.first, row.blockingActions.first);
        EXPECT_EQ(behaviour.blockingActions.last, row.blockingActions.last);
        EXPECT_EQ(behaviour.mailPeriodMs, row.mailPeriodMs);
        EXPECT_EQ(behaviour.normalTimerMs, row.normalTimerMs);
        EXPECT_EQ(behaviour.zeroStampMeansNotStarted, row.zeroStampMeansNotStarted);
        EXPECT_NE(behaviour.actionTick, nullptr);
        ASSERT_NE(behaviour.pickerSeed, nullptr);
        const auto before = static_cast<uint32_t>(std::time(nullptr));
        const uint32_t seed = behaviour.pickerSeed();
        const auto after = static_cast<uint32_t>(std::time(nullptr));
        if (row.seedFromTime) {
            EXPECT_GE(seed, before);
            EXPECT_LE(seed, after);
        } else {
            EXPECT_EQ(seed, row.fixedSeed);
        }
        EXPECT_EQ(behaviour.pickerForm, row.pickerForm);

        EXPECT_EQ(table.library.convertPathSeparators, row.library.convertPathSeparators);
        EXPECT_EQ(table.library.windowMoveFlags, row.library.windowMoveFlags);
        EXPECT_EQ(table.library.windowResizeFlags, row.library.windowResizeFlags);
    }
}

std::vector<int32_t> HostDraws()
{
    std::vector<int32_t> draws;
    for (int i = 0; i < 8; ++i)
        draws.push_back(Host.Draw(kIdlePicker, 0, 1000000));
    return draws;
}

TEST(EditionTables, AdoptingATableHandsItToTheLibraryAndTheProgram)
{
    for (const ExpectedEdition& row : kEditions) {
        SCOPED_TRACE(row.name);
        SetLibraryOptions(OtherThan(row.library));
        AdoptEdition(row.table());
        EXPECT_EQ(&Edition(), &row.table());
        EXPECT_EQ(OptionsText(LibraryOptions()), OptionsText(row.library));
        EXPECT_EQ(Slots.size(), static_cast<size_t>(row.slotCount));
        EXPECT_EQ(&Engine.Parameters(), &row.table().behaviour);
        const char sep = row.pathSeparator;
        const std::string folders = sep + std::string("Quillmarsh") + sep + "ヴェルヴェーン　デスクトップアクセサリー" + sep +
                                    row.folderWord + sep + "setting.dat";
        EXPECT_TRUE(EndsWith(Settings.path, folders)) << Settings.path;
        EXPECT_EQ(Settings.path.find(sep == '/' ? '\\' : '/'), std::string::npos) << Settings.path;

        // The pickers start over at every adoption, seeded by the edition.
        const std::vector<int32_t> first = HostDraws();
        AdoptEdition(row.table());
        if (!row.seedFromTime) {
            EXPECT_EQ(HostDraws(), first);
        }
    }
}

const ExpectedEdition* EditionNamed(const std::string& name)
{
    for (const ExpectedEdition& row : kEditions) {
        if (name == row.name)
            return &row;
    }
    return nullptr;
}

// The name after --edition= on the child's command line.
std::string EditionArgument()
{
    const std::string line = GetCommandLineA();
    const std::string flag = "--edition=";
    const size_t at = line.find(flag);
    if (at == std::string::npos)
        return std::string();
    const size_t start = at + flag.size();
    return line.substr(start, line.find(' ', start) - start);
}

// As the program makes its window (after it adopted the table, before
// start-up): report the library's options, keep setting.dat in the working
// folder instead of the session's documents, and ask the program to end as
// soon as its loop runs.
HHOOK atCreation = nullptr;
LRESULT CALLBACK AtTheMainWindowsCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const char* className = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
        if (!IS_INTRESOURCE(className) && std::strcmp(className, Edition().shell.windowName) == 0) {
            std::printf("%s\n", OptionsText(LibraryOptions()).c_str());
            std::fflush(stdout);
            char folder[MAX_PATH] = {};
            GetCurrentDirectoryA(MAX_PATH, folder);
            Settings.path = std::string(folder) + "\\setting.dat";
            PostMessageA(reinterpret_cast<HWND>(wParam), WM_CLOSE, 0, 0);
        }
    }
    return CallNextHookEx(atCreation, code, wParam, lParam);
}

TEST_CHILD(RunTheNamedEditionsProgram)
{
    const ExpectedEdition* row = EditionNamed(EditionArgument());
    if (row == nullptr)
        return 4;
    SetLibraryOptions(OtherThan(row->library));
    atCreation = SetWindowsHookExA(WH_CBT, AtTheMainWindowsCreation, nullptr, GetCurrentThreadId());
    if (atCreation == nullptr)
        return 5;
    return RunProgram(GetModuleHandleA(nullptr), row->table());
}

TEST(EditionTables, TheProgramRunsWithTheTableItWasHanded)
{
    for (const ExpectedEdition& row : kEditions) {
        SCOPED_TRACE(row.name);
        TempDir folder;
        const ChildResult child =
            RunChild("RunTheNamedEditionsProgram", 30000, folder.Path(), std::string("--edition=") + row.name);
        ASSERT_TRUE(child.started);
        ASSERT_FALSE(child.timedOut);
        EXPECT_EQ(child.exitCode, 0u) << child.output;
        EXPECT_NE(child.output.find(OptionsText(row.library)), std::string::npos) << child.output;

        // The exit wrote the place the program started at: the desktop
        // centre less the edition's origin.
        AdoptEdition(row.table());
        SettingsRecord stored;
        stored.path = folder.File("setting.dat");
        int32_t x = 0, y = 0;
        ASSERT_TRUE(stored.Load(x, y));
        EXPECT_EQ(x, GetSystemMetrics(SM_CXSCREEN) / 2 - row.originOffsetX);
        EXPECT_EQ(y, GetSystemMetrics(SM_CYSCREEN) / 2 - row.originOffsetY);
    }
}

} // namespace
