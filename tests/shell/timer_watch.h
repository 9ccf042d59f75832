#pragma once

#include <windows.h>

struct TimerWatch {
    int ticks = 0;
    // The mean time between two ticks; 0 with fewer than two. One tick that
    // the loaded machine hands over late shortens the gap after it, so a
    // single gap says little about the period; the mean over several does.
    DWORD meanGap = 0;
};

// Takes the window's WM_TIMER messages for a while, as the message loop
// would see them, without dispatching them.
inline TimerWatch WatchTimer(HWND window, DWORD milliseconds)
{
    TimerWatch watch;
    DWORD first = 0;
    DWORD last = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        if (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            last = GetTickCount();
            if (watch.ticks == 0)
                first = last;
            ++watch.ticks;
        }
        Sleep(1);
    }
    if (watch.ticks > 1)
        watch.meanGap = (last - first) / static_cast<DWORD>(watch.ticks - 1);
    return watch;
}
