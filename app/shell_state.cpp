#include "app/shell_state.h"

#include <cstdint>
#include <limits>

int32_t ClampToInt32(int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

void PlaceAtDesktopCentre(ShellState& state, int32_t desktopWidth, int32_t desktopHeight,
                          const BehaviourParameters& parameters)
{
    state.WindowX = ClampToInt32(int64_t{desktopWidth} / 2 - parameters.originOffsetX);
    state.WindowY = ClampToInt32(int64_t{desktopHeight} / 2 - parameters.originOffsetY);
}

void PressLeftButton(ShellState& state, uint32_t pressLParam, POINT cursor)
{
    state.ClickPoint.x = static_cast<LONG>(pressLParam & 0xFFFF);
    state.ClickPoint.y = static_cast<LONG>(pressLParam >> 16);
    state.LastCursorPoint = cursor;
    state.Dragged = false;
    state.Clicked = false;
}

bool DragStep(ShellState& state, POINT cursor)
{
    const int64_t dx = int64_t{cursor.x} - state.LastCursorPoint.x;
    const int64_t dy = int64_t{cursor.y} - state.LastCursorPoint.y;
    state.WindowX = ClampToInt32(state.WindowX + dx);
    state.WindowY = ClampToInt32(state.WindowY + dy);
    state.LastCursorPoint = cursor;
    if (dx == 0 || dy == 0)
        return false;
    state.Dragged = true;
    return true;
}

void ReleaseLeftButton(ShellState& state)
{
    if (!state.Dragged)
        state.Clicked = true;
}
