#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/io/pack_entry.h"

// The least any archive loader must do for one entry, the floor the loading
// benchmarks compare against: read the entry's stored bytes from an archive
// already open and inflate a ZLC3 block with bare zlib. Returns the plain
// bytes produced; an entry that is not a ZLC3 block counts as stored.
// The two buffers are the caller's, so a loop over many entries reuses them.
uint64_t ReadAndInflateBare(HANDLE archive, const PackEntry& entry, std::vector<uint8_t>& stored,
                            std::vector<uint8_t>& plain);
