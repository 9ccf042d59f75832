#include "base/io/heap_buffer.h"

#include <cstdlib>

HeapBuffer& HeapBuffer::operator=(HeapBuffer&& other) noexcept
{
    if (this != &other)
        Set(other.Release());
    return *this;
}

HeapBuffer HeapBuffer::Allocate(size_t size)
{
    return HeapBuffer(std::malloc(size ? size : 1));
}

void HeapBuffer::Set(void* block)
{
    if (block != block_)
        Free();
    block_ = static_cast<uint8_t*>(block);
}

void HeapBuffer::Free()
{
    std::free(block_);
    block_ = nullptr;
}

uint8_t* HeapBuffer::Release()
{
    uint8_t* block = block_;
    block_ = nullptr;
    return block;
}
