#pragma once

#include <windows.h>

// Takes the messages of this kind waiting in the queue for the window out,
// without dispatching them; how many there were.
inline int TakeQueued(HWND window, UINT message)
{
    int taken = 0;
    MSG queued;
    while (PeekMessageA(&queued, window, message, message, PM_REMOVE))
        ++taken;
    return taken;
}
