#pragma once

#include <cstddef>
#include <cstdint>

// Owns one block from the C heap (std::malloc). Blocks that the archive
// reader and the codec hand to callers travel in this wrapper, so whoever
// ends up holding one frees it with the same heap, exactly once.
class HeapBuffer {
public:
    HeapBuffer() = default;
    explicit HeapBuffer(void* block) : block_(static_cast<uint8_t*>(block)) {}
    ~HeapBuffer() { Free(); }

    HeapBuffer(HeapBuffer&& other) noexcept : block_(other.Release()) {}
    HeapBuffer& operator=(HeapBuffer&& other) noexcept;
    HeapBuffer(const HeapBuffer&) = delete;
    HeapBuffer& operator=(const HeapBuffer&) = delete;

    // A new block of size bytes (one byte when size is 0, so that an empty
    // result is still a block); empty when the heap refuses.
    static HeapBuffer Allocate(size_t size);

    // Takes ownership of block; a different block held before is freed.
    void Set(void* block);
    void Free();
    // Gives up ownership without freeing; the caller now owns the block.
    uint8_t* Release();

    uint8_t* Get() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }

private:
    uint8_t* block_ = nullptr;
};
