#include "base/io/zlc3.h"

#include <zlib.h>

#include <cstring>

#include "base/util/byte_reader.h"
#include "base/util/byte_writer.h"

namespace {

const char kMagic[4] = {'Z', 'L', 'C', '3'};

// Room that compress2 gets beyond the source length.
const size_t kDeflateSlack = 12;

// Deflate's largest expansion ratio (a run of 258 bytes coded in about two bits).
const uint64_t kMaxInflateRatio = 1032;

} // namespace

bool HasZlcMagic(const void* data, size_t size)
{
    return data && size >= sizeof kMagic && std::memcmp(data, kMagic, sizeof kMagic) == 0;
}

bool ReadZlcHeader(const void* block, size_t size, ZlcBlockView& view)
{
    view = ZlcBlockView();
    ByteReader reader(block, size);
    uint32_t plainSize = 0;
    const uint8_t* stream = nullptr;
    if (!reader.Skip(sizeof kMagic) || !reader.ReadU32LE(plainSize) || !reader.View(reader.Remaining(), stream))
        return false;
    view.plainSize = plainSize;
    view.stream = stream;
    view.streamSize = size - kZlcHeaderSize;
    return true;
}

bool IsPlausiblePlainSize(uint64_t plainSize, size_t streamSize)
{
    return plainSize <= kZlcLargestBlock && plainSize <= static_cast<uint64_t>(streamSize) * kMaxInflateRatio;
}

HeapBuffer ZlcInflateToBlock(const uint8_t* stream, size_t streamSize, uint32_t plainSize, size_t spare)
{
    if (!stream || !IsPlausiblePlainSize(plainSize, streamSize) || spare > kZlcLargestBlock - plainSize)
        return HeapBuffer();
    HeapBuffer out = HeapBuffer::Allocate(static_cast<size_t>(plainSize) + spare);
    if (!out)
        return out;
    uLongf produced = plainSize;
    if (uncompress(out.Get(), &produced, stream, static_cast<uLong>(streamSize)) != Z_OK || produced != plainSize)
        out.Free();
    return out;
}

HeapBuffer ZlcDeflateToBlock(const void* source, size_t length, int level, size_t headerRoom, size_t& streamSize)
{
    streamSize = 0;
    if ((!source && length) || headerRoom > kZlcHeaderSize || length > kZlcLargestBlock - kDeflateSlack - headerRoom)
        return HeapBuffer();
    HeapBuffer out = HeapBuffer::Allocate(headerRoom + length + kDeflateSlack);
    if (!out)
        return out;
    uLongf capacity = static_cast<uLongf>(length + kDeflateSlack);
    if (compress2(out.Get() + headerRoom, &capacity, static_cast<const Bytef*>(source), static_cast<uLong>(length), level) != Z_OK) {
        out.Free();
        return out;
    }
    streamSize = capacity;
    return out;
}

HeapBuffer ZlcPackBlock(const void* source, size_t length, int level, size_t& blockSize)
{
    blockSize = 0;
    size_t streamSize = 0;
    HeapBuffer block = ZlcDeflateToBlock(source, length, level, kZlcHeaderSize, streamSize);
    if (!block)
        return block;
    std::memcpy(block.Get(), kMagic, sizeof kMagic);
    StoreU32LE(block.Get() + sizeof kMagic, static_cast<uint32_t>(length));
    blockSize = kZlcHeaderSize + streamSize;
    return block;
}
