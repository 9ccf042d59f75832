#pragma once

#include "tools/pack_archive/archive_builder.h"

#include <string>
#include <vector>

// Every edition's demo character lives in one file of its own,
// characters/<edition>_character.cpp, which draws the character and
// registers how its archive is made:
//
//   const DemoCharacterRegistration kRegistration("pelmo", BuildPelmoArchive);
//
// The generator takes the edition's name and runs its builder.

// Fills items with the entries of the edition's demo archive; false, with
// the reason in error, when it cannot.
using DemoArchiveBuilder = bool (*)(std::vector<ArchiveItem>& items, std::string& error);

struct DemoCharacterRegistration {
    DemoCharacterRegistration(const char* edition, DemoArchiveBuilder build);
};

// The builder registered for the edition, or null.
DemoArchiveBuilder FindDemoCharacter(const std::string& edition);
// The editions that have a demo character, in alphabetical order.
std::vector<std::string> DemoCharacterEditions();
