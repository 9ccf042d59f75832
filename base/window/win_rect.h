#pragma once

#include <cstdint>

#include "base/util/rect.h"
#include "base/window/win_property.h"

// Which coordinate a WinRectProperty reads and writes.
enum WinRectPart : int32_t {
    kRectLeft = 0,
    kRectTop = 1,
    kRectRight = 2,
    kRectBottom = 3,
    kRectWidth = 4,
    kRectHeight = 5,
    kRectX = 6,
    kRectY = 7,
};

// One coordinate of the window rectangle (screen coordinates) or of the
// client rectangle.
class WinRectProperty : public WinProperty {
public:
    void Init(WindowControl* owner, int32_t part, bool client);

    // The coordinate that the part names; 0 for an unknown part.
    int32_t Get();
    // Window rectangle: width and height resize (the other extent kept), x
    // and y move (the other coordinate kept); left, top, right and bottom
    // change nothing. Client rectangle: width and height set the client
    // size; every other part changes nothing. True when the window changed.
    bool Set(int32_t value);

    bool Move(int32_t x, int32_t y);
    bool Resize(int32_t width, int32_t height);
    // Sizes the window so that its client area is width x height, taking
    // the frame, the menu bar and the scroll bars into account.
    bool SetClientSize(int32_t width, int32_t height);

    // The whole rectangle; (0, 0, 0, 0) without a window.
    Rect GetWindowRect();
    Rect GetClientRect();

private:
    int32_t part_ = kRectLeft;
    bool client_ = false;
};

// The eight coordinates of the window or the client rectangle.
class WinRectParts : public WinProperty {
public:
    WinRectProperty Left, Top, Right, Bottom, X, Y, Width, Height;

    // Attaches the eight parts to the owner as well.
    void Attach(WindowControl* owner) override;

protected:
    explicit WinRectParts(bool client) : client_(client) {}
    ~WinRectParts() = default;

private:
    bool client_;
};

// The window rectangle in screen coordinates.
class WinRect : public WinRectParts {
public:
    WinRect() : WinRectParts(false) {}

    bool Move(int32_t x, int32_t y) { return X.Move(x, y); }
    bool Resize(int32_t width, int32_t height) { return X.Resize(width, height); }
    Rect GetRect() { return X.GetWindowRect(); }
    // Moves to the rectangle's top-left corner, then resizes to its size.
    bool SetRect(const Rect& rect);
    // Centres the window on another window, or on the primary screen when
    // that is NULL. The other window is only read.
    bool CenterOn(HWND window);
};

// The client rectangle.
class WinClient : public WinRectParts {
public:
    WinClient() : WinRectParts(true) {}

    bool SetSize(int32_t width, int32_t height) { return X.SetClientSize(width, height); }
    Rect GetRect() { return X.GetClientRect(); }
};
