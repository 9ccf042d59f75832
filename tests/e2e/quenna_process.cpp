#include "tests/e2e/quenna_process.h"

#include "app/program.h"

#include "editions/quenna/quenna_edition.h"
#include "tools/demo_character/demo_markers.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

namespace {

struct WindowSearch {
    DWORD process;
    std::string className;
    std::string caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    char caption[256] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (owner == search->process && (search->className.empty() || search->className == className) &&
        (search->caption.empty() || search->caption == caption)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

void SendMouse(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    Sleep(30);
}

} // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return done();
        Sleep(20);
    }
}

uint32_t ScreenPixel(int32_t x, int32_t y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return static_cast<uint32_t>(GetRValue(colour)) << 16 | static_cast<uint32_t>(GetGValue(colour)) << 8 |
           GetBValue(colour);
}

void MoveMouse(int32_t x, int32_t y)
{
    SetCursorPos(x, y);
    SendMouse(MOUSEEVENTF_MOVE);
}

void PressLeft()
{
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void ReleaseLeft()
{
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void ClickLeft(int32_t x, int32_t y)
{
    MoveMouse(x, y);
    PressLeft();
    ReleaseLeft();
}

void ClickRight(int32_t x, int32_t y)
{
    MoveMouse(x, y);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
}

bool ChooseMenuItem(int position)
{
    HWND menu = nullptr;
    const bool opened = WaitUntil(
        [&] {
            menu = FindWindowA(MAKEINTATOM(0x8000), nullptr); // the menu class "#32768"
            return menu != nullptr && IsWindowVisible(menu);
        },
        5000);
    if (!opened)
        return false;
    for (int i = 0; i <= position; ++i)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return true;
}

QuennaProcess::QuennaProcess()
{
    // This process reads and writes the program's setting.dat with the
    // settings code of its edition.
    AdoptEdition(QuennaEdition());
    char documents[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE);
    settingsPath_ = SettingsFilePath(documents, QuennaEdition().settings.folderWord);
    const size_t firstLevel = std::strlen(documents) + 1;
    settingsFolders_ = settingsPath_.substr(0, settingsPath_.find('\\', firstLevel));
    // Each level of the settings folder, made as the user's installer would.
    for (size_t at = firstLevel; at < settingsPath_.size(); ++at) {
        if (settingsPath_[at] == '\\')
            CreateDirectoryA(settingsPath_.substr(0, at).c_str(), nullptr);
    }
    DeleteFileA(settingsPath_.c_str());
    // The archive is opened without sharing, so every run has its own copy.
    CopyFileA(DEMO_ARCHIVE, workFolder_.File(QuennaEdition().shell.archiveName).c_str(), FALSE);
}

QuennaProcess::~QuennaProcess()
{
    Forget();
    RemoveTree(settingsFolders_);
}

void QuennaProcess::Forget()
{
    if (process_.hProcess == nullptr)
        return;
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
    window_ = nullptr;
}

bool QuennaProcess::ReadArchive(std::string& bytes) const
{
    return ReadWholeFile(workFolder_.File(QuennaEdition().shell.archiveName), bytes);
}

bool QuennaProcess::ReplaceArchive(const std::string& bytes)
{
    return WriteWholeFile(workFolder_.File(QuennaEdition().shell.archiveName), bytes);
}

bool QuennaProcess::WriteSettings(const SettingsRecord& record, int32_t windowX, int32_t windowY)
{
    SettingsRecord placed = record;
    placed.path = settingsPath_;
    return SaveSettings(placed, windowX, windowY);
}

bool QuennaProcess::ReadSettings(SettingsRecord& record, int32_t& windowX, int32_t& windowY)
{
    record.path = settingsPath_;
    return record.Load(windowX, windowY);
}

bool QuennaProcess::Start()
{
    Forget();
    std::string command = "\"" + std::string(QUENNA_EXE) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, workFolder_.Path().c_str(),
                        &startup, &process_))
        return false;
    return WaitUntil(
        [this] {
            window_ = FindProcessWindow(QuennaEdition().shell.windowName, QuennaEdition().shell.windowName);
            return window_ != nullptr && IsWindowVisible(window_);
        },
        15000);
}

int QuennaProcess::WaitForExit(DWORD timeoutMs)
{
    if (process_.hProcess == nullptr || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

bool QuennaProcess::Running() const
{
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

RECT QuennaProcess::WindowRect() const
{
    RECT rect = {};
    GetWindowRect(window_, &rect);
    return rect;
}

HWND QuennaProcess::FindProcessWindow(const std::string& className, const std::string& caption) const
{
    WindowSearch search{process_.dwProcessId, className, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool QuennaProcess::ShownFrame(int& slot, int& frame) const
{
    const RECT rect = WindowRect();
    return DecodeDemoMarker([&](int x, int y) { return ScreenPixel(rect.left + x, rect.top + y); }, slot, frame);
}

bool QuennaProcess::WaitForFrame(const std::function<bool(int slot, int frame)>& wanted, DWORD timeoutMs) const
{
    return WaitUntil(
        [&] {
            int slot = -1;
            int frame = -1;
            return ShownFrame(slot, frame) && wanted(slot, frame);
        },
        timeoutMs);
}
