#include "base/io/pack_file.h"

#include <cstring>
#include <vector>

#include "base/io/native_path.h"
#include "base/io/zlc3.h"
#include "base/util/byte_reader.h"

namespace {

const int32_t kCountSize = 4;
// Directory entries read per file read while searching by name: few reads
// for a large directory (each read is a system call), a bounded buffer.
const int32_t kEntriesPerRead = 1024;

// The size measured when the file was opened: nobody else can change the
// file meanwhile, since it is opened without sharing.
uint64_t FileEnd(EasyFile& file)
{
    const int32_t size = file.Reader().KeptSize();
    return file.Reader().IsOpen() && size > 0 ? static_cast<uint64_t>(size) : 0;
}

} // namespace

PackFile::~PackFile()
{
    Release();
}

void PackFile::Forget()
{
    file_.Close();
    data_ = nullptr;
    size_ = 0;
    zeroFill_ = 0;
}

void PackFile::Release()
{
    Forget();
    block_.Free();
}

void PackFile::Reset()
{
    Forget();
    block_.Release();
}

HeapBuffer PackFile::Take()
{
    HeapBuffer taken(block_.Release());
    Reset();
    return taken;
}

bool PackFile::Open(const std::string& path, bool readCount)
{
    count_ = 0;
    file_.Close();
    if (!file_.OpenRead(path))
        return false;
    if (readCount)
        ReadCount();
    return true;
}

bool PackFile::ReadCount()
{
    uint8_t bytes[kCountSize];
    count_ = 0;
    if (file_.Read(bytes, kCountSize, false) != kCountSize)
        return false;
    ByteReader reader(bytes, sizeof bytes);
    int32_t count = 0;
    reader.ReadI32LE(count);
    // Entries that would lie past the end of the file cannot be read, so a
    // count that claims them is cut to what the file can hold.
    const uint64_t end = FileEnd(file_);
    const uint64_t room = end > kCountSize ? (end - kCountSize) / PackEntry::Size() : 0;
    count_ = count < 0 ? 0 : (static_cast<uint64_t>(count) > room ? static_cast<int32_t>(room) : count);
    return true;
}

bool PackFile::ReadEntry()
{
    uint8_t bytes[sizeof(PackEntry)];
    const int32_t got = file_.Read(bytes, PackEntry::Size(), false);
    ByteReader reader(bytes, got > 0 ? static_cast<size_t>(got) : 0);
    return entry_.Read(reader);
}

bool PackFile::FailLoad()
{
    block_.Free();
    data_ = nullptr;
    size_ = 0;
    return false;
}

bool PackFile::Load(bool decompress)
{
    FailLoad();
    // Nothing is allocated for data that the file does not hold; this also
    // catches an offset + size that would wrap 32 bits.
    if (static_cast<uint64_t>(entry_.offset) + entry_.size > FileEnd(file_))
        return false;
    if (static_cast<uint64_t>(entry_.size) + static_cast<uint64_t>(zeroFill_) > kZlcLargestBlock)
        return false;
    const int32_t size = static_cast<int32_t>(entry_.size);
    block_ = HeapBuffer::Allocate(static_cast<size_t>(size) + static_cast<size_t>(zeroFill_));
    if (!block_)
        return false;
    if (file_.SeekBegin(static_cast<int32_t>(entry_.offset)) != static_cast<int32_t>(entry_.offset))
        return FailLoad();
    if (file_.Read(block_.Get(), size, false) != size)
        return FailLoad();
    data_ = block_.Get();
    size_ = size;
    if (decompress && !Inflate())
        return FailLoad();
    if (zeroFill_ > 0)
        std::memset(data_ + size_, 0, static_cast<size_t>(zeroFill_));
    return true;
}

bool PackFile::Inflate()
{
    data_ = block_.Get();
    const size_t loaded = size_ > 0 ? static_cast<size_t>(size_) : 0;
    if (!HasZlcMagic(data_, loaded))
        return true;
    ZlcBlockView view;
    if (!ReadZlcHeader(data_, loaded, view))
        return false;
    HeapBuffer plain = InflateWithSpare(view.stream, view.streamSize, view.plainSize, static_cast<size_t>(zeroFill_));
    if (!plain)
        return false;
    block_ = std::move(plain);
    data_ = block_.Get();
    return true;
}

bool PackFile::Exists(const std::string& path)
{
    const bool opened = file_.OpenRead(path);
    file_.Close();
    return opened;
}

int32_t PackFile::GetEntryCount(const std::string& path)
{
    if (!Open(path, true))
        return 0;
    file_.Close();
    return count_;
}

bool PackFile::ReadEntryAt(int32_t index)
{
    // Entry index is read at its fixed place; the entries before it lie
    // closer to the start, so they could be read as well.
    if (index < 0 || index >= count_)
        return false;
    const int32_t position = kCountSize + index * PackEntry::Size();
    return file_.SeekBegin(position) == position && ReadEntry();
}

bool PackFile::FindEntryAt(const std::string& path, int32_t index)
{
    if (!Open(path, true))
        return false;
    const bool found = ReadEntryAt(index);
    file_.Close();
    return found;
}

bool PackFile::ScanDirectoryFor(const std::string& wanted)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(count_ < kEntriesPerRead ? count_ : kEntriesPerRead) * sizeof(PackEntry));
    for (int32_t first = 0; first < count_; first += kEntriesPerRead) {
        const int32_t wantedEntries = count_ - first < kEntriesPerRead ? count_ - first : kEntriesPerRead;
        const int32_t got = file_.Read(bytes.data(), wantedEntries * PackEntry::Size(), false);
        ByteReader reader(bytes.data(), got > 0 ? static_cast<size_t>(got) : 0);
        for (int32_t i = 0; i < wantedEntries; ++i) {
            if (!entry_.Read(reader))
                return false;
            if (entry_.NameEquals(wanted.c_str(), wanted.size()))
                return true;
        }
    }
    return false;
}

bool PackFile::FindNamedEntry(const std::string& name)
{
    return ScanDirectoryFor(ToNativePath(std::string(name.c_str())));
}

bool PackFile::FindEntry(const std::string& path, const std::string& name)
{
    if (!Open(path, true))
        return false;
    const bool found = FindNamedEntry(name);
    file_.Close();
    return found;
}

bool PackFile::LoadEntry(const std::string& path, const PackEntry& entry, bool decompress)
{
    if (!Open(path, true))
        return FailLoad();
    entry_ = entry;
    const bool loaded = Load(decompress);
    file_.Close();
    return loaded;
}

// The entry is found and loaded in one opening of the archive: opening a
// file costs more than reading a directory entry, and nobody can change the
// archive in between since it is opened without sharing.
bool PackFile::LoadByIndex(const std::string& path, int32_t index, bool decompress)
{
    if (!Open(path, true))
        return FailLoad();
    const bool loaded = (ReadEntryAt(index) && Load(decompress)) || FailLoad();
    file_.Close();
    return loaded;
}

bool PackFile::LoadByName(const std::string& path, const std::string& name, bool decompress)
{
    if (!Open(path, true))
        return FailLoad();
    const bool loaded = (FindNamedEntry(name) && Load(decompress)) || FailLoad();
    file_.Close();
    return loaded;
}

bool PackFile::LoadWholeFile(const std::string& path, bool decompress)
{
    if (!Open(path, false))
        return FailLoad();
    entry_.Clear();
    const int32_t size = file_.GetSize();
    entry_.size = size > 0 ? static_cast<uint32_t>(size) : 0;
    const bool loaded = size >= 0 && Load(decompress);
    file_.Close();
    return loaded || FailLoad();
}

bool PackFile::LoadFrom(PackSource source)
{
    if (source.entry)
        return LoadEntry(source.path, *source.entry, source.decompress);
    if (source.name.empty()) {
        if (source.index == -1)
            return LoadWholeFile(source.path, source.decompress);
        return LoadByIndex(source.path, source.index, source.decompress);
    }
    return LoadByName(source.path, source.name, source.decompress);
}

bool PackFile::LoadInflated(const PackSource& source)
{
    if (source.name.empty())
        return LoadWholeFile(source.path, true);
    if (source.entry)
        return LoadEntry(source.path, *source.entry, true);
    return LoadByName(source.path, source.name, true);
}
