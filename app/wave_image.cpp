#include "app/wave_image.h"

#include "base/util/byte_reader.h"

#include <cstring>

namespace {

constexpr size_t kRiffHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;

bool IdIs(const uint8_t* id, const char* expected)
{
    return std::memcmp(id, expected, 4) == 0;
}

} // namespace

bool WaveFitsItsBytes(const uint8_t* data, size_t size)
{
    if (data == nullptr)
        return false;
    ByteReader reader(data, size);
    const uint8_t* riff = nullptr;
    const uint8_t* wave = nullptr;
    uint32_t riffSize = 0;
    if (!reader.View(4, riff) || !reader.ReadU32LE(riffSize) || !reader.View(4, wave) || !IdIs(riff, "RIFF") ||
        !IdIs(wave, "WAVE"))
        return false;
    // The RIFF chunk's size counts the "WAVE" word and the chunks after it.
    if (riffSize < 4 || !reader.Fits(kChunkHeaderSize, riffSize))
        return false;
    const size_t end = kChunkHeaderSize + riffSize;
    bool hasFormat = false;
    bool hasData = false;
    size_t at = kRiffHeaderSize;
    while (end - at >= kChunkHeaderSize) {
        uint32_t chunkSize = 0;
        reader.Seek(at);
        const uint8_t* id = nullptr;
        reader.View(4, id);
        reader.ReadU32LE(chunkSize);
        if (!reader.Ok() || chunkSize > end - at - kChunkHeaderSize)
            return false;
        hasFormat = hasFormat || IdIs(id, "fmt ");
        hasData = hasData || IdIs(id, "data");
        // Chunks start at even offsets: an odd size is followed by a pad byte.
        const size_t next = at + kChunkHeaderSize + chunkSize + (chunkSize & 1);
        if (next > end)
            break;
        at = next;
    }
    return hasFormat && hasData;
}
