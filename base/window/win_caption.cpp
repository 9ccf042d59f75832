#include "base/window/win_caption.h"

#include "base/window/window_control.h"

const std::string& WinCaption::Get()
{
    text_.clear();
    if (IsValid()) {
        char buffer[255] = {};
        const int length = ::GetWindowTextA(Hwnd(), buffer, sizeof buffer);
        if (length > 0)
            text_.assign(buffer, static_cast<size_t>(length));
    }
    return text_;
}

bool WinCaption::SetText(const char* text)
{
    if (!IsValid())
        return false;
    return ::SetWindowTextA(Hwnd(), text != nullptr ? text : "") != 0;
}
