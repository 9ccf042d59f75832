#include "tools/demo_character/media_files.h"

#include "base/graphics/bitmap.h"
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
    Bitmap bitmap;
    if (!bitmap.Create(raster.Width(), raster.Height(), 32, 0))
        return std::string();
    for (int y = 0; y < raster.Height(); ++y)
        for (int x = 0; x < raster.Width(); ++x) {
            const uint32_t colour = raster.At(raster.Left() + x, raster.Top() + y);
            uint8_t* pixel = bitmap.PixelAddress(x, y);
            pixel[0] = static_cast<uint8_t>(colour);
            pixel[1] = static_cast<uint8_t>(colour >> 8);
            pixel[2] = static_cast<uint8_t>(colour >> 16);
            pixel[3] = 0;
        }
    return std::string(reinterpret_cast<const char*>(bitmap.Block()), bitmap.BlockSize());
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
