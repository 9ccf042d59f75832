#include "base/util/rect.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

std::string Text(const Rect& r)
{
    return r.ToString();
}

#define EXPECT_RECT(actual, l, t, r, b) EXPECT_EQ(Text(actual), Text(Rect(l, t, r, b)))

TEST(Rect, LiesInMemoryAsAFileRecordAndAsARect)
{
    const Rect rect(1, -2, 0x01020304, 4);
    const unsigned char expected[16] = {1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 4, 0, 0, 0};
    ASSERT_EQ(sizeof rect, 16u);
    EXPECT_EQ(std::memcmp(&rect, expected, 16), 0);

    RECT win;
    std::memcpy(&win, &rect, sizeof win);
    EXPECT_EQ(win.left, 1);
    EXPECT_EQ(win.top, -2);
    EXPECT_EQ(win.right, 0x01020304);
    EXPECT_EQ(win.bottom, 4);
    // A RECT's LONG fields pick the integer constructor, not the real one.
    EXPECT_RECT(Rect(win.left, win.top, win.right, win.bottom), 1, -2, 0x01020304, 4);
}

TEST(Rect, RealsAreTruncatedTowardZero)
{
    EXPECT_RECT(Rect(1.9f, -1.9f, 2.5f, -0.5f), 1, -1, 2, 0);
    const float huge = 1e20f;
    EXPECT_RECT(Rect(huge, -huge, std::nanf(""), 0.0f), INT32_MAX, INT32_MIN, 0, 0)
        << "values out of range saturate instead of being undefined";
}

TEST(Rect, ContainsIsHalfOpen)
{
    const Rect rect(10, 20, 30, 40);
    const struct {
        int32_t x, y;
        bool inside;
    } cases[] = {
        {10, 20, true}, {29, 39, true}, {30, 20, false}, {10, 40, false},
        {9, 20, false}, {10, 19, false}, {30, 40, false}, {20, 30, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rect.Contains(c.x, c.y), c.inside) << c.x << "," << c.y;
    EXPECT_FALSE(Rect().Contains(0, 0)) << "the empty rect holds no point";
}

TEST(Rect, ContainmentIsInclusiveAndOverlapIsStrict)
{
    const Rect outer(0, 0, 100, 50);
    const struct {
        Rect other;
        bool containsOther;  // outer.ContainsRect(other) == other.IsInside(outer)
        bool otherHoldsOuter; // outer.IsInside(other)
        bool intersects;
    } cases[] = {
        {Rect(0, 0, 100, 50), true, true, true},
        {Rect(10, 10, 20, 20), true, false, true},
        {Rect(-1, 0, 100, 50), false, true, true},
        {Rect(0, 0, 101, 50), false, true, true},
        {Rect(90, 40, 110, 60), false, false, true},
        {Rect(100, 0, 120, 50), false, false, false}, // touches the right edge
        {Rect(0, 50, 100, 60), false, false, false},  // touches the bottom edge
        {Rect(-20, -20, 0, 0), false, false, false},  // touches the top-left corner
        {Rect(99, 49, 100, 50), true, false, true},
    };
    for (const auto& c : cases) {
        const std::string name = Text(c.other);
        EXPECT_EQ(outer.ContainsRect(c.other.left, c.other.top, c.other.right, c.other.bottom), c.containsOther) << name;
        EXPECT_EQ(c.other.IsInside(outer), c.containsOther) << name;
        EXPECT_EQ(outer.IsInside(c.other), c.otherHoldsOuter) << name;
        EXPECT_EQ(outer.Intersects(c.other.left, c.other.top, c.other.right, c.other.bottom), c.intersects) << name;
        EXPECT_EQ(c.other.Intersects(outer), c.intersects) << name;
    }
}

TEST(Rect, IntersectionAndUnion)
{
    const Rect a(0, 0, 10, 10);
    Rect out;
    EXPECT_EQ(&a.Intersection(out, 5, -5, 20, 8), &out);
    EXPECT_RECT(out, 5, 0, 10, 8);
    a.Intersection(out, 20, 20, 30, 30);
    EXPECT_RECT(out, 20, 20, 10, 10) << "no overlap gives an invalid rect, unchecked";
    EXPECT_FALSE(out.IsValid());
    EXPECT_EQ(&a.Union(out, 5, -5, 20, 8), &out);
    EXPECT_RECT(out, 0, -5, 20, 10);

    Rect self(0, 0, 10, 10);
    self.Intersection(self, Rect(2, 3, 20, 20));
    EXPECT_RECT(self, 2, 3, 10, 10) << "the result may be the rect itself";
}

TEST(Rect, SizeQueries)
{
    const Rect rect(-5, 10, 15, 40);
    EXPECT_EQ(rect.Width(), 20);
    EXPECT_EQ(rect.Height(), 30);
    EXPECT_TRUE(rect.HasSize(20, 30));
    EXPECT_FALSE(rect.HasSize(30, 20));
    EXPECT_TRUE(rect.IsSameSize(Rect(100, 100, 120, 130)));
    EXPECT_FALSE(rect.IsSameSize(Rect(100, 100, 120, 131)));
    EXPECT_TRUE(rect.Equals(-5, 10, 15, 40));
    EXPECT_TRUE(rect.NotEquals(-5, 10, 15, 41));

    const struct {
        Rect rect;
        bool valid;
    } validity[] = {
        {Rect(0, 0, 1, 1), true}, {Rect(0, 0, 0, 1), false}, {Rect(0, 0, 1, 0), false},
        {Rect(5, 5, 4, 6), false}, {Rect(), false},
    };
    for (const auto& c : validity)
        EXPECT_EQ(c.rect.IsValid(), c.valid) << Text(c.rect);
}

TEST(Rect, SetIfEmptyAssignsOnlyToTheAllZeroRect)
{
    Rect empty;
    EXPECT_TRUE(empty.SetIfEmpty(1, 2, 3, 4));
    EXPECT_RECT(empty, 1, 2, 3, 4);
    EXPECT_FALSE(empty.SetIfEmpty(5, 6, 7, 8));
    EXPECT_RECT(empty, 1, 2, 3, 4);

    Rect notEmpty(0, 0, 0, 5);
    EXPECT_FALSE(notEmpty.SetIfEmpty(Rect(1, 2, 3, 4)));
    EXPECT_RECT(notEmpty, 0, 0, 0, 5);

    notEmpty.Clear();
    EXPECT_RECT(notEmpty, 0, 0, 0, 0);
    notEmpty.SetFromSize(7, 9);
    EXPECT_RECT(notEmpty, 0, 0, 7, 9);
}

TEST(Rect, SettingTheSizeSkipsValuesItDoesNotTake)
{
    const struct {
        int32_t width, height;
        Rect setSize;       // SetSize on (10, 20, 30, 40)
        Rect setSizeOrZero; // SetSizeOrZero on (10, 20, 30, 40)
    } cases[] = {
        {5, 6, Rect(10, 20, 15, 26), Rect(10, 20, 15, 26)},
        {0, 6, Rect(10, 20, 30, 26), Rect(10, 20, 10, 26)},
        {5, 0, Rect(10, 20, 15, 40), Rect(10, 20, 15, 20)},
        {-1, -1, Rect(10, 20, 30, 40), Rect(10, 20, 30, 40)},
    };
    for (const auto& c : cases) {
        Rect a(10, 20, 30, 40);
        a.SetSize(c.width, c.height);
        EXPECT_RECT(a, c.setSize.left, c.setSize.top, c.setSize.right, c.setSize.bottom) << c.width << "x" << c.height;
        Rect b(10, 20, 30, 40);
        b.SetSizeOrZero(c.width, c.height);
        EXPECT_RECT(b, c.setSizeOrZero.left, c.setSizeOrZero.top, c.setSizeOrZero.right, c.setSizeOrZero.bottom)
            << c.width << "x" << c.height;
    }
    Rect c(10, 20, 30, 40);
    c.SetSizeOf(100, 100, 103, 100);
    EXPECT_RECT(c, 10, 20, 13, 40) << "a zero height leaves the bottom";
}

TEST(Rect, MovingKeepsTheSize)
{
    Rect rect(10, 20, 30, 50);
    rect.Offset(-15, 5);
    EXPECT_RECT(rect, -5, 25, 15, 55);
    rect.MoveToOrigin();
    EXPECT_RECT(rect, 0, 0, 20, 30);
    rect.MoveTo(7, -8);
    EXPECT_RECT(rect, 7, -8, 27, 22);
    rect.AddToEdges(-1, -2, 3, 4);
    EXPECT_RECT(rect, 6, -10, 30, 26);
}

TEST(Rect, CenterInCountsThePositionFromZero)
{
    Rect rect(0, 0, 10, 10);
    EXPECT_TRUE(rect.CenterIn(0, 0, 100, 51));
    EXPECT_RECT(rect, 45, 20, 55, 30);

    Rect inner(150, 150, 161, 160);
    EXPECT_TRUE(inner.CenterIn(Rect(100, 100, 300, 300)));
    EXPECT_RECT(inner, 95, 95, 106, 105) << "relative to the outer rect's top-left";

    const struct {
        Rect outer;
    } refused[] = {{Rect(0, 0, 5, 100)}, {Rect(1, 0, 100, 100)}, {Rect(100, 100, 0, 0)}, {Rect()}};
    for (const auto& c : refused) {
        Rect r(0, 0, 10, 10);
        EXPECT_FALSE(r.CenterIn(c.outer)) << Text(c.outer);
        EXPECT_RECT(r, 0, 0, 10, 10);
    }
}

TEST(Rect, ScaleAboutACentre)
{
    const struct {
        Rect rect;
        float fx, fy;
        int32_t cx, cy;
        bool done;
        Rect result;
    } cases[] = {
        {Rect(0, 0, 10, 10), 2.0f, 2.0f, 5, 5, true, Rect(-5, -5, 15, 15)},
        {Rect(0, 0, 9, 9), 0.5f, 0.5f, 0, 0, true, Rect(0, 0, 4, 4)},
        {Rect(-9, -9, 9, 9), 0.5f, 1.0f, 0, 0, true, Rect(-4, -9, 4, 9)}, // toward zero, not down
        {Rect(0, 0, 10, 10), 3.0f, 3.0f, 10, 10, true, Rect(-20, -20, 10, 10)}, // centre on the edge
        {Rect(0, 0, 10, 10), 2.0f, 2.0f, 11, 5, false, Rect(0, 0, 10, 10)},
        {Rect(0, 0, 10, 10), 2.0f, 2.0f, 5, -1, false, Rect(0, 0, 10, 10)},
    };
    for (const auto& c : cases) {
        Rect r = c.rect;
        EXPECT_EQ(r.Scale(c.fx, c.fy, c.cx, c.cy), c.done) << Text(c.rect);
        EXPECT_EQ(Text(r), Text(c.result)) << Text(c.rect);
    }
}

TEST(Rect, MirrorInsideAnotherRect)
{
    const Rect frame(0, 0, 100, 60);
    Rect r(10, 10, 30, 25);
    EXPECT_TRUE(r.MirrorY(frame));
    EXPECT_RECT(r, 10, 35, 30, 50);
    EXPECT_TRUE(r.MirrorX(frame));
    EXPECT_RECT(r, 70, 35, 90, 50);

    Rect below(10, 60, 30, 70);
    EXPECT_FALSE(below.MirrorY(frame)) << "touching the bottom is no vertical overlap";
    EXPECT_RECT(below, 10, 60, 30, 70);
    Rect left(-20, 10, 0, 20);
    EXPECT_FALSE(left.MirrorX(frame));
    EXPECT_RECT(left, -20, 10, 0, 20);
}

TEST(Rect, ClipBlitTrimsTheSourceToTheBounds)
{
    const struct {
        Rect bounds;
        Rect source;
        int32_t x, y;
        bool result;
        Rect trimmed;
        int32_t newX, newY;
    } cases[] = {
        // Sticking out at the top-left: trimmed there and placed at the corner.
        {Rect(0, 0, 100, 100), Rect(0, 0, 10, 10), -3, -4, true, Rect(3, 4, 10, 10), 0, 0},
        // Sticking out at the bottom-right: trimmed there, position kept.
        {Rect(0, 0, 100, 100), Rect(0, 0, 10, 10), 95, 97, true, Rect(0, 0, 5, 3), 95, 97},
        // A source taken from inside a larger image.
        {Rect(0, 0, 100, 100), Rect(20, 30, 40, 50), -5, 90, true, Rect(25, 30, 40, 40), 0, 90},
        // Bounds away from the origin.
        {Rect(10, 10, 50, 50), Rect(0, 0, 10, 10), 5, 45, true, Rect(5, 0, 10, 5), 10, 45},
        // Larger than the bounds on every side.
        {Rect(0, 0, 100, 100), Rect(0, 0, 300, 300), -100, -100, true, Rect(100, 100, 200, 200), 0, 0},
        // Wholly inside: nothing changes.
        {Rect(0, 0, 100, 100), Rect(0, 0, 10, 10), 40, 40, true, Rect(0, 0, 10, 10), 40, 40},
        // Nothing lands inside: false and nothing changes.
        {Rect(0, 0, 100, 100), Rect(0, 0, 10, 10), 100, 0, false, Rect(0, 0, 10, 10), 100, 0},
        {Rect(0, 0, 100, 100), Rect(0, 0, 10, 10), -10, 0, false, Rect(0, 0, 10, 10), -10, 0},
        {Rect(0, 0, 100, 100), Rect(0, 0, 10, 10), 0, 100, false, Rect(0, 0, 10, 10), 0, 100},
        // A position near the int32 limit does not wrap around into the bounds.
        {Rect(-100, -100, 100, 100), Rect(0, 0, 10, 10), INT32_MAX - 5, 0, false, Rect(0, 0, 10, 10), INT32_MAX - 5, 0},
        {Rect(INT32_MIN, 0, INT32_MAX, 100), Rect(0, 0, 10, 10), INT32_MAX - 5, 0, true, Rect(0, 0, 5, 10),
         INT32_MAX - 5, 0},
    };
    for (const auto& c : cases) {
        Rect source = c.source;
        int32_t x = c.x, y = c.y;
        EXPECT_EQ(c.bounds.ClipBlit(x, y, source), c.result) << Text(c.source) << " at " << c.x << "," << c.y;
        EXPECT_EQ(Text(source), Text(c.trimmed)) << Text(c.source) << " at " << c.x << "," << c.y;
        EXPECT_EQ(x, c.newX);
        EXPECT_EQ(y, c.newY);
    }
}

TEST(Rect, DumpAndToString)
{
    const Rect rect(1, 2, 11, 22);
    const char* line = "l = 1 t = 2 r = 11 b = 22 w = 10, h = 20";
    const struct {
        bool append, newline;
        std::string expected;
    } cases[] = {
        {false, false, line},
        {false, true, std::string(line) + "\n"},
        {true, false, std::string("before ") + line},
        {true, true, std::string("before ") + line + "\n"},
    };
    for (const auto& c : cases) {
        std::string text = "before ";
        rect.Dump(text, c.append, c.newline);
        EXPECT_EQ(text, c.expected);
    }
    EXPECT_EQ(Rect(1, 2, 3, 4).ToString(), "{ 1 2 3 4 }");
    EXPECT_EQ(Rect(INT32_MIN, -1, 0, INT32_MAX).ToString(), "{ -2147483648 -1 0 2147483647 }");
    std::string extreme;
    Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX).Dump(extreme, false, false);
    EXPECT_EQ(extreme, "l = -2147483648 t = -2147483648 r = 2147483647 b = 2147483647 w = -1, h = -1")
        << "the widest values fit, and the width wraps instead of overflowing";
}

} // namespace
