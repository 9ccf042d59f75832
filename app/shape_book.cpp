#include "app/shape_book.h"

#include <utility>
#include <vector>

namespace {

// FNV-1a over the region's data: its header and its rectangles, which the
// system keeps in one canonical order, so equal regions give equal bytes.
// A region whose data cannot be read hashes as empty data; equality is
// still decided by EqualRgn.
uint64_t ShapeHash(HRGN region)
{
    const DWORD size = ::GetRegionData(region, 0, nullptr);
    std::vector<uint8_t> data(size);
    if (size == 0 || ::GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) != size)
        data.clear();
    uint64_t hash = 14695981039346656037ull;
    for (const uint8_t byte : data) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

std::shared_ptr<Region> ShapeBook::Share(Region region)
{
    if (region.Handle() == nullptr)
        return nullptr;
    const uint64_t hash = ShapeHash(region.Handle());
    const auto [first, last] = shapes_.equal_range(hash);
    for (auto kept = first; kept != last; ++kept) {
        if (::EqualRgn(kept->second->Handle(), region.Handle()))
            return kept->second;
    }
    auto shape = std::make_shared<Region>(std::move(region));
    shapes_.emplace(hash, shape);
    return shape;
}
