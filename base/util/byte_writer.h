#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// Writes integers little-endian: the writing counterpart of ByteReader for
// the program's stored formats, the same bytes whatever the build's own
// integer layout. The Store forms write at a place the caller has checked
// holds them; the Append forms add to the end of a growing buffer.

inline void StoreU16LE(uint8_t* at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

inline void StoreU32LE(uint8_t* at, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline void StoreI32LE(uint8_t* at, int32_t value)
{
    StoreU32LE(at, static_cast<uint32_t>(value));
}

namespace byte_writer_detail {

template <typename Buffer> void AppendBytes(Buffer& out, const uint8_t* bytes, size_t count)
{
    static_assert(std::is_same_v<Buffer, std::vector<uint8_t>> || std::is_same_v<Buffer, std::string>,
                  "bytes are appended to a byte vector or a string");
    out.insert(out.end(), bytes, bytes + count);
}

} // namespace byte_writer_detail

// Buffer: std::vector<uint8_t> or std::string.
template <typename Buffer> void AppendU16LE(Buffer& out, uint16_t value)
{
    uint8_t bytes[2];
    StoreU16LE(bytes, value);
    byte_writer_detail::AppendBytes(out, bytes, sizeof bytes);
}

template <typename Buffer> void AppendU32LE(Buffer& out, uint32_t value)
{
    uint8_t bytes[4];
    StoreU32LE(bytes, value);
    byte_writer_detail::AppendBytes(out, bytes, sizeof bytes);
}

template <typename Buffer> void AppendI32LE(Buffer& out, int32_t value)
{
    AppendU32LE(out, static_cast<uint32_t>(value));
}
