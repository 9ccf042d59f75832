#include "tests/support/debug_output_capture.h"

#include <cstring>

namespace {

const DWORD kBufferSize = 4096;
const char kMarker[] = "\x01" "debug output capture marker";

} // namespace

DebugOutputCapture::DebugOutputCapture()
{
    turn_ = CreateMutexA(nullptr, FALSE, "accessory_test_debug_output_capture");
    if (turn_)
        WaitForSingleObject(turn_, INFINITE);
    bufferReady_ = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
    dataReady_ = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize, "DBWIN_BUFFER");
    if (mapping_)
        view_ = static_cast<const char*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, kBufferSize));
    if (bufferReady_ && dataReady_ && view_)
        thread_ = std::thread([this] { Run(); });
}

DebugOutputCapture::~DebugOutputCapture()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (view_)
        UnmapViewOfFile(view_);
    for (HANDLE handle : {mapping_, dataReady_, bufferReady_})
        if (handle)
            CloseHandle(handle);
    if (turn_) {
        ReleaseMutex(turn_);
        CloseHandle(turn_);
    }
}

void DebugOutputCapture::Run()
{
    const DWORD self = GetCurrentProcessId();
    SetEvent(bufferReady_);
    while (!stop_) {
        if (WaitForSingleObject(dataReady_, 20) != WAIT_OBJECT_0)
            continue;
        DWORD sender = 0;
        std::memcpy(&sender, view_, sizeof sender);
        // Other test programs write here too while we listen; keep ours only.
        if (sender == self) {
            const char* text = view_ + sizeof sender;
            std::lock_guard<std::mutex> lock(mutex_);
            texts_.emplace_back(text, strnlen(text, kBufferSize - sizeof sender));
        }
        SetEvent(bufferReady_);
    }
}

std::vector<std::string> DebugOutputCapture::Texts()
{
    OutputDebugStringA(kMarker);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 10000) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (size_t i = 0; i < texts_.size(); ++i) {
                if (texts_[i] == kMarker) {
                    texts_.erase(texts_.begin() + i);
                    return texts_;
                }
            }
        }
        Sleep(5);
    }
    // Without the marker nothing here can be trusted, not even an absence.
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> texts = texts_;
    texts.push_back("(debug output capture failed: its marker never arrived)");
    return texts;
}
