// Images from files, archive entries and the program's resources.
#include "base/graphics/bitmap.h"

#include "base/io/zlc3.h"

bool Bitmap::Load(PackSource source)
{
    SetError(0);
    Release();
    PackFile pack;
    if (!pack.LoadInflated(source))
        return Fail(kInvalidValue);
    const size_t size = static_cast<size_t>(pack.LoadedSize());
    return Attach(pack.Take().Release(), size);
}

bool Bitmap::LoadFromResource(uint16_t id, const char* type)
{
    SetError(0);
    Release();
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return Fail(kInvalidValue);
    // A 4-byte tag, the plain size, then the zlib stream.
    ZlcBlockView block;
    if (!ReadZlcHeader(bytes, SizeofResource(module, resource), block))
        return Fail(kInvalidValue);
    HeapBuffer plain = ZlcInflateToBlock(block.stream, block.streamSize, block.plainSize);
    if (!plain)
        return Fail(kInvalidValue);
    return Attach(plain.Release(), block.plainSize);
}
