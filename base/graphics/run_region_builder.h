#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class Region;

// Builds a region from horizontal runs of one pixel row each, given row by
// row from the top.
//
// Or-ing each run into the growing region costs a pass over all of it, so
// a shape of n runs takes time in n squared, and so does ExtCreateRegion
// over many rectangles on some systems. Here rows whose runs repeat the row
// above only make that band taller; bands are gathered into small pieces of
// about kPieceRects rectangles, each made in one call, and the pieces are
// merged pairwise like a binary counter, two neighbours of equal size at a
// time: every rectangle is copied about log2(pieces) times, and only that
// many partial regions are alive at once.
class RunRegionBuilder {
public:
    RunRegionBuilder() = default;
    ~RunRegionBuilder();
    RunRegionBuilder(const RunRegionBuilder&) = delete;
    RunRegionBuilder& operator=(const RunRegionBuilder&) = delete;

    // A run [left, right) of the current row; runs of a row come left to
    // right and do not touch.
    void AddRun(int32_t left, int32_t right) { row_.push_back(RECT{left, 0, right, 0}); }
    // Closes the current row as row y (rows come top to bottom); false when
    // the system refuses a region.
    bool EndRow(int32_t y);
    // out := the union of every row ended so far (the empty region for
    // none); the builder is empty again afterwards. False when the system
    // refuses a region.
    bool Finish(Region& out);

    static constexpr size_t kPieceRects = 32;

private:
    struct Piece {
        HRGN region;
        uint32_t size; // in pieces merged into it
    };
    bool RowRepeatsLastBand(int32_t y) const;
    bool MakePiece();
    bool MergeTop();
    void Clear();

    std::vector<RECT> row_;
    std::vector<RECT> bands_;   // gathered for the next piece
    size_t lastBandStart_ = 0;  // index in bands_ of the last band's first rect
    std::vector<uint8_t> data_; // RGNDATA of one piece
    std::vector<Piece> pieces_; // sizes strictly falling from the bottom
    bool failed_ = false;
};
