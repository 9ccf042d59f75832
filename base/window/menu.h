#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/window/win_property.h"

class MenuItems;

// The value of MenuItemId for a detached item or a failed query.
const UINT kNoMenuItemId = static_cast<UINT>(-1);

// Base of the parts of a menu item. An item is named by its menu and its
// position and is read and written through the menu on every call; it is
// never stored. A detached part (no menu) gives its empty value and changes
// nothing.
class MenuItemProperty {
public:
    MenuItemProperty() = default;
    MenuItemProperty(const MenuItemProperty&) = default;
    MenuItemProperty& operator=(const MenuItemProperty&) = default;

    virtual void Attach(MenuItems* menu, int32_t position);
    bool IsAttached() const { return menu_ != nullptr; }
    int32_t Position() const { return position_; }

protected:
    ~MenuItemProperty() = default;

    HMENU Menu() const;
    // Reads the fields named by mask; false when detached or the query fails.
    bool Query(MENUITEMINFOA& info, UINT mask) const;
    // Writes the fields named by info.fMask; false when detached.
    bool Store(MENUITEMINFOA& info) const;

private:
    MenuItems* menu_ = nullptr;
    int32_t position_ = -1;
};

class MenuItemChecked : public MenuItemProperty {
public:
    bool Get() const;
    // Writes the whole state: a grayed item becomes enabled.
    bool Set(bool checked);
};

class MenuItemEnabled : public MenuItemProperty {
public:
    bool Get() const;
    // Writes the whole state: a checked item loses its check.
    bool Set(bool enabled);
};

// Right-justification of the item (menu bars). Set always sets it.
class MenuItemRightOder : public MenuItemProperty {
public:
    bool Get() const;
    bool Set(bool rightJustify);
};

class MenuItemText : public MenuItemProperty, public WinString {
public:
    // At most 511 characters; empty when detached. Valid until the next Get.
    const std::string& Get();
    bool SetText(const char* text) override;

private:
    std::string text_;
};

class MenuItemId : public MenuItemProperty {
public:
    // kNoMenuItemId when detached (and for an item that opens a submenu).
    UINT Get() const;
};

// A value of the caller's kept with the item.
class MenuItemTag : public MenuItemProperty {
public:
    // 0 when detached or the query fails.
    ULONG_PTR Get() const;
    bool Set(ULONG_PTR value);
};

// One item of a MenuItems, by position. Returned and passed by value.
class MenuItem : public MenuItemProperty {
public:
    MenuItemChecked Checked;
    MenuItemEnabled Enabled;
    MenuItemRightOder RightOder;
    MenuItemText Text;
    MenuItemId Id;
    MenuItemTag Tag;

    // Attaches the six parts as well.
    void Attach(MenuItems* menu, int32_t position) override;

    // Inserts a new item before this one; the text "-" makes a separator.
    bool Insert(const char* text, UINT id);
    bool Delete();
    // Makes the item open the other menu.
    bool SetSubMenu(const MenuItems& items);
};

class MenuProperty {
public:
    MenuProperty() = default;
    MenuProperty(const MenuProperty&) = delete;
    MenuProperty& operator=(const MenuProperty&) = delete;

    virtual void Attach(MenuItems* owner) { owner_ = owner; }

protected:
    ~MenuProperty() = default;
    MenuItems* Owner() const { return owner_; }

private:
    MenuItems* owner_ = nullptr;
};

class MenuItemCount : public MenuProperty {
public:
    // 0 when detached or before the menu exists.
    int32_t Count() const;
};

// A menu that this object makes on its first Append. The menu is never
// destroyed here: it lives until the process ends, or until the window
// that holds it destroys it.
class MenuItems {
public:
    MenuItemCount Count;

    MenuItems();
    MenuItems(const MenuItems&) = delete;
    MenuItems& operator=(const MenuItems&) = delete;

    // Appends a text item (also for the text "-").
    virtual bool Append(const char* text, UINT id);
    HMENU Hmenu() const { return menu_; }

    // The item at the position; detached when out of range.
    MenuItem ItemAt(int32_t position);
    // The first item (lowest position) with the id or the exact text;
    // detached when none has it.
    MenuItem ItemById(UINT id);
    MenuItem ItemByText(const std::string& text);
    // Deletes every item, from the last position to the first.
    void Clear();

protected:
    bool AppendTo(HMENU (*make)(), const char* text, UINT id);

private:
    HMENU menu_ = nullptr;
};

// The same for a popup menu (a menu of WinPopupMenu).
class PopupMenuItems : public MenuItems {
public:
    bool Append(const char* text, UINT id) override;
};
