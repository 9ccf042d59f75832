#include "base/graphics/effect_routes.h"

namespace {

constexpr int32_t kAnyDepth = -1; // the routine does not read the source

struct Route {
    uint32_t type;
    bool sameSize;
    int32_t sourceBits;
    int32_t destinationBits;
    FastRoutine routine;
};

const Route kRoutes[] = {
    {kEffectBlendSourceAlpha, true, 32, 32, FastRoutine::kBlendSourceAlpha},
    {kEffectConstantThroughAlpha, true, 32, 32, FastRoutine::kConstantThroughAlpha},
    {kEffectOpacityBlend, true, 32, 32, FastRoutine::kOpacityBlend},
    {kEffectFlatColourBlend, true, kAnyDepth, 32, FastRoutine::kFlatColourBlend},
    {kEffectModulate, true, 32, 32, FastRoutine::kModulate},
    {kEffectSourceAlphaModulated, true, 32, 32, FastRoutine::kSourceAlphaModulated},
    {kEffectModulateAlphaModulated, true, 32, 32, FastRoutine::kModulateAlphaModulated},
    {kEffectConstantAlphaModulated, true, 32, 32, FastRoutine::kConstantAlphaModulated},
    {kEffectModulateOpacity, true, 32, 32, FastRoutine::kModulateOpacity},
    {kEffectInvert, true, 32, 32, FastRoutine::kInvert},
    {kEffectCopy, true, 32, 32, FastRoutine::kCopy32To32},
    {kEffectCopy, true, 24, 32, FastRoutine::kConvert24To32},
    {kEffectCopy, true, 32, 24, FastRoutine::kConvert32To24},
    {kEffectCopy, true, 16, 24, FastRoutine::kConvert16To24},
    {kEffectCopyOr, true, 32, 32, FastRoutine::kCopyOr},
    {kEffectFill, true, kAnyDepth, 32, FastRoutine::kFill},
    {kEffectOpacityBlend, false, 32, 32, FastRoutine::kStretchOpacityBlend},
    {kEffectCopy, false, 32, 32, FastRoutine::kStretchCopy},
};

} // namespace

FastRoutine FindFastRoute(uint32_t type, int32_t sourceBits, int32_t destinationBits, bool sameSize)
{
    for (const Route& route : kRoutes) {
        if (route.type == type && route.sameSize == sameSize && route.destinationBits == destinationBits &&
            (route.sourceBits == kAnyDepth || route.sourceBits == sourceBits))
            return route.routine;
    }
    return FastRoutine::kNone;
}

bool FastRoutineReadsSource(FastRoutine routine)
{
    return routine != FastRoutine::kNone && routine != FastRoutine::kFlatColourBlend && routine != FastRoutine::kFill;
}
