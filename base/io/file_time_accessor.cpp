#include "base/io/file_time_accessor.h"

bool LocalSystemTimeToUtc(const SYSTEMTIME& local, FILETIME& utc)
{
    FILETIME localFileTime = {0, 0};
    return SystemTimeToFileTime(&local, &localFileTime) && LocalFileTimeToFileTime(&localFileTime, &utc);
}

bool SetLocalFileTimes(HANDLE file, const SYSTEMTIME* creation, const SYSTEMTIME* lastAccess,
                       const SYSTEMTIME* lastWrite)
{
    if (file == nullptr)
        return false;
    // Each time gets a value of its own, passed in its own place.
    FILETIME utc[3] = {};
    const SYSTEMTIME* local[3] = {creation, lastAccess, lastWrite};
    for (int i = 0; i < 3; ++i) {
        if (local[i] && !LocalSystemTimeToUtc(*local[i], utc[i]))
            return false;
    }
    return SetFileTime(file, creation ? &utc[0] : nullptr, lastAccess ? &utc[1] : nullptr,
                       lastWrite ? &utc[2] : nullptr) != 0;
}

bool FileTimeAccessor::Get(FILETIME& utc)
{
    if (file_ == nullptr)
        return false;
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!GetFileInformationByHandle(file_, &info))
        return false;
    switch (which_) {
    case kCreation: utc = info.ftCreationTime; break;
    case kLastAccess: utc = info.ftLastAccessTime; break;
    case kLastWrite: utc = info.ftLastWriteTime; break;
    }
    cachedFileTime_.Assign(utc);
    return true;
}

bool FileTimeAccessor::Get(SYSTEMTIME& local)
{
    FILETIME utc = {0, 0};
    FILETIME localFileTime = {0, 0};
    if (!Get(utc) || !FileTimeToLocalFileTime(&utc, &localFileTime) ||
        !FileTimeToSystemTime(&localFileTime, &local))
        return false;
    cachedSystemTime_.Assign(local);
    return true;
}

bool FileTimeAccessor::Set(const FILETIME& utc)
{
    if (file_ == nullptr)
        return false;
    return SetFileTime(file_, which_ == kCreation ? &utc : nullptr, which_ == kLastAccess ? &utc : nullptr,
                       which_ == kLastWrite ? &utc : nullptr) != 0;
}

bool FileTimeAccessor::Set(const SYSTEMTIME& local)
{
    FILETIME utc = {0, 0};
    return file_ != nullptr && LocalSystemTimeToUtc(local, utc) && Set(utc);
}
