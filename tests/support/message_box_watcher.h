#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Watches for message boxes of this process from a second thread, records
// their caption and text (the static control with id 0xFFFF) and closes each
// with IDOK, so code that shows a box can be tested without a person.
class MessageBoxWatcher {
public:
    struct Box {
        std::string caption;
        std::string text;
    };

    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<Box> Boxes();
    // Waits until at least count boxes were seen; false on time-out.
    bool WaitFor(size_t count, DWORD timeoutMs = 10000);

private:
    void Run();

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Box> boxes_;
    std::vector<HWND> handled_;
    std::thread thread_;
};
