#include "base/io/pack_entry.h"

#include <cstring>

#include "base/util/byte_reader.h"
#include "base/util/string_utils.h"

namespace {

char FoldAsciiCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

void PackEntry::Clear()
{
    std::memset(this, 0, sizeof *this);
}

bool PackEntry::Read(ByteReader& reader)
{
    Clear();
    if (!reader.Fits(reader.Position(), sizeof *this))
        return false;
    return reader.ReadU32LE(offset) && reader.ReadU32LE(size) && reader.ReadBytes(name, kNameField);
}

size_t PackEntry::NameLength() const
{
    const void* end = std::memchr(name, '\0', kNameField);
    return end ? static_cast<size_t>(static_cast<const char*>(end) - name) : kNameField;
}

bool PackEntry::NameEquals(const char* wanted, size_t length) const
{
    if (length != NameLength())
        return false;
    // Folded bytes that differ differ exactly too, so most names are told
    // apart here without looking for double-byte characters. From the end:
    // names in one folder share their start.
    for (size_t i = length; i-- > 0;) {
        if (FoldAsciiCase(name[i]) != FoldAsciiCase(wanted[i]))
            return false;
    }
    for (size_t i = 0; i < length; ++i) {
        // The pair test reads two bytes: both lie inside the name here.
        if (i + 1 < length && IsDbcsPair(name + i)) {
            if (name[i + 1] != wanted[i + 1])
                return false;
            ++i;
        }
    }
    return true;
}
