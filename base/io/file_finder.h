#pragma once

#include <windows.h>

#include <string>

// A directory search (FindFirstFileA / FindNextFileA) that owns its search
// handle. The pattern is put into native form first, as every file name is.
class FileFinder {
public:
    FileFinder() : data_{} {}
    ~FileFinder() { Close(); }
    FileFinder(const FileFinder&) = delete;
    FileFinder& operator=(const FileFinder&) = delete;

    // Starts a new search (closing one still open); true when something matched.
    bool First(const std::string& pattern);
    // The next match; false at the end or without a search.
    bool Next();
    bool AtEnd() const { return !found_; }
    void Close();

    // The latest match.
    const WIN32_FIND_DATAA& Data() const { return data_; }

private:
    WIN32_FIND_DATAA data_;
    HANDLE search_ = nullptr;
    bool found_ = false;
};
