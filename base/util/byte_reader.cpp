#include "base/util/byte_reader.h"

#include <cstring>
#include <type_traits>

ByteReader::ByteReader(const void* data, size_t size)
    : data_(static_cast<const uint8_t*>(data)), size_(data ? size : 0)
{
}

bool ByteReader::Fail()
{
    ok_ = false;
    return false;
}

bool ByteReader::Seek(size_t position)
{
    if (position > size_)
        return Fail();
    pos_ = position;
    return true;
}

bool ByteReader::Skip(size_t count)
{
    if (!Fits(pos_, count))
        return Fail();
    pos_ += count;
    return true;
}

template <typename T>
bool ByteReader::LEAt(size_t offset, T& value)
{
    using U = std::make_unsigned_t<T>;
    value = 0;
    if (!Fits(offset, sizeof(T)))
        return Fail();
    U result = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        result = static_cast<U>(result | static_cast<U>(static_cast<U>(data_[offset + i]) << (8 * i)));
    value = static_cast<T>(result);
    return true;
}

template <typename T>
bool ByteReader::ReadLE(T& value)
{
    if (!LEAt(pos_, value))
        return false;
    pos_ += sizeof(T);
    return true;
}

bool ByteReader::ReadU8(uint8_t& value) { return ReadLE(value); }
bool ByteReader::ReadU16LE(uint16_t& value) { return ReadLE(value); }
bool ByteReader::ReadI16LE(int16_t& value) { return ReadLE(value); }
bool ByteReader::ReadU32LE(uint32_t& value) { return ReadLE(value); }
bool ByteReader::ReadI32LE(int32_t& value) { return ReadLE(value); }

bool ByteReader::U8At(size_t offset, uint8_t& value) { return LEAt(offset, value); }
bool ByteReader::U16LEAt(size_t offset, uint16_t& value) { return LEAt(offset, value); }
bool ByteReader::U32LEAt(size_t offset, uint32_t& value) { return LEAt(offset, value); }
bool ByteReader::I32LEAt(size_t offset, int32_t& value) { return LEAt(offset, value); }

bool ByteReader::BytesAt(size_t offset, void* destination, size_t count)
{
    if (!Fits(offset, count))
        return Fail();
    if (count)
        std::memcpy(destination, data_ + offset, count);
    return true;
}

bool ByteReader::ReadBytes(void* destination, size_t count)
{
    if (!BytesAt(pos_, destination, count))
        return false;
    pos_ += count;
    return true;
}

bool ByteReader::View(size_t count, const uint8_t*& bytes)
{
    bytes = nullptr;
    if (!Fits(pos_, count))
        return Fail();
    bytes = data_ + pos_;
    pos_ += count;
    return true;
}
