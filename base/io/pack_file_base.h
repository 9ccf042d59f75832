#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/io/easy_file.h"
#include "base/io/heap_buffer.h"

// The ZLC3 codec with its file forms, and the base of the archive reader
// (PackFile), which reads through the same EasyFile.
class PackFileBase {
public:
    PackFileBase() = default;
    PackFileBase(const PackFileBase&) = delete;
    PackFileBase& operator=(const PackFileBase&) = delete;

    // The zlib stream of source (no ZLC3 header), as compress2 writes it at
    // level; Size() is its length. Data that does not shrink to within
    // length + 12 bytes cannot be packed. Empty on failure.
    HeapBuffer ZlcCompress(const void* source, size_t length, int level);

    // The plain data of a zlib stream that states plainSize bytes; Size() and
    // InflatedLength() are then that size. Empty unless the stream yields
    // exactly plainSize bytes.
    HeapBuffer ZlcInflate(const void* stream, size_t streamLength, uint32_t plainSize);

    // Writes a ZLC3 block of the source file to destination.
    bool ZlcCompressFile(const std::string& source, const std::string& destination, int level);

    // Writes the plain data of the source's ZLC3 block to destination. The
    // first four bytes are not examined: bytes 4 to 7 are taken as the size
    // whatever the magic.
    bool ZlcDecompressFile(const std::string& source, const std::string& destination);

    // The output size of the last operation (for the archive reader: the
    // size of the loaded data).
    int32_t Size() const { return size_; }
    int32_t InflatedLength() const { return inflatedLength_; }

protected:
    // ZlcInflate into a block with spare bytes after the plain data.
    HeapBuffer InflateWithSpare(const void* stream, size_t streamLength, uint32_t plainSize, size_t spare);
    // The whole of the open file; empty when it cannot be read whole.
    HeapBuffer ReadWholeOpenFile(int32_t& fileSize);

    EasyFile file_;
    int32_t size_ = 0;
    int32_t inflatedLength_ = 0;
};
