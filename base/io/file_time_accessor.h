#pragma once

#include "base/util/time_wrappers.h"

#include <windows.h>

// One of the three times of an open file, on a handle it does not own.
// The FILETIME forms are UTC as stored; the SYSTEMTIME forms are local time.
// Unbound (no handle), every call fails.
class FileTimeAccessor {
public:
    enum Which { kCreation, kLastAccess, kLastWrite };

    explicit FileTimeAccessor(Which which) : which_(which) {}
    FileTimeAccessor(const FileTimeAccessor&) = delete;
    FileTimeAccessor& operator=(const FileTimeAccessor&) = delete;

    void SetHandle(HANDLE file) { file_ = file; }

    bool Get(FILETIME& utc);
    bool Get(SYSTEMTIME& local);
    // Changes this one time and leaves the other two. False when the system
    // refuses the change or the local time does not convert.
    bool Set(const FILETIME& utc);
    bool Set(const SYSTEMTIME& local);

    // The latest time that Get read.
    const FileTime& CachedFileTime() const { return cachedFileTime_; }
    const SystemTime& CachedSystemTime() const { return cachedSystemTime_; }

private:
    HANDLE file_ = nullptr;
    Which which_;
    SystemTime cachedSystemTime_;
    FileTime cachedFileTime_;
};

// Local time to the UTC file time; false when it does not convert.
bool LocalSystemTimeToUtc(const SYSTEMTIME& local, FILETIME& utc);

// Sets any of the three times at once from local times; a NULL leaves that
// time as it is. False when one does not convert (nothing is changed then) or
// the system refuses.
bool SetLocalFileTimes(HANDLE file, const SYSTEMTIME* creation, const SYSTEMTIME* lastAccess,
                       const SYSTEMTIME* lastWrite);
