#include "base/window/window_control.h"

#include <cstdarg>

#include "base/diag/bounded_format.h"

HWND WindowHandle::FindChild(const std::string& className, const std::string& text, int32_t index)
{
    if (handle_ == nullptr || (className.empty() && text.empty()))
        return nullptr;
    found_ = nullptr;
    textFilter_ = text;
    classFilter_ = className;
    wantedIndex_ = index;
    matchCounter_ = 0;
    ::EnumChildWindows(handle_, VisitChild, reinterpret_cast<LPARAM>(this));
    return found_;
}

BOOL CALLBACK WindowHandle::VisitChild(HWND child, LPARAM search)
{
    WindowHandle& self = *reinterpret_cast<WindowHandle*>(search);
    char className[256] = {};
    char text[256] = {};
    ::GetClassNameA(child, className, sizeof className);
    ::GetWindowTextA(child, text, sizeof text);
    if (!self.classFilter_.empty() && self.classFilter_ != className)
        return TRUE;
    if (!self.textFilter_.empty() && self.textFilter_ != text)
        return TRUE;
    if (self.matchCounter_ == self.wantedIndex_) {
        self.found_ = child;
        return FALSE;
    }
    ++self.matchCounter_;
    return TRUE;
}

HWND WindowHandle::GetDlgItem(int id) const
{
    return handle_ != nullptr ? ::GetDlgItem(handle_, id) : nullptr;
}

HWND WindowHandle::GetParent() const
{
    return handle_ != nullptr ? ::GetParent(handle_) : nullptr;
}

bool WindowHandle::AttachDlgItem(HWND parent, int id)
{
    if (parent == nullptr)
        return false;
    handle_ = ::GetDlgItem(parent, id);
    return true;
}

WindowControl::WindowControl()
{
    AttachProperties(this);
}

WindowControl::~WindowControl()
{
    WindowControl::Release();
}

void WindowControl::AttachProperties(WindowControl* owner)
{
    Rect.Attach(owner);
    Client.Attach(owner);
    Caption.Attach(owner);
    Style.Attach(owner);
    ExStyle.Attach(owner);
    Focus.Attach(owner);
    Visible.Attach(owner);
    Active.Attach(owner);
    Forground.Attach(owner);
    Enable.Attach(owner);
    Mouse.Attach(owner);
    Font.Attach(owner);
    Menu.Attach(owner);
    PopupMenu.Attach(owner);
    Icon.Attach(owner);
    ZOrder.Attach(owner);
    SubClass.Attach(owner);
    Timer.Attach(owner);
    DC.Attach(owner);
    Drop.Attach(owner);
    Ime.Attach(owner);
    TaskIcon.Attach(owner);
}

bool WindowControl::Create(WindowCreateParams params)
{
    if (params.className.empty() && params.parent == nullptr)
        return false;
    return CreateOfClass(params.className, params);
}

bool WindowControl::CreateOfClass(const std::string& className, const WindowCreateParams& params)
{
    HWND window = ::CreateWindowExA(baseExStyle | params.exStyle, className.c_str(), params.text.c_str(),
                                    baseStyle | params.style, params.rect.left, params.rect.top,
                                    params.rect.Width(), params.rect.Height(), params.parent, nullptr,
                                    params.instance, nullptr);
    Handle.SetHwnd(window);
    return window != nullptr;
}

void WindowControl::Release()
{
    SubClass.Restore();
    TaskIcon.Remove();
    Mouse.Capture.Set(false);
    Timer.Set(0);
    DC.EndAll();
    Handle.SetHwnd(nullptr);
    AttachProperties(nullptr);
}

LRESULT WindowControl::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Hwnd() == nullptr)
        return 0;
    return ::SendMessageA(Hwnd(), message, wParam, lParam);
}

BOOL WindowControl::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Hwnd() == nullptr)
        return 0;
    return ::PostMessageA(Hwnd(), message, wParam, lParam);
}

int WindowControl::MessageBoxPrintf(std::string format, std::string caption, UINT type, ...)
{
    if (Hwnd() == nullptr || format.empty())
        return -1;
    char text[2048];
    va_list args;
    va_start(args, type);
    FormatBoundedV(text, sizeof text, format.c_str(), args);
    va_end(args);
    return ::MessageBoxA(Hwnd(), text, caption.c_str(), type);
}

bool WindowControl::Update()
{
    return Hwnd() != nullptr && ::UpdateWindow(Hwnd()) != 0;
}

bool WindowControl::Invalidate(::Rect rect, bool erase)
{
    if (Hwnd() == nullptr)
        return false;
    if (rect.Equals(0, 0, 0, 0))
        return ::InvalidateRect(Hwnd(), nullptr, erase) != 0;
    const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    return ::InvalidateRect(Hwnd(), &area, erase) != 0;
}
