#include "base/window/edit_box.h"

#include <boost/lexical_cast/try_lexical_convert.hpp>

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/diag/bounded_format.h"
#include "base/io/easy_file.h"

namespace {

struct Selection {
    int32_t start;
    int32_t end;
};

Selection ReadSelection(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int32_t>(start), static_cast<int32_t>(end)};
}

} // namespace

int32_t EditBoxMaxLength::Get()
{
    return IsValid() ? static_cast<int32_t>(Send(EM_GETLIMITTEXT)) : 0;
}

bool EditBoxMaxLength::Set(int32_t length)
{
    if (!IsValid())
        return false;
    Send(EM_LIMITTEXT, static_cast<WPARAM>(length));
    return true;
}

int32_t EditBoxSelPos::Get()
{
    if (!IsValid())
        return -1;
    return ReadSelection(Hwnd()).start;
}

bool EditBoxSelPos::Set(int32_t position)
{
    if (!IsValid())
        return false;
    Send(EM_SETSEL, static_cast<WPARAM>(position), position);
    return true;
}

int32_t EditBoxSelLength::Get()
{
    if (!IsValid())
        return -1;
    const Selection selection = ReadSelection(Hwnd());
    return std::abs(selection.end - selection.start);
}

bool EditBoxSelLength::Set(int32_t length)
{
    if (!IsValid())
        return false;
    const int32_t start = Owner()->Select.SelPos.Get();
    Send(EM_SETSEL, static_cast<WPARAM>(start), start + length);
    return true;
}

bool EditBoxSelAll::Set(bool all)
{
    if (!IsValid() || !all)
        return false;
    Send(EM_SETSEL, 0, -1);
    return true;
}

void EditBoxSelect::Attach(EditBox* owner)
{
    EditBoxProperty::Attach(owner);
    SelPos.Attach(owner);
    SelLength.Attach(owner);
    SelAll.Attach(owner);
}

const std::string& EditBoxText::Get()
{
    text_.clear();
    if (!IsValid())
        return text_;
    const LRESULT length = Send(WM_GETTEXTLENGTH);
    if (length <= 0)
        return text_;
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    Send(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
    text_ = buffer.data();
    return text_;
}

const std::string& EditBoxText::GetLine(int32_t line)
{
    text_.clear();
    if (!IsValid() || line < 0 || line >= Owner()->Line.Get())
        return text_;
    // EM_GETLINE takes the buffer's size in its first word and does not
    // terminate what it copies.
    std::vector<char> buffer(4096, '\0');
    const WORD capacity = 4096;
    std::memcpy(buffer.data(), &capacity, sizeof capacity);
    const LRESULT copied = Send(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data()));
    if (copied > 0)
        text_.assign(buffer.data(), std::min(static_cast<size_t>(copied), buffer.size()));
    return text_;
}

bool EditBoxText::Set(const char* text)
{
    if (!IsValid())
        return false;
    return Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text != nullptr ? text : "")) != 0;
}

bool EditBoxText::Append(const char* text)
{
    if (!IsValid())
        return false;
    EditBoxSelPos& caret = Owner()->Select.SelPos;
    const int32_t kept = caret.Get();
    caret.Set(Owner()->Length.Get());
    Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text != nullptr ? text : ""));
    caret.Set(kept);
    return true;
}

bool EditBoxText::Clear()
{
    Set("");
    return false;
}

bool EditBoxText::Format(const char* format, ...)
{
    if (format == nullptr || format[0] == '\0')
        return false;
    char text[2048];
    va_list args;
    va_start(args, format);
    FormatBoundedV(text, sizeof text, format, args);
    va_end(args);
    return Set(text);
}

int32_t EditBoxText::ToInt()
{
    int32_t value = 0;
    if (!boost::conversion::try_lexical_convert(Get(), value))
        return 0;
    return value;
}

float EditBoxText::ToFloat()
{
    float value = 0.0f;
    if (!boost::conversion::try_lexical_convert(Get(), value))
        return 0.0f;
    return value;
}

bool EditBoxText::LoadFile(const char* path)
{
    if (!IsValid() || path == nullptr)
        return false;
    EasyFileReader file;
    if (!file.Open(path))
        return false;
    const int32_t size = file.GetSize();
    if (size < 0)
        return false;
    // One byte more than the file, so the text is always terminated.
    std::vector<char> text(static_cast<size_t>(size) + 1, '\0');
    const int32_t got = size > 0 ? file.Read(text.data(), size) : 0;
    text[static_cast<size_t>(std::min(std::max(got, 0), size))] = '\0';
    file.Close();
    return Set(text.data());
}

int32_t EditBoxLength::Get()
{
    return IsValid() ? static_cast<int32_t>(Send(WM_GETTEXTLENGTH)) : 0;
}

int32_t EditBoxLine::Get()
{
    return IsValid() ? static_cast<int32_t>(Send(EM_GETLINECOUNT)) : 0;
}

EditBox::EditBox()
{
    MaxLength.Attach(this);
    Select.Attach(this);
    Text.Attach(this);
    Length.Attach(this);
    Line.Attach(this);
}

bool EditBox::Create(WindowCreateParams params)
{
    return CreateOfClass("EDIT", params);
}

bool EditBox::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (Hwnd() == nullptr || reinterpret_cast<HWND>(lParam) != Hwnd())
        return false;
    notification_ = HIWORD(wParam);
    return true;
}
