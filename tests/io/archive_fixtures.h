#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

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
