#include "app/random_picker.h"

#include <boost/random/mersenne_twister.hpp>

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

bool PlainPicker::Build(int32_t from, int32_t to, uint32_t seed)
{
    if (from > to)
        return false;
    engine.seed(seed);
    min = from;
    max = to;
    range = static_cast<uint32_t>(to) - static_cast<uint32_t>(from);
    pair.engine = engine;
    pair.distribution = boost::random::uniform_int_distribution<int32_t>(min, max);
    return true;
}

int32_t PlainPicker::Draw()
{
    return pair.distribution(pair.engine);
}

PickerSet::PickerSet(PickerSeedFunction seed) : PickerSet(seed, PickerForm::SharedGenerator)
{
}

PickerSet::PickerSet(PickerSeedFunction seed, PickerForm form) : seed_(seed), form_(form)
{
}

int32_t PickerSet::Draw(int32_t picker, int32_t min, int32_t max)
{
    if (min > max || seed_ == nullptr)
        return min;
    const Key key = std::make_tuple(picker, min, max);
    if (form_ == PickerForm::PlainRecord) {
        auto found = plain_.find(key);
        if (found == plain_.end()) {
            // Built in place: the record is never moved or copied after.
            found = plain_.emplace(key, PlainPicker()).first;
            found->second.Build(min, max, seed_());
        }
        return found->second.Draw();
    }
    auto found = shared_.find(key);
    if (found == shared_.end())
        found = shared_.emplace(key, RandomPicker::Create(min, max, seed_())).first;
    return found->second.Draw();
}
