#pragma once

#include <cstdint>
#include <string>

#include "base/window/property_of.h"
#include "base/window/window_control.h"

class EditBox;

// Base of the parts of an edit box. Without a live edit control every part
// gives its not-attached value and sends nothing.
class EditBoxProperty : public PropertyOf<EditBox, true> {
protected:
    ~EditBoxProperty() = default;
};

class EditBoxMaxLength : public EditBoxProperty {
public:
    int32_t Get();
    bool Set(int32_t length);
};

// The start of the selection (the caret when nothing is selected).
class EditBoxSelPos : public EditBoxProperty {
public:
    // -1 when not attached.
    int32_t Get();
    // Puts the caret there, selecting nothing.
    bool Set(int32_t position);
};

class EditBoxSelLength : public EditBoxProperty {
public:
    // -1 when not attached.
    int32_t Get();
    // Selects length characters from the selection's start.
    bool Set(int32_t length);
};

class EditBoxSelAll : public EditBoxProperty {
public:
    // True selects the whole text; false does nothing.
    bool Set(bool all);
};

class EditBoxSelect : public EditBoxProperty {
public:
    EditBoxSelPos SelPos;
    EditBoxSelLength SelLength;
    EditBoxSelAll SelAll;

    // Attaches the three parts as well.
    void Attach(EditBox* owner) override;
};

class EditBoxText : public EditBoxProperty {
public:
    // The whole text; "" when not attached. Valid until the next Get or
    // GetLine.
    const std::string& Get();
    // Line i (from 0) without its line end; "" for a line that does not
    // exist. At most 4096 characters.
    const std::string& GetLine(int32_t line);
    bool Set(const char* text);
    // Inserts the text at the end; the caret stays where it was.
    bool Append(const char* text);
    // Empties the text. Always gives false.
    bool Clear();
    // printf-style into 2048 bytes (a longer text is cut at a character
    // boundary), then Set. An empty or NULL format does nothing.
    bool Format(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));
    // The whole text as a decimal number; 0 when it is not one (blanks,
    // trailing letters, exponents and out-of-range values included).
    int32_t ToInt();
    float ToFloat();
    // Makes the file's bytes the text (up to a zero byte, if the file has
    // one). False when the file cannot be read.
    bool LoadFile(const char* path);

private:
    std::string text_;
};

class EditBoxLength : public EditBoxProperty {
public:
    int32_t Get();
};

// The number of lines.
class EditBoxLine : public EditBoxProperty {
public:
    int32_t Get();
};

// An edit control: made by Create ("EDIT") or bound to a dialog's item with
// Handle.AttachDlgItem.
class EditBox : public WindowControl {
public:
    EditBoxMaxLength MaxLength;
    EditBoxSelect Select;
    EditBoxText Text;
    EditBoxLength Length;
    EditBoxLine Line;

    EditBox();

    bool Create(WindowCreateParams params) override;
    // Keeps the notification code of a WM_COMMAND from this control; false
    // (nothing kept) for a message from another one.
    bool OnCommand(WPARAM wParam, LPARAM lParam);
    int Notification() const { return notification_; }

private:
    int notification_ = 0;
};
