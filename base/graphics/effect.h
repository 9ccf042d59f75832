#pragma once

#include "base/graphics/bitmap_lock.h"
#include "base/graphics/effect_routes.h"
#include "base/util/colour.h"

#include <cstdint>

class CpuProbe;

// The pixel engine: draws the locked rectangle of a source surface onto the
// equally placed locked rectangle of a destination surface, or fills the
// destination, with one of the effects of EffectType.
//
// Every draw takes one of two roads. The fast road has one routine per
// common 32-bit case, chosen from a route table, and is open only on a
// processor with MMX; its copies and fill keep the alpha byte, and its
// blends round pairs of pixels and an odd row's last pixel differently
// (effect_fast.h). The generic road models one colour stage, one alpha
// stage and a two-factor blend per pixel, for 16, 24 and 32 bits per pixel,
// scaling when the rectangles differ in size; every pixel it stores in a
// 32-bit surface gets alpha 255.
//
// The caller sets destination, source (may be null for fills) and the
// constant colour, whose alpha is the global opacity, and keeps both locks
// alive during Draw. Source and destination may be one lock (an image drawn
// onto itself); it then moves as the destination. A generic draw, and a
// fast blend or 32-to-24 or 16-to-24 conversion, moves the current row
// position of the locks it walks one row below the last row drawn, except
// the source of a generic draw scaled in height (left on the last source row
// read) and the source of the stretching opacity blend (not moved). A caller
// that draws again through the same lock repositions it.
class cEffect {
public:
    // Stage arguments, operations and blend factors, numbered as the
    // texture-stage settings of Direct3D.
    enum StageArgument : int32_t { kArgConstant = 0, kArgSource = 2 };
    enum StageOperation : int32_t {
        kOpSelectArg1 = 2,
        kOpSelectArg2 = 3,
        kOpModulate = 4,
        kOpSubtract = 10,
        // Not a Direct3D operation: each byte of argument 1 OR the same byte
        // of argument 2, the copy-with-OR effect on this road.
        kOpOr = 0x100,
    };
    enum BlendFactor : int32_t { kBlendZero = 1, kBlendOne = 2, kBlendSourceAlpha = 5, kBlendInverseSourceAlpha = 6 };

    // Probes the processor once per process; later calls do nothing. Must
    // run before any draw.
    static void InitCpu();
    static void InitCpu(const CpuProbe& probe);
    static bool HasMmx() { return mmx_ != 0; }
    // Test seam: pretends the processor has or lacks MMX, so both roads can
    // be tried on one machine.
    static void OverrideMmx(bool hasMmx) { mmx_ = hasMmx ? 1 : 0; }

    // Draws effect type from source to destination. False when the
    // destination is missing, the type is unknown, the generic road finds no
    // source, or a lock is unusable (a depth other than 16, 24 or 32, a
    // rectangle outside its image, a row position from which the rectangle
    // would leave the image). An empty destination rectangle draws nothing.
    // Ends the process through the fatal-error box before InitCpu.
    bool Draw(uint32_t type);

    // The fast routine Draw would choose now (kNone: the generic road).
    FastRoutine PlannedRoute(uint32_t type) const;

    // The generic road, in two steps.
    void SetupStages(uint32_t type);
    bool DrawGeneric();
    void SetColourStage(int32_t argument1, int32_t operation, int32_t argument2);
    void SetAlphaStage(int32_t argument1, int32_t operation, int32_t argument2);
    void SetBlend(int32_t sourceFactorValue, int32_t destinationFactorValue);

    BitmapLock* destination = nullptr;
    BitmapLock* source = nullptr;
    Colour constantColour;

private:
    bool RunFast(FastRoutine routine);
    bool LocksAreWalkable(bool readsSource) const;
    bool ComputeSteps();

    void LoadArguments(int32_t operation, int32_t argument1, int32_t argument2, Colour& register1,
                       Colour& register2) const;
    void ColourStage();
    void AlphaStage();
    void Blend();
    Colour Weighted(const Colour& colour, int32_t factor, int32_t alpha) const;

    static uint8_t initialised_;
    static uint8_t mmx_;

    // Scaled draws: 16.16 positions and steps of the source.
    int64_t sourceX_ = 0;
    int64_t sourceY_ = 0;
    int32_t stepX_ = 0;
    int32_t stepY_ = 0;
    uint8_t scaledX_ = 0;
    uint8_t scaledY_ = 0;

    Colour colourArgument1_, colourArgument2_, colourResult_;
    Colour alphaArgument1_, alphaArgument2_, alphaResult_;
    Colour destinationColour_, sourceColour_;
    Colour blendedColour_, weightedSource_;

    int32_t sourceFactor_ = 0;
    int32_t destinationFactor_ = 0;
    int32_t colourArg1_ = 0, colourArg2_ = 0, alphaArg1_ = 0, alphaArg2_ = 0;
    int32_t colourOperation_ = 0, alphaOperation_ = 0;
    uint8_t fetchDestination_ = 0, fetchSource_ = 0;
};
