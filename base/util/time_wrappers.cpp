#include "base/util/time_wrappers.h"

bool FileTime::Equal(const FileTime& other) const
{
    return CompareFileTime(&value_, &other.value_) == 0;
}

bool FileTime::Less(const FileTime& other) const
{
    return CompareFileTime(&value_, &other.value_) == -1;
}

bool FileTime::Greater(const FileTime& other) const
{
    return CompareFileTime(&value_, &other.value_) == 1;
}

FileTime FileTime::LocalToUtc() const
{
    FileTime result;
    if (!LocalFileTimeToFileTime(&value_, &result.value_))
        result = FileTime();
    return result;
}

void FileTime::LocalToUtc(FileTime& result) const
{
    result = LocalToUtc();
}

FileTime FileTime::UtcToLocal() const
{
    FileTime result;
    if (!FileTimeToLocalFileTime(&value_, &result.value_))
        result = FileTime();
    return result;
}

void FileTime::UtcToLocal(FileTime& result) const
{
    result = UtcToLocal();
}

SYSTEMTIME FileTime::ToSystemTime() const
{
    // A value the system refuses (2^63 and up) gives the zero record.
    SYSTEMTIME result = {};
    if (!FileTimeToSystemTime(&value_, &result))
        result = SYSTEMTIME{};
    return result;
}

void FileTime::ToSystemTime(SYSTEMTIME& result) const
{
    result = ToSystemTime();
}

void FileTime::AssignFromSystemTime(const SYSTEMTIME& time)
{
    value_ = SystemTime(time).ToFileTime();
}

void FileTime::AssignLocalFromUtc(const FILETIME& utc)
{
    *this = FileTime(utc).UtcToLocal();
}

void FileTime::AssignUtcFromLocal(const FILETIME& local)
{
    *this = FileTime(local).LocalToUtc();
}

bool SystemTime::Equal(const SystemTime& other) const
{
    return FileTime(ToFileTime()).Equal(FileTime(other.ToFileTime()));
}

bool SystemTime::Less(const SystemTime& other) const
{
    return FileTime(ToFileTime()).Less(FileTime(other.ToFileTime()));
}

bool SystemTime::Greater(const SystemTime& other) const
{
    return FileTime(ToFileTime()).Greater(FileTime(other.ToFileTime()));
}

FILETIME SystemTime::ToFileTime() const
{
    FILETIME result = {0, 0};
    if (!SystemTimeToFileTime(&value_, &result))
        result = FILETIME{0, 0};
    return result;
}

void SystemTime::ToFileTime(FILETIME& result) const
{
    result = ToFileTime();
}

void SystemTime::AssignFromFileTime(const FILETIME& time)
{
    value_ = FileTime(time).ToSystemTime();
}
