#pragma once

#include "base/graphics/bitmap_lock.h"
#include "base/graphics/effect_routes.h"
#include "base/graphics/effect_vectors.h"
#include "base/util/colour.h"

#include <cstdint>

// The fast road of the pixel engine: one routine per route of the route
// table. Each handles a row as pairs of pixels and, for an odd width, one
// last pixel; the blends mix a pair and the last pixel with different
// rounding on purpose, and keep or copy whole pairs that are transparent or
// opaque. Every routine has a portable scalar form; the 32-bit blends, copy,
// fill and OR copy also have vector forms (SSE2, AVX2) that give the same
// pixels and are used where the processor and the system offer them.
namespace effect_fast {

// One draw, as cEffect::Draw hands it over after checking that both
// rectangles are non-empty and that every row and column the routine reads
// or writes lies inside its image.
struct Job {
    BitmapLock* destination = nullptr;
    BitmapLock* source = nullptr; // not read by the fill and the flat-colour blend
    Colour constant;
    int32_t stepX = 0; // 16.16 source step per destination pixel (stretching routines)
    int32_t stepY = 0;
};

using Routine = void (*)(const Job&);

// The routine of a route, or null for FastRoutine::kNone.
Routine RoutineFor(FastRoutine routine);

// The same-size blends of effect types 0 to 9.
template <uint32_t Type> void Blend(const Job& job);
void StretchOpacityBlend(const Job& job);

void Copy32To32(const Job& job);
void CopyOr(const Job& job);
void Fill(const Job& job);
void Convert24To32(const Job& job);
void Convert32To24(const Job& job);
void Convert16To24(const Job& job);
void StretchCopy(const Job& job);

// The widest instruction set that the processor and the system offer (for
// the 32-bit build, the system must also save the registers of the set).
VectorSet VectorsOffered();
// The set the routines use now: the offered one, unless a test lowered it.
VectorSet VectorsInUse();
// The kit of VectorsInUse(), or null for the scalar forms.
const VectorKit* Vectors();
// Test seam: the routines use at most highest (kAvx2: whatever is offered).
void LimitVectors(VectorSet highest);

} // namespace effect_fast
