#include "tools/demo_character/media_files.h"

#include "tools/demo_character/raster.h"

namespace {

void PutU16(std::string& out, uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

} // namespace

std::string EncodeBmp32(const Raster& raster)
{
    const uint32_t headers = 14 + 40;
    const uint32_t width = static_cast<uint32_t>(raster.Width());
    const uint32_t height = static_cast<uint32_t>(raster.Height());
    const uint32_t pixelBytes = width * height * 4; // 32-bit rows need no padding
    std::string out;
    out.reserve(headers + pixelBytes);
    out += "BM";
    PutU32(out, headers + pixelBytes);
    PutU32(out, 0);       // reserved
    PutU32(out, headers); // offset of the pixels
    PutU32(out, 40);
    PutU32(out, width);
    PutU32(out, height); // positive: bottom-up
    PutU16(out, 1);      // planes
    PutU16(out, 32);     // bits per pixel
    PutU32(out, 0);      // BI_RGB
    PutU32(out, pixelBytes);
    PutU32(out, 2835); // 72 dots per inch, both ways
    PutU32(out, 2835);
    PutU32(out, 0); // colours used
    PutU32(out, 0); // colours important
    const std::vector<uint32_t>& pixels = raster.Pixels();
    for (uint32_t row = height; row-- > 0;)
        for (uint32_t column = 0; column < width; ++column)
            PutU32(out, pixels[static_cast<size_t>(row) * width + column] & 0xFFFFFF);
    return out;
}

std::string EncodeWave(const std::vector<int16_t>& samples, uint32_t sampleRate)
{
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size()) * 2;
    std::string out;
    out += "RIFF";
    PutU32(out, 4 + 8 + 16 + 8 + dataBytes);
    out += "WAVE";
    out += "fmt ";
    PutU32(out, 16);
    PutU16(out, 1); // PCM
    PutU16(out, 1); // mono
    PutU32(out, sampleRate);
    PutU32(out, sampleRate * 2); // bytes per second
    PutU16(out, 2);              // bytes per sample frame
    PutU16(out, 16);             // bits per sample
    out += "data";
    PutU32(out, dataBytes);
    for (int16_t sample : samples)
        PutU16(out, static_cast<uint16_t>(sample));
    return out;
}
