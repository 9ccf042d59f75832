#include "base/util/rect.h"

#include "base/io/easy_file.h"
#include "base/util/byte_writer.h"
#include "base/util/string_utils.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

static_assert(sizeof(Rect) == 16, "Rect is four int32 and nothing else");
static_assert(std::is_standard_layout_v<Rect> && std::is_trivially_copyable_v<Rect>, "Rect is a plain record");
static_assert(sizeof(RECT) == sizeof(Rect) && offsetof(Rect, left) == offsetof(RECT, left) &&
                  offsetof(Rect, top) == offsetof(RECT, top) && offsetof(Rect, right) == offsetof(RECT, right) &&
                  offsetof(Rect, bottom) == offsetof(RECT, bottom),
              "Rect lies in memory as a RECT");

namespace {

// Edge arithmetic that wraps at the int32 limits instead of overflowing.
int32_t WrapAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t WrapSub(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// Mirrors [low, high) inside an extent of the given size (0 to size).
void MirrorSpan(int32_t& low, int32_t& high, int32_t size)
{
    const int32_t oldLow = low;
    low = WrapSub(size, high);
    high = WrapSub(size, oldLow);
}

} // namespace

int32_t Rect::TruncateToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    if (value >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    return static_cast<int32_t>(value);
}

void Rect::Set(int32_t l, int32_t t, int32_t r, int32_t b)
{
    left = l;
    top = t;
    right = r;
    bottom = b;
}

bool Rect::SetIfEmpty(int32_t l, int32_t t, int32_t r, int32_t b)
{
    if (!Equals(0, 0, 0, 0))
        return false;
    Set(l, t, r, b);
    return true;
}

int32_t Rect::Width() const
{
    return WrapSub(right, left);
}

int32_t Rect::Height() const
{
    return WrapSub(bottom, top);
}

Rect& Rect::Intersection(Rect& out, int32_t l, int32_t t, int32_t r, int32_t b) const
{
    out = Rect(std::max(left, l), std::max(top, t), std::min(right, r), std::min(bottom, b));
    return out;
}

Rect& Rect::Union(Rect& out, int32_t l, int32_t t, int32_t r, int32_t b) const
{
    out = Rect(std::min(left, l), std::min(top, t), std::max(right, r), std::max(bottom, b));
    return out;
}

void Rect::AddToEdges(int32_t dl, int32_t dt, int32_t dr, int32_t db)
{
    left = WrapAdd(left, dl);
    top = WrapAdd(top, dt);
    right = WrapAdd(right, dr);
    bottom = WrapAdd(bottom, db);
}

void Rect::SetSize(int32_t width, int32_t height)
{
    if (width > 0)
        right = WrapAdd(left, width);
    if (height > 0)
        bottom = WrapAdd(top, height);
}

void Rect::SetSizeOrZero(int32_t width, int32_t height)
{
    if (width >= 0)
        right = WrapAdd(left, width);
    if (height >= 0)
        bottom = WrapAdd(top, height);
}

void Rect::SetSizeOf(int32_t l, int32_t t, int32_t r, int32_t b)
{
    SetSize(WrapSub(r, l), WrapSub(b, t));
}

void Rect::MoveToOrigin()
{
    right = Width();
    bottom = Height();
    left = 0;
    top = 0;
}

void Rect::MoveTo(int32_t x, int32_t y)
{
    MoveToOrigin();
    Offset(x, y);
}

bool Rect::CenterIn(int32_t l, int32_t t, int32_t r, int32_t b)
{
    const Rect outer(l, t, r, b);
    if (!outer.IsValid() || !IsInside(outer))
        return false;
    MoveTo(WrapSub(outer.Width() >> 1, Width() >> 1), WrapSub(outer.Height() >> 1, Height() >> 1));
    return true;
}

bool Rect::Scale(float factorX, float factorY, int32_t cx, int32_t cy)
{
    if (!(left <= cx && cx <= right && top <= cy && cy <= bottom))
        return false;
    const auto scaled = [](int32_t edge, int32_t centre, float factor) {
        const double distance = static_cast<double>(static_cast<int64_t>(edge) - centre);
        return TruncateToInt32(static_cast<double>(centre) + std::trunc(distance * factor));
    };
    Set(scaled(left, cx, factorX), scaled(top, cy, factorY), scaled(right, cx, factorX), scaled(bottom, cy, factorY));
    return true;
}

bool Rect::MirrorY(const Rect& other)
{
    if (top >= other.bottom || other.top >= bottom)
        return false;
    MirrorSpan(top, bottom, other.Height());
    return true;
}

bool Rect::MirrorX(const Rect& other)
{
    if (left >= other.right || other.left >= right)
        return false;
    MirrorSpan(left, right, other.Width());
    return true;
}

bool Rect::ReadArea(HWND window, BOOL(WINAPI* read)(HWND, LPRECT))
{
    RECT area;
    if (!read(window, &area))
        return false;
    Set(area.left, area.top, area.right, area.bottom);
    return true;
}

bool Rect::MapCorner(HWND window, BOOL(WINAPI* map)(HWND, LPPOINT))
{
    if (!window)
        return false;
    POINT corner = {left, top};
    if (!map(window, &corner))
        return false;
    MoveTo(corner.x, corner.y);
    return true;
}

bool Rect::GetWindowRect(HWND window)
{
    return ReadArea(window, ::GetWindowRect);
}

bool Rect::GetClientRect(HWND window)
{
    return ReadArea(window, ::GetClientRect);
}

bool Rect::ScreenToClient(HWND window)
{
    return MapCorner(window, ::ScreenToClient);
}

bool Rect::ClientToScreen(HWND window)
{
    return MapCorner(window, ::ClientToScreen);
}

bool Rect::ClipBlit(int32_t& x, int32_t& y, Rect& source) const
{
    // The source moved to (x, y), in 64 bits so that a position near the
    // int32 limits cannot wrap it into the bounds.
    const int64_t landLeft = x;
    const int64_t landTop = y;
    const int64_t landRight = landLeft + (static_cast<int64_t>(source.right) - source.left);
    const int64_t landBottom = landTop + (static_cast<int64_t>(source.bottom) - source.top);
    if (!(top < landBottom && left < landRight && landLeft < right && landTop < bottom))
        return false;

    // Each trim is smaller than the source's extent on its axis, so the
    // trimmed edges stay inside the source's own range.
    if (landTop < top) {
        source.top = static_cast<int32_t>(source.top + (top - landTop));
        y = top;
    }
    if (landLeft < left) {
        source.left = static_cast<int32_t>(source.left + (left - landLeft));
        x = left;
    }
    if (bottom < landBottom)
        source.bottom = static_cast<int32_t>(source.bottom + (bottom - landBottom));
    if (right < landRight)
        source.right = static_cast<int32_t>(source.right + (right - landRight));
    return source.IsValid();
}

void Rect::Dump(std::string& text, bool append, bool newline) const
{
    char line[256];
    FormatString256(line, "l = %d t = %d r = %d b = %d w = %d, h = %d", static_cast<int>(left), static_cast<int>(top),
                    static_cast<int>(right), static_cast<int>(bottom), static_cast<int>(Width()),
                    static_cast<int>(Height()));
    if (!append)
        text.clear();
    text += line;
    if (newline)
        text += '\n';
}

std::string Rect::ToString() const
{
    return FormatString("{ %d %d %d %d }", static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                        static_cast<int>(bottom));
}

bool RectList::Add(int32_t l, int32_t t, int32_t r, int32_t b)
{
    entries_.push_back(Entry{Rect(l, t, r, b), 1});
    return true;
}

bool RectList::Reserve(int32_t count)
{
    if (count > 0)
        entries_.reserve(static_cast<size_t>(count));
    return true;
}

const Rect* RectList::At(int32_t index) const
{
    return IsIndex(index) ? &entries_[static_cast<size_t>(index)].rect : nullptr;
}

Rect* RectList::At(int32_t index)
{
    return IsIndex(index) ? &entries_[static_cast<size_t>(index)].rect : nullptr;
}

bool RectList::GetRect(int32_t index, Rect* out) const
{
    const Rect* rect = At(index);
    if (!rect || !out)
        return false;
    *out = *rect;
    return true;
}

void RectList::GetRectOr0(Rect& out, int32_t index) const
{
    const Rect* rect = At(index);
    out = rect ? *rect : Rect();
}

bool RectList::SetRect(int32_t index, int32_t l, int32_t t, int32_t r, int32_t b)
{
    Rect* rect = At(index);
    if (!rect)
        return false;
    rect->Set(l, t, r, b);
    return true;
}

bool RectList::IsEnabled(int32_t index) const
{
    return IsIndex(index) && entries_[static_cast<size_t>(index)].enabled != 0;
}

bool RectList::SetEnabled(int32_t first, int32_t end, bool value)
{
    int64_t from = first;
    int64_t to = end;
    if (end == -1)
        to = first == -1 ? Count() : from + 1;
    to = std::min<int64_t>(to, Count());
    from = std::max<int64_t>(from, 0);
    for (int64_t i = from; i < to; ++i)
        entries_[static_cast<size_t>(i)].enabled = value ? 1 : 0;
    return true;
}

int32_t RectList::HitTest(int32_t x, int32_t y) const
{
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].enabled && entries_[i].rect.Contains(x, y))
            return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t RectList::HitTestCursor(HWND window) const
{
    POINT cursor;
    if (!window || !GetCursorPos(&cursor) || !::ScreenToClient(window, &cursor))
        return -1;
    return HitTest(cursor.x, cursor.y);
}

bool RectList::Save(const std::string& path) const
{
    if (entries_.empty())
        return false;
    EasyFile file;
    if (!file.OpenWrite(path, false))
        return false;
    // A short write (a full disk) must not pass for a saved list.
    bool written = file.WriteInt32(Count()) == 4;
    for (size_t i = 0; written && i < entries_.size(); ++i) {
        const Rect& rect = entries_[i].rect;
        uint8_t record[16];
        StoreI32LE(record, rect.left);
        StoreI32LE(record + 4, rect.top);
        StoreI32LE(record + 8, rect.right);
        StoreI32LE(record + 12, rect.bottom);
        written = file.WriteBlock16(record) == 16;
    }
    file.Close();
    return written;
}
