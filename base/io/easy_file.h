#pragma once

#include "base/io/file_bool.h"
#include "base/io/file_seeker.h"
#include "base/io/file_time_accessor.h"

#include <windows.h>

#include <cstdint>
#include <string>

// The file layer. A file is opened without sharing (no other opener may hold
// it meanwhile), its name put into native form first. Byte counts, positions
// and sizes are signed 32-bit; a count below 0 moves nothing.

// What the reading and the writing half share: the handle, which they own,
// the seekers and the three file times bound to it.
class EasyFileHandle {
public:
    EasyFileHandle(const EasyFileHandle&) = delete;
    EasyFileHandle& operator=(const EasyFileHandle&) = delete;

    bool Close();
    bool IsOpen() const { return file_ != nullptr; }
    HANDLE Handle() const { return file_; }
    // The size measured anew; -1 when closed.
    int32_t GetSize() { return file_ == nullptr ? -1 : size_.RefreshSize(); }
    // After each read or write, refresh the position seeker's last position.
    void SetReReadPosition(bool on) { reReadPosition_ = on; }

    FileSeeker& Position() { return position_; }
    // The size as last measured.
    int32_t KeptSize() const { return size_.Size(); }
    FileTimeAccessor& CreationTime() { return creationTime_; }
    FileTimeAccessor& LastAccessTime() { return lastAccessTime_; }
    FileTimeAccessor& LastWriteTime() { return lastWriteTime_; }

protected:
    EasyFileHandle();
    ~EasyFileHandle() { Close(); }
    // Closes what was open, then opens path (in native form) without sharing.
    bool Open(const std::string& path, DWORD access, DWORD disposition);

    HANDLE file_ = nullptr;
    FileSeeker position_;
    FileSeeker size_;
    bool reReadPosition_ = false;

private:
    void Bind(HANDLE file);

    FileTimeAccessor creationTime_;
    FileTimeAccessor lastAccessTime_;
    FileTimeAccessor lastWriteTime_;
};

// A file opened for reading.
class EasyFileReader : public EasyFileHandle {
public:
    // False for an empty path or a file that cannot be opened.
    bool Open(const std::string& path);

    // Reads up to count bytes: the number read, 0 when closed. With
    // keep-position on, the file position is the same afterwards; with
    // reverse-bytes on, the bytes read are reversed in the buffer.
    int32_t Read(void* buffer, int32_t count);

    FileBool& KeepPosition() { return keepPosition_; }
    FileBool& ReverseBytes() { return reverseBytes_; }

private:
    FileBool keepPosition_;
    FileBool reverseBytes_;
};

// A file opened for writing.
class EasyFileWriter : public EasyFileHandle {
public:
    // keepExisting opens an existing file as it is (else it is emptied); the
    // position is the start either way, so writing overwrites from byte 0.
    bool Open(const std::string& path, bool keepExisting);

    // Writes count bytes: the number written, 0 when closed. With
    // reverse-bytes on, the file receives them in reverse order; the caller's
    // buffer is left as it was.
    int32_t Write(const void* buffer, int32_t count);

    FileBool& ReverseBytes() { return reverseBytes_; }
    // After each write, measure the kept size anew.
    void SetRefreshSize(bool on) { refreshSize_ = on; }

private:
    FileBool reverseBytes_;
    bool refreshSize_ = false;
};

// One file, open for reading or for writing or not at all. Opening either way
// first closes what is open, with a warning on the debug output. Operations
// that need an open file give -1 (counts, positions, size) or false without one.
class EasyFile {
public:
    enum Mode { kClosed = 0, kReading = 1, kWriting = 2 };
    enum Origin { kFromBegin = 0, kFromCurrent = 1, kFromEnd = 2 };

    EasyFile() = default;
    EasyFile(const EasyFile&) = delete;
    EasyFile& operator=(const EasyFile&) = delete;

    bool OpenRead(const std::string& path);
    bool OpenWrite(const std::string& path, bool keepExisting);
    // Closes the reader, else the writer; true when something was closed.
    bool Close();
    int Mode() const;

    // reverse applies to this one call only.
    int32_t Read(void* buffer, int32_t count, bool reverse = false);
    // Reads and returns to where it started.
    int32_t Peek(void* buffer, int32_t count, bool reverse = false);
    int32_t Write(const void* buffer, int32_t count, bool reverse = false);
    // Write 4 or 16 bytes as they lie in memory; 0 when no writer is open.
    int32_t WriteInt32(int32_t value);
    int32_t WriteBlock16(const uint8_t (&block)[16]);

    // origin is one of Origin; any other gives -1.
    int32_t Seek(int origin, int32_t distance);
    int32_t SeekBegin(int32_t distance) { return Seek(kFromBegin, distance); }
    int32_t SeekCurrent(int32_t distance) { return Seek(kFromCurrent, distance); }
    int32_t SeekEnd(int32_t distance) { return Seek(kFromEnd, distance); }
    int32_t SetPosition(int32_t position) { return SeekBegin(position); }
    int32_t Advance(int32_t distance) { return SeekCurrent(distance); }
    int32_t Retreat(int32_t distance);
    int32_t operator=(int32_t position) { return SetPosition(position); }
    int32_t operator+=(int32_t distance) { return Advance(distance); }
    int32_t operator-=(int32_t distance) { return Retreat(distance); }
    int32_t Tell() { return SeekCurrent(0); }
    // The size of the open file measured anew; the name is not used.
    int32_t GetSize(const char* name = nullptr);

    // Times of a file open for reading: local (SYSTEMTIME) or UTC (FILETIME).
    bool GetCreationTime(SYSTEMTIME& local) { return reader_.IsOpen() && reader_.CreationTime().Get(local); }
    bool GetLastAccessTime(SYSTEMTIME& local) { return reader_.IsOpen() && reader_.LastAccessTime().Get(local); }
    bool GetLastWriteTime(SYSTEMTIME& local) { return reader_.IsOpen() && reader_.LastWriteTime().Get(local); }
    bool GetCreationFileTime(FILETIME& utc) { return reader_.IsOpen() && reader_.CreationTime().Get(utc); }
    bool GetLastAccessFileTime(FILETIME& utc) { return reader_.IsOpen() && reader_.LastAccessTime().Get(utc); }
    bool GetLastWriteFileTime(FILETIME& utc) { return reader_.IsOpen() && reader_.LastWriteTime().Get(utc); }

    // Times of a file open for writing; each changes only its own time.
    bool SetCreationTime(const SYSTEMTIME& local) { return writer_.IsOpen() && writer_.CreationTime().Set(local); }
    bool SetLastAccessTime(const SYSTEMTIME& local) { return writer_.IsOpen() && writer_.LastAccessTime().Set(local); }
    bool SetLastWriteTime(const SYSTEMTIME& local) { return writer_.IsOpen() && writer_.LastWriteTime().Set(local); }
    bool SetCreationFileTime(const FILETIME& utc) { return writer_.IsOpen() && writer_.CreationTime().Set(utc); }
    bool SetLastAccessFileTime(const FILETIME& utc) { return writer_.IsOpen() && writer_.LastAccessTime().Set(utc); }
    bool SetLastWriteFileTime(const FILETIME& utc) { return writer_.IsOpen() && writer_.LastWriteTime().Set(utc); }
    // Several local times at once; NULL leaves that time as it is.
    bool SetTimes(const SYSTEMTIME* creation, const SYSTEMTIME* lastAccess, const SYSTEMTIME* lastWrite);

    // True when directory + name (joined as given: the separator is the
    // caller's) names an existing file or folder; wildcards match.
    static bool Exists(const std::string& directory, const std::string& name);

    EasyFileReader& Reader() { return reader_; }
    EasyFileWriter& Writer() { return writer_; }

private:
    void CloseWithWarning();
    FileSeeker* OpenPosition();

    EasyFileReader reader_;
    EasyFileWriter writer_;
};
