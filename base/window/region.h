#pragma once

#include <windows.h>

#include <cstdint>

// Owns one GDI region handle and combines it with other regions.
//
// Combining writes into a region that already exists (CombineRgn never
// creates one), so a destination must hold a handle first; CreateRect(0, 0,
// 0, 0) makes an empty one.
class Region {
public:
    // CombineRgn modes.
    enum Mode : int32_t { kAnd = RGN_AND, kOr = RGN_OR, kXor = RGN_XOR, kDiff = RGN_DIFF, kCopy = RGN_COPY };

    Region() = default;
    Region(int32_t left, int32_t top, int32_t right, int32_t bottom);
    ~Region();
    Region(const Region&) = delete;
    Region& operator=(const Region&) = delete;
    Region(Region&& other) noexcept;
    Region& operator=(Region&& other) noexcept;

    // A rectangular region (right and bottom exclusive); true when a handle
    // was made. A handle held before is deleted first.
    bool CreateRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Deletes the held handle, if any, and forgets the last result.
    void Release();

    // Without a destination this region becomes the combination of itself
    // with other (for kCopy: a copy of other). With one, the destination
    // receives the combination (for kCopy: a copy of this region) and this
    // region is unchanged. Returns and keeps the CombineRgn result: ERROR (0),
    // NULLREGION (1), SIMPLEREGION (2) or COMPLEXREGION (3).
    int32_t Combine(const Region& other, Region* destination, int32_t mode);
    int32_t And(const Region& other, Region* destination = nullptr) { return Combine(other, destination, kAnd); }
    int32_t Or(const Region& other, Region* destination = nullptr) { return Combine(other, destination, kOr); }
    int32_t Xor(const Region& other, Region* destination = nullptr) { return Combine(other, destination, kXor); }
    int32_t Diff(const Region& other, Region* destination = nullptr) { return Combine(other, destination, kDiff); }
    int32_t Copy(const Region& other, Region* destination = nullptr) { return Combine(other, destination, kCopy); }

    HRGN Handle() const { return handle_; }
    int32_t LastResult() const { return lastResult_; }
    // Gives the handle away (to SetWindowRgn, which then owns it): the
    // region forgets it without deleting it.
    HRGN Detach();

private:
    HRGN handle_ = nullptr;
    int32_t lastResult_ = ERROR;
};
