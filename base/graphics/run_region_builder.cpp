#include "base/graphics/run_region_builder.h"

#include "base/window/region.h"

#include <cstring>

RunRegionBuilder::~RunRegionBuilder()
{
    Clear();
}

void RunRegionBuilder::Clear()
{
    for (const Part& part : parts_)
        DeleteObject(part.region);
    parts_.clear();
    row_.clear();
    failed_ = false;
}

bool RunRegionBuilder::EndRow(int32_t y)
{
    if (row_.empty() || failed_)
        return !failed_;
    RGNDATAHEADER header = {};
    header.dwSize = sizeof header;
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(row_.size());
    header.nRgnSize = static_cast<DWORD>(row_.size() * sizeof(RECT));
    header.rcBound = RECT{row_.front().left, y, row_.back().right, y + 1};
    for (RECT& run : row_) {
        run.top = y;
        run.bottom = y + 1;
    }
    data_.resize(sizeof header + header.nRgnSize);
    std::memcpy(data_.data(), &header, sizeof header);
    std::memcpy(data_.data() + sizeof header, row_.data(), header.nRgnSize);
    row_.clear();
    HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(data_.size()), reinterpret_cast<RGNDATA*>(data_.data()));
    return Push(region);
}

bool RunRegionBuilder::Push(HRGN region)
{
    if (!region)
        failed_ = true;
    if (failed_) {
        if (region)
            DeleteObject(region);
        return false;
    }
    parts_.push_back(Part{region, 1});
    while (parts_.size() >= 2 && parts_[parts_.size() - 2].rows == parts_.back().rows) {
        if (!MergeTop())
            return false;
    }
    return true;
}

bool RunRegionBuilder::MergeTop()
{
    const Part top = parts_.back();
    parts_.pop_back();
    Part& below = parts_.back();
    const int result = CombineRgn(below.region, below.region, top.region, RGN_OR);
    DeleteObject(top.region);
    below.rows += top.rows;
    if (result == ERROR)
        failed_ = true;
    return !failed_;
}

bool RunRegionBuilder::Finish(Region& out)
{
    bool made = !failed_;
    while (made && parts_.size() >= 2)
        made = MergeTop();
    out.Release();
    made = out.CreateRect(0, 0, 0, 0) && made;
    if (made && !parts_.empty())
        made = CombineRgn(out.Handle(), parts_.back().region, nullptr, RGN_COPY) != ERROR;
    Clear();
    return made;
}
