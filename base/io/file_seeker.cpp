#include "base/io/file_seeker.h"

#include <limits>

int32_t FileSeeker::Move(int32_t distance, DWORD method)
{
    if (file_ == nullptr)
        return 0;
    lastPosition_ = static_cast<int32_t>(SetFilePointer(file_, distance, nullptr, method));
    return lastPosition_;
}

int32_t FileSeeker::operator-=(int32_t distance)
{
    if (file_ == nullptr)
        return 0;
    if (distance == std::numeric_limits<int32_t>::min())
        return -1;
    return SeekCurrent(-distance);
}

void FileSeeker::PushPosition()
{
    saved_.push_back(Tell());
}

void FileSeeker::PopPosition()
{
    if (saved_.empty())
        return;
    SeekBegin(saved_.back());
    saved_.pop_back();
}

int32_t FileSeeker::RefreshSize()
{
    PushPosition();
    size_ = SeekEnd(0);
    PopPosition();
    return size_;
}
