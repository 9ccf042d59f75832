// What the Quenna program costs with the demo character: start-up until the
// first frame is shown, next to the floor of reading and inflating every
// entry start-up loads; one timer tick; and the idle program's processor
// time and memory, measured in this process, which runs the program's own
// start-up and message loop. Not a test: the figures depend on the machine. Run it by
// hand on a display (Xvfb will do):
//   scripts/wine-exec build/x86_64/wine build/x86_64/tests/bench/quenna_bench.exe [idle seconds]
#include "app/animation_script.h"
#include "app/edition.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/shell.h"
#include "editions/quenna/quenna_edition.h"
#include "base/graphics/effect.h"
#include "base/io/pack_entry.h"
#include "base/io/pack_file.h"
#include "base/util/byte_reader.h"
#include "tests/support/bare_entry_floor.h"
#include "tests/support/seconds_clock.h"
#include "tests/support/temp_dir.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// The archive's directory, by name.
std::map<std::string, PackEntry> Directory(const std::string& archive)
{
    std::map<std::string, PackEntry> entries;
    std::string bytes;
    if (!ReadWholeFile(archive, bytes))
        return entries;
    ByteReader reader(bytes.data(), bytes.size());
    int32_t count = 0;
    reader.ReadI32LE(count);
    for (int32_t i = 0; i < count; ++i) {
        PackEntry entry;
        if (!entry.Read(reader))
            break;
        entries[std::string(entry.name, entry.NameLength())] = entry;
    }
    return entries;
}

// Every entry start-up loads, in its order: each script, then for each
// frame its voice and, unless it repeats an earlier frame's pictures, its
// image and mask.
std::vector<std::string> EntriesStartUpLoads(const std::string& archive)
{
    std::vector<std::string> names;
    const ShellParameters& shell = Edition().shell;
    for (int slot = 0; slot < shell.slotCount; ++slot) {
        const std::string scriptName = ScriptName(shell.scriptPattern, slot);
        names.push_back(scriptName);
        PackFile pack;
        AnimationSlot parsed;
        if (!pack.LoadByName(archive, scriptName, true) ||
            !parsed.LoadScript(pack.Data(), static_cast<size_t>(pack.LoadedSize())))
            continue;
        for (const FrameInfo& frame : parsed.frames) {
            if (!frame.soundName.empty())
                names.push_back(frame.soundName);
            if (frame.aliasIndex != -1)
                continue;
            if (!frame.imageName.empty())
                names.push_back(frame.imageName);
            if (!frame.maskName.empty())
                names.push_back(frame.maskName);
        }
    }
    return names;
}

// The least any loader must do: the named entries read from one open file
// and inflated with bare zlib. Returns the plain bytes produced.
uint64_t Floor(const std::string& archive, const std::map<std::string, PackEntry>& directory,
               const std::vector<std::string>& names)
{
    HANDLE file = CreateFileA(archive.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    std::vector<uint8_t> stored;
    std::vector<uint8_t> plain;
    uint64_t total = 0;
    for (const std::string& name : names) {
        const auto found = directory.find(name);
        if (found == directory.end())
            continue;
        total += ReadAndInflateBare(file, found->second, stored, plain);
    }
    CloseHandle(file);
    return total;
}

double Best(int rounds, const std::function<void()>& run)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        const double start = SecondsNow();
        run();
        best = std::min(best, SecondsNow() - start);
    }
    return best;
}

void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_TIMER)
                DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

double FileTimeSeconds(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

HWND VisibleWindowOf(DWORD process)
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, Edition().shell.windowName, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

double ProcessorSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return FileTimeSeconds(kernel) + FileTimeSeconds(user);
}

// What the idle loop saw: the processor time at each whole second, and the
// action a second after the first idle pick could come.
struct IdleRecord {
    int seconds = 0;
    int end = 0;
    std::vector<double> processor;
    int32_t actionAfterPick = -1;
};
IdleRecord idleRecord;

void CALLBACK EverySecond(HWND, UINT, UINT_PTR timer, DWORD)
{
    IdleRecord& record = idleRecord;
    record.processor.push_back(ProcessorSeconds());
    ++record.seconds;
    if (record.seconds == 31)
        record.actionAfterPick = Shell.CurrentAction;
    if (record.seconds >= record.end) {
        KillTimer(nullptr, timer);
        PostQuitMessage(0);
    }
}

// The program's own message loop with its timer, left alone for a while:
// the processor time this process took, and its memory. Until 30 s the
// character plays its idle animation; then it picks an idle action (a walk
// ticks every 30 ms and moves the window).
void IdleLoop(int idleSeconds)
{
    MainWindow.Timer.Set(Edition().behaviour.normalTimerMs);
    TheApplication.mainWindow = MainWindow.Hwnd();
    Engine.StartUp();
    idleRecord.end = idleSeconds;
    idleRecord.processor.push_back(ProcessorSeconds());
    SetTimer(nullptr, 0, 1000, EverySecond);
    TheApplication.Run();
    const std::vector<double>& cpu = idleRecord.processor;
    const int seconds = static_cast<int>(cpu.size()) - 1;
    const int idleOnly = std::min(seconds, 29);
    std::printf("left alone for %d s: processor time %.3f s = %.2f %% of one core\n", seconds, cpu.back() - cpu.front(),
                100 * (cpu.back() - cpu.front()) / seconds);
    if (idleOnly > 0)
        std::printf("  the first %d s, idle animation only: %.2f %%\n", idleOnly,
                    100 * (cpu[static_cast<size_t>(idleOnly)] - cpu.front()) / idleOnly);
    if (seconds > 30)
        std::printf("  from 30 s on, with idle action %d: %.2f %%\n", idleRecord.actionAfterPick,
                    100 * (cpu.back() - cpu[30]) / (seconds - 30));
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("memory of this process: working set %.1f MB (peak %.1f MB), private %.1f MB\n",
                memory.WorkingSetSize / 1e6, memory.PeakWorkingSetSize / 1e6, memory.PagefileUsage / 1e6);
}

// The program as its own process: the time until its window shows, and its
// memory then.
void StartAsProcess(const std::string& folder)
{
    std::string command = "\"" + std::string(QUENNA_EXE) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = SecondsNow();
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        std::printf("the program did not start\n");
        return;
    }
    while (VisibleWindowOf(process.dwProcessId) == nullptr && SecondsNow() - start < 30)
        Sleep(2);
    std::printf("the program as a process, until its window shows:  %8.1f ms\n", (SecondsNow() - start) * 1e3);
    Sleep(1000);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    std::printf("its memory: working set %.1f MB, private %.1f MB\n", memory.WorkingSetSize / 1e6,
                memory.PagefileUsage / 1e6);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

} // namespace

int main(int argc, char** argv)
{
    AdoptEdition(QuennaEdition());
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 60;
    TempDir folder;
    const std::string archive = folder.File(Edition().shell.archiveName);
    if (!CopyFileA(DEMO_ARCHIVE, archive.c_str(), FALSE)) {
        std::printf("no demo archive at %s\n", DEMO_ARCHIVE);
        return 1;
    }
    SetCurrentDirectoryA(folder.Path().c_str());

    const std::map<std::string, PackEntry> directory = Directory(archive);
    const std::vector<std::string> loads = EntriesStartUpLoads(archive);
    std::map<std::string, int> distinct;
    for (const std::string& name : loads)
        ++distinct[name];
    std::vector<std::string> once;
    for (const auto& entry : distinct)
        once.push_back(entry.first);
    uint64_t plainBytes = 0;
    const double floorOnce = Best(5, [&] { plainBytes = Floor(archive, directory, once); });
    const double floorAll = Best(5, [&] { Floor(archive, directory, loads); });

    // Start-up as WinMain runs it, up to the first tick, which shows the
    // first frame.
    cEffect::InitCpu();
    const double start = SecondsNow();
    CreateMainWindow(GetModuleHandleA(nullptr));
    DefaultStartUp();
    SendMessageA(MainWindow.Hwnd(), WM_TIMER, 1, 0);
    GdiFlush();
    const double startUp = SecondsNow() - start;

    std::vector<CharacterSlot> again(Slots.size());
    const double loadStart = SecondsNow();
    CharacterLoader loader(archive);
    for (size_t slot = 0; slot < again.size(); ++slot)
        loader.LoadSlotScript(again[slot], ScriptName(Edition().shell.scriptPattern, static_cast<int>(slot)));
    const double loadOnly = SecondsNow() - loadStart;

    std::printf("entries start-up loads: %zu (%zu distinct, %.2f MB plain)\n", loads.size(), once.size(),
                plainBytes / 1e6);
    std::printf("floor, each distinct entry read and inflated once: %8.1f ms\n", floorOnce * 1e3);
    std::printf("floor, every load start-up makes:                  %8.1f ms\n", floorAll * 1e3);
    std::printf("start-up until the first frame is shown:           %8.1f ms  (%.1fx the floor)\n", startUp * 1e3,
                startUp / floorOnce);
    std::printf("  of which loading and composing the 26 slots:     %8.1f ms\n", loadOnly * 1e3);

    // Ticks on the shown window; the regular timer is stopped so only these
    // run. Most ticks show the frame the window has already: only the
    // picture is copied. A tick that changes the frame also gives the
    // window the new frame's shape.
    MainWindow.Timer.Set(0);
    Settings.VoiceMode = 2;
    PumpFor(200);
    const int ticks = 1000;
    AnimationSlot& idle = Slots[0].slot;
    double tickStart = SecondsNow();
    for (int i = 0; i < ticks; ++i)
        SendMessageA(MainWindow.Hwnd(), WM_TIMER, 1, 0);
    GdiFlush();
    const double sameFrameTick = (SecondsNow() - tickStart) / ticks;
    tickStart = SecondsNow();
    for (int i = 0; i < ticks; ++i) {
        idle.current = i % 2;
        idle.clock = timeGetTime();
        SendMessageA(MainWindow.Hwnd(), WM_TIMER, 1, 0);
    }
    GdiFlush();
    const double newFrameTick = (SecondsNow() - tickStart) / ticks;
    std::printf("one tick showing the same frame again:             %8.3f ms\n", sameFrameTick * 1e3);
    std::printf("one tick showing another frame:                    %8.3f ms\n", newFrameTick * 1e3);

    again.clear();
    Settings.VoiceMode = 0;
    IdleLoop(idleSeconds);
    DestroyWindow(MainWindow.Hwnd());
    PumpFor(100);

    StartAsProcess(folder.Path());
    return 0;
}
