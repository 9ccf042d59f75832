#pragma once

#include <cstdint>
#include <string>

#include "base/io/heap_buffer.h"
#include "base/io/pack_entry.h"
#include "base/io/pack_file_base.h"

// What to load, passed by value. With an entry given, that entry of the
// archive at path; else with a name, the entry of that name; else with an
// index other than -1, the entry at that index; else the whole file at path.
struct PackSource {
    std::string path;
    std::string name;
    int32_t index = -1;
    const PackEntry* entry = nullptr;
    bool decompress = true;
};

// Reads a .pac archive: a signed 32-bit entry count, 64-byte directory
// entries, then the entries' data. Loads one entry (or a plain file) whole
// into a heap block, inflating it on request when it is a ZLC3 block.
//
// Every operation that opens the file closes it again before it returns;
// each load opens the archive anew and reads the directory from the start.
// Failures give false, leave no file open and, for loads, hold no data.
// The loaded data is never more than the file could hold: sizes and offsets
// past the end of the file and ZLC3 sizes beyond what the stream could yield
// are refused before anything is allocated.
class PackFile : public PackFileBase {
public:
    PackFile() = default;
    ~PackFile();

    // Closes the file and frees the loaded data.
    void Release();
    // Closes the file and forgets the loaded data without freeing it: the
    // caller has taken Data() and owns it now (Take() does both at once).
    void Reset();
    HeapBuffer Take();

    // Opens path for reading; with readCount also reads the entry count.
    // True when the file opened, whatever the count read gave.
    bool Open(const std::string& path, bool readCount);
    // Reads the count at the current position. A negative count reads as 0,
    // and a count larger than the directory the file can hold is cut to it.
    bool ReadCount();
    // Reads the next directory entry into Entry().
    bool ReadEntry();
    // Loads Entry() from the open file (see the class comment).
    bool Load(bool decompress);
    // Inflates the loaded data when it is a ZLC3 block; other data stays as
    // it is. On failure the loaded data is left unchanged.
    bool Inflate();

    bool Exists(const std::string& path);
    int32_t GetEntryCount(const std::string& path);
    bool FindEntryAt(const std::string& path, int32_t index);
    // Names match without regard to ASCII letter case and with equal length;
    // '/' in name becomes '\' first (unless the edition turns the separator
    // conversion off).
    bool FindEntry(const std::string& path, const std::string& name);

    bool LoadByIndex(const std::string& path, int32_t index, bool decompress);
    bool LoadByName(const std::string& path, const std::string& name, bool decompress);
    bool LoadEntry(const std::string& path, const PackEntry& entry, bool decompress);
    bool LoadWholeFile(const std::string& path, bool decompress);
    bool LoadFrom(PackSource source);
    // The form of the loaders of pictures and rectangle lists: always
    // inflated; the whole file when no name is given, else the given entry,
    // else the named one. The index is not used.
    bool LoadInflated(const PackSource& source);

    // The loaded bytes: LoadedSize() bytes, then ZeroFill() zero bytes.
    uint8_t* Data() const { return data_; }
    int32_t LoadedSize() const { return Size(); }
    int32_t Count() const { return count_; }
    const PackEntry& Entry() const { return entry_; }
    // Zero bytes appended after the loaded data by the next loads (negative
    // values count as 0), so that text can be read as a C string.
    void SetZeroFill(int32_t zeroFill) { zeroFill_ = zeroFill > 0 ? zeroFill : 0; }
    int32_t ZeroFill() const { return zeroFill_; }

private:
    void Forget();
    bool FailLoad();
    // Reads directory entries in order from the current position until one
    // is named wanted; false when none of the count entries is.
    bool ScanDirectoryFor(const std::string& wanted);
    // Directory lookups in the open archive.
    bool ReadEntryAt(int32_t index);
    bool FindNamedEntry(const std::string& name);

    HeapBuffer block_;
    int32_t count_ = 0;
    PackEntry entry_;
    uint8_t* data_ = nullptr;
    int32_t zeroFill_ = 0;
};
