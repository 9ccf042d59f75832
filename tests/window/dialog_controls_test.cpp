#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/window/button.h"
#include "base/window/date_time_picker.h"
#include "base/window/edit_box.h"
#include "tests/support/temp_dir.h"
#include "tests/window/test_resources.h"
#include "tests/window/window_test_support.h"

namespace {

// Commands that the test dialog receives are handed to this button.
Button* commandTarget = nullptr;

INT_PTR CALLBACK ControlsDialog(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && commandTarget != nullptr)
        commandTarget->OnCommand(wParam, lParam);
    return FALSE;
}

// The test dialog, made from its template and destroyed with the object.
struct ControlsDialogWindow {
    ControlsDialogWindow()
        : hwnd(CreateDialogParamA(TestInstance(), MAKEINTRESOURCEA(IDD_CONTROLS), nullptr, ControlsDialog, 0))
    {
    }
    ~ControlsDialogWindow()
    {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    }
    HWND hwnd;
};

bool IsAllZero(const SYSTEMTIME& time)
{
    static const SYSTEMTIME zero = {};
    return std::memcmp(&time, &zero, sizeof zero) == 0;
}

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute)
{
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    return time;
}

// A child control of parent at rect.
WindowCreateParams ChildParams(HWND parent, const Rect& rect, DWORD style, const char* text = "")
{
    WindowCreateParams params;
    params.instance = TestInstance();
    params.parent = parent;
    params.rect = rect;
    params.style = WS_CHILD | WS_VISIBLE | style;
    params.text = text;
    return params;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

TEST(EditBox, BoundToADialogItemReadsAndWritesItsText)
{
    ControlsDialogWindow dialog;
    EditBox edit;
    ASSERT_TRUE(edit.Handle.AttachDlgItem(dialog.hwnd, IDC_PORT));
    ASSERT_TRUE(edit.Text.Set("hello"));
    EXPECT_EQ(edit.Text.Get(), "hello");
    EXPECT_EQ(edit.Length.Get(), 5);
    ASSERT_TRUE(edit.Text.Format("%d", 995));
    EXPECT_EQ(edit.Text.Get(), "995");
    const char* empty = "";
    EXPECT_FALSE(edit.Text.Format(empty)) << "an empty format does nothing";
    EXPECT_EQ(edit.Text.Get(), "995");

    ASSERT_TRUE(edit.MaxLength.Set(8));
    EXPECT_EQ(edit.MaxLength.Get(), 8);
    ASSERT_TRUE(edit.Text.Set("abcdef"));
    ASSERT_TRUE(edit.Select.SelPos.Set(2));
    EXPECT_EQ(edit.Select.SelPos.Get(), 2);
    EXPECT_EQ(edit.Select.SelLength.Get(), 0);
    ASSERT_TRUE(edit.Select.SelLength.Set(3));
    EXPECT_EQ(edit.Select.SelPos.Get(), 2);
    EXPECT_EQ(edit.Select.SelLength.Get(), 3);
    EXPECT_FALSE(edit.Select.SelAll.Set(false));
    ASSERT_TRUE(edit.Select.SelAll.Set(true));
    EXPECT_EQ(edit.Select.SelLength.Get(), 6);

    // Append writes at the end and leaves the caret where it was.
    edit.Select.SelPos.Set(1);
    ASSERT_TRUE(edit.Text.Append("gh"));
    EXPECT_EQ(edit.Text.Get(), "abcdefgh");
    EXPECT_EQ(edit.Select.SelPos.Get(), 1);

    EXPECT_FALSE(edit.Text.Clear()) << "Clear reports false even when it emptied the text";
    EXPECT_EQ(edit.Text.Get(), "");
}

TEST(EditBox, ReadsSingleLines)
{
    ControlsDialogWindow dialog;
    EditBox notes;
    notes.Handle.AttachDlgItem(dialog.hwnd, IDC_NOTES);
    notes.Text.Set("one\r\nx\r\nthree");
    EXPECT_EQ(notes.Line.Get(), 3);
    struct Case {
        int32_t line;
        const char* expected;
    };
    const Case cases[] = {{0, "one"}, {1, "x"}, {2, "three"}, {3, ""}, {-1, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(notes.Text.GetLine(c.line), c.expected) << c.line;
}

TEST(EditBox, ConvertsItsTextToNumbers)
{
    ControlsDialogWindow dialog;
    EditBox edit;
    edit.Handle.AttachDlgItem(dialog.hwnd, IDC_PORT);
    struct Case {
        const char* text;
        int32_t number;
    };
    const Case cases[] = {
        {"", 0}, {"12a", 0}, {"1e3", 0}, {"-7", -7}, {"995", 995}, {" 5", 0}, {"2147483648", 0},
    };
    for (const Case& c : cases) {
        edit.Text.Set(c.text);
        EXPECT_EQ(edit.Text.ToInt(), c.number) << '"' << c.text << '"';
    }
    edit.Text.Set("2.5");
    EXPECT_FLOAT_EQ(edit.Text.ToFloat(), 2.5f);
    edit.Text.Set("two");
    EXPECT_FLOAT_EQ(edit.Text.ToFloat(), 0.0f);
}

TEST(EditBox, LoadFileMakesTheFilesBytesTheText)
{
    ControlsDialogWindow dialog;
    EditBox edit;
    edit.Handle.AttachDlgItem(dialog.hwnd, IDC_NOTES);
    TempDir folder;
    struct Case {
        const char* name;
        std::string bytes;
        const char* expected;
    };
    const Case cases[] = {
        {"plain.txt", "file text", "file text"}, // no terminator in the file
        {"empty.txt", "", ""},
        {"zero.txt", std::string("ab\0cd", 5), "ab"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteWholeFile(folder.File(c.name), c.bytes));
        edit.Text.Set("before");
        EXPECT_TRUE(edit.Text.LoadFile(folder.File(c.name).c_str())) << c.name;
        EXPECT_EQ(edit.Text.Get(), c.expected) << c.name;
    }
    edit.Text.Set("kept");
    EXPECT_FALSE(edit.Text.LoadFile(folder.File("missing.txt").c_str()));
    EXPECT_FALSE(edit.Text.LoadFile(nullptr));
    EXPECT_EQ(edit.Text.Get(), "kept");
}

TEST(EditBox, CreatedOnItsOwnAndKeepsItsNotifications)
{
    TestWindow parent(Rect(100, 100, 300, 200));
    EditBox edit;
    ASSERT_TRUE(edit.Create(ChildParams(parent.Hwnd(), Rect(5, 5, 105, 25), 0, "start")));
    EXPECT_STRCASEEQ(ClassOf(edit.Hwnd()).c_str(), "Edit");
    EXPECT_EQ(edit.Text.Get(), "start");

    EXPECT_TRUE(edit.OnCommand(MAKEWPARAM(7, EN_CHANGE), reinterpret_cast<LPARAM>(edit.Hwnd())));
    EXPECT_EQ(edit.Notification(), EN_CHANGE);
    EXPECT_FALSE(edit.OnCommand(MAKEWPARAM(7, EN_KILLFOCUS), reinterpret_cast<LPARAM>(parent.Hwnd())));
    EXPECT_EQ(edit.Notification(), EN_CHANGE) << "another control's message is not kept";
}

TEST(Button, ChecksAndClicks)
{
    ControlsDialogWindow dialog;
    Button check;
    check.Handle.AttachDlgItem(dialog.hwnd, IDC_CHECK);
    commandTarget = &check;
    ASSERT_TRUE(check.Check.Set(true));
    EXPECT_TRUE(check.Check.Get());
    ASSERT_TRUE(check.Check.Set(false));
    EXPECT_FALSE(check.Check.Get());
    SendMessageA(check.Hwnd(), BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_FALSE(check.Check.Get()) << "indeterminate is not checked";

    ASSERT_TRUE(check.Click.Click()); // a three-state box goes on to unchecked
    EXPECT_EQ(SendMessageA(check.Hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(check.Notification(), BN_CLICKED);
    EXPECT_EQ(check.ControlId(), IDC_CHECK);
    commandTarget = nullptr;
}

TEST(Button, CreatedOnItsOwnTellsItsParent)
{
    TestWindow parent(Rect(100, 100, 300, 200));
    Button button;
    ASSERT_TRUE(button.Create(ChildParams(parent.Hwnd(), Rect(5, 5, 85, 30), BS_PUSHBUTTON, "press")));
    EXPECT_STRCASEEQ(ClassOf(button.Hwnd()).c_str(), "Button");
    ClearMessages();
    ASSERT_TRUE(button.Click.Click());
    ASSERT_TRUE(PumpUntil([&] { return CountMessages(parent.Hwnd(), WM_COMMAND) > 0; }));
    for (const ReceivedMessage& m : Messages()) {
        if (m.message == WM_COMMAND) {
            EXPECT_EQ(HIWORD(m.wParam), BN_CLICKED);
            EXPECT_EQ(reinterpret_cast<HWND>(m.lParam), button.Hwnd());
        }
    }
}

TEST(DateTimePicker, HoldsTheTimeTheRangeAndTheFormat)
{
    ControlsDialogWindow dialog;
    DateTimePicker picker;
    picker.Handle.AttachDlgItem(dialog.hwnd, IDC_TIME);
    EXPECT_TRUE(IsAllZero(picker.Min.Get())) << "no lower limit yet";
    EXPECT_TRUE(IsAllZero(picker.Max.Get()));

    ASSERT_TRUE(picker.Current.Set(Time(2024, 5, 6, 10, 30)));
    const SYSTEMTIME current = picker.Current.Get();
    EXPECT_EQ(current.wHour, 10);
    EXPECT_EQ(current.wMinute, 30);
    EXPECT_EQ(current.wDay, 6);

    ASSERT_TRUE(picker.Format.Set("HH:mm"));
    EXPECT_EQ(picker.Format.Get(), "HH:mm");
    char shown[32] = {};
    GetWindowTextA(picker.Hwnd(), shown, sizeof shown);
    EXPECT_STREQ(shown, "10:30");

    // Each end is set alone: the range then has that one limit.
    ASSERT_TRUE(picker.Min.Set(Time(2020, 1, 2, 0, 0)));
    EXPECT_EQ(picker.Min.Get().wYear, 2020);
    EXPECT_EQ(picker.Min.Get().wDay, 2);
    EXPECT_TRUE(IsAllZero(picker.Max.Get()));
    ASSERT_TRUE(picker.Max.Set(Time(2030, 3, 4, 0, 0)));
    EXPECT_EQ(picker.Max.Get().wYear, 2030);
    EXPECT_EQ(picker.Max.Get().wMonth, 3);
    EXPECT_TRUE(IsAllZero(picker.Min.Get()));
}

TEST(DateTimePicker, WithoutADateReadsAsAllZero)
{
    ControlsDialogWindow dialog;
    DateTimePicker picker;
    picker.Handle.AttachDlgItem(dialog.hwnd, IDC_OPTIONAL_DATE);
    SYSTEMTIME unused = Time(2024, 1, 1, 0, 0);
    ASSERT_TRUE(SendMessageA(picker.Hwnd(), DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&unused)));
    EXPECT_TRUE(IsAllZero(picker.Current.Get()));
}

TEST(DateTimePicker, CreatedOnItsOwn)
{
    TestWindow parent(Rect(100, 100, 300, 200));
    DateTimePicker picker;
    ASSERT_TRUE(picker.Create(ChildParams(parent.Hwnd(), Rect(5, 5, 125, 30), DTS_TIMEFORMAT)));
    EXPECT_EQ(ClassOf(picker.Hwnd()), DATETIMEPICK_CLASSA);
    ASSERT_TRUE(picker.Current.Set(Time(2024, 1, 1, 7, 5)));
    EXPECT_EQ(picker.Current.Get().wMinute, 5);
}

// What every part gives when the wrapper has no live control.
void ExpectNotAttached(EditBox& edit, Button& button, DateTimePicker& picker, const std::string& file)
{
    EXPECT_EQ(edit.MaxLength.Get(), 0);
    EXPECT_EQ(edit.Select.SelPos.Get(), -1);
    EXPECT_EQ(edit.Select.SelLength.Get(), -1);
    EXPECT_EQ(edit.Text.Get(), "");
    EXPECT_EQ(edit.Text.GetLine(0), "");
    EXPECT_EQ(edit.Length.Get(), 0);
    EXPECT_EQ(edit.Line.Get(), 0);
    EXPECT_EQ(edit.Text.ToInt(), 0);
    EXPECT_EQ(edit.Text.ToFloat(), 0.0f);
    EXPECT_FALSE(edit.MaxLength.Set(3));
    EXPECT_FALSE(edit.Select.SelPos.Set(1));
    EXPECT_FALSE(edit.Select.SelAll.Set(true));
    EXPECT_FALSE(edit.Text.Set("x"));
    EXPECT_FALSE(edit.Text.Append("x"));
    EXPECT_FALSE(edit.Text.Clear());
    EXPECT_FALSE(edit.Text.LoadFile(file.c_str()));
    EXPECT_FALSE(button.Check.Get());
    EXPECT_FALSE(button.Check.Set(true));
    EXPECT_FALSE(button.Click.Click());
    EXPECT_TRUE(IsAllZero(picker.Current.Get()));
    EXPECT_TRUE(IsAllZero(picker.Min.Get()));
    EXPECT_TRUE(IsAllZero(picker.Max.Get()));
    EXPECT_FALSE(picker.Current.Set(Time(2024, 1, 1, 1, 1)));
    EXPECT_FALSE(picker.Min.Set(Time(2024, 1, 1, 1, 1)));
    EXPECT_FALSE(picker.Format.Set("HH"));
}

TEST(DialogControls, NeverAttachedOrGoneGiveTheirNotAttachedValues)
{
    TempDir folder;
    const std::string file = folder.File("text.txt");
    ASSERT_TRUE(WriteWholeFile(file, "text"));
    {
        SCOPED_TRACE("never attached");
        EditBox edit;
        Button button;
        DateTimePicker picker;
        ExpectNotAttached(edit, button, picker, file);
    }
    {
        SCOPED_TRACE("window destroyed");
        EditBox edit;
        Button button;
        DateTimePicker picker;
        {
            ControlsDialogWindow dialog;
            edit.Handle.AttachDlgItem(dialog.hwnd, IDC_PORT);
            button.Handle.AttachDlgItem(dialog.hwnd, IDC_CHECK);
            picker.Handle.AttachDlgItem(dialog.hwnd, IDC_TIME);
            picker.Current.Set(Time(2024, 5, 6, 10, 30));
            ASSERT_FALSE(IsAllZero(picker.Current.Get()));
        }
        ASSERT_NE(picker.Hwnd(), nullptr);
        ExpectNotAttached(edit, button, picker, file);
    }
}

} // namespace
