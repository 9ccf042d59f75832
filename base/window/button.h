#pragma once

#include "base/window/property_of.h"
#include "base/window/window_control.h"

class Button;

// Base of the parts of a button. Without a live button every part gives its
// not-attached value and sends nothing.
class ButtonProperty : public PropertyOf<Button, true> {
protected:
    ~ButtonProperty() = default;
};

class ButtonCheck : public ButtonProperty {
public:
    // True only for a checked box (an indeterminate one is not).
    bool Get();
    bool Set(bool checked);
};

class ButtonClick : public ButtonProperty {
public:
    // Clicks the button as the user would.
    bool Click();
};

// A button, check box or radio button: made by Create ("BUTTON") or bound
// to a dialog's item with Handle.AttachDlgItem.
class Button : public WindowControl {
public:
    ButtonClick Click;
    ButtonCheck Check;

    Button();

    bool Create(WindowCreateParams params) override;
    // Keeps the notification code and the control id of a WM_COMMAND from
    // this button; false (nothing kept) for a message from another one.
    bool OnCommand(WPARAM wParam, LPARAM lParam);
    int Notification() const { return notification_; }
    int ControlId() const { return controlId_; }

private:
    int notification_ = 0;
    int controlId_ = 0;
};
