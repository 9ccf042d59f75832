#pragma once

// The parameters in which the editions of the accessory differ. The shared
// code reads them through Edition(); every program links exactly one
// definition of it, the one of its edition (editions/<name>/edition.cpp).
struct EditionParameters {
    // Settings file: filled in with the settings record.
};

const EditionParameters& Edition();
