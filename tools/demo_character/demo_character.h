#pragma once

#include "tools/pack_archive/archive_builder.h"

#include <vector>

// Every entry of the demo character: the 26 animation scripts
// "quenna00.ttp" .. "quenna25.ttp" (version 3, 508 x 448 canvas), their
// frame pictures and backdrops (32-bit BMP images named ".bmz") and their
// voices (".wav"), each named once, in a fixed order. False when a picture
// could not be made.
bool BuildDemoCharacter(std::vector<ArchiveItem>& items);
