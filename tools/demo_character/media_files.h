#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Raster;

// The picture as a 32-bit BMP file: file header, 40-byte information header
// (BI_RGB), then the rows bottom-up, each pixel bytes blue, green, red, 0.
std::string EncodeBmp32(const Raster& raster);

// A RIFF WAVE file of 16-bit PCM mono samples.
std::string EncodeWave(const std::vector<int16_t>& samples, uint32_t sampleRate);
