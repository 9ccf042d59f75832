#include "base/graphics/effect.h"

#include "base/diag/debug_output.h"
#include "base/graphics/effect_fast.h"
#include "base/graphics/effect_internal.h"
#include "base/util/cpu_info.h"

uint8_t cEffect::initialised_ = 0;
uint8_t cEffect::mmx_ = 0;

void cEffect::InitCpu()
{
    InitCpu(ProcessorProbe());
}

void cEffect::InitCpu(const CpuProbe& probe)
{
    if (initialised_)
        return;
    // The processor's own feature bit, whoever made it: the fast road is the
    // one that keeps the alpha byte (the key colour of a window shape), so
    // no processor with MMX may be sent down the generic road.
    mmx_ = ProcessorHasMmx(probe) ? 1 : 0;
    initialised_ = 1;
}

FastRoutine cEffect::PlannedRoute(uint32_t type) const
{
    if (!mmx_ || !destination)
        return FastRoutine::kNone;
    const bool sameSize = !source || source->rect.IsSameSize(destination->rect);
    const int32_t sourceBits = source ? source->bitsPerPixel : 0;
    return FindFastRoute(type, sourceBits, destination->bitsPerPixel, sameSize);
}

bool cEffect::Draw(uint32_t type)
{
    if (!initialised_)
        FatalError(effect_internal::kNotInitialised, effect_internal::kSourceName, 2872);
    if (!destination || type >= kEffectTypeCount)
        return false;
    const effect_internal::SourceOfItsOwn ownSource(source, destination);
    const FastRoutine planned = PlannedRoute(type);
    if (planned != FastRoutine::kNone)
        return RunFast(planned);
    SetupStages(type);
    return DrawGeneric();
}

bool cEffect::RunFast(FastRoutine routine)
{
    const bool readsSource = FastRoutineReadsSource(routine);
    if (readsSource && !ComputeSteps())
        return false;
    if (!LocksAreWalkable(readsSource))
        return false;
    if (destination->rect.Width() <= 0 || destination->rect.Height() <= 0)
        return true;
    // The stretching copy counts every source row from the current row
    // position, not only the first.
    if (routine == FastRoutine::kStretchCopy && !source->CanWalk(source->rect.Height(), source->rect.Width()))
        return false;
    effect_fast::Job job;
    job.destination = destination;
    job.source = readsSource ? source : nullptr;
    job.constant = constantColour;
    job.stepX = stepX_;
    job.stepY = stepY_;
    effect_fast::RoutineFor(routine)(job);
    return true;
}

bool cEffect::ComputeSteps()
{
    const int32_t width = destination->rect.Width();
    const int32_t height = destination->rect.Height();
    sourceX_ = sourceY_ = 0;
    if (width <= 0 || height <= 0) {
        stepX_ = stepY_ = effect_internal::kUnitStep;
        scaledX_ = scaledY_ = 0;
        return true;
    }
    // Single precision, as the fast routines compute it, so that both roads
    // read the same source pixels.
    const float ratioX = static_cast<float>(source->rect.Width()) / static_cast<float>(width) * 65536.0f;
    const float ratioY = static_cast<float>(source->rect.Height()) / static_cast<float>(height) * 65536.0f;
    if (!(ratioX >= 0.0f && ratioX < 2147483648.0f && ratioY >= 0.0f && ratioY < 2147483648.0f))
        return false;
    stepX_ = static_cast<int32_t>(ratioX);
    stepY_ = static_cast<int32_t>(ratioY);
    scaledX_ = stepX_ != effect_internal::kUnitStep;
    scaledY_ = stepY_ != effect_internal::kUnitStep;
    return true;
}

bool cEffect::LocksAreWalkable(bool readsSource) const
{
    const int32_t width = destination->rect.Width();
    const int32_t height = destination->rect.Height();
    if (!effect_internal::IsSupportedDepth(*destination) || !destination->RectInsideImage())
        return false;
    if (width <= 0 || height <= 0)
        return true;
    if (!destination->CanWalk(height, width))
        return false;
    if (!readsSource)
        return true;
    // Scaled rows after the first are found through PixelAt, which stays in
    // the image; the first row and the columns are checked here.
    return source && effect_internal::IsSupportedDepth(*source) && source->rect.IsValid() &&
           source->RectInsideImage() &&
           source->CanWalk(scaledY_ ? 1 : height, scaledX_ ? source->rect.Width() : width);
}
