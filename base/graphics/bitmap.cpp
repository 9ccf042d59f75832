#include "base/graphics/bitmap.h"

#include "base/io/easy_file.h"
#include "base/util/byte_writer.h"

#include <cstdlib>
#include <cstring>
#include <utility>

Bitmap::Bitmap()
{
    SetClassName("Bitmap");
}

Bitmap::~Bitmap()
{
    Release();
}

Bitmap::Bitmap(Bitmap&& other) noexcept : Error(other)
{
    MoveFrom(other);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    if (this != &other) {
        Release();
        Error::operator=(other);
        MoveFrom(other);
    }
    return *this;
}

void Bitmap::MoveFrom(Bitmap& other)
{
    fillValue_ = other.fillValue_;
    block_ = std::exchange(other.block_, nullptr);
    blockSize_ = other.blockSize_;
    header_ = other.header_;
    colourTable_ = other.colourTable_;
    pixels_ = other.pixels_;
    layout_ = other.layout_;
    imageRect_ = other.imageRect_;
    lock_ = other.lock_;
    format_ = other.format_;
    fillPattern_ = other.fillPattern_;
    // A lock taken before the move keeps working: it now reads this
    // object's format.
    if (lock_.format)
        lock_.format = &format_;
    other.Release();
}

void Bitmap::Release()
{
    std::free(block_);
    block_ = nullptr;
    blockSize_ = 0;
    header_ = colourTable_ = pixels_ = nullptr;
    layout_ = BmpLayout();
    imageRect_.Clear();
    lock_.Clear();
    format_ = PixelFormat();
    fillValue_ = 0;
    fillPattern_ = 0;
}

bool Bitmap::Fail(int32_t code)
{
    SetError(code);
    SetMessage(code);
    return false;
}

void Bitmap::Adopt(uint8_t* block, size_t size, const BmpLayout& layout, uint8_t* pixels)
{
    block_ = block;
    blockSize_ = size;
    header_ = block + kBmpFileHeaderSize;
    colourTable_ = block + layout.tableOffset;
    pixels_ = pixels;
    layout_ = layout;
    imageRect_.SetFromSize(layout.width, layout.height);
    // The header lies at an odd offset in the block: analyse an aligned copy.
    BITMAPINFOHEADER header;
    std::memcpy(&header, header_, sizeof header);
    format_.Analyse(&header);
}

bool Bitmap::Create(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t colourCount)
{
    SetError(0);
    if (width < 0 || height < 0 || !IsBmpDepth(bitsPerPixel))
        return Fail(kInvalidValue);
    if (bitsPerPixel == 8 && colourCount == 0)
        colourCount = kBmpLargestColourTable;
    if (bitsPerPixel == 8 && (colourCount < 1 || colourCount > kBmpLargestColourTable))
        return Fail(kInvalidValue);

    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitsPerPixel = bitsPerPixel;
    if (!ComputeBmpStride(width, bitsPerPixel, layout.rowBytes, layout.stride))
        return Fail(kInvalidValue);
    const uint32_t tableBytes = bitsPerPixel == 8 ? 4 * static_cast<uint32_t>(colourCount) : bitsPerPixel == 16 ? 12 : 0;
    const uint64_t total = kBmpHeadersSize + tableBytes + static_cast<uint64_t>(layout.PixelBytes());
    if (total > kBmpLargestBlock)
        return Fail(kInvalidValue);
    layout.pixelOffset = kBmpHeadersSize + tableBytes;
    layout.tableOffset = kBmpHeadersSize;
    layout.tableEntries = static_cast<int32_t>(tableBytes / 4);
    layout.colourCount = bitsPerPixel == 8 ? colourCount : kBmpLargestColourTable;

    Release();
    uint8_t* block = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(total), 1));
    if (!block)
        return Fail(kMemoryAllocationFailed);
    StoreU16LE(block, kBmpMagic);
    StoreU32LE(block + kBmpOffSize, static_cast<uint32_t>(total));
    StoreU32LE(block + kBmpOffPixels, layout.pixelOffset);
    StoreU32LE(block + kBmpOffHeaderSize, kBmpInfoHeaderSize);
    StoreI32LE(block + kBmpOffWidth, width);
    StoreI32LE(block + kBmpOffHeight, height);
    StoreU16LE(block + kBmpOffPlanes, 1);
    StoreU16LE(block + kBmpOffBitCount, static_cast<uint16_t>(bitsPerPixel));
    if (bitsPerPixel == 16) {
        StoreU32LE(block + kBmpOffCompression, BI_BITFIELDS);
        StoreU32LE(block + kBmpHeadersSize, 0x7C00);
        StoreU32LE(block + kBmpHeadersSize + 4, 0x03E0);
        StoreU32LE(block + kBmpHeadersSize + 8, 0x001F);
    }
    if (bitsPerPixel == 8 && colourCount != kBmpLargestColourTable)
        StoreU32LE(block + kBmpOffColoursUsed, static_cast<uint32_t>(colourCount));
    Adopt(block, static_cast<size_t>(total), layout, block + layout.pixelOffset);
    return true;
}

bool Bitmap::Attach(void* block, size_t size)
{
    SetError(0);
    if (!block)
        return Fail(kNullPointer);
    // The block held already, handed in again, is not to be freed here.
    if (block == block_)
        block_ = nullptr;
    Release();
    BmpLayout layout;
    if (!ReadBmpLayout(block, size, true, layout)) {
        std::free(block);
        return Fail(kInvalidValue);
    }
    uint8_t* bytes = static_cast<uint8_t*>(block);
    Adopt(bytes, size, layout, bytes + layout.pixelOffset);
    return true;
}

bool Bitmap::CopyHeaders(const Bitmap& source)
{
    SetError(0);
    if (!source.block_ || !source.pixels_ || &source == this)
        return false;
    const size_t size = source.layout_.pixelOffset;
    BmpLayout layout;
    if (!ReadBmpLayout(source.block_, size, false, layout))
        return Fail(kInvalidValue);
    uint8_t* copy = static_cast<uint8_t*>(std::malloc(size));
    if (!copy)
        return Fail(kMemoryAllocationFailed);
    std::memcpy(copy, source.block_, size);
    Release();
    Adopt(copy, size, layout, nullptr);
    return true;
}

uint8_t* Bitmap::PixelAddress(int32_t x, int32_t y) const
{
    if (!pixels_ || !imageRect_.Contains(x, y))
        return nullptr;
    const int64_t memoryRow = static_cast<int64_t>(layout_.height) - 1 - y;
    return pixels_ + memoryRow * layout_.stride + static_cast<int64_t>(x) * (layout_.bitsPerPixel / 8);
}

int32_t Bitmap::UsableTableEntries() const
{
    if (!colourTable_)
        return 0;
    return layout_.colourCount < layout_.tableEntries ? layout_.colourCount : layout_.tableEntries;
}

bool Bitmap::NeedsPixels()
{
    SetError(0);
    return pixels_ != nullptr || Fail(kNullPointer);
}

bool Bitmap::Lock(const Rect& rect)
{
    if (!NeedsPixels())
        return false;
    if (IsLocked())
        return Fail(kLockAlready);
    Rect area = rect;
    area.SetIfEmpty(imageRect_);
    // A rect that leaves the image would let the pixel engine walk outside
    // the block.
    if (!area.IsValid() || !imageRect_.ContainsRect(area))
        return Fail(kInvalidValue);
    lock_.base = pixels_;
    lock_.rect = area;
    lock_.width = layout_.width;
    lock_.height = layout_.height;
    lock_.bitsPerPixel = layout_.bitsPerPixel;
    lock_.stride = layout_.stride;
    lock_.format = &format_;
    lock_.bottomUp = 1;
    lock_.row = lock_.PixelAt(area.left, area.top, true);
    return true;
}

bool Bitmap::Unlock()
{
    if (!NeedsPixels())
        return false;
    if (!IsLocked())
        return Fail(kUnlockAlready);
    lock_.Clear();
    return true;
}

int32_t Bitmap::SetFillColour(const Colour& colour)
{
    const uint16_t pixel = format_.ColourToPixel(colour);
    fillValue_ = pixel;
    switch (layout_.bitsPerPixel) {
    case 8:
        fillPattern_ = 0x0101010101010101ull * (pixel & 0xFF);
        break;
    case 16:
        fillPattern_ = 0x0001000100010001ull * pixel;
        break;
    default:
        // 24 and 32 bpp keep the value alone; nothing reads a pattern of
        // theirs.
        fillPattern_ = 0;
        break;
    }
    return fillValue_;
}

bool Bitmap::SaveBmp(const std::string& path)
{
    SetError(0);
    if (path.empty() || !block_ || !pixels_)
        return Fail(kNullPointer);
    EasyFile file;
    if (!file.OpenWrite(path, false))
        return Fail(kOpenFailed);
    // Everything the block holds before the pixels (headers, table or
    // masks, and whatever a loaded file kept between them), so that the
    // stored offset of the pixels stays true for every depth.
    const int32_t headBytes = static_cast<int32_t>(layout_.pixelOffset);
    const int64_t pixelBytes = layout_.PixelBytes();
    bool written = file.Write(block_, headBytes) == headBytes;
    if (written && pixelBytes > 0)
        written = file.Write(pixels_, static_cast<int32_t>(pixelBytes)) == pixelBytes;
    file.Close();
    return written || Fail(kInvalidValue);
}
