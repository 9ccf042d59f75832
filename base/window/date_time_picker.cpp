#include "base/window/date_time_picker.h"

#include <commctrl.h>

#if !defined(_WIN64)
static_assert(sizeof(INITCOMMONCONTROLSEX) == 8, "INITCOMMONCONTROLSEX of the 32-bit system");
#endif

namespace {

// One end of the range: the time when the picker reports that end as set.
SYSTEMTIME RangeEnd(HWND picker, DWORD which)
{
    SYSTEMTIME range[2] = {};
    const DWORD set = static_cast<DWORD>(::SendMessageA(picker, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)));
    if (!(set & which))
        return SYSTEMTIME{};
    return which == GDTR_MIN ? range[0] : range[1];
}

bool SetRangeEnd(HWND picker, DWORD which, const SYSTEMTIME& time)
{
    SYSTEMTIME range[2] = {};
    range[which == GDTR_MIN ? 0 : 1] = time;
    return ::SendMessageA(picker, DTM_SETRANGE, which, reinterpret_cast<LPARAM>(range)) != 0;
}

} // namespace

SYSTEMTIME DateTimePickerMin::Get()
{
    return IsValid() ? RangeEnd(Hwnd(), GDTR_MIN) : SYSTEMTIME{};
}

bool DateTimePickerMin::Set(const SYSTEMTIME& time)
{
    return IsValid() && SetRangeEnd(Hwnd(), GDTR_MIN, time);
}

SYSTEMTIME DateTimePickerMax::Get()
{
    return IsValid() ? RangeEnd(Hwnd(), GDTR_MAX) : SYSTEMTIME{};
}

bool DateTimePickerMax::Set(const SYSTEMTIME& time)
{
    return IsValid() && SetRangeEnd(Hwnd(), GDTR_MAX, time);
}

SYSTEMTIME DateTimePickerCurrent::Get()
{
    SYSTEMTIME time = {};
    if (!IsValid() || Send(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID)
        return SYSTEMTIME{};
    return time;
}

bool DateTimePickerCurrent::Set(const SYSTEMTIME& time)
{
    return IsValid() && Send(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != 0;
}

bool DateTimePickerFormat::Set(const char* format)
{
    if (!IsValid())
        return false;
    const bool set = Send(DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format)) != 0;
    format_ = format != nullptr ? format : "";
    return set;
}

DateTimePicker::DateTimePicker()
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);
    Min.Attach(this);
    Max.Attach(this);
    Current.Attach(this);
    Format.Attach(this);
}

bool DateTimePicker::Create(WindowCreateParams params)
{
    return CreateOfClass(DATETIMEPICK_CLASSA, params);
}
