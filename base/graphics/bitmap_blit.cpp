#include "base/graphics/bitmap.h"

#include "base/graphics/effect.h"

#include <algorithm>
#include <cstring>

namespace {

// 8-bpp pixels are palette indices, which the pixel engine does not draw:
// a copy between two such images is a copy of bytes.
void CopyIndexedRows(BitmapLock& destination, BitmapLock& source)
{
    const size_t bytes = static_cast<size_t>(source.rect.Width());
    for (int32_t y = 0; y < source.rect.Height(); ++y) {
        std::memmove(destination.row, source.row, bytes);
        destination.StepRow(1);
        source.StepRow(1);
    }
}

} // namespace

bool Bitmap::Blit(Bitmap* source, int32_t x, int32_t y, const Rect& sourceRect)
{
    SetError(0);
    if (!source || !block_ || !source->block_)
        return Fail(kNullPointer);
    if (source->layout_.bitsPerPixel != layout_.bitsPerPixel)
        return Fail(kInvalidValue);
    Rect from = sourceRect;
    from.SetIfEmpty(source->imageRect_);
    if (!from.IsValid() || !source->imageRect_.ContainsRect(from))
        return Fail(kInvalidValue);
    if (!imageRect_.ClipBlit(x, y, from))
        return true; // lands wholly outside: nothing to copy
    Rect to = from;
    to.MoveTo(x, y);

    if (!Lock(to))
        return false;
    if (!source->Lock(from)) {
        const int32_t code = source->GetError();
        Unlock();
        return Fail(code);
    }
    bool drawn = true;
    if (layout_.bitsPerPixel == 8) {
        CopyIndexedRows(lock_, source->lock_);
        const int32_t entries = std::min(UsableTableEntries(), source->UsableTableEntries());
        std::memmove(colourTable_, source->colourTable_, static_cast<size_t>(entries) * 4);
    } else {
        cEffect effect;
        effect.destination = &lock_;
        effect.source = &source->lock_;
        drawn = effect.Draw(kEffectCopy);
    }
    source->Unlock();
    Unlock();
    return drawn || Fail(kInvalidValue);
}

bool Bitmap::CopyFrom(Bitmap& source)
{
    SetError(0);
    if (!source.block_)
        return Fail(kNullPointer);
    if (&source == this)
        return true;
    if (!Create(source.Width(), source.Height(), source.BitsPerPixel(), source.ColourCount()))
        return false;
    return Blit(&source, 0, 0);
}
