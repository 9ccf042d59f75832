#include "tests/support/message_box_watcher.h"

#include <algorithm>

namespace {

struct Search {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialogs(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->process && std::string(className) == "#32770" && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

} // namespace

MessageBoxWatcher::MessageBoxWatcher() : thread_([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher()
{
    stop_ = true;
    thread_.join();
}

void MessageBoxWatcher::Run()
{
    while (!stop_) {
        Search search{GetCurrentProcessId(), {}};
        EnumWindows(CollectDialogs, reinterpret_cast<LPARAM>(&search));
        for (HWND box : search.found) {
            // Only message boxes have the text control 0xFFFF.
            HWND textControl = GetDlgItem(box, 0xFFFF);
            if (!textControl)
                continue;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (std::find(handled_.begin(), handled_.end(), box) != handled_.end())
                    continue;
                handled_.push_back(box);
            }
            char caption[1024] = {};
            char text[4096] = {};
            GetWindowTextA(box, caption, sizeof caption);
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                boxes_.push_back({caption, text});
            }
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        Sleep(20);
    }
}

std::vector<MessageBoxWatcher::Box> MessageBoxWatcher::Boxes()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

bool MessageBoxWatcher::WaitFor(size_t count, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (boxes_.size() >= count)
                return true;
        }
        Sleep(20);
    }
    return false;
}
