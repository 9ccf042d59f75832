#pragma once

#include "base/graphics/bitmap_lock.h"

#include <cstdint>

// Shared by the files of the pixel engine.
namespace effect_internal {

constexpr char kNotInitialised[] = "初期化されていません";
// The name the fatal-error box shows for the engine.
constexpr char kSourceName[] = "effect.cpp";
constexpr int32_t kUnitStep = 65536; // 1.0 in 16.16

inline bool IsSupportedDepth(const BitmapLock& lock)
{
    return lock.format && (lock.bitsPerPixel == 16 || lock.bitsPerPixel == 24 || lock.bitsPerPixel == 32);
}

} // namespace effect_internal
