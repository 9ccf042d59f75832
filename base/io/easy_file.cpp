#include "base/io/easy_file.h"

#include "base/diag/debug_output.h"
#include "base/io/file_finder.h"
#include "base/io/native_path.h"

#include <algorithm>
#include <vector>

namespace {

// A count that may safely reach ReadFile / WriteFile.
bool Movable(const void* buffer, int32_t count)
{
    return buffer != nullptr && count > 0;
}

// Runs call with option set to value, then gives the option its earlier
// value back, so per-call choices never leak into later calls.
template <typename Call>
int32_t ForOneCall(FileBool& option, bool value, Call call)
{
    option.Push();
    option.Set(value);
    const int32_t result = call();
    option.Pop();
    return result;
}

} // namespace

EasyFileHandle::EasyFileHandle()
    : creationTime_(FileTimeAccessor::kCreation),
      lastAccessTime_(FileTimeAccessor::kLastAccess),
      lastWriteTime_(FileTimeAccessor::kLastWrite)
{
}

void EasyFileHandle::Bind(HANDLE file)
{
    file_ = file;
    position_.SetHandle(file);
    size_.SetHandle(file);
    creationTime_.SetHandle(file);
    lastAccessTime_.SetHandle(file);
    lastWriteTime_.SetHandle(file);
}

bool EasyFileHandle::Open(const std::string& path, DWORD access, DWORD disposition)
{
    Close();
    if (path.empty())
        return false;
    HANDLE file = CreateFileA(ToNativePath(path).c_str(), access, 0, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    Bind(file);
    position_.ResetLastPosition();
    size_.RefreshSize();
    return true;
}

bool EasyFileHandle::Close()
{
    if (file_ == nullptr)
        return false;
    HANDLE file = file_;
    Bind(nullptr);
    CloseHandle(file);
    return true;
}

bool EasyFileReader::Open(const std::string& path)
{
    return EasyFileHandle::Open(path, GENERIC_READ, OPEN_EXISTING);
}

int32_t EasyFileReader::Read(void* buffer, int32_t count)
{
    if (file_ == nullptr || !Movable(buffer, count))
        return 0;
    const bool keep = keepPosition_.Get();
    if (keep)
        position_.PushPosition();
    DWORD got = 0;
    if (!ReadFile(file_, buffer, static_cast<DWORD>(count), &got, nullptr))
        got = 0;
    if (reverseBytes_.Get() && got != 0) {
        auto* bytes = static_cast<uint8_t*>(buffer);
        std::reverse(bytes, bytes + got);
    }
    if (keep)
        position_.PopPosition();
    if (reReadPosition_)
        position_.Tell();
    return static_cast<int32_t>(got);
}

bool EasyFileWriter::Open(const std::string& path, bool keepExisting)
{
    return EasyFileHandle::Open(path, GENERIC_WRITE, keepExisting ? OPEN_ALWAYS : CREATE_ALWAYS);
}

int32_t EasyFileWriter::Write(const void* buffer, int32_t count)
{
    if (file_ == nullptr || !Movable(buffer, count))
        return 0;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    std::vector<uint8_t> reversed;
    if (reverseBytes_.Get()) {
        reversed.assign(bytes, bytes + count);
        std::reverse(reversed.begin(), reversed.end());
        bytes = reversed.data();
    }
    DWORD written = 0;
    if (!WriteFile(file_, bytes, static_cast<DWORD>(count), &written, nullptr))
        written = 0;
    if (reReadPosition_)
        position_.Tell();
    if (refreshSize_)
        size_.RefreshSize();
    return static_cast<int32_t>(written);
}

void EasyFile::CloseWithWarning()
{
    if (reader_.Close())
        DebugPrintf("EasyFile: (WARN)オープンしていた読み取りファイルが強制的に閉じられました");
    else if (writer_.Close())
        DebugPrintf("EasyFile: (WARN)オープンしていた書き込みファイルが強制的に閉じられました");
}

bool EasyFile::OpenRead(const std::string& path)
{
    CloseWithWarning();
    return reader_.Open(path);
}

bool EasyFile::OpenWrite(const std::string& path, bool keepExisting)
{
    CloseWithWarning();
    return writer_.Open(path, keepExisting);
}

bool EasyFile::Close()
{
    return reader_.Close() || writer_.Close();
}

int EasyFile::Mode() const
{
    if (reader_.IsOpen())
        return kReading;
    if (writer_.IsOpen())
        return kWriting;
    return kClosed;
}

int32_t EasyFile::Read(void* buffer, int32_t count, bool reverse)
{
    if (!reader_.IsOpen())
        return -1;
    return ForOneCall(reader_.ReverseBytes(), reverse, [&] { return reader_.Read(buffer, count); });
}

int32_t EasyFile::Peek(void* buffer, int32_t count, bool reverse)
{
    if (!reader_.IsOpen())
        return -1;
    return ForOneCall(reader_.KeepPosition(), true, [&] { return Read(buffer, count, reverse); });
}

int32_t EasyFile::Write(const void* buffer, int32_t count, bool reverse)
{
    if (!writer_.IsOpen())
        return -1;
    return ForOneCall(writer_.ReverseBytes(), reverse, [&] { return writer_.Write(buffer, count); });
}

int32_t EasyFile::WriteInt32(int32_t value)
{
    return writer_.Write(&value, sizeof value);
}

int32_t EasyFile::WriteBlock16(const uint8_t (&block)[16])
{
    return writer_.Write(block, sizeof block);
}

FileSeeker* EasyFile::OpenPosition()
{
    if (reader_.IsOpen())
        return &reader_.Position();
    if (writer_.IsOpen())
        return &writer_.Position();
    return nullptr;
}

int32_t EasyFile::Seek(int origin, int32_t distance)
{
    FileSeeker* position = OpenPosition();
    if (position == nullptr)
        return -1;
    switch (origin) {
    case kFromBegin: return position->SeekBegin(distance);
    case kFromCurrent: return position->SeekCurrent(distance);
    case kFromEnd: return position->SeekEnd(distance);
    default: return -1;
    }
}

int32_t EasyFile::Retreat(int32_t distance)
{
    FileSeeker* position = OpenPosition();
    return position == nullptr ? -1 : (*position -= distance);
}

int32_t EasyFile::GetSize(const char*)
{
    if (reader_.IsOpen())
        return reader_.GetSize();
    if (writer_.IsOpen())
        return writer_.GetSize();
    return -1;
}

bool EasyFile::SetTimes(const SYSTEMTIME* creation, const SYSTEMTIME* lastAccess, const SYSTEMTIME* lastWrite)
{
    return writer_.IsOpen() && SetLocalFileTimes(writer_.Handle(), creation, lastAccess, lastWrite);
}

bool EasyFile::Exists(const std::string& directory, const std::string& name)
{
    FileFinder finder;
    const bool found = finder.First(directory + name);
    finder.Close();
    return found;
}
