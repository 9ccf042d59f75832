#pragma once

#include <windows.h>

struct TimerWatch {
    int ticks = 0;
    // The shortest time between two ticks; 0 with fewer than two.
    DWORD shortestGap = 0;
};

// Takes the window's WM_TIMER messages for a while, as the message loop
// would see them, without dispatching them.
inline TimerWatch WatchTimer(HWND window, DWORD milliseconds)
{
    TimerWatch watch;
    DWORD last = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        if (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            const DWORD now = GetTickCount();
            if (watch.ticks > 0 && (watch.shortestGap == 0 || now - last < watch.shortestGap))
                watch.shortestGap = now - last;
            last = now;
            ++watch.ticks;
        }
        Sleep(1);
    }
    return watch;
}
