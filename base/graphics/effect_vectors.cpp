// The vector kits of the fast routines: the loops of
// effect_vector_kernels.inc compiled once for SSE2 and once for AVX2. Only
// the functions marked for a set are compiled for it, so the rest of the
// program still runs on processors without either; effect_fast chooses a
// kit only after checking the processor and the system at run time.

#include "base/graphics/effect_vectors.h"

#include <immintrin.h>

#include <cstring>

namespace effect_fast {
namespace {

namespace sse2 {

#define KERNEL __attribute__((target("sse2")))
#define REGISTER_OP static KERNEL __attribute__((always_inline)) inline

struct Sse2Registers {
    using Reg = __m128i;
    static constexpr int32_t kBytes = 16;
    static constexpr int32_t kPixels = kBytes / 4;
    static constexpr uint32_t kAllBytes = 0xFFFF; // ByteMask of a register of ones

    REGISTER_OP Reg Zero() { return _mm_setzero_si128(); }
    REGISTER_OP Reg Set32(uint32_t value) { return _mm_set1_epi32(static_cast<int32_t>(value)); }
    REGISTER_OP Reg Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const Reg*>(p)); }
    REGISTER_OP void Store(uint8_t* p, Reg r) { _mm_storeu_si128(reinterpret_cast<Reg*>(p), r); }
    // p is aligned to kBytes.
    REGISTER_OP void Stream(uint8_t* p, Reg r) { _mm_stream_si128(reinterpret_cast<Reg*>(p), r); }
    REGISTER_OP Reg And(Reg a, Reg b) { return _mm_and_si128(a, b); }
    REGISTER_OP Reg AndNot(Reg mask, Reg b) { return _mm_andnot_si128(mask, b); }
    REGISTER_OP Reg Or(Reg a, Reg b) { return _mm_or_si128(a, b); }
    REGISTER_OP Reg Xor(Reg a, Reg b) { return _mm_xor_si128(a, b); }
    REGISTER_OP Reg Add16(Reg a, Reg b) { return _mm_add_epi16(a, b); }
    REGISTER_OP Reg Sub16(Reg a, Reg b) { return _mm_sub_epi16(a, b); }
    REGISTER_OP Reg Mul16(Reg a, Reg b) { return _mm_mullo_epi16(a, b); }
    // Each 16-bit lane shifted right by 8.
    REGISTER_OP Reg Shift8(Reg a) { return _mm_srli_epi16(a, 8); }
    REGISTER_OP Reg Equal32(Reg a, Reg b) { return _mm_cmpeq_epi32(a, b); }
    // Each pixel swapped with the other pixel of its pair.
    REGISTER_OP Reg SwapPairs(Reg a) { return _mm_shuffle_epi32(a, _MM_SHUFFLE(2, 3, 0, 1)); }
    // The upper lane of each pixel (its alpha, in a green-alpha register)
    // copied into both of its lanes.
    REGISTER_OP Reg SpreadAlpha(Reg a)
    {
        return _mm_shufflehi_epi16(_mm_shufflelo_epi16(a, _MM_SHUFFLE(3, 3, 1, 1)), _MM_SHUFFLE(3, 3, 1, 1));
    }
    REGISTER_OP uint32_t ByteMask(Reg a) { return static_cast<uint32_t>(_mm_movemask_epi8(a)); }
};

using V = Sse2Registers;
#include "base/graphics/effect_vector_kernels.inc"

#undef REGISTER_OP
#undef KERNEL

} // namespace sse2

namespace avx2 {

#define KERNEL __attribute__((target("avx2")))
#define REGISTER_OP static KERNEL __attribute__((always_inline)) inline

// As Sse2Registers, with two 16-byte halves a register; every operation
// used stays within its half.
struct Avx2Registers {
    using Reg = __m256i;
    static constexpr int32_t kBytes = 32;
    static constexpr int32_t kPixels = kBytes / 4;
    static constexpr uint32_t kAllBytes = 0xFFFFFFFFu;

    REGISTER_OP Reg Zero() { return _mm256_setzero_si256(); }
    REGISTER_OP Reg Set32(uint32_t value) { return _mm256_set1_epi32(static_cast<int32_t>(value)); }
    REGISTER_OP Reg Load(const uint8_t* p) { return _mm256_loadu_si256(reinterpret_cast<const Reg*>(p)); }
    REGISTER_OP void Store(uint8_t* p, Reg r) { _mm256_storeu_si256(reinterpret_cast<Reg*>(p), r); }
    REGISTER_OP void Stream(uint8_t* p, Reg r) { _mm256_stream_si256(reinterpret_cast<Reg*>(p), r); }
    REGISTER_OP Reg And(Reg a, Reg b) { return _mm256_and_si256(a, b); }
    REGISTER_OP Reg AndNot(Reg mask, Reg b) { return _mm256_andnot_si256(mask, b); }
    REGISTER_OP Reg Or(Reg a, Reg b) { return _mm256_or_si256(a, b); }
    REGISTER_OP Reg Xor(Reg a, Reg b) { return _mm256_xor_si256(a, b); }
    REGISTER_OP Reg Add16(Reg a, Reg b) { return _mm256_add_epi16(a, b); }
    REGISTER_OP Reg Sub16(Reg a, Reg b) { return _mm256_sub_epi16(a, b); }
    REGISTER_OP Reg Mul16(Reg a, Reg b) { return _mm256_mullo_epi16(a, b); }
    REGISTER_OP Reg Shift8(Reg a) { return _mm256_srli_epi16(a, 8); }
    REGISTER_OP Reg Equal32(Reg a, Reg b) { return _mm256_cmpeq_epi32(a, b); }
    REGISTER_OP Reg SwapPairs(Reg a) { return _mm256_shuffle_epi32(a, _MM_SHUFFLE(2, 3, 0, 1)); }
    // One byte shuffle: bytes 2, 3 of each pixel into bytes 0, 1 and 2, 3.
    REGISTER_OP Reg SpreadAlpha(Reg a)
    {
        const Reg order = _mm256_setr_epi8(2, 3, 2, 3, 6, 7, 6, 7, 10, 11, 10, 11, 14, 15, 14, 15, 2, 3, 2, 3, 6, 7, 6,
                                           7, 10, 11, 10, 11, 14, 15, 14, 15);
        return _mm256_shuffle_epi8(a, order);
    }
    REGISTER_OP uint32_t ByteMask(Reg a) { return static_cast<uint32_t>(_mm256_movemask_epi8(a)); }
};

using V = Avx2Registers;
#include "base/graphics/effect_vector_kernels.inc"

#undef REGISTER_OP
#undef KERNEL

} // namespace avx2

} // namespace

const VectorKit* VectorKitFor(VectorSet set)
{
    switch (set) {
    case VectorSet::kSse2:
        return &sse2::kKit;
    case VectorSet::kAvx2:
        return &avx2::kKit;
    default:
        return nullptr;
    }
}

} // namespace effect_fast
