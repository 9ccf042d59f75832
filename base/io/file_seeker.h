#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>

// Moves the file pointer of a handle it does not own and keeps a stack of
// saved positions, so a caller can read ahead and come back. Positions and
// sizes are signed 32-bit: files of 2 GB or more are outside the design.
// Unbound (no handle), every seek gives 0.
class FileSeeker {
public:
    FileSeeker() = default;
    FileSeeker(const FileSeeker&) = delete;
    FileSeeker& operator=(const FileSeeker&) = delete;

    void SetHandle(HANDLE file) { file_ = file; }
    HANDLE Handle() const { return file_; }

    // Each returns the new position, -1 when the system refuses the move
    // (such as before the start of the file).
    int32_t SeekBegin(int32_t distance) { return Move(distance, FILE_BEGIN); }
    int32_t SeekCurrent(int32_t distance) { return Move(distance, FILE_CURRENT); }
    int32_t SeekEnd(int32_t distance) { return Move(distance, FILE_END); }
    int32_t Tell() { return SeekCurrent(0); }

    int32_t operator=(int32_t position) { return SeekBegin(position); }
    int32_t operator+=(int32_t distance) { return SeekCurrent(distance); }
    // Moves back by distance; a distance whose negation does not fit in
    // 32 bits is refused (-1) without moving.
    int32_t operator-=(int32_t distance);

    void PushPosition();
    // Returns to the latest saved position; nothing when none is saved.
    void PopPosition();
    // Measures the size anew, leaving the position where it was.
    int32_t RefreshSize();

    int32_t Size() const { return size_; }
    int32_t LastPosition() const { return lastPosition_; }
    void ResetLastPosition() { lastPosition_ = 0; }

private:
    int32_t Move(int32_t distance, DWORD method);

    HANDLE file_ = nullptr;
    std::deque<int32_t> saved_;
    int32_t lastPosition_ = 0;
    int32_t size_ = 0;
};
