#include "tests/support/bare_entry_floor.h"

#include <zlib.h>

#include <cstring>

#include "base/util/byte_reader.h"

uint64_t ReadAndInflateBare(HANDLE archive, const PackEntry& entry, std::vector<uint8_t>& stored,
                            std::vector<uint8_t>& plain)
{
    stored.resize(entry.size);
    SetFilePointer(archive, static_cast<LONG>(entry.offset), nullptr, FILE_BEGIN);
    DWORD got = 0;
    ReadFile(archive, stored.data(), entry.size, &got, nullptr);
    ByteReader reader(stored.data(), got);
    uint32_t plainSize = 0;
    if (got < 8 || std::memcmp(stored.data(), "ZLC3", 4) != 0 || !reader.U32LEAt(4, plainSize))
        return got;
    plain.resize(plainSize);
    uLongf produced = plainSize;
    if (uncompress(plain.data(), &produced, stored.data() + 8, got - 8) != Z_OK)
        return 0;
    return produced;
}
