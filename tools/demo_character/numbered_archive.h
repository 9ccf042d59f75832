#pragma once

#include "app/edition.h"
#include "tools/demo_character/action_plans.h"
#include "tools/demo_character/character_design.h"
#include "tools/pack_archive/archive_builder.h"

#include <string>
#include <vector>

// The entries of an edition's demo archive in the numbered script form the
// shared program loads: one version 3 script per slot of the edition's
// table, named by its script pattern, on a canvas twice the table's origin
// offsets (the origin is the canvas centre); the frame pictures and
// backdrops (32-bit BMP images named ".bmz") and the voices (".wav"), each
// named once, in a fixed order. slots[n] is the plan of slot n.
//
// False, with the reason in error, when the plans do not match the table's
// slot count, a picture does not lie on the canvas or a picture could not be
// made.
bool BuildNumberedArchive(const EditionParameters& edition, const CharacterDesign& design, const std::vector<SlotPlan>& slots,
                          std::vector<ArchiveItem>& items, std::string& error);
