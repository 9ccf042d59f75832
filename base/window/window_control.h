#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/util/rect.h"
#include "base/window/win_caption.h"
#include "base/window/win_dc.h"
#include "base/window/win_input.h"
#include "base/window/win_looks.h"
#include "base/window/win_menu.h"
#include "base/window/win_mouse.h"
#include "base/window/win_rect.h"
#include "base/window/win_state.h"
#include "base/window/win_style.h"
#include "base/window/win_subclass.h"
#include "base/window/win_task_icon.h"
#include "base/window/win_timer.h"
#include "base/window/win_zorder.h"

// What Create makes: the rectangle's left and top are the position, its
// width and height the size; the styles are ORed with the control's base
// styles.
struct WindowCreateParams {
    HINSTANCE instance = nullptr;
    // Parent or owner window; NULL for a top-level window.
    HWND parent = nullptr;
    Rect rect;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    std::string className;
    std::string text;
};

// A control's window handle, and the search for its child windows.
class WindowHandle {
public:
    HWND Hwnd() const { return handle_; }
    void SetHwnd(HWND window) { handle_ = window; }
    bool SetHwndChecked(HWND window)
    {
        handle_ = window;
        return true;
    }

    // The index-th descendant window (counted from 0, in enumeration order)
    // whose class name and text equal the given ones exactly; an empty
    // filter accepts any. NULL when fewer match, when there is no window, or
    // when both filters are empty.
    HWND FindChild(const std::string& className, const std::string& text, int32_t index);
    HWND GetDlgItem(int id) const;
    HWND GetParent() const;
    // Binds the handle to the dialog item id of parent. False (handle kept)
    // when parent is NULL; otherwise true, even when the dialog lacks the
    // item (the handle is then NULL).
    bool AttachDlgItem(HWND parent, int id);

private:
    static BOOL CALLBACK VisitChild(HWND child, LPARAM search);

    HWND handle_ = nullptr;
    HWND found_ = nullptr;
    std::string textFilter_;
    std::string classFilter_;
    int32_t wantedIndex_ = 0;
    int32_t matchCounter_ = 0;
};

// The wrapper of one window. Every attribute of the window is reached
// through a property member (control.Visible.Set(true)); the properties act
// on whatever window the control has at the time of the call. The control
// owns no window procedure and never destroys its window: that is the
// window procedure's business.
class WindowControl {
public:
    WinRect Rect;
    WinClient Client;
    WinCaption Caption;
    WinStyle Style;
    WinExStyle ExStyle;
    WinFocus Focus;
    WinVisible Visible;
    WinActive Active;
    WinForground Forground;
    WinMouse Mouse;
    WinEnable Enable;
    WinMenu Menu;
    WinPopupMenu PopupMenu;
    WinFont Font;
    WinIcon Icon;
    WinZOrder ZOrder;
    WinSubClass SubClass;
    WinTimer Timer;
    WinDC DC;
    WindowHandle Handle;
    WinDrop Drop;
    WinIme Ime;
    WinTaskIcon TaskIcon;

    // ORed into the styles of every Create.
    uint32_t baseStyle = 0;
    uint32_t baseExStyle = 0;

    WindowControl();
    // Runs Release (the window stays).
    ~WindowControl();
    WindowControl(const WindowControl&) = delete;
    WindowControl& operator=(const WindowControl&) = delete;

    // Creates the window and keeps its handle (NULL on failure, replacing
    // any earlier one). An empty class name without a parent is refused and
    // leaves the handle as it was.
    virtual bool Create(WindowCreateParams params);
    // Undoes what the properties set up (subclassing, tray icon, capture,
    // timer 1, device contexts), forgets the window and detaches every
    // property. The window itself stays. A released control is not bound
    // again: construct a new one.
    virtual void Release();

    HWND Hwnd() const { return Handle.Hwnd(); }
    bool SetHwnd(HWND window) { return Handle.SetHwndChecked(window); }

    // 0 without a window.
    LRESULT SendMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL PostMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Shows a message box owned by the window with the printf-style text
    // (formatted into 2048 bytes; a longer text is cut at a character
    // boundary). -1 without a window or with an empty format; else the
    // box's answer.
    int MessageBoxPrintf(std::string format, std::string caption, UINT type, ...);
    bool Update();
    // Invalidates the rectangle of the client area; the empty rectangle
    // (0, 0, 0, 0) stands for the whole client area.
    bool Invalidate(::Rect rect, bool erase);

protected:
    // CreateWindowExA of the given class with the parameters.
    bool CreateOfClass(const std::string& className, const WindowCreateParams& params);

private:
    void AttachProperties(WindowControl* owner);
};
