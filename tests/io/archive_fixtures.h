#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Small byte makers for the archive and codec tests.

// Compressible bytes: short words drawn from a seeded sequence.
std::string Pattern(size_t size, uint32_t seed);
// Bytes that deflate cannot shrink.
std::string Noise(size_t size, uint32_t seed);

// A ZLC3 block of plain, made by our own codec (level 9).
std::string PackZlc3(const std::string& plain);
std::string WithStatedSize(std::string block, uint32_t plainSize);
std::string Flipped(std::string bytes, size_t at);

std::string U32LE(uint32_t value);

// A directory entry written as raw bytes, for hostile archives: the name is
// stored as given, padded with zeros to 56 bytes (so a name of 56 characters
// has no terminating zero).
struct RawEntry {
    uint32_t offset;
    uint32_t size;
    std::string name;
};

// count, the entries' 64 bytes each, then tail, with no check at all.
std::string RawArchive(int32_t count, const std::vector<RawEntry>& entries, const std::string& tail);
