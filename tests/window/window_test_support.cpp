#include "tests/window/window_test_support.h"

namespace {

std::vector<ReceivedMessage>& Log()
{
    static std::vector<ReceivedMessage> log;
    return log;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Log().push_back({window, message, wParam, lParam});
    if (message == WM_WINDOWPOSCHANGING) {
        const WINDOWPOS& position = *reinterpret_cast<const WINDOWPOS*>(lParam);
        Log().back().wParam = position.flags;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

HINSTANCE TestInstance()
{
    return GetModuleHandleA(nullptr);
}

const char* TestClassName()
{
    static const char kName[] = "FrameworkTestWindow";
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.hInstance = TestInstance();
        windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = kName;
        registered = RegisterClassExA(&windowClass) != 0;
    }
    return kName;
}

const std::vector<ReceivedMessage>& Messages()
{
    return Log();
}

void ClearMessages()
{
    Log().clear();
}

int CountMessages(HWND window, UINT message)
{
    int count = 0;
    for (const ReceivedMessage& received : Log())
        count += received.window == window && received.message == message;
    return count;
}

std::vector<UINT> PositionChangeFlags(HWND window)
{
    std::vector<UINT> flags;
    for (const ReceivedMessage& received : Log()) {
        if (received.window == window && received.message == WM_WINDOWPOSCHANGING)
            flags.push_back(static_cast<UINT>(received.wParam));
    }
    return flags;
}

TestWindow::TestWindow(const Rect& rect, DWORD style, DWORD exStyle, HWND parent, const char* className)
    : hwnd_(CreateWindowExA(exStyle, className != nullptr ? className : TestClassName(), "test window", style,
                            rect.left, rect.top, rect.Width(), rect.Height(), parent, nullptr, TestInstance(),
                            nullptr))
{
}

TestWindow::~TestWindow()
{
    if (hwnd_ != nullptr && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
}

void PumpMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return done();
        PumpMessages(5);
    }
    return true;
}

RECT ScreenRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}
