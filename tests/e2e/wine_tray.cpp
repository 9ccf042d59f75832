#include "tests/e2e/wine_tray.h"

#include "tests/e2e/edition_process.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kIconClass[] = "__winex11_tray_icon";
constexpr char kTooltipClass[] = "tooltips_class32";

bool HasClass(HWND window, const char* name)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, name) == 0;
}

BOOL CALLBACK CollectIcon(HWND window, LPARAM param)
{
    if (HasClass(window, kIconClass))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// Stand-alone icons are top-level windows; those of Wine's own tray window
// are its children.
BOOL CALLBACK CollectIconsOf(HWND window, LPARAM param)
{
    CollectIcon(window, param);
    EnumChildWindows(window, CollectIcon, param);
    return TRUE;
}

struct TooltipSearch {
    DWORD process;
    std::string text;
};

// A tooltip answers WM_GETTEXT with the text it shows; the message is
// carried across processes, unlike the tooltip's own messages, whose
// records hold pointers of the tray's process.
BOOL CALLBACK ReadOpenTooltip(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<TooltipSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !IsWindowVisible(window) || !HasClass(window, kTooltipClass))
        return TRUE;
    char text[128] = {};
    DWORD_PTR copied = 0;
    if (SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                            &copied) &&
        text[0] != '\0') {
        search->text = text;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::vector<HWND> TrayIconWindows()
{
    std::vector<HWND> icons;
    EnumWindows(CollectIconsOf, reinterpret_cast<LPARAM>(&icons));
    return icons;
}

std::vector<HWND> TrayIconsAddedSince(const std::vector<HWND>& before)
{
    std::vector<HWND> added;
    for (HWND icon : TrayIconWindows()) {
        if (std::find(before.begin(), before.end(), icon) == before.end())
            added.push_back(icon);
    }
    return added;
}

std::string TrayIconTip(HWND iconWindow, DWORD timeoutMs)
{
    RECT rect = {};
    GetWindowRect(iconWindow, &rect);
    TooltipSearch search{0, ""};
    GetWindowThreadProcessId(iconWindow, &search.process);
    // A tip opens for a mouse that comes onto the icon and rests there: from
    // below the tray, onto the icon's middle and one step within it.
    const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    MoveMouse(middle.x, rect.bottom + 60);
    MoveMouse(middle.x, middle.y);
    MoveMouse(middle.x + 1, middle.y);
    WaitUntil(
        [&] {
            EnumWindows(ReadOpenTooltip, reinterpret_cast<LPARAM>(&search));
            return !search.text.empty();
        },
        timeoutMs);
    return search.text;
}

std::vector<uint32_t> TrayIconPicture(HICON icon, SIZE size, uint32_t background)
{
    const size_t count = static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy);
    const BITMAPINFO info = TopDown32BitLayout(size.cx, size.cy);
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (canvas == nullptr) {
        DeleteDC(memory);
        return {};
    }
    HGDIOBJ old = SelectObject(memory, canvas);
    uint32_t* pixels = static_cast<uint32_t*>(bits);
    std::fill(pixels, pixels + count, background);
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    DrawIconEx(memory, (size.cx - width) / 2, (size.cy - height) / 2, icon, width, height, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<uint32_t> picture(pixels, pixels + count);
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
    for (uint32_t& pixel : picture)
        pixel &= 0xFFFFFF;
    return picture;
}
