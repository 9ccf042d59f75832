#include "app/edition.h"

// Quenna, the reference edition.
const EditionParameters& Edition()
{
    static const EditionParameters parameters{};
    return parameters;
}
