#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

// Takes every GDI handle the process can still get, as tiny regions, so the
// next GDI object cannot be made; gives them back when it goes. Wine has no
// per-process quota of GDI objects but a handle table of its own (some
// 65,000 entries); Windows stops a process at its quota (10,000 by default).
class GdiExhaustion {
public:
    GdiExhaustion();
    ~GdiExhaustion();
    GdiExhaustion(const GdiExhaustion&) = delete;
    GdiExhaustion& operator=(const GdiExhaustion&) = delete;

    size_t Held() const { return held_.size(); }
    // Gives back that many of the handles taken (all, when fewer are held).
    void GiveBack(size_t count);

private:
    std::vector<HRGN> held_;
};

// How many more GDI objects the process can make now. Wine answers
// GetGuiResources with 0 (it does not count), so tests count the room left
// instead: what a load took is the room before less the room after.
size_t GdiObjectsLeft();
