#include "base/graphics/effect_fast.h"

#include "base/util/cpu_info.h"

#include <windows.h>

#include <immintrin.h>

#include <cstddef>

namespace effect_fast {
namespace {

#if !defined(__SSE2__)
// The system saves the SSE registers across task switches where it says
// so; a system too old to know the question does not.
bool SystemSavesSse2()
{
    using FeatureQuery = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto query = kernel ? reinterpret_cast<FeatureQuery>(
                                    reinterpret_cast<void*>(GetProcAddress(kernel, "IsProcessorFeaturePresent")))
                              : nullptr;
    return query && query(PF_XMMI64_INSTRUCTIONS_AVAILABLE);
}
#endif

// XCR0: which register states the system saves (bit 1 SSE, bit 2 AVX).
__attribute__((target("xsave"))) uint64_t SavedRegisterStates()
{
    return _xgetbv(0);
}

VectorSet ProcessorOffers()
{
    const CpuProbe& probe = ProcessorProbe();
#if defined(__SSE2__)
    // Every processor and system this build runs on has SSE2.
#else
    if (!ProcessorHasSse2(probe) || !SystemSavesSse2())
        return VectorSet::kNone;
#endif
    constexpr uint64_t kSseAndAvxStates = 0x6;
    if (ProcessorHasAvx2(probe) && (SavedRegisterStates() & kSseAndAvxStates) == kSseAndAvxStates)
        return VectorSet::kAvx2;
    return VectorSet::kSse2;
}

VectorSet limit = VectorSet::kAvx2;

} // namespace

VectorSet VectorsOffered()
{
    static const VectorSet offered = ProcessorOffers();
    return offered;
}

VectorSet VectorsInUse()
{
    const VectorSet offered = VectorsOffered();
    return limit < offered ? limit : offered;
}

const VectorKit* Vectors()
{
    return VectorKitFor(VectorsInUse());
}

void LimitVectors(VectorSet highest)
{
    limit = highest;
}

Routine RoutineFor(FastRoutine routine)
{
    // One entry per FastRoutine, in its order.
    static const Routine routines[] = {
        nullptr, // kNone
        &Blend<kEffectBlendSourceAlpha>,
        &Blend<kEffectConstantThroughAlpha>,
        &Blend<kEffectOpacityBlend>,
        &Blend<kEffectFlatColourBlend>,
        &Blend<kEffectModulate>,
        &Blend<kEffectSourceAlphaModulated>,
        &Blend<kEffectModulateAlphaModulated>,
        &Blend<kEffectConstantAlphaModulated>,
        &Blend<kEffectModulateOpacity>,
        &Blend<kEffectInvert>,
        &CopyOr,
        &Copy32To32,
        &Convert24To32,
        &Convert32To24,
        &Convert16To24,
        &Fill,
        &StretchOpacityBlend,
        &StretchCopy,
    };
    static_assert(sizeof routines / sizeof routines[0] == static_cast<size_t>(FastRoutine::kCount),
                  "one routine per fast route");
    const size_t index = static_cast<size_t>(routine);
    return index < static_cast<size_t>(FastRoutine::kCount) ? routines[index] : nullptr;
}

} // namespace effect_fast
