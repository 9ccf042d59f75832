#pragma once

#include <windows.h>

#include <string>

#include "base/window/property_of.h"
#include "base/window/window_control.h"

class DateTimePicker;

// Base of the parts of a date and time picker. Without a live picker every
// part gives its not-attached value (an all-zero time) and sends nothing.
class DateTimePickerProperty : public PropertyOf<DateTimePicker, true> {
protected:
    ~DateTimePickerProperty() = default;
};

// The earliest time the picker accepts; all zero when it has no limit.
class DateTimePickerMin : public DateTimePickerProperty {
public:
    SYSTEMTIME Get();
    bool Set(const SYSTEMTIME& time);
};

// The latest time the picker accepts; all zero when it has no limit.
class DateTimePickerMax : public DateTimePickerProperty {
public:
    SYSTEMTIME Get();
    bool Set(const SYSTEMTIME& time);
};

// The time shown; all zero when the picker holds none.
class DateTimePickerCurrent : public DateTimePickerProperty {
public:
    SYSTEMTIME Get();
    bool Set(const SYSTEMTIME& time);
};

// The display format ("HH:mm"); Get gives the last one set.
class DateTimePickerFormat : public DateTimePickerProperty {
public:
    bool Set(const char* format);
    const std::string& Get() const { return format_; }

private:
    std::string format_;
};

// A date and time picker ("SysDateTimePick32"): made by Create or bound to a
// dialog's item with Handle.AttachDlgItem.
class DateTimePicker : public WindowControl {
public:
    DateTimePickerMin Min;
    DateTimePickerMax Max;
    DateTimePickerCurrent Current;
    DateTimePickerFormat Format;

    // Registers the picker's window class with the common controls.
    DateTimePicker();

    bool Create(WindowCreateParams params) override;
};
