#pragma once

#include <cstdint>
#include <random>
#include <sstream>
#include <string>

// An mt19937's state in its standard text form: the words of the state,
// oldest first, which after seeding begin with the seed itself.
inline std::string EngineStateText(const std::mt19937& engine)
{
    std::ostringstream text;
    text << engine;
    return text.str();
}

inline uint32_t FirstEngineWord(const std::mt19937& engine)
{
    std::istringstream text(EngineStateText(engine));
    uint32_t word = 0;
    text >> word;
    return word;
}
