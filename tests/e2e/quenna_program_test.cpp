// The Quenna program from the outside: started as its own process with the
// demo character, driven with the system's mouse input and read from the
// screen (each picture of the demo character marks its slot and frame).
// What every edition's program does at its first start is in
// edition_process_test.cpp.
#include "tests/e2e/edition_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kSettingsItem = 0;

// Points of the character in canvas coordinates: the head lies in click
// area A, the body below it.
constexpr POINT kHead{256, 140};
constexpr POINT kBody{256, 300};

// The frames shown over a while, sampled every 100 ms.
std::vector<int> FramesSeen(const EditionProcess& quenna, DWORD milliseconds)
{
    std::vector<int> frames;
    for (DWORD waited = 0; waited < milliseconds; waited += 100) {
        int slot = -1;
        int frame = -1;
        frames.push_back(quenna.ShownFrame(slot, frame) ? slot * 100 + frame : -1);
        Sleep(100);
    }
    return frames;
}

bool AllEqual(const std::vector<int>& values)
{
    for (int value : values) {
        if (value != values.front())
            return false;
    }
    return true;
}

void ExitThroughTheMenu(EditionProcess& quenna)
{
    EXPECT_EQ(quenna.ExitThroughTheMenu(kBody), 0);
}

TEST(QuennaProgram, AClickOnTheHeadStartsAReaction)
{
    EditionProcess quenna(QuennaProgram());
    ASSERT_TRUE(quenna.Start());
    ASSERT_TRUE(quenna.WaitForFrame([](int slot, int) { return slot == 0; }, 3000));
    const POINT head = OnScreen(quenna.WindowRect(), kHead);
    ClickLeft(head.x, head.y);
    EXPECT_TRUE(quenna.WaitForFrame([](int slot, int) { return slot == 7 || slot == 8; }, 3000));
}

TEST(QuennaProgram, ADragMovesTheWindowAndTheNextStartPutsItBackThere)
{
    EditionProcess quenna(QuennaProgram());
    ASSERT_TRUE(quenna.Start());
    const RECT before = quenna.WindowRect();
    const POINT body = OnScreen(before, kBody);
    MoveMouse(body.x, body.y);
    PressLeft();
    for (int step = 1; step <= 6; ++step)
        MoveMouse(body.x + 10 * step, body.y + 7 * step);
    ReleaseLeft();
    ASSERT_TRUE(WaitUntil([&] { return quenna.WindowRect().left == before.left + 60; }, 3000));
    EXPECT_EQ(quenna.WindowRect().top, before.top + 42);
    EXPECT_TRUE(quenna.WaitForFrame([](int slot, int) { return slot == 0; }, 1000)) << "a drag is no click";

    ExitThroughTheMenu(quenna);
    ASSERT_TRUE(quenna.Start());
    EXPECT_EQ(quenna.WindowRect().left, before.left + 60);
    EXPECT_EQ(quenna.WindowRect().top, before.top + 42);
}

// At the end of the session Windows asks the window, tells it the session
// ends, and then ends the process without closing the window.
TEST(QuennaProgram, TheEndOfTheSessionWritesTheSettingsBeforeTheProcessIsEnded)
{
    EditionProcess quenna(QuennaProgram());
    SettingsRecord prepared;
    prepared.server = "kept.example";
    ASSERT_TRUE(quenna.WriteSettings(prepared, 300, 100));
    ASSERT_TRUE(quenna.Start());
    ASSERT_TRUE(DeleteFileA(quenna.SettingsPath().c_str()));
    EXPECT_NE(SendMessageA(quenna.Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0) << "the session may end";
    SendMessageA(quenna.Window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(quenna.Running());

    SettingsRecord saved;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(quenna.ReadSettings(saved, x, y));
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 100);
    EXPECT_EQ(saved.server, "kept.example");
}

TEST(QuennaProgram, TheSettingsDialogHoldsTheCharacterAndStoresOnlyOnOk)
{
    EditionProcess quenna(QuennaProgram());
    SettingsRecord prepared;
    prepared.server = "before.example";
    ASSERT_TRUE(quenna.WriteSettings(prepared, 300, 100));
    ASSERT_TRUE(quenna.Start());
    EXPECT_EQ(quenna.WindowRect().left, 300) << "the stored position";
    EXPECT_FALSE(AllEqual(FramesSeen(quenna, 1500))) << "the idle animation plays";

    struct Round {
        const char* how;
        WPARAM command;
        const char* shownServer;
    };
    for (const Round round : {Round{"Cancel", IDCANCEL, "before.example"}, Round{"OK", IDOK, "before.example"}}) {
        SCOPED_TRACE(round.how);
        const POINT body = OnScreen(quenna.WindowRect(), kBody);
        ClickRight(body.x, body.y);
        ASSERT_TRUE(ChooseMenuItem(kSettingsItem));
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (dialog = quenna.FindProcessWindow("#32770", "設定")) != nullptr; }, 5000));
        // Out of the way of the picture's marker.
        SetWindowPos(dialog, nullptr, 0, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        char server[64] = {};
        GetDlgItemTextA(dialog, 1012, server, sizeof server);
        EXPECT_STREQ(server, round.shownServer);
        ASSERT_TRUE(quenna.WaitForFrame([](int, int) { return true; }, 2000)) << "the marker shows again";
        EXPECT_TRUE(AllEqual(FramesSeen(quenna, 1500))) << "the character stands still while the dialog is open";
        SetDlgItemTextA(dialog, 1012, "after.example");
        PostMessageA(dialog, WM_COMMAND, round.command, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
        EXPECT_FALSE(AllEqual(FramesSeen(quenna, 1500))) << "and plays again once it is closed";
    }

    ExitThroughTheMenu(quenna);
    SettingsRecord saved;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(quenna.ReadSettings(saved, x, y));
    EXPECT_EQ(saved.server, "after.example");
}

TEST(QuennaProgram, ADamagedArchiveStillGivesARunningProgramThatEndsNormally)
{
    EditionProcess quenna(QuennaProgram());
    std::string archive;
    ASSERT_TRUE(quenna.ReadArchive(archive));
    for (const size_t kept : {archive.size() / 2, size_t{100}}) {
        SCOPED_TRACE(kept);
        ASSERT_TRUE(quenna.ReplaceArchive(archive.substr(0, kept)));
        ASSERT_TRUE(quenna.Start()) << "the window shows at the first tick";
        Sleep(1500);
        ASSERT_TRUE(quenna.Running());
        PostMessageA(quenna.Window(), WM_COMMAND, 0x1000, 0);
        EXPECT_EQ(quenna.WaitForExit(), 0);
        SettingsRecord saved;
        int32_t x = 0, y = 0;
        EXPECT_TRUE(quenna.ReadSettings(saved, x, y));
    }
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Two runs side by side against the POP3 server of the test session: one
// with the right password, one with a wrong one and errors reported. The
// first check comes a minute after start.
TEST(QuennaProgram, TheMailCheckAnnouncesNewMailAndReportsAWrongPassword)
{
    const std::string port = Environment("ACCESSORY_POP3_PORT");
    ASSERT_FALSE(port.empty()) << "needs the POP3 server of the test session (scripts/lib/session.sh)";
    SettingsRecord mail;
    mail.mailCheckOn = true;
    mail.server = "127.0.0.1";
    mail.port = std::atoi(port.c_str());
    mail.user = Environment("ACCESSORY_POP3_USER");
    mail.password = Environment("ACCESSORY_POP3_PASSWORD");
    SettingsRecord wrong = mail;
    wrong.password = "wrong" + mail.password;
    wrong.reportConnectionErrors = true;
    // The reporting run stays below the announcing one, whose picture the
    // test reads; the cursor rests on the announcing character's centre, so
    // it never walks.
    wrong.keepOnTop = false;

    // Both read the one setting.dat of the documents folder, each at its
    // start.
    EditionProcess announcing(QuennaProgram());
    EditionProcess reporting(QuennaProgram());
    MoveMouse(254, 100 + 224);
    const DWORD start = GetTickCount();
    ASSERT_TRUE(announcing.WriteSettings(mail, 0, 100));
    ASSERT_TRUE(announcing.Start());
    ASSERT_TRUE(reporting.WriteSettings(wrong, 500, 100));
    ASSERT_TRUE(reporting.Start());

    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = reporting.FindProcessWindow("#32770", "メールチェックエラー")) != nullptr; },
                          80000));
    EXPECT_GE(GetTickCount() - start, 59000u) << "not before a minute has passed";
    char text[128] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, "ユーザー名、パスワードを確認してください");
    // The announcing run checked at about the same time; its action lasts
    // the action time-out. What it showed instead is told on failure.
    std::string seen;
    EXPECT_TRUE(announcing.WaitForFrame(
        [&](int slot, int frame) {
            seen += " " + std::to_string(slot) + "/" + std::to_string(frame);
            return slot == 25;
        },
        30000))
        << "the new-mail action; seen (slot/frame):" << seen.substr(seen.size() > 600 ? seen.size() - 600 : 0);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

} // namespace
