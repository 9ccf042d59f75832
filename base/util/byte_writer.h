#pragma once

#include <cstddef>
#include <cstdint>

// Stores integers little-endian at a place the caller has checked holds
// them: the writing counterpart of ByteReader for the program's stored
// formats, the same bytes whatever the build's own integer layout.

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
