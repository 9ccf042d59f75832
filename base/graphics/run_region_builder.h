#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class Region;

// Builds a region from horizontal runs of one pixel row each, given row by
// row from the top.
//
// Or-ing each run into the growing region costs a pass over everything
// gathered so far, so a shape of n runs takes time in n squared. Here each
// row becomes one region in a single call, and rows are merged pairwise
// like a binary counter: two neighbouring parts of equal size at a time,
// so every run is copied about log2(rows) times and only that many
// partial regions are alive at once.
class RunRegionBuilder {
public:
    RunRegionBuilder() = default;
    ~RunRegionBuilder();
    RunRegionBuilder(const RunRegionBuilder&) = delete;
    RunRegionBuilder& operator=(const RunRegionBuilder&) = delete;

    // A run [left, right) of the current row.
    void AddRun(int32_t left, int32_t right) { row_.push_back(RECT{left, 0, right, 0}); }
    // Closes the current row as row y; false when the system refuses a
    // region.
    bool EndRow(int32_t y);
    // out := the union of every row ended so far (the empty region for
    // none); the builder is empty again afterwards. False when the system
    // refuses a region.
    bool Finish(Region& out);

private:
    struct Part {
        HRGN region;
        uint32_t rows;
    };
    bool Push(HRGN region);
    bool MergeTop();
    void Clear();

    std::vector<RECT> row_;
    std::vector<uint8_t> data_; // RGNDATA of one row
    std::vector<Part> parts_;   // sizes strictly falling from the bottom
    bool failed_ = false;
};
