#include "base/window/button.h"

bool ButtonCheck::Get()
{
    return IsValid() && Send(BM_GETCHECK) == BST_CHECKED;
}

bool ButtonCheck::Set(bool checked)
{
    if (!IsValid())
        return false;
    Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

bool ButtonClick::Click()
{
    if (!IsValid())
        return false;
    Send(BM_CLICK);
    return true;
}

Button::Button()
{
    Click.Attach(this);
    Check.Attach(this);
}

bool Button::Create(WindowCreateParams params)
{
    return CreateOfClass("BUTTON", params);
}

bool Button::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (Hwnd() == nullptr || reinterpret_cast<HWND>(lParam) != Hwnd())
        return false;
    notification_ = HIWORD(wParam);
    controlId_ = LOWORD(wParam);
    return true;
}
