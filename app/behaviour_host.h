#pragma once

#include "app/millisecond_clock.h"

#include <windows.h>

#include <cstdint>

// The settings a tick looks at.
struct BehaviourSettings {
    bool alarmOn = false;
    bool alarmFired = false;
    bool mailCheckOn = false;
    bool reportConnectionErrors = false;
    uint16_t alarmHour = 0;
    uint16_t alarmMinute = 0;
};

// Where a slot's playback stands, as its rules may read it.
struct SlotPlayback {
    // The index of the frame now shown.
    int32_t frame;
    // Milliseconds since the slot's last frame change or restart, as the
    // last advance of the slot computed them.
    uint32_t elapsed;
    // The slot's frames; 0 when its script was missing.
    int32_t frameCount = 0;
    // The last advance found the frame's time up and moved on. In a
    // one-frame animation that move leads back to the same frame, so it is
    // the only sign that the animation has played once.
    bool frameTimeUp = false;
};

// Everything the behaviour engine needs from the program around it: the
// clocks, the cursor, the random draws, the mail check and the settings it
// reads, and the effects of a tick on the animation slots and the window.
// The program answers with the system and its windows; tests answer with
// fakes that they set and read tick by tick.
class BehaviourHost : public MillisecondClock {
public:
    virtual SYSTEMTIME LocalTime() = 0;
    virtual POINT CursorPosition() = 0;
    // One draw in [min, max] from the picker named by picker; each picker is
    // its own generator, built and seeded at its first draw.
    virtual int32_t Draw(int32_t picker, int32_t min, int32_t max) = 0;
    // The mailbox's message count and size; a negative count is a failure
    // code (-1 to -4). Blocks for the whole exchange.
    virtual int32_t CheckMail(int32_t& mailboxSize) = 0;
    virtual BehaviourSettings Settings() = 0;
    virtual void MarkAlarmFired() = 0;

    // Shows the slot's current frame (playing its pending voice).
    virtual void UpdateSlot(int32_t slot) = 0;
    // Moves the slot on when its frame's time is up; true when it went from
    // a later frame back to its first.
    virtual bool AdvanceSlot(int32_t slot) = 0;
    virtual void RestartSlot(int32_t slot, bool rearmSounds) = 0;
    // Frame 0, no frames and no time for a slot without frames or out of the
    // table.
    virtual SlotPlayback Playback(int32_t slot) = 0;

    // The width of the screen in pixels.
    virtual int32_t ScreenWidth() = 0;
    // Text for the debugger output.
    virtual void DebugText(const char* text) = 0;

    virtual void SetTimerPeriod(uint32_t milliseconds) = 0;
    virtual void ShowWindow() = 0;
    // Asks the window to report a mail failure (WM_USER with this wParam).
    virtual void PostMailError(uint32_t code) = 0;
};
