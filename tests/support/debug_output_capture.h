#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Collects the texts that this process sends to the debugger output
// (OutputDebugStringA) while the object lives. It listens as a debug-output
// monitor does, through the system's shared DBWIN buffer, so the code under
// test runs unchanged. Only one capture runs at a time in the Wine session
// (test programs run in parallel): the constructor waits for its turn.
class DebugOutputCapture {
public:
    DebugOutputCapture();
    ~DebugOutputCapture();
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

    // Everything this process sent so far, one entry per call. It first
    // sends a marker of its own and waits for it, so nothing sent before the
    // call can still be on its way.
    std::vector<std::string> Texts();

private:
    void Run();

    HANDLE turn_ = nullptr;
    HANDLE bufferReady_ = nullptr;
    HANDLE dataReady_ = nullptr;
    HANDLE mapping_ = nullptr;
    const char* view_ = nullptr;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> texts_;
    std::thread thread_;
};
