#pragma once

#include <cstddef>
#include <cstdint>

#include "base/io/heap_buffer.h"

// The ZLC3 block: the four bytes "ZLC3", the plain size as a 32-bit
// little-endian integer, then a zlib stream running to the end of the block.
// These are the in-memory halves of the codec; PackFileBase adds the file
// forms and the archive reader uses them on its entries.
constexpr size_t kZlcHeaderSize = 8;

// Sizes of loaded data are signed 32-bit values throughout the library, so
// nothing larger is ever made.
constexpr uint64_t kZlcLargestBlock = 0x7FFFFFFF;

// True when data begins with "ZLC3".
bool HasZlcMagic(const void* data, size_t size);

// The parts of a block laid out as ZLC3. The magic is not examined here.
struct ZlcBlockView {
    uint32_t plainSize = 0;
    const uint8_t* stream = nullptr;
    size_t streamSize = 0;
};

// False when the block is shorter than its header.
bool ReadZlcHeader(const void* block, size_t size, ZlcBlockView& view);

// Whether a zlib stream of streamSize bytes can hold plainSize bytes of
// data: deflate never expands more than about 1032:1, so a larger stated
// size is a damaged or hostile header and is refused before anything is
// allocated for it.
bool IsPlausiblePlainSize(uint64_t plainSize, size_t streamSize);

// Inflates into a new block of plainSize + spare bytes; the first plainSize
// bytes hold the data and the spare bytes are left for the caller. Empty
// unless the stream yields exactly plainSize bytes: a stated size that is
// too small or too large, a truncated or damaged stream all fail, so the
// block never holds bytes that the stream did not write.
HeapBuffer ZlcInflateToBlock(const uint8_t* stream, size_t streamSize, uint32_t plainSize, size_t spare = 0);

// Deflates source with compress2 at level into a new block that starts with
// headerRoom bytes left for the caller; streamSize receives the stream's
// length. The stream gets length + 12 bytes of room, so data that does not
// shrink enough fails. Empty on any failure.
HeapBuffer ZlcDeflateToBlock(const void* source, size_t length, int level, size_t headerRoom, size_t& streamSize);

// A whole ZLC3 block of source (header and stream); blockSize receives its
// length. Empty when the codec cannot pack the data.
HeapBuffer ZlcPackBlock(const void* source, size_t length, int level, size_t& blockSize);
