#pragma once

#include <cstdint>

#include "base/util/rect.h"
#include "base/util/screen_point.h"
#include "base/window/win_property.h"

// The cursor position in the window's own units: client coordinates, less an
// origin, divided by a scale per axis (truncated toward zero).
class WinMousePos : public WinProperty {
public:
    // (0, 0) without a window.
    ScreenPoint Get();
    // Moves the cursor to the point given in the window's units.
    bool Set(int32_t x, int32_t y);

    void SetOrigin(int32_t x, int32_t y) { origin_ = ScreenPoint(x, y); }
    void SetScale(float x, float y)
    {
        scaleX_ = x;
        scaleY_ = y;
    }

protected:
    ~WinMousePos() = default;

private:
    ScreenPoint origin_;
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;
};

class WinMouseX : public WinMousePos {
public:
    int32_t Get() { return WinMousePos::Get().x; }
    // Moves the cursor horizontally; the current y is kept.
    bool Set(int32_t x);
    using WinMousePos::Set;
};

class WinMouseY : public WinMousePos {
public:
    int32_t Get() { return WinMousePos::Get().y; }
    // Moves the cursor vertically; the current x is kept.
    bool Set(int32_t y);
    using WinMousePos::Set;
};

// Mouse capture by the window.
class WinMouseCapture : public WinProperty {
public:
    // Releases the capture whatever window holds it.
    ~WinMouseCapture();

    bool Get();
    bool Set(bool capture);
};

class WinMouse : public WinProperty {
public:
    WinMouseX X;
    WinMouseY Y;
    WinMouseCapture Capture;

    // Attaches X, Y and Capture as well.
    void Attach(WindowControl* owner) override;

    ScreenPoint GetPos() { return X.WinMousePos::Get(); }
    bool SetPos(int32_t x, int32_t y) { return X.WinMousePos::Set(x, y); }
    void SetOrigin(int32_t x, int32_t y);
    void SetScale(float x, float y);
    // True when the cursor (in the window's units) lies in the rectangle.
    bool IsIn(const Rect& rect);
    // IsIn, but only while the window is the foreground window.
    bool IsInWhenForeground(int32_t left, int32_t top, int32_t right, int32_t bottom);
};

// Shows or hides the cursor whatever the display count was before.
void ShowCursorFully(bool show);
bool IsCursorShowing();
