#include "tools/demo_character/media_files.h"

#include "base/graphics/bitmap.h"
#include "base/util/byte_writer.h"
#include "tools/demo_character/raster.h"

std::string EncodeBmp32(const Raster& raster)
{
    Bitmap bitmap;
    if (!bitmap.Create(raster.Width(), raster.Height(), 32, 0))
        return std::string();
    for (int y = 0; y < raster.Height(); ++y)
        for (int x = 0; x < raster.Width(); ++x) {
            // 0x00RRGGBB, as the bytes blue, green, red, 0.
            const uint32_t colour = raster.At(raster.Left() + x, raster.Top() + y) & 0x00FFFFFFu;
            StoreU32LE(bitmap.PixelAddress(x, y), colour);
        }
    return std::string(reinterpret_cast<const char*>(bitmap.Block()), bitmap.BlockSize());
}

std::string EncodeWave(const std::vector<int16_t>& samples, uint32_t sampleRate)
{
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size()) * 2;
    std::string out;
    out += "RIFF";
    AppendU32LE(out, 4 + 8 + 16 + 8 + dataBytes);
    out += "WAVE";
    out += "fmt ";
    AppendU32LE(out, 16);
    AppendU16LE(out, 1); // PCM
    AppendU16LE(out, 1); // mono
    AppendU32LE(out, sampleRate);
    AppendU32LE(out, sampleRate * 2); // bytes per second
    AppendU16LE(out, 2);              // bytes per sample frame
    AppendU16LE(out, 16);             // bits per sample
    out += "data";
    AppendU32LE(out, dataBytes);
    for (int16_t sample : samples)
        AppendU16LE(out, static_cast<uint16_t>(sample));
    return out;
}
