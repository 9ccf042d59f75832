#include "base/window/win_task_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "base/diag/bounded_format.h"
#include "base/window/window_control.h"

// The icon record is the first version of NOTIFYICONDATAA (88 bytes on the
// 32-bit system), which every version of the shell accepts.
#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "first NOTIFYICONDATAA of the 32-bit system");
#endif

void CopyTipText(char* tip, size_t size, const char* text)
{
    if (size == 0)
        return;
    tip[0] = '\0';
    if (text == nullptr)
        return;
    // Keep one byte more than fits, so that the cut sees whether the last
    // byte that fits starts a double-byte character.
    std::string kept(text, std::min(std::strlen(text), size));
    const size_t length = CutText(&kept[0], size - 1);
    std::memcpy(tip, kept.data(), length);
    tip[length] = '\0';
}

void WinTaskIcon::Attach(WindowControl* owner)
{
    WinProperty::Attach(owner);
    shown_ = false;
}

bool WinTaskIcon::Add(const char* tip, HICON icon, UINT callbackMessage, UINT id)
{
    if (!IsValid() || shown_)
        return false;
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = Hwnd();
    data.uID = id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = icon;
    CopyTipText(data.szTip, 64, tip);
    const bool added = ::Shell_NotifyIconA(NIM_ADD, &data) != 0;
    shown_ = true;
    return added;
}

bool WinTaskIcon::Remove()
{
    if (!IsValid() || !shown_)
        return false;
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = Hwnd();
    data.uID = 0;
    const bool removed = ::Shell_NotifyIconA(NIM_DELETE, &data) != 0;
    shown_ = false;
    return removed;
}
