#pragma once

#include <cstddef>
#include <cstdint>

// A bounds-checked reader over a byte buffer that it does not own. Every
// binary format of the program (archive directory, ZLC3 header, scripts, BMP
// headers, setting.dat) is read through it. Mail replies are not read
// through it: they are text, read within a receive buffer that always keeps
// a terminating zero.
//
// A read that would reach past the end fails: it returns false, writes 0 (or
// nothing, for blocks) into the result, leaves the position where it was and
// marks the reader failed. So a caller may either test every read or make a
// series of reads and test Ok() once at the end; it never sees a byte from
// outside the buffer either way.
//
// The "At" forms read at an absolute offset and leave the position alone.
class ByteReader {
public:
    ByteReader(const void* data, size_t size);

    size_t Size() const { return size_; }
    size_t Position() const { return pos_; }
    size_t Remaining() const { return size_ - pos_; }
    bool Ok() const { return ok_; }
    // True when [offset, offset + count) lies inside the buffer; safe
    // against overflow of offset + count.
    bool Fits(size_t offset, size_t count) const { return offset <= size_ && count <= size_ - offset; }

    bool Seek(size_t position);
    bool Skip(size_t count);

    bool ReadU8(uint8_t& value);
    bool ReadU16LE(uint16_t& value);
    bool ReadU32LE(uint32_t& value);
    bool ReadI32LE(int32_t& value);
    bool ReadI16LE(int16_t& value);
    bool ReadBytes(void* destination, size_t count);
    // Points at the next count bytes inside the buffer and moves past them.
    bool View(size_t count, const uint8_t*& bytes);

    bool U8At(size_t offset, uint8_t& value);
    bool U16LEAt(size_t offset, uint16_t& value);
    bool U32LEAt(size_t offset, uint32_t& value);
    bool I32LEAt(size_t offset, int32_t& value);
    bool BytesAt(size_t offset, void* destination, size_t count);

private:
    bool Fail();
    template <typename T> bool ReadLE(T& value);
    template <typename T> bool LEAt(size_t offset, T& value);

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};
