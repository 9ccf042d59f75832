#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/util/rect.h"

// Real windows for the framework's tests. The test class's procedure records
// every message it gets (for the window it was sent to) and answers with
// DefWindowProcA.

struct ReceivedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The class name of the recording window class (registered on first use).
const char* TestClassName();
HINSTANCE TestInstance();

// Messages recorded since the last call of ClearMessages.
const std::vector<ReceivedMessage>& Messages();
void ClearMessages();
int CountMessages(HWND window, UINT message);
// The SetWindowPos flags seen in WM_WINDOWPOSCHANGING since ClearMessages.
std::vector<UINT> PositionChangeFlags(HWND window);

// A top-level window of the recording class, destroyed with the object.
class TestWindow {
public:
    explicit TestWindow(const Rect& rect = Rect(100, 100, 400, 300), DWORD style = WS_POPUP | WS_VISIBLE,
                        DWORD exStyle = 0, HWND parent = nullptr, const char* className = nullptr);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

// Dispatches this thread's messages for the given time.
void PumpMessages(DWORD milliseconds);
// Dispatches messages until done() is true or the time is up; done()'s last
// answer.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// The window rectangle (frame included) as the system reports it, in
// screen coordinates.
RECT ScreenRect(HWND window);
