#include "tests/support/child_boxes.h"

#include "tests/support/message_box_watcher.h"

#include <windows.h>

#include <cstdlib>

namespace {

const char kBoxStart[] = "<<box:";
const char kBoxEnd[] = ":box>>";

MessageBoxWatcher* childWatcher = nullptr;

void WriteBoxesSeen()
{
    for (const auto& box : childWatcher->Boxes())
        WriteRaw(kBoxStart + box.caption + "|" + box.text + kBoxEnd);
}

} // namespace

void WriteRaw(const std::string& bytes)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void WatchBoxesUntilExit()
{
    childWatcher = new MessageBoxWatcher;
    std::atexit(WriteBoxesSeen);
}

std::vector<std::string> BoxesIn(const std::string& output)
{
    std::vector<std::string> boxes;
    size_t at = 0;
    while ((at = output.find(kBoxStart, at)) != std::string::npos) {
        at += sizeof kBoxStart - 1;
        const size_t end = output.find(kBoxEnd, at);
        if (end == std::string::npos)
            break;
        boxes.push_back(output.substr(at, end - at));
        at = end;
    }
    return boxes;
}
