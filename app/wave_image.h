#pragma once

#include <cstddef>
#include <cstdint>

// Whether a voice can be handed to the system to play from memory. The
// system takes the RIFF image's own chunk sizes for the truth, so a voice
// whose RIFF chunk or inner chunks claim more bytes than the entry holds
// would make it read past the block. True when the image starts "RIFF" ...
// "WAVE", the RIFF chunk lies inside the bytes, its chunks lie inside it,
// and it holds a "fmt " and a "data" chunk.
bool WaveFitsItsBytes(const uint8_t* data, size_t size);
