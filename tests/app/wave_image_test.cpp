#include "app/wave_image.h"

#include "base/util/byte_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string U32(uint32_t value)
{
    std::string bytes;
    AppendU32LE(bytes, value);
    return bytes;
}

std::string Chunk(const char* id, const std::string& body, uint32_t statedSize)
{
    return std::string(id, 4) + U32(statedSize) + body;
}

std::string Chunk(const char* id, const std::string& body)
{
    return Chunk(id, body, static_cast<uint32_t>(body.size()));
}

const std::string kFormat = Chunk("fmt ", std::string(16, '\x01'));

std::string Riff(const std::string& chunks, uint32_t statedSize)
{
    return "RIFF" + U32(statedSize) + "WAVE" + chunks;
}

std::string Riff(const std::string& chunks)
{
    return Riff(chunks, static_cast<uint32_t>(4 + chunks.size()));
}

bool Fits(const std::string& bytes)
{
    // A copy of exactly this size, so a read beyond it leaves the buffer.
    const std::vector<uint8_t> copy(bytes.begin(), bytes.end());
    return WaveFitsItsBytes(copy.data(), copy.size());
}

TEST(WaveImage, OnlyAWaveWhoseChunksLieInsideItsBytesIsPlayed)
{
    const std::string samples(9, '\x80');
    struct Case {
        const char* what;
        std::string bytes;
        bool fits;
    };
    const Case cases[] = {
        {"a plain wave", Riff(kFormat + Chunk("data", samples)), true},
        {"an odd chunk with its pad byte, then another chunk",
         Riff(Chunk("LIST", "abc") + '\0' + kFormat + Chunk("data", samples)), true},
        {"bytes after the RIFF chunk", Riff(kFormat + Chunk("data", samples)) + "tail", true},
        {"RIFF size beyond the bytes", Riff(kFormat + Chunk("data", samples), 1000), false},
        {"RIFF size of 2^32 - 1", Riff(kFormat + Chunk("data", samples), 0xFFFFFFFFu), false},
        {"data size beyond the RIFF chunk", Riff(kFormat + Chunk("data", samples, 5000)), false},
        {"data size of 2^32 - 1", Riff(kFormat + Chunk("data", samples, 0xFFFFFFFFu)), false},
        {"no format chunk", Riff(Chunk("data", samples)), false},
        {"no data chunk", Riff(kFormat), false},
        {"not RIFF", "RIFX" + Riff(kFormat + Chunk("data", samples)).substr(4), false},
        {"not WAVE", Riff(kFormat + Chunk("data", samples)).replace(8, 4, "AVI "), false},
        {"cut in the header", std::string("RIFF\x10\x00", 6), false},
        {"empty", std::string(), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Fits(c.bytes), c.fits) << c.what;
    EXPECT_FALSE(WaveFitsItsBytes(nullptr, 100));
}

} // namespace
