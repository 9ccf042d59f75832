#pragma once

#include "app/edition.h"
#include "app/reference_rules.h"

// Quenna, the reference edition: the shared program with the reference
// rules.
const EditionParameters& QuennaEdition();
const ReferenceRules& QuennaRules();
