#include "app/settings_dialog.h"

#include "app/program.h"

#include "app/shell.h"
#include "editions/quenna/quenna_edition.h"
#include "tests/app/settings_test_support.h"
#include "tests/shell/timer_watch.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

enum : int {
    kUser = 1003,
    kPassword = 1004,
    kAlarmTime = 1006,
    kKeepOnTop = 1009,
    kAlarmOn = 1011,
    kServer = 1012,
    kPort = 1013,
    kMailCheck = 1014,
    kReportErrors = 1015,
    kAllVoices = 1016,
    kSomeVoices = 1017,
    kNoVoices = 1018,
};

bool IsTopmost(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::string ItemText(HWND dialog, int id)
{
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

SYSTEMTIME PickerTime(HWND dialog)
{
    SYSTEMTIME time = {};
    SendDlgItemMessageA(dialog, kAlarmTime, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

void SetPickerTime(HWND dialog, WORD hour, WORD minute)
{
    SYSTEMTIME time = PickerTime(dialog);
    time.wHour = hour;
    time.wMinute = minute;
    SendDlgItemMessageA(dialog, kAlarmTime, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void Tick(HWND dialog, int id, bool checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// The settings dialog over a topmost main window whose timer 1 runs at the
// normal period, as while the character plays. The process-wide settings and
// shell state are put back afterwards.
class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AdoptEdition(QuennaEdition());
        savedSettings_ = Settings;
        savedShell_ = Shell;
        Shell = ShellState{};
        window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "main", WS_POPUP | WS_VISIBLE, 10, 10,
                                  100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        MainWindow.SetHwnd(window_);
        TheApplication.InitClass(0, DefWindowProcA, GetModuleHandleA(nullptr), "unused");
        TheApplication.mainWindow = window_;
        MainWindow.Timer.Set(100);
    }

    void TearDown() override
    {
        if (TheApplication.modelessDialogs[0] != nullptr)
            DestroyWindow(TheApplication.modelessDialogs[0]);
        TheApplication.modelessDialogs[0] = nullptr;
        MainWindow.Timer.Set(0);
        MainWindow.SetHwnd(nullptr);
        DestroyWindow(window_);
        Settings = savedSettings_;
        Shell = savedShell_;
    }

    HWND Open()
    {
        OpenSettingsDialog();
        return TheApplication.modelessDialogs[0];
    }

    HWND window_ = nullptr;

private:
    SettingsRecord savedSettings_;
    ShellState savedShell_;
};

TEST_F(SettingsDialogTest, OpeningShowsTheSettingsAndStopsTheCharacter)
{
    Settings = DistinctSettings();
    Settings.VoiceMode = 1;
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), window_);

    EXPECT_FALSE(IsDlgButtonChecked(dialog, kKeepOnTop));
    EXPECT_FALSE(IsDlgButtonChecked(dialog, kAllVoices));
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kSomeVoices));
    EXPECT_FALSE(IsDlgButtonChecked(dialog, kNoVoices));
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kAlarmOn));
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kMailCheck));
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kReportErrors));
    EXPECT_EQ(PickerTime(dialog).wHour, 6);
    EXPECT_EQ(PickerTime(dialog).wMinute, 45);
    EXPECT_EQ(ItemText(dialog, kUser), Settings.user);
    EXPECT_EQ(ItemText(dialog, kPassword), Settings.password);
    EXPECT_EQ(ItemText(dialog, kServer), Settings.server);
    EXPECT_EQ(ItemText(dialog, kPort), "995");

    EXPECT_FALSE(IsTopmost(window_));
    EXPECT_EQ(WatchTimer(window_, 400).ticks, 0) << "no ticks while the dialog is open";
}

TEST_F(SettingsDialogTest, OkStoresTheControlsAndOtherClosingsStoreNothing)
{
    struct Case {
        const char* how;
        WPARAM command; // 0: the dialog is destroyed without a command
        bool stores;
    };
    for (const Case c : {Case{"OK", IDOK, true}, Case{"Cancel", IDCANCEL, false}, Case{"destroyed", 0, false}}) {
        SCOPED_TRACE(c.how);
        Settings = SettingsRecord{};
        Settings.alarmFired = true;
        const SettingsRecord before = Settings;
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        Tick(dialog, kKeepOnTop, false);
        Tick(dialog, kAllVoices, false);
        Tick(dialog, kNoVoices, true);
        Tick(dialog, kAlarmOn, true);
        Tick(dialog, kMailCheck, true);
        Tick(dialog, kReportErrors, true);
        SetPickerTime(dialog, 7, 30);
        SetDlgItemTextA(dialog, kUser, "ユーザー名");
        SetDlgItemTextA(dialog, kPassword, "ぱすワード");
        SetDlgItemTextA(dialog, kServer, "127.0.0.1");
        SetDlgItemTextA(dialog, kPort, "995");
        if (c.command != 0)
            SendMessageA(dialog, WM_COMMAND, c.command, 0);
        else
            DestroyWindow(dialog);

        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_EQ(TheApplication.modelessDialogs[0], nullptr) << "the modeless slot is free again";
        if (!c.stores) {
            ExpectSameStoredFields(Settings, before);
            continue;
        }
        EXPECT_FALSE(Settings.keepOnTop);
        EXPECT_EQ(Settings.VoiceMode, 2);
        EXPECT_TRUE(Settings.alarmOn);
        EXPECT_FALSE(Settings.alarmFired) << "the alarm time changed";
        EXPECT_TRUE(Settings.mailCheckOn);
        EXPECT_TRUE(Settings.reportConnectionErrors);
        EXPECT_EQ(Settings.alarmTime.wHour, 7);
        EXPECT_EQ(Settings.alarmTime.wMinute, 30);
        EXPECT_NE(Settings.alarmTime.wYear, 0) << "the picker's whole time is stored";
        EXPECT_EQ(Settings.user, "ユーザー名");
        EXPECT_EQ(Settings.password, "ぱすワード");
        EXPECT_EQ(Settings.server, "127.0.0.1");
        EXPECT_EQ(Settings.port, 995);
    }
}

TEST_F(SettingsDialogTest, OnlyAChangedHourOrMinuteLetsTheAlarmFireAgain)
{
    struct Case {
        const char* what;
        WORD hour, minute;
        bool firedAfter;
    };
    const Case cases[] = {
        {"the same time", 6, 45, true},
        {"another minute", 6, 46, false},
        {"another hour", 18, 45, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings = SettingsRecord{};
        Settings.alarmTime = SYSTEMTIME{2030, 1, 2, 1, 6, 45, 0, 0};
        Settings.alarmFired = true;
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        SetPickerTime(dialog, c.hour, c.minute);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(Settings.alarmFired, c.firedAfter);
    }
}

TEST_F(SettingsDialogTest, PortAndVoiceModeAreReadFromWhatTheControlsHold)
{
    struct Case {
        const char* portText;
        int32_t port;
        int tickedVoice; // 0: none of the three
        int32_t voiceMode;
    };
    const Case cases[] = {
        {"995", 995, kAllVoices, 0}, {"abc", 0, kSomeVoices, 1}, {"", 0, kNoVoices, 2}, {"12x", 0, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.portText);
        Settings = SettingsRecord{};
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        for (int id : {kAllVoices, kSomeVoices, kNoVoices})
            Tick(dialog, id, id == c.tickedVoice);
        SetDlgItemTextA(dialog, kPort, c.portText);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(Settings.port, c.port);
        EXPECT_EQ(Settings.VoiceMode, c.voiceMode);
    }
}

TEST_F(SettingsDialogTest, ClosingTakesTheZOrderFromTheBoxEvenWhenCancelled)
{
    struct Case {
        bool stored;
        bool ticked;
        bool topmostAfter;
    };
    for (const Case c : {Case{true, false, false}, Case{false, true, true}, Case{true, true, true}}) {
        SCOPED_TRACE(testing::Message() << "stored " << c.stored << ", ticked " << c.ticked);
        Settings = SettingsRecord{};
        Settings.keepOnTop = c.stored;
        SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        Tick(dialog, kKeepOnTop, c.ticked);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(Settings.keepOnTop, c.stored) << "Cancel stores nothing";
        EXPECT_EQ(IsTopmost(window_), c.topmostAfter);
    }
}

TEST_F(SettingsDialogTest, ClosingRestartsTheTimerAtTheWalkPeriodOnlyDuringAWalk)
{
    struct Case {
        int32_t action;
        bool walking;
    };
    for (const Case c : {Case{0, false}, Case{3, true}, Case{4, true}, Case{7, false}}) {
        SCOPED_TRACE(c.action);
        Shell.CurrentAction = c.action;
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        const TimerWatch watch = WatchTimer(window_, 700);
        ASSERT_GE(watch.ticks, 3) << "the timer runs again";
        if (c.walking)
            EXPECT_LT(watch.meanGap, 70u) << "30 ms while walking";
        else
            EXPECT_GE(watch.meanGap, 80u) << "100 ms otherwise";
    }
}

TEST_F(SettingsDialogTest, ASecondOpeningBringsTheOpenDialogForward)
{
    HWND first = Open();
    ASSERT_NE(first, nullptr);
    SetDlgItemTextA(first, kServer, "typed in the first");
    HWND second = Open();
    EXPECT_EQ(second, first);
    int dialogs = 0;
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, "#32770", nullptr))
        dialogs += GetWindow(w, GW_OWNER) == window_ ? 1 : 0;
    EXPECT_EQ(dialogs, 1);
    SendMessageA(first, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Settings.server, "typed in the first");
}

} // namespace
