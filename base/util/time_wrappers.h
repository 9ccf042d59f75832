#pragma once

#include <windows.h>

// Value wrappers of the two system time records. Conversions that the system
// refuses leave a zero result; no conversion result is reported.

class SystemTime;

// A FILETIME: 100-nanosecond intervals since 1601-01-01 (UTC or local).
class FileTime {
public:
    FileTime() : value_{0, 0} {}
    explicit FileTime(const FILETIME& value) : value_(value) {}

    const FILETIME& Value() const { return value_; }

    bool Equal(const FileTime& other) const;
    bool Less(const FileTime& other) const;
    bool Greater(const FileTime& other) const;

    FileTime LocalToUtc() const;
    void LocalToUtc(FileTime& result) const;
    FileTime UtcToLocal() const;
    void UtcToLocal(FileTime& result) const;
    SYSTEMTIME ToSystemTime() const;
    void ToSystemTime(SYSTEMTIME& result) const;

    void AssignFromSystemTime(const SYSTEMTIME& time);
    void AssignLocalFromUtc(const FILETIME& utc);
    void AssignUtcFromLocal(const FILETIME& local);
    void Assign(const FILETIME& value) { value_ = value; }

private:
    FILETIME value_;
};

// A SYSTEMTIME: calendar fields. Comparisons go through FILETIME, so the day
// of the week takes no part and a date the system cannot convert counts as 0.
class SystemTime {
public:
    SystemTime() : value_{} {}
    explicit SystemTime(const SYSTEMTIME& value) : value_(value) {}

    const SYSTEMTIME& Value() const { return value_; }

    bool Equal(const SystemTime& other) const;
    bool Less(const SystemTime& other) const;
    bool Greater(const SystemTime& other) const;

    FILETIME ToFileTime() const;
    void ToFileTime(FILETIME& result) const;

    // The current time: UTC (Now) or local (LocalNow).
    void Now() { GetSystemTime(&value_); }
    void LocalNow() { GetLocalTime(&value_); }

    void Assign(const SYSTEMTIME& value) { value_ = value; }
    void AssignFromFileTime(const FILETIME& time);

private:
    SYSTEMTIME value_;
};
