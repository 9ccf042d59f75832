#include "base/graphics/run_region_builder.h"

#include "base/window/region.h"

#include <cstring>

RunRegionBuilder::~RunRegionBuilder()
{
    Clear();
}

void RunRegionBuilder::Clear()
{
    for (const Piece& piece : pieces_)
        DeleteObject(piece.region);
    pieces_.clear();
    row_.clear();
    bands_.clear();
    lastBandStart_ = 0;
    failed_ = false;
}

bool RunRegionBuilder::RowRepeatsLastBand(int32_t y) const
{
    const size_t count = bands_.size() - lastBandStart_;
    if (bands_.empty() || count != row_.size() || bands_[lastBandStart_].bottom != y)
        return false;
    for (size_t i = 0; i < count; ++i) {
        const RECT& band = bands_[lastBandStart_ + i];
        if (band.left != row_[i].left || band.right != row_[i].right)
            return false;
    }
    return true;
}

bool RunRegionBuilder::EndRow(int32_t y)
{
    if (failed_ || row_.empty()) {
        row_.clear();
        return !failed_;
    }
    if (RowRepeatsLastBand(y)) {
        for (size_t i = lastBandStart_; i < bands_.size(); ++i)
            bands_[i].bottom = y + 1;
    } else {
        if (bands_.size() >= kPieceRects && !MakePiece())
            return false;
        lastBandStart_ = bands_.size();
        for (const RECT& run : row_)
            bands_.push_back(RECT{run.left, y, run.right, y + 1});
    }
    row_.clear();
    return true;
}

bool RunRegionBuilder::MakePiece()
{
    RGNDATAHEADER header = {};
    header.dwSize = sizeof header;
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(bands_.size());
    header.nRgnSize = static_cast<DWORD>(bands_.size() * sizeof(RECT));
    header.rcBound = RECT{bands_.front().left, bands_.front().top, bands_.front().right, bands_.back().bottom};
    for (const RECT& band : bands_) {
        if (band.left < header.rcBound.left)
            header.rcBound.left = band.left;
        if (band.right > header.rcBound.right)
            header.rcBound.right = band.right;
    }
    data_.resize(sizeof header + header.nRgnSize);
    std::memcpy(data_.data(), &header, sizeof header);
    std::memcpy(data_.data() + sizeof header, bands_.data(), header.nRgnSize);
    bands_.clear();
    lastBandStart_ = 0;

    HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(data_.size()), reinterpret_cast<RGNDATA*>(data_.data()));
    if (!region) {
        failed_ = true;
        return false;
    }
    pieces_.push_back(Piece{region, 1});
    while (pieces_.size() >= 2 && pieces_[pieces_.size() - 2].size == pieces_.back().size) {
        if (!MergeTop())
            return false;
    }
    return true;
}

bool RunRegionBuilder::MergeTop()
{
    const Piece top = pieces_.back();
    pieces_.pop_back();
    Piece& below = pieces_.back();
    if (CombineRgn(below.region, below.region, top.region, RGN_OR) == ERROR)
        failed_ = true;
    DeleteObject(top.region);
    below.size += top.size;
    return !failed_;
}

bool RunRegionBuilder::Finish(Region& out)
{
    bool made = !failed_ && (bands_.empty() || MakePiece());
    while (made && pieces_.size() >= 2)
        made = MergeTop();
    out.Release();
    made = out.CreateRect(0, 0, 0, 0) && made;
    if (made && !pieces_.empty())
        made = CombineRgn(out.Handle(), pieces_.back().region, nullptr, RGN_COPY) != ERROR;
    Clear();
    return made;
}
