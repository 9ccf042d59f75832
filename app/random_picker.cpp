#include "app/random_picker.h"

#include <boost/random/mersenne_twister.hpp>
#include <boost/random/uniform_int_distribution.hpp>

struct RandomPicker::Generator {
    Generator(int32_t min, int32_t max, uint32_t seed) : engine(seed), distribution(min, max) {}
    boost::random::mt19937 engine;
    boost::random::uniform_int_distribution<int32_t> distribution;
};

RandomPicker RandomPicker::Create(int32_t min, int32_t max, uint32_t seed)
{
    RandomPicker picker;
    picker.Build(min, max, seed);
    return picker;
}

bool RandomPicker::Build(int32_t min, int32_t max, uint32_t seed)
{
    Release();
    if (min > max)
        return false;
    generator_ = std::make_shared<Generator>(min, max, seed);
    return true;
}

void RandomPicker::Release()
{
    generator_.reset();
}

int32_t RandomPicker::Draw()
{
    if (!generator_)
        return 0;
    return generator_->distribution(generator_->engine);
}

PickerSet::PickerSet(PickerSeedFunction seed) : seed_(seed)
{
}

int32_t PickerSet::Draw(int32_t picker, int32_t min, int32_t max)
{
    if (min > max || seed_ == nullptr)
        return min;
    const auto key = std::make_tuple(picker, min, max);
    auto found = pickers_.find(key);
    if (found == pickers_.end())
        found = pickers_.emplace(key, RandomPicker::Create(min, max, seed_())).first;
    return found->second.Draw();
}
