#pragma once

#include "tools/demo_character/figure.h"

// Draws a prop (figure.h) at its place, in figure units.
void DrawProp(Sketch& sketch, const Prop& prop);
