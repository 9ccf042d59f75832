#include "base/window/region.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

struct Box {
    int32_t left, top, right, bottom;
};

// True when the region covers exactly the union of the boxes.
bool Covers(const Region& region, std::initializer_list<Box> boxes)
{
    Region expected(0, 0, 0, 0);
    for (const Box& b : boxes) {
        Region piece(b.left, b.top, b.right, b.bottom);
        expected.Or(piece);
    }
    return region.Handle() && EqualRgn(region.Handle(), expected.Handle());
}

TEST(Region, CombinesInEveryMode)
{
    struct Case {
        const char* name;
        int32_t mode;
        int32_t result;
        std::initializer_list<Box> shape;
    };
    // This region (0, 0, 10, 10) with the other (5, 0, 15, 10).
    const Case cases[] = {
        {"and", Region::kAnd, SIMPLEREGION, {{5, 0, 10, 10}}},
        {"or", Region::kOr, SIMPLEREGION, {{0, 0, 15, 10}}},
        {"xor", Region::kXor, COMPLEXREGION, {{0, 0, 5, 10}, {10, 0, 15, 10}}},
        {"diff", Region::kDiff, SIMPLEREGION, {{0, 0, 5, 10}}},
        {"copy", Region::kCopy, SIMPLEREGION, {{5, 0, 15, 10}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Region self(0, 0, 10, 10);
        Region other(5, 0, 15, 10);
        EXPECT_EQ(self.Combine(other, nullptr, c.mode), c.result);
        EXPECT_EQ(self.LastResult(), c.result);
        EXPECT_TRUE(Covers(self, c.shape));
        EXPECT_TRUE(Covers(other, {{5, 0, 15, 10}})) << "the other region is only read";

        Region self2(0, 0, 10, 10);
        Region destination(0, 0, 0, 0);
        self2.Combine(other, &destination, c.mode);
        EXPECT_TRUE(Covers(self2, {{0, 0, 10, 10}})) << "with a destination this region stays";
        if (c.mode == Region::kCopy)
            EXPECT_TRUE(Covers(destination, {{0, 0, 10, 10}})) << "copy with a destination copies this region";
        else
            EXPECT_TRUE(Covers(destination, c.shape));
    }
}

TEST(Region, NamedOperationsUseTheirModes)
{
    Region other(5, 5, 20, 20);
    Region a(0, 0, 10, 10), o(0, 0, 10, 10), x(0, 0, 10, 10), d(0, 0, 10, 10), c(0, 0, 10, 10);
    a.And(other);
    o.Or(other);
    x.Xor(other);
    d.Diff(other);
    c.Copy(other);
    EXPECT_TRUE(Covers(a, {{5, 5, 10, 10}}));
    EXPECT_TRUE(Covers(o, {{0, 0, 10, 10}, {5, 5, 20, 20}}));
    EXPECT_EQ(x.LastResult(), COMPLEXREGION);
    EXPECT_EQ(PtInRegion(x.Handle(), 7, 7), FALSE);
    EXPECT_EQ(PtInRegion(x.Handle(), 15, 15), TRUE);
    EXPECT_EQ(PtInRegion(d.Handle(), 7, 7), FALSE);
    EXPECT_EQ(PtInRegion(d.Handle(), 2, 2), TRUE);
    EXPECT_TRUE(Covers(c, {{5, 5, 20, 20}}));
}

TEST(Region, EmptyRegionsCombineToNullRegion)
{
    Region first(0, 0, 0, 0);
    Region second(0, 0, 0, 0);
    EXPECT_EQ(first.Or(second), NULLREGION);
}

TEST(Region, MissingHandlesGiveError)
{
    Region none;
    Region some(0, 0, 4, 4);
    EXPECT_EQ(none.Or(some), ERROR);
    EXPECT_EQ(some.Or(none), ERROR);
    Region destination;
    EXPECT_EQ(some.And(some, &destination), ERROR) << "a destination must already hold a region";
}

TEST(Region, ReleaseIsHarmlessTwice)
{
    Region region(0, 0, 4, 4);
    region.Or(region);
    region.Release();
    EXPECT_EQ(region.Handle(), nullptr);
    EXPECT_EQ(region.LastResult(), ERROR);
    region.Release();
    EXPECT_EQ(region.Handle(), nullptr);
    EXPECT_TRUE(region.CreateRect(1, 1, 2, 2));
    EXPECT_TRUE(Covers(region, {{1, 1, 2, 2}}));
}

TEST(Region, CreateRectReplacesTheShape)
{
    Region region(0, 0, 4, 4);
    HRGN first = region.Handle();
    ASSERT_TRUE(region.CreateRect(10, 10, 12, 12));
    EXPECT_TRUE(Covers(region, {{10, 10, 12, 12}}));
    RECT box;
    EXPECT_EQ(GetRgnBox(first, &box), ERROR) << "the old handle was deleted, not leaked";
}

TEST(Region, DetachedHandleOutlivesTheRegion)
{
    HRGN handle = nullptr;
    {
        Region region(0, 0, 3, 3);
        handle = region.Detach();
        EXPECT_EQ(region.Handle(), nullptr);
    }
    RECT box;
    EXPECT_EQ(GetRgnBox(handle, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 3);
    DeleteObject(handle);
}

TEST(Region, MovingHandsTheHandleOver)
{
    Region source(0, 0, 3, 3);
    HRGN handle = source.Handle();
    Region moved(std::move(source));
    EXPECT_EQ(source.Handle(), nullptr);
    EXPECT_EQ(moved.Handle(), handle);
    Region assigned(0, 0, 1, 1);
    assigned = std::move(moved);
    EXPECT_EQ(assigned.Handle(), handle);
    EXPECT_EQ(moved.Handle(), nullptr);
}

} // namespace
