#include "base/window/application.h"

#include <cstring>

#if !defined(_WIN64)
static_assert(sizeof(WNDCLASSEXA) == 48, "WNDCLASSEXA of the 32-bit system");
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA of the 32-bit system");
#endif

namespace {

// The hook of the blocked keys; one per process.
HHOOK systemKeyHook = nullptr;

bool IsDown(int key)
{
    return ::GetAsyncKeyState(key) < 0;
}

bool AskIsNt()
{
    OSVERSIONINFOA version;
    std::memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

} // namespace

Application::Application()
    : classRecord(),
      message(),
      modelessDialogs(),
      mainWindow(nullptr),
      dialogVariables(),
      acceleratorWindows(),
      acceleratorTables(),
      idleMode(false),
      idleCallback(nullptr),
      background_(nullptr),
      keysBlocked_(false),
      previousScreenSaver_(FALSE),
      isNt_(AskIsNt())
{
    classRecord.cbSize = sizeof classRecord;
}

Application::~Application()
{
    if (background_ != nullptr)
        ::DeleteObject(background_);
}

void Application::InitClass(UINT style, WNDPROC procedure, HINSTANCE instance, const char* className)
{
    classRecord.style = style;
    classRecord.lpfnWndProc = procedure;
    classRecord.hInstance = instance;
    classRecord.lpszClassName = className;
}

void Application::SetClassLook(COLORREF colour, uint32_t menuId, HCURSOR cursor, HICON icon, HICON smallIcon)
{
    if (background_ != nullptr)
        ::DeleteObject(background_);
    if (colour < 0x1000000)
        background_ = ::CreateSolidBrush(colour);
    else
        background_ = static_cast<HBRUSH>(::GetStockObject(static_cast<int>(colour & 0xFFFFFF)));
    classRecord.hbrBackground = background_;
    classRecord.lpszMenuName = MAKEINTRESOURCEA(menuId & 0xFFFF);
    classRecord.hCursor = cursor;
    classRecord.hIcon = icon;
    classRecord.hIconSm = smallIcon;
}

bool Application::RegisterClass()
{
    return ::RegisterClassExA(&classRecord) != 0;
}

HMENU Application::LoadMenu(uint32_t id) const
{
    return ::LoadMenuA(Instance(), MAKEINTRESOURCEA(id & 0xFFFF));
}

HACCEL Application::LoadAccelerators(uint32_t id) const
{
    return ::LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(id & 0xFFFF));
}

HICON Application::LoadIcon(uint32_t id) const
{
    return ::LoadIconA(Instance(), MAKEINTRESOURCEA(id & 0xFFFF));
}

HCURSOR Application::LoadCursor(uint32_t id) const
{
    return ::LoadCursorA(Instance(), MAKEINTRESOURCEA(id & 0xFFFF));
}

HBITMAP Application::LoadBitmap(uint32_t id) const
{
    return ::LoadBitmapA(Instance(), MAKEINTRESOURCEA(id & 0xFFFF));
}

INT_PTR Application::ModalDialog(uint32_t templateId, DLGPROC procedure)
{
    if (mainWindow == nullptr)
        return -1;
    return ::DialogBoxParamA(Instance(), MAKEINTRESOURCEA(templateId & 0xFFFF), mainWindow, procedure, 0);
}

HWND Application::ModelessDialog(uint32_t templateId, DLGPROC procedure)
{
    if (mainWindow == nullptr)
        return nullptr;
    return ::CreateDialogParamA(Instance(), MAKEINTRESOURCEA(templateId & 0xFFFF), mainWindow, procedure, 0);
}

bool Application::SetSystemKeys(bool release)
{
    if (release) {
        if (!keysBlocked_)
            return false;
        if (isNt_) {
            ::UnhookWindowsHookEx(systemKeyHook);
            systemKeyHook = nullptr;
        } else {
            ::SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, &previousScreenSaver_, 0);
        }
        keysBlocked_ = false;
        return true;
    }
    if (keysBlocked_)
        return false;
    if (isNt_)
        systemKeyHook = ::SetWindowsHookExA(WH_KEYBOARD_LL, SystemKeyHook, Instance(), 0);
    else
        ::SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &previousScreenSaver_, 0);
    keysBlocked_ = true;
    return true;
}

LRESULT CALLBACK SystemKeyHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const KBDLLHOOKSTRUCT& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool altDown = (key.flags & LLKHF_ALTDOWN) != 0;
        switch (key.vkCode) {
        case VK_ESCAPE:
            if (IsDown(VK_CONTROL) || IsDown(VK_SHIFT) || altDown)
                return 1;
            break;
        case VK_TAB:
            if (altDown)
                return 1;
            break;
        case VK_LWIN:
        case VK_RWIN:
            return 1;
        default:
            break;
        }
    }
    return ::CallNextHookEx(systemKeyHook, code, wParam, lParam);
}

bool Application::DialogPass()
{
    for (HWND* variable : dialogVariables) {
        if (variable != nullptr && *variable != nullptr && ::IsDialogMessageA(*variable, &message))
            return true;
    }
    for (HWND dialog : modelessDialogs) {
        if (dialog != nullptr && ::IsDialogMessageA(dialog, &message))
            return true;
    }
    return false;
}

bool Application::AcceleratorPass()
{
    for (int i = 0; i < kAcceleratorSlots; ++i) {
        if (acceleratorWindows[i] != nullptr && acceleratorTables[i] != nullptr &&
            ::TranslateAcceleratorA(acceleratorWindows[i], acceleratorTables[i], &message))
            return true;
    }
    return false;
}

void Application::Handle()
{
    if (DialogPass() || AcceleratorPass())
        return;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

void Application::Run()
{
    // GetMessageA gives -1 on an error (an invalid window handle or
    // message record); that ends the loop as WM_QUIT does, rather than
    // spinning on the same error for ever.
    if (idleMode) {
        for (;;) {
            if (::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
                if (::GetMessageA(&message, nullptr, 0, 0) <= 0)
                    break;
                Handle();
            } else if (idleCallback != nullptr) {
                idleCallback();
            }
        }
    } else {
        while (::GetMessageA(&message, nullptr, 0, 0) > 0)
            Handle();
    }
    SetSystemKeys(true);
}
