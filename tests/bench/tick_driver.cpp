// The Quenna program's start-up in this process, with the character archive
// in the working folder, its timer then stopped; after that, bursts of its
// timer tick on command, so that the idle-cost benchmark (idle_cost.py) can
// sample the processor time of every process that works for a tick (this
// one, the Wine server, the X server) at the lines this program prints.
// Commands, one a line on standard input:
//   again MS   ticks that show the frame already on screen, at its place
//   same MS    ticks that each show a new frame with the shape of the last
//   other MS   ticks that each show a new frame of another shape
//   rest MS    no ticks, messages handled as between ticks
//   quit       (so does the end of the input)
// Each burst lasts at least MS milliseconds and at least kFewestTicks
// ticks, then prints "done KIND TICKS SECONDS". Messages are handled
// between ticks as the program's loop would. Start-up ends with a line
// "ready ..." naming the frames it chose, or "failed ...".
#include "app/edition.h"
#include "app/program.h"
#include "app/shell.h"
#include "base/graphics/effect.h"
#include "base/window/win_timer.h"
#include "editions/quenna/quenna_edition.h"
#include "tests/support/seconds_clock.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace {

constexpr UINT kCommandMessage = WM_APP;
constexpr int kFewestTicks = 20;

// Two frames of one slot, each with a picture and shape of its own.
struct FramePair {
    size_t slot = 0;
    size_t first = 0;
    size_t second = 0;
    bool found = false;
};

bool OwnPicture(const CharacterSlot& character, size_t frame)
{
    return character.slot.frames[frame].aliasIndex == -1 && character.media[frame].Shape() != nullptr &&
           character.media[frame].surface.IsBuilt();
}

bool SameCanvas(const FrameInfo& a, const FrameInfo& b)
{
    return a.canvasWidth == b.canvasWidth && a.canvasHeight == b.canvasHeight;
}

// The first two frames of the slot with their own pictures, the window's
// size, and shapes that are equal or not as asked.
FramePair FindPair(size_t slot, bool equalShapes, const FrameInfo& size)
{
    const CharacterSlot& character = Slots[slot];
    const size_t count = std::min(character.slot.frames.size(), character.media.size());
    for (size_t a = 0; a < count; ++a) {
        if (!OwnPicture(character, a) || !SameCanvas(character.slot.frames[a], size))
            continue;
        for (size_t b = a + 1; b < count; ++b) {
            if (!OwnPicture(character, b) || !SameCanvas(character.slot.frames[b], size))
                continue;
            const bool equal =
                EqualRgn(character.media[a].Shape(), character.media[b].Shape()) != FALSE;
            if (equal == equalShapes)
                return FramePair{slot, a, b, true};
        }
    }
    return FramePair{};
}

// Frames of the same shape from the idle animation; frames of different
// shapes from it too if it has them, else from the first action that has.
bool ChoosePairs(FramePair& sameShape, FramePair& otherShape)
{
    if (Slots.empty() || Slots[0].slot.frames.empty())
        return false;
    const FrameInfo& size = Slots[0].slot.frames[0];
    sameShape = FindPair(0, true, size);
    for (size_t slot = 0; slot < Slots.size() && !otherShape.found; ++slot)
        otherShape = FindPair(slot, false, size);
    return sameShape.found && otherShape.found;
}

// Every message but the commands, which wait for the burst to end.
void HandlePendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, kCommandMessage - 1, PM_REMOVE) ||
           PeekMessageA(&message, nullptr, kCommandMessage + 1, 0xFFFFFFFF, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// One tick of the program that shows frame of the idle slot: its animation
// stands at that frame, just changed, and the idle time-out starts again, so
// the tick shows the frame and picks nothing.
void TickShowing(size_t frame)
{
    AnimationSlot& idle = Slots[0].slot;
    const uint32_t now = timeGetTime();
    idle.current = static_cast<int32_t>(frame);
    idle.clock = now;
    Shell.CurrentAction = 0;
    Shell.ActionClock = now;
    SendMessageA(MainWindow.Hwnd(), WM_TIMER, WinTimer::kId, 0);
}

// Ticks for at least milliseconds, alternating between the pair's frames
// (the same frame each time for "again"). A pair from another slot plays
// as the idle animation for the burst.
void Burst(const char* kind, const FramePair* pair, bool alternate, DWORD milliseconds)
{
    if (pair != nullptr && pair->slot != 0)
        std::swap(Slots[0], Slots[pair->slot]);
    const double start = SecondsNow();
    int ticks = 0;
    while (ticks < kFewestTicks || SecondsNow() - start < milliseconds / 1e3) {
        if (pair != nullptr)
            TickShowing(alternate && ticks % 2 == 1 ? pair->second : pair->first);
        else
            Sleep(1);
        HandlePendingMessages();
        ++ticks;
    }
    GdiFlush();
    const double seconds = SecondsNow() - start;
    if (pair != nullptr && pair->slot != 0)
        std::swap(Slots[0], Slots[pair->slot]);
    std::printf("done %s %d %.6f\n", kind, pair != nullptr ? ticks : 0, seconds);
    std::fflush(stdout);
}

// Reads the commands and hands each line to the window's thread, which
// runs the bursts between its messages. The end of the input is a quit.
DWORD WINAPI ReadCommands(LPVOID mainThread)
{
    char line[256];
    const DWORD thread = static_cast<DWORD>(reinterpret_cast<uintptr_t>(mainThread));
    while (std::fgets(line, sizeof line, stdin) != nullptr)
        PostThreadMessageA(thread, kCommandMessage, 0, reinterpret_cast<LPARAM>(new std::string(line)));
    PostThreadMessageA(thread, kCommandMessage, 0, reinterpret_cast<LPARAM>(new std::string("quit")));
    return 0;
}

// False for quit.
bool RunCommand(const std::string& line, const FramePair& sameShape, const FramePair& otherShape)
{
    char kind[16] = {};
    unsigned long milliseconds = 0;
    if (std::sscanf(line.c_str(), "%15s %lu", kind, &milliseconds) < 1 || std::strcmp(kind, "quit") == 0)
        return false;
    const DWORD ms = static_cast<DWORD>(milliseconds);
    if (std::strcmp(kind, "again") == 0)
        Burst(kind, &sameShape, false, ms);
    else if (std::strcmp(kind, "same") == 0)
        Burst(kind, &sameShape, true, ms);
    else if (std::strcmp(kind, "other") == 0)
        Burst(kind, &otherShape, true, ms);
    else if (std::strcmp(kind, "rest") == 0)
        Burst(kind, nullptr, false, ms);
    else {
        std::printf("unknown %s\n", kind);
        std::fflush(stdout);
    }
    return true;
}

} // namespace

int main()
{
    AdoptEdition(QuennaEdition());
    cEffect::InitCpu();
    if (const char* failure = CreateMainWindow(GetModuleHandleA(nullptr))) {
        std::printf("failed: %s\n", failure);
        return 1;
    }
    Edition().shell.startUp();
    TheApplication.mainWindow = MainWindow.Hwnd();
    // The first tick shows the window; after it only the bursts tick, and
    // silently.
    SendMessageA(MainWindow.Hwnd(), WM_TIMER, WinTimer::kId, 0);
    MainWindow.Timer.Set(0);
    Settings.VoiceMode = 2;

    FramePair sameShape;
    FramePair otherShape;
    if (!ChoosePairs(sameShape, otherShape)) {
        std::printf("failed: no two frames of the same shape in the idle animation, or no two of different "
                    "shapes in any action, at the working folder's %s\n",
                    Edition().shell.archiveName);
        return 1;
    }
    std::printf("ready: same shape frames %zu and %zu of slot %zu, other shape frames %zu and %zu of slot %zu\n",
                sameShape.first, sameShape.second, sameShape.slot, otherShape.first, otherShape.second,
                otherShape.slot);
    std::fflush(stdout);

    const uintptr_t thread = GetCurrentThreadId();
    CloseHandle(CreateThread(nullptr, 0, ReadCommands, reinterpret_cast<LPVOID>(thread), 0, nullptr));
    MSG message;
    bool running = true;
    while (running && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == kCommandMessage) {
            std::unique_ptr<std::string> line(reinterpret_cast<std::string*>(message.lParam));
            running = RunCommand(*line, sameShape, otherShape);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    MainWindow.TaskIcon.Remove();
    StopFrameSound();
    return 0;
}
