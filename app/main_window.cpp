#include "app/main_window.h"

#include "app/edition.h"
#include "app/program.h"
#include "app/settings_dialog.h"
#include "app/shell.h"

namespace {

POINT CursorNow()
{
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    return cursor;
}

// One box at a time: its own message loop keeps the ticks going, and a
// report that arrives meanwhile is dropped.
void ShowMailError(WPARAM code)
{
    if (Shell.ErrorBoxBusy)
        return;
    Shell.ErrorBoxBusy = true;
    const char* text = MailErrorText(code);
    if (text != nullptr)
        MainWindow.MessageBoxPrintf(text, kMailErrorCaption, MB_ICONHAND);
    Shell.ErrorBoxBusy = false;
}

void Command(WPARAM command)
{
    if (command == kExitCommand)
        MainWindow.PostMessage(WM_CLOSE, 0, 0);
    else if (command == kSettingsCommand)
        OpenSettingsDialog();
}

} // namespace

const char kMailErrorCaption[] = "メールチェックエラー";

const char* MailErrorText(WPARAM code)
{
    static const char* const texts[] = {
        "初期化に失敗しました",
        "サーバー名を確認してください",
        "ポート番号を確認してください",
        "ユーザー名、パスワードを確認してください",
    };
    if (code < 1 || code > sizeof texts / sizeof texts[0])
        return nullptr;
    return texts[code - 1];
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_KEYUP:
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        ::DestroyWindow(window);
        return 0;
    case WM_ENDSESSION:
        // The session ends: Windows ends the process after this message
        // without closing the window, so the loop never returns to save.
        if (wParam)
            SaveSettingsAtExit();
        return 0;
    case WM_PAINT:
        // Only the program's one window shows the character; another would
        // be asked to paint again and again.
        if (window != MainWindow.Hwnd())
            return ::DefWindowProcA(window, message, wParam, lParam);
        Host.PaintWindow();
        return 0;
    case WM_ERASEBKGND:
        // A picture on the window covers it whole: erasing would only flash
        // the class brush over the character. Without one (no frame shown
        // yet, or a slot without pictures) the brush is all there is.
        if (window == MainWindow.Hwnd() && Host.PictureCoversWindow())
            return 1;
        return ::DefWindowProcA(window, message, wParam, lParam);
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        return 0;
    case WM_DISPLAYCHANGE:
        // An edition that does not follow the display leaves the first
        // capture as it is.
        if (!Edition().shell.followDisplayChanges)
            return ::DefWindowProcA(window, message, wParam, lParam);
        Display.Capture(window);
        return 0;
    case WM_CONTEXTMENU:
        MainWindow.PopupMenu.Show();
        return 0;
    case WM_COMMAND:
        Command(wParam);
        return 0;
    case WM_TIMER:
        Engine.ActionTick();
        return 0;
    case WM_LBUTTONDOWN:
        MainWindow.Mouse.Capture.Set(true);
        PressLeftButton(Shell, static_cast<uint32_t>(lParam), CursorNow());
        return 0;
    case WM_MOUSEMOVE:
        // Only the left button alone drags: with Shift or another button
        // held the character stays.
        if (wParam == MK_LBUTTON && DragStep(Shell, CursorNow()))
            MainWindow.PostMessage(WM_TIMER, 0, 0);
        return 0;
    case WM_LBUTTONUP:
        MainWindow.Mouse.Capture.Set(false);
        ReleaseLeftButton(Shell);
        return 0;
    case WM_USER:
        if (lParam == WM_RBUTTONUP)
            MainWindow.PopupMenu.Show();
        else
            ShowMailError(wParam);
        return 0;
    default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}
