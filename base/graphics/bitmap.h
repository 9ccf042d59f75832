#pragma once

#include "base/diag/error.h"
#include "base/graphics/bitmap_lock.h"
#include "base/graphics/bmp_layout.h"
#include "base/graphics/pixel_format.h"
#include "base/io/pack_file.h"
#include "base/util/colour.h"
#include "base/util/rect.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

class Region;

// One device-independent image held as the complete image of a .bmp file in
// a single heap block: file header, information header, colour table (or
// the three 16-bpp bit masks) and the pixel rows, bottom row first, exactly
// as a file holds them. Rows are padded to a multiple of 4 bytes; 32-bpp
// pixels are the bytes B, G, R, X, 24-bpp pixels B, G, R.
//
// Fallible operations set the error code to 0 on entry and to one of
// Error's codes on failure, and return false; the image stays usable.
// The block is owned (from the C heap); a Bitmap moves but never copies,
// so it may live in a growing vector.
class Bitmap : public Error {
public:
    Bitmap();
    ~Bitmap() override;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    // Virtual in this order after Error's SetMessage.
    // Inflates the ZLC3 resource (integer id, type) of the program's own
    // module and attaches the image it holds. False (error 20) when the
    // resource is missing, does not inflate or holds no sound image.
    virtual bool LoadFromResource(uint16_t id, const char* type);
    // Loads through the archive reader, always inflating a ZLC3 block: the
    // whole file at source.path when no name is given, else the given
    // entry, else the entry of that name; then attaches it. False (error
    // 20) when nothing loads or it holds no sound image.
    virtual bool Load(PackSource source);
    // Writes the image as an uncompressed .bmp: the block's headers and
    // table as they stand, then the pixel rows. Error 1 for an empty path
    // or no image, 6 when the file does not open, 20 when a write fails.
    virtual bool SaveBmp(const std::string& path);
    // Frees the block and forgets everything, the lock included.
    virtual void Release();

    // A blank image: every pixel and table entry 0. colourCount is the
    // 8-bpp table size, 1 to 256 (0 means 256), and is stored as 0 when it
    // is 256. Error 20 for a negative size, another depth, a count outside
    // that range, or a block beyond 32-bit sizes (the old image is then
    // kept); 19 when the heap refuses (the old image is gone by then).
    bool Create(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t colourCount);
    // Takes ownership of block (from std::malloc), size bytes of a BMP
    // image, whatever the result: a block that is not a sound image (see
    // ReadBmpLayout) is freed at once and gives error 20; null gives 1.
    bool Attach(void* block, size_t size);
    // This image becomes a copy of source's headers and table alone, with
    // no pixels. False when source has no block or no pixels.
    bool CopyHeaders(const Bitmap& source);
    // Create with source's size, depth and colour count, then Blit it all.
    bool CopyFrom(Bitmap& source);

    // Locks rect, or the whole image for an all-zero rect, and puts the
    // lock's row position on its top-left pixel. Error 1 without pixels, 9
    // when locked already, 20 when the rect is empty or leaves the image.
    bool Lock(const Rect& rect = Rect());
    // Error 1 without pixels, 11 when not locked.
    bool Unlock();

    // Copies sourceRect of source (all-zero: the whole source) so that its
    // top-left lands at (x, y), clipped to this image. Pixels are copied
    // (converted by the pixel engine where the depths ask for it); for
    // 8 bpp the colour entries both tables hold come along. A copy that
    // lands wholly outside copies nothing and succeeds. Error 1 for a
    // missing source or image, 20 for different depths or a source rect
    // that is empty or leaves the source; a lock that fails gives its code.
    bool Blit(Bitmap* source, int32_t x, int32_t y, const Rect& sourceRect = Rect());

    // The shape of the 32-bpp pixels inside area (all-zero: the whole
    // image, else clipped to it) whose whole 32-bit value differs from key.
    // False with no error code for another depth; an image that cannot be
    // locked gives the empty region and true.
    bool BuildRegion(uint32_t key, Region& out, const Rect& area = Rect());

    // 24 bpp only: swaps the first and third byte of every pixel.
    bool SwapRedBlue();
    // Turns the picture upside down.
    bool FlipVertical();
    // 8 bpp: pixels of index a become b and of b become a; the two table
    // entries change places.
    bool SwapColours(int32_t a, int32_t b);
    // 8 bpp: entry i becomes old entry (i - n) mod count, pixel p becomes
    // (p + n) mod count.
    bool RotatePalette(int32_t n);
    // A new block with a table of n entries (1 to 255), the old entries
    // kept as far as they go, added ones 0.
    bool ResizePalette(int32_t n);
    // Entry index := blue, green, red, 0. Error 15 for an entry the table
    // does not hold.
    bool SetPaletteEntry(uint8_t index, uint8_t red, uint8_t green, uint8_t blue);
    // Converts colour to this format's pixel value, keeps it as the fill
    // value and builds the fill pattern from it; returns the value.
    int32_t SetFillColour(const Colour& colour);
    int32_t GetFillValue() const { return fillValue_; }
    uint64_t GetFillPattern() const { return fillPattern_; }

    bool HasImage() const { return block_ != nullptr; }
    uint8_t* Block() const { return block_; }
    size_t BlockSize() const { return blockSize_; }
    BITMAPINFO* Info() const { return reinterpret_cast<BITMAPINFO*>(header_); }
    uint8_t* Header() const { return header_; }
    uint8_t* ColourTable() const { return colourTable_; }
    uint8_t* Pixels() const { return pixels_; }
    // The address of picture pixel (x, y) (y = 0 the top row); null
    // outside the image or without pixels.
    uint8_t* PixelAddress(int32_t x, int32_t y) const;

    int32_t Width() const { return layout_.width; }
    int32_t Height() const { return layout_.height; }
    int32_t BitsPerPixel() const { return layout_.bitsPerPixel; }
    int32_t RowBytes() const { return layout_.rowBytes; }
    int32_t Stride() const { return layout_.stride; }
    int32_t ColourCount() const { return layout_.colourCount; }
    // The table entries that palette work may touch: those counted that
    // also lie before the pixels.
    int32_t UsableTableEntries() const;
    const Rect& ImageRect() const { return imageRect_; }
    const PixelFormat& Format() const { return format_; }
    BitmapLock& LockView() { return lock_; }
    bool IsLocked() const { return lock_.base != nullptr; }

private:
    friend class DibSurface;

    bool Fail(int32_t code);
    // Holds block and sets every field from the checked layout.
    void Adopt(uint8_t* block, size_t size, const BmpLayout& layout, uint8_t* pixels);
    // Pixels kept in memory someone else owns (a DIB section); they must
    // outlive this image's next Release.
    void UseForeignPixels(uint8_t* pixels) { pixels_ = pixels; }
    void MoveFrom(Bitmap& other);
    bool NeedsPixels();
    bool CopyPixelsTo(Bitmap& destination);

    int32_t fillValue_ = 0;
    uint8_t* block_ = nullptr;
    size_t blockSize_ = 0;
    uint8_t* header_ = nullptr;      // the information header, block + 14
    uint8_t* colourTable_ = nullptr; // right after the information header
    uint8_t* pixels_ = nullptr;
    BmpLayout layout_;
    Rect imageRect_;
    BitmapLock lock_;
    PixelFormat format_;
    uint64_t fillPattern_ = 0;
};
