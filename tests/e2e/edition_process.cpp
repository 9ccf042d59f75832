#include "tests/e2e/edition_process.h"

#include "app/settings_layout.h"
#include "base/util/string_utils.h"
#include "editions/ivrel/ivrel_edition.h"
#include "editions/pelmo/pelmo_edition.h"
#include "editions/quenna/quenna_edition.h"
#include "editions/sorlun/sorlun_edition.h"
#include "editions/tavri/tavri_edition.h"

#include <shlobj.h>

#include <cstdlib>
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

POINT OnScreen(const RECT& window, POINT canvas)
{
    return POINT{window.left + canvas.x, window.top + canvas.y};
}

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

BITMAPINFO TopDown32BitLayout(int32_t width, int32_t height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::vector<uint32_t> ScreenPixels(const RECT& rect)
{
    const int32_t width = rect.right - rect.left;
    const int32_t height = rect.bottom - rect.top;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = TopDown32BitLayout(width, height);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
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

const EditionProgram& QuennaProgram()
{
    static const EditionProgram program{QuennaEdition(), QUENNA_EXE, QUENNA_DEMO_ARCHIVE, kQuennaDemoMarker};
    return program;
}

const EditionProgram& PelmoProgram()
{
    static const EditionProgram program{PelmoEdition(), PELMO_EXE, PELMO_DEMO_ARCHIVE, kPelmoDemoMarker};
    return program;
}

const EditionProgram& TavriProgram()
{
    static const EditionProgram program{TavriEdition(), TAVRI_EXE, TAVRI_DEMO_ARCHIVE, kTavriDemoMarker};
    return program;
}

const EditionProgram& SorlunProgram()
{
    static const EditionProgram program{SorlunEdition(), SORLUN_EXE, SORLUN_DEMO_ARCHIVE, kSorlunDemoMarker};
    return program;
}

const EditionProgram& IvrelProgram()
{
    static const EditionProgram program{IvrelEdition(), IVREL_EXE, IVREL_DEMO_ARCHIVE, kIvrelDemoMarker};
    return program;
}

std::vector<std::string> FoldersBelow(const std::string& base, const std::string& path)
{
    // PathDirectory steps over double-byte characters whole, so each cut
    // falls on a real separator.
    std::vector<std::string> folders;
    std::string folder = PathDirectory(path.c_str());
    while (folder.size() > base.size() + 1 && folder.compare(0, base.size(), base) == 0) {
        folder.pop_back(); // the separator after the folder's name
        folders.insert(folders.begin(), folder);
        folder = PathDirectory(folder.c_str());
    }
    return folders;
}

EditionProcess::EditionProcess(const EditionProgram& program) : program_(program)
{
    char documents[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE);
    settingsPath_ = SettingsFilePath(documents, program.edition.settings);
    // Each level of the settings folder, made as the user's installer would;
    // the same folders whichever separator the edition writes.
    SettingsParameters backslashes = program.edition.settings;
    backslashes.pathForm = SettingsPathForm::kBackslashes;
    const std::vector<std::string> folders = FoldersBelow(documents, SettingsFilePath(documents, backslashes));
    for (const std::string& folder : folders)
        CreateDirectoryA(folder.c_str(), nullptr);
    if (!folders.empty())
        outermostFolder_ = folders.front();
    DeleteFileA(settingsPath_.c_str());
    // The archive is opened without sharing, so every run has its own copy.
    CopyFileA(program.archive.c_str(), workFolder_.File(program.edition.shell.archiveName).c_str(), FALSE);
}

EditionProcess::~EditionProcess()
{
    Forget();
    if (!outermostFolder_.empty())
        RemoveTree(outermostFolder_);
}

void EditionProcess::Forget()
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

bool EditionProcess::ReadArchive(std::string& bytes) const
{
    return ReadWholeFile(workFolder_.File(program_.edition.shell.archiveName), bytes);
}

bool EditionProcess::ReplaceArchive(const std::string& bytes)
{
    return WriteWholeFile(workFolder_.File(program_.edition.shell.archiveName), bytes);
}

// Through the layout of the edition's file directly: a test may run
// programs of several editions side by side, whatever edition this process
// has adopted.
bool EditionProcess::WriteSettings(const SettingsRecord& record, int32_t windowX, int32_t windowY)
{
    const std::vector<uint8_t> block =
        EncodeSettings(record, windowX, windowY, program_.edition.settings.stringOffsets, [] { return std::rand(); });
    return WriteWholeFile(settingsPath_, std::string(block.begin(), block.end()));
}

bool EditionProcess::ReadSettings(SettingsRecord& record, int32_t& windowX, int32_t& windowY)
{
    std::string block;
    if (!ReadWholeFile(settingsPath_, block))
        return false;
    record.path = settingsPath_;
    DecodeSettings(reinterpret_cast<const uint8_t*>(block.data()), block.size(), program_.edition.settings.stringOffsets, record,
                   windowX, windowY);
    return true;
}

bool EditionProcess::Start()
{
    Forget();
    std::string command = "\"" + program_.program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, workFolder_.Path().c_str(),
                        &startup, &process_))
        return false;
    return WaitUntil(
        [this] {
            const char* name = program_.edition.shell.windowName;
            window_ = FindProcessWindow(name, name);
            return window_ != nullptr && IsWindowVisible(window_);
        },
        15000);
}

int EditionProcess::WaitForExit(DWORD timeoutMs)
{
    if (process_.hProcess == nullptr || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

int EditionProcess::ExitThroughTheMenu(POINT onCharacter)
{
    return ExitThroughTheMenuAt(OnScreen(WindowRect(), onCharacter));
}

int EditionProcess::ExitThroughTheMenuAt(POINT onScreen)
{
    constexpr int kExitItem = 1; // after "設定(&S)"
    ClickRight(onScreen.x, onScreen.y);
    return ChooseMenuItem(kExitItem) ? WaitForExit() : -1;
}

bool EditionProcess::Running() const
{
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

RECT EditionProcess::WindowRect() const
{
    RECT rect = {};
    GetWindowRect(window_, &rect);
    return rect;
}

HWND EditionProcess::FindProcessWindow(const std::string& className, const std::string& caption) const
{
    WindowSearch search{process_.dwProcessId, className, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

// The marker's cells on the canvas of a window standing at rect.
DemoMarkerBox MarkerOnWindow(const DemoMarkerPlace& place, const RECT& rect)
{
    return DemoMarkerOn(place, rect.right - rect.left);
}

} // namespace

DemoMarkerBox EditionProcess::Marker() const
{
    return MarkerOnWindow(program_.marker, WindowRect());
}

bool EditionProcess::ShownFrame(int& slot, int& frame) const
{
    const RECT rect = WindowRect();
    return DecodeDemoMarker(
        MarkerOnWindow(program_.marker, rect), [&](int x, int y) { return ScreenPixel(rect.left + x, rect.top + y); }, slot,
        frame);
}

bool EditionProcess::WaitForFrame(const std::function<bool(int slot, int frame)>& wanted, DWORD timeoutMs) const
{
    return WaitUntil(
        [&] {
            int slot = -1;
            int frame = -1;
            return ShownFrame(slot, frame) && wanted(slot, frame);
        },
        timeoutMs);
}
