#include "tests/io/archive_fixtures.h"

#include "base/io/zlc3.h"
#include "base/util/byte_writer.h"

namespace {

uint32_t NextRandom(uint32_t& state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

} // namespace

std::string Pattern(size_t size, uint32_t seed)
{
    static const char* const kWords[] = {"frame ", "voice ", "quenna ", "walk ", "idle ", "\r\n", "0123 "};
    uint32_t state = seed * 2654435761u + 1;
    std::string out;
    while (out.size() < size)
        out += kWords[NextRandom(state) % (sizeof kWords / sizeof kWords[0])];
    out.resize(size);
    return out;
}

std::string Noise(size_t size, uint32_t seed)
{
    uint32_t state = seed * 2246822519u + 1;
    std::string out(size, '\0');
    for (char& c : out)
        c = static_cast<char>(NextRandom(state) >> 11);
    return out;
}

std::string PackZlc3(const std::string& plain)
{
    size_t size = 0;
    HeapBuffer block = ZlcPackBlock(plain.data(), plain.size(), 9, size);
    return block ? std::string(reinterpret_cast<const char*>(block.Get()), size) : std::string();
}

std::string U32LE(uint32_t value)
{
    std::string out;
    AppendU32LE(out, value);
    return out;
}

std::string WithStatedSize(std::string block, uint32_t plainSize)
{
    block.replace(4, 4, U32LE(plainSize));
    return block;
}

std::string Flipped(std::string bytes, size_t at)
{
    bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
    return bytes;
}

std::string RawArchive(int32_t count, const std::vector<RawEntry>& entries, const std::string& tail)
{
    std::string out = U32LE(static_cast<uint32_t>(count));
    for (const RawEntry& entry : entries) {
        std::string name = entry.name;
        name.resize(56, '\0');
        out += U32LE(entry.offset) + U32LE(entry.size) + name;
    }
    return out + tail;
}
