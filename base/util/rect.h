#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

struct PackSource;

// A rectangle in pixels. Right and bottom are exclusive. The all-zero rect
// means "no rect given" where a default is accepted (SetIfEmpty).
//
// The four fields lie in memory exactly as a Win32 RECT and as the 16-byte
// record of the rectangle-list file: int32 left, top, right, bottom, nothing
// else. Keep it that way (no virtual members, no further fields).
//
// Arithmetic on the edges wraps around at the int32 limits rather than
// overflowing, so rects read from a file can never cause undefined results.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    Rect() = default;
    Rect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}
    // From reals: each value truncated toward zero (saturated at the int32
    // limits; NaN gives 0). A template so that integers of other types
    // (LONG of a RECT) still pick the constructor above.
    template <typename Real, std::enable_if_t<std::is_floating_point_v<Real>, int> = 0>
    Rect(Real l, Real t, Real r, Real b)
        : left(TruncateToInt32(l)), top(TruncateToInt32(t)), right(TruncateToInt32(r)), bottom(TruncateToInt32(b))
    {
    }
    static int32_t TruncateToInt32(double value);

    void Set(int32_t l, int32_t t, int32_t r, int32_t b);
    // (0, 0, width, height)
    void SetFromSize(int32_t width, int32_t height) { Set(0, 0, width, height); }
    void Clear() { Set(0, 0, 0, 0); }
    // Assigns only when all four fields are 0; true when it assigned.
    bool SetIfEmpty(int32_t l, int32_t t, int32_t r, int32_t b);
    bool SetIfEmpty(const Rect& other) { return SetIfEmpty(other.left, other.top, other.right, other.bottom); }

    int32_t Width() const;
    int32_t Height() const;
    bool IsValid() const { return left < right && top < bottom; }

    bool Equals(int32_t l, int32_t t, int32_t r, int32_t b) const
    {
        return left == l && top == t && right == r && bottom == b;
    }
    bool Equals(const Rect& other) const { return Equals(other.left, other.top, other.right, other.bottom); }
    bool NotEquals(int32_t l, int32_t t, int32_t r, int32_t b) const { return !Equals(l, t, r, b); }
    bool NotEquals(const Rect& other) const { return !Equals(other); }
    bool HasSize(int32_t width, int32_t height) const { return Width() == width && Height() == height; }
    bool IsSameSize(const Rect& other) const { return HasSize(other.Width(), other.Height()); }

    // Half-open: left <= x < right and top <= y < bottom.
    bool Contains(int32_t x, int32_t y) const { return left <= x && x < right && top <= y && y < bottom; }
    // The given rect lies within this one, edges inclusive.
    bool ContainsRect(int32_t l, int32_t t, int32_t r, int32_t b) const
    {
        return left <= l && top <= t && r <= right && b <= bottom;
    }
    bool ContainsRect(const Rect& other) const { return ContainsRect(other.left, other.top, other.right, other.bottom); }
    // This rect lies within the given one, edges inclusive.
    bool IsInside(int32_t l, int32_t t, int32_t r, int32_t b) const
    {
        return l <= left && t <= top && right <= r && bottom <= b;
    }
    bool IsInside(const Rect& other) const { return IsInside(other.left, other.top, other.right, other.bottom); }
    // Strict overlap: rects that only touch at an edge do not intersect.
    bool Intersects(int32_t l, int32_t t, int32_t r, int32_t b) const
    {
        return top < b && left < r && l < right && t < bottom;
    }
    bool Intersects(const Rect& other) const { return Intersects(other.left, other.top, other.right, other.bottom); }

    // out := the overlap of this rect and the given one, unchecked (an
    // invalid result means no overlap); returns out. out may be this rect.
    Rect& Intersection(Rect& out, int32_t l, int32_t t, int32_t r, int32_t b) const;
    Rect& Intersection(Rect& out, const Rect& other) const
    {
        return Intersection(out, other.left, other.top, other.right, other.bottom);
    }
    // out := the smallest rect holding both; returns out.
    Rect& Union(Rect& out, int32_t l, int32_t t, int32_t r, int32_t b) const;
    Rect& Union(Rect& out, const Rect& other) const { return Union(out, other.left, other.top, other.right, other.bottom); }

    void Offset(int32_t dx, int32_t dy) { AddToEdges(dx, dy, dx, dy); }
    void AddToEdges(int32_t dl, int32_t dt, int32_t dr, int32_t db);
    // Sets right from left + width when width > 0, bottom from top + height
    // when height > 0; the other values leave their edge alone.
    void SetSize(int32_t width, int32_t height);
    // The same, also for a width or height of 0.
    void SetSizeOrZero(int32_t width, int32_t height);
    // SetSize with the size of the given rect.
    void SetSizeOf(int32_t l, int32_t t, int32_t r, int32_t b);
    void SetSizeOf(const Rect& other) { SetSize(other.Width(), other.Height()); }
    // Moves the top-left to (0, 0), keeping the size.
    void MoveToOrigin();
    // Moves the top-left to (x, y), keeping the size.
    void MoveTo(int32_t x, int32_t y);

    // Centres this rect in a given one that holds it. The new position is
    // relative to the given rect's own top-left (as for a child placed in a
    // parent), so that rect's left and top are not added. False, and
    // nothing moves, when the given rect is not valid or does not hold this
    // one.
    bool CenterIn(int32_t l, int32_t t, int32_t r, int32_t b);
    bool CenterIn(const Rect& outer) { return CenterIn(outer.left, outer.top, outer.right, outer.bottom); }
    // Scales each edge's distance from the centre (cx, cy), truncating
    // toward zero. False, and nothing changes, unless the centre lies in the
    // rect, edges inclusive.
    bool Scale(float factorX, float factorY, int32_t cx, int32_t cy);
    // Mirrors this rect inside the height (width) of other, which it must
    // overlap vertically (horizontally); false, and nothing changes, when it
    // does not.
    bool MirrorY(const Rect& other);
    bool MirrorX(const Rect& other);

    // The window's rect in screen coordinates, or its client rect.
    bool GetWindowRect(HWND window);
    bool GetClientRect(HWND window);
    // Converts the top-left point between screen and client coordinates of
    // the window, keeping the size; false for a null window.
    bool ScreenToClient(HWND window);
    bool ClientToScreen(HWND window);

    // Clipping for a blit into this rect (the destination bounds): source is
    // the part of an image to copy and (x, y) where its top-left is to land.
    // Trims source and moves (x, y) so that only the part inside these
    // bounds remains. False when nothing of it lands inside (then nothing
    // changes) or nothing valid remains.
    bool ClipBlit(int32_t& x, int32_t& y, Rect& source) const;

    // "l = 1 t = 2 r = 11 b = 22 w = 10, h = 20", replacing text or appended
    // to it, with "\n" after it when asked.
    void Dump(std::string& text, bool append, bool newline) const;
    // "{ 1 2 3 4 }"
    std::string ToString() const;

private:
    bool ReadArea(HWND window, BOOL(WINAPI* read)(HWND, LPRECT));
    bool MapCorner(HWND window, BOOL(WINAPI* map)(HWND, LPPOINT));
};

// A list of rectangles, each enabled or disabled, in the order they were
// added, with hit testing and a file form: an int32 count followed by one
// 16-byte Rect record per entry, little-endian (the flags are not stored).
class RectList {
public:
    struct Entry {
        Rect rect;
        uint8_t enabled = 1;
    };

    void Clear() { entries_.clear(); }
    // Appends an enabled entry.
    bool Add(int32_t l, int32_t t, int32_t r, int32_t b);
    bool IsIndex(int32_t index) const { return index >= 0 && index < Count(); }
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    bool Reserve(int32_t count);

    // The entry's rect; NULL when the index is out of range.
    const Rect* At(int32_t index) const;
    Rect* At(int32_t index);
    // Copies the entry's rect; false when the index is out of range or out
    // is NULL.
    bool GetRect(int32_t index, Rect* out) const;
    // Copies the entry's rect, or (0, 0, 0, 0) when the index is out of range.
    void GetRectOr0(Rect& out, int32_t index) const;
    bool SetRect(int32_t index, int32_t l, int32_t t, int32_t r, int32_t b);

    // False when the index is out of range.
    bool IsEnabled(int32_t index) const;
    // Sets the flag on the entries [first, end). end = -1 means only the
    // entry first, or every entry when first is -1 too. end is cut to the
    // count and a negative first raised to 0.
    bool SetEnabled(int32_t first, int32_t end, bool value);

    // The index of the first enabled entry that contains (x, y); -1 for none.
    int32_t HitTest(int32_t x, int32_t y) const;
    // HitTest at the cursor, in the window's client coordinates; -1 also
    // when the cursor position or the window cannot be had.
    int32_t HitTestCursor(HWND window) const;

    // Writes the list to a new file (an existing one is replaced). False for
    // an empty list, a file that does not open or a write that fails.
    bool Save(const std::string& path) const;
    // Appends the records of a saved list as enabled entries, loaded as a
    // picture is (see PackFile::LoadInflated). Only the records that the data
    // holds are read, whatever its count claims. True when data arrived.
    bool Load(const PackSource& source);

private:
    std::vector<Entry> entries_;
};
