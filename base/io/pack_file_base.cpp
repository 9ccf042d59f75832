#include "base/io/pack_file_base.h"

#include "base/io/zlc3.h"

HeapBuffer PackFileBase::ZlcCompress(const void* source, size_t length, int level)
{
    size_ = 0;
    size_t streamSize = 0;
    HeapBuffer stream = ZlcDeflateToBlock(source, length, level, 0, streamSize);
    if (stream)
        size_ = static_cast<int32_t>(streamSize);
    return stream;
}

HeapBuffer PackFileBase::InflateWithSpare(const void* stream, size_t streamLength, uint32_t plainSize, size_t spare)
{
    HeapBuffer plain = ZlcInflateToBlock(static_cast<const uint8_t*>(stream), streamLength, plainSize, spare);
    if (plain) {
        size_ = static_cast<int32_t>(plainSize);
        inflatedLength_ = static_cast<int32_t>(plainSize);
    }
    return plain;
}

HeapBuffer PackFileBase::ZlcInflate(const void* stream, size_t streamLength, uint32_t plainSize)
{
    return InflateWithSpare(stream, streamLength, plainSize, 0);
}

HeapBuffer PackFileBase::ReadWholeOpenFile(int32_t& fileSize)
{
    fileSize = file_.GetSize();
    HeapBuffer bytes;
    if (fileSize >= 0)
        bytes = HeapBuffer::Allocate(static_cast<size_t>(fileSize));
    // A short read would leave part of the block unwritten.
    if (bytes && file_.Read(bytes.Get(), fileSize, false) != fileSize)
        bytes.Free();
    file_.Close();
    return bytes;
}

namespace {

bool WriteWholeFile(EasyFile& file, const std::string& path, const uint8_t* bytes, int32_t size)
{
    if (!file.OpenWrite(path, false))
        return false;
    // A short write (a full disk) must not pass for success.
    const bool written = file.Write(bytes, size, false) == size;
    file.Close();
    return written;
}

} // namespace

bool PackFileBase::ZlcCompressFile(const std::string& source, const std::string& destination, int level)
{
    if (!file_.OpenRead(source))
        return false;
    int32_t plainSize = 0;
    HeapBuffer plain = ReadWholeOpenFile(plainSize);
    if (!plain)
        return false;
    size_t blockSize = 0;
    HeapBuffer block = ZlcPackBlock(plain.Get(), static_cast<size_t>(plainSize), level, blockSize);
    return block && WriteWholeFile(file_, destination, block.Get(), static_cast<int32_t>(blockSize));
}

bool PackFileBase::ZlcDecompressFile(const std::string& source, const std::string& destination)
{
    if (!file_.OpenRead(source))
        return false;
    int32_t blockSize = 0;
    HeapBuffer block = ReadWholeOpenFile(blockSize);
    ZlcBlockView view;
    if (!block || !ReadZlcHeader(block.Get(), static_cast<size_t>(blockSize), view))
        return false;
    HeapBuffer plain = ZlcInflate(view.stream, view.streamSize, view.plainSize);
    return plain && WriteWholeFile(file_, destination, plain.Get(), static_cast<int32_t>(view.plainSize));
}
