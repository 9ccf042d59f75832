#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Raster;

// The picture as a 32-bit BMP image (the block a Bitmap holds), each pixel
// bytes blue, green, red, 0; empty when the image cannot be made.
std::string EncodeBmp32(const Raster& raster);

// A RIFF WAVE file of 16-bit PCM mono samples.
std::string EncodeWave(const std::vector<int16_t>& samples, uint32_t sampleRate);
