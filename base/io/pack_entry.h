#pragma once

#include <cstddef>
#include <cstdint>

class ByteReader;

// One 64-byte directory entry of a .pac archive: the data's offset from the
// start of the archive, its stored size, and its name (NUL-terminated when
// shorter than the field; folder separators inside a name are '\').
struct PackEntry {
    static const size_t kNameField = 56;

    uint32_t offset;
    uint32_t size;
    char name[kNameField];

    PackEntry() { Clear(); }
    void Clear();
    static int32_t Size() { return 64; }

    // Reads the next 64 bytes as an entry; false (entry cleared) when fewer are left.
    bool Read(ByteReader& reader);

    // Length of the name up to its NUL, or the whole field when it has none.
    size_t NameLength() const;
    // Whether the name equals wanted (length bytes) with ASCII letter case
    // ignored. Double-byte characters of the ANSI code page are compared
    // exactly: their trail bytes may fall in the letter range, and folding
    // those would make two different characters equal.
    bool NameEquals(const char* wanted, size_t length) const;
};

static_assert(sizeof(PackEntry) == 64, "a directory entry is 64 bytes in the file and in memory");
