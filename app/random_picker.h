#pragma once

#include "app/behaviour_parameters.h"

#include <cstdint>
#include <map>
#include <memory>
#include <tuple>

// A Mersenne-Twister generator with a uniform integer distribution over an
// inclusive range. Copies share the generator: a draw through any copy moves
// them all on; the last copy frees it.
class RandomPicker {
public:
    // An empty picker when the range cannot be built (min greater than max).
    static RandomPicker Create(int32_t min, int32_t max, uint32_t seed);

    // Replaces what the picker held; false, leaving it empty, when min is
    // greater than max.
    bool Build(int32_t min, int32_t max, uint32_t seed);
    void Release();
    bool Empty() const { return !generator_; }
    // One draw in [min, max]; 0 from an empty picker.
    int32_t Draw();

private:
    struct Generator;
    std::shared_ptr<Generator> generator_;
};

// The pickers of a program, each built at its first draw and seeded then by
// the seed function; a picker is named by its number and range together, so
// the same number with another range is another picker.
class PickerSet {
public:
    explicit PickerSet(PickerSeedFunction seed);
    // One draw in [min, max]; min itself when the range is inverted or
    // there is no seed function (no edition adopted yet).
    int32_t Draw(int32_t picker, int32_t min, int32_t max);

private:
    PickerSeedFunction seed_;
    std::map<std::tuple<int32_t, int32_t, int32_t>, RandomPicker> pickers_;
};
