#pragma once

#include "app/behaviour_parameters.h"

#include <boost/random/uniform_int_distribution.hpp>

#include <cstdint>
#include <map>
#include <memory>
#include <random>
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

// A picker as one plain record that owns everything it draws with: its
// engine, seeded when the record is built and never drawn from; its range;
// and the pair through which every draw runs, made from a copy of the
// engine, so that draws move only the pair's copy on. A copy of the record
// draws on by itself. For one seed and range it draws what RandomPicker
// draws.
//
// The engine is the standard library's mt19937, whose state after seeding
// is the plain initialisation (its first word the seed itself); the one
// RandomPicker uses rewrites bits of that first word that no output
// depends on.
struct PlainPicker {
    std::mt19937 engine;
    int32_t min = 0;
    int32_t max = 0;
    // max - min, unsigned so that the widest range does not overflow.
    uint32_t range = 0;
    struct Pair {
        std::mt19937 engine;
        boost::random::uniform_int_distribution<int32_t> distribution{0, 0};
    } pair;

    // Seeds the engine, takes the range and makes the pair from a copy of
    // both; false, changing nothing, when min is greater than max.
    bool Build(int32_t min, int32_t max, uint32_t seed);
    // One draw in [min, max]; 0 from a record never built.
    int32_t Draw();
};

// The pickers of a program, each built at its first draw and seeded then by
// the seed function; a picker is named by its number and range together, so
// the same number with another range is another picker.
class PickerSet {
public:
    // Pickers that share their generators (RandomPicker).
    explicit PickerSet(PickerSeedFunction seed);
    PickerSet(PickerSeedFunction seed, PickerForm form);
    // One draw in [min, max]; min itself when the range is inverted or
    // there is no seed function (no edition adopted yet).
    int32_t Draw(int32_t picker, int32_t min, int32_t max);

private:
    using Key = std::tuple<int32_t, int32_t, int32_t>;

    PickerSeedFunction seed_;
    PickerForm form_;
    std::map<Key, RandomPicker> shared_;
    std::map<Key, PlainPicker> plain_;
};
