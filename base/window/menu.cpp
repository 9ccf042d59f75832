#include "base/window/menu.h"

#include <cstring>

#if !defined(_WIN64)
static_assert(sizeof(MENUITEMINFOA) == 48, "MENUITEMINFOA of the 32-bit system");
#endif

namespace {

MENUITEMINFOA EmptyInfo(UINT mask)
{
    MENUITEMINFOA info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

} // namespace

void MenuItemProperty::Attach(MenuItems* menu, int32_t position)
{
    menu_ = menu;
    position_ = position;
}

HMENU MenuItemProperty::Menu() const
{
    return menu_ != nullptr ? menu_->Hmenu() : nullptr;
}

bool MenuItemProperty::Query(MENUITEMINFOA& info, UINT mask) const
{
    info = EmptyInfo(mask);
    return IsAttached() && ::GetMenuItemInfoA(Menu(), static_cast<UINT>(position_), TRUE, &info) != 0;
}

bool MenuItemProperty::Store(MENUITEMINFOA& info) const
{
    return IsAttached() && ::SetMenuItemInfoA(Menu(), static_cast<UINT>(position_), TRUE, &info) != 0;
}

bool MenuItemChecked::Get() const
{
    MENUITEMINFOA info;
    return Query(info, MIIM_STATE) && (info.fState & MFS_CHECKED) != 0;
}

bool MenuItemChecked::Set(bool checked)
{
    MENUITEMINFOA info = EmptyInfo(MIIM_STATE);
    info.fState = checked ? MFS_CHECKED : 0;
    return Store(info);
}

bool MenuItemEnabled::Get() const
{
    MENUITEMINFOA info;
    return Query(info, MIIM_STATE) && (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
}

bool MenuItemEnabled::Set(bool enabled)
{
    MENUITEMINFOA info = EmptyInfo(MIIM_STATE);
    info.fState = enabled ? 0 : (MFS_GRAYED | MFS_DISABLED);
    return Store(info);
}

bool MenuItemRightOder::Get() const
{
    MENUITEMINFOA info;
    return Query(info, MIIM_FTYPE) && (info.fType & MFT_RIGHTJUSTIFY) != 0;
}

bool MenuItemRightOder::Set(bool)
{
    MENUITEMINFOA info = EmptyInfo(MIIM_FTYPE);
    info.fType = MFT_RIGHTJUSTIFY;
    return Store(info);
}

const std::string& MenuItemText::Get()
{
    text_.clear();
    if (IsAttached()) {
        char buffer[512] = {};
        const int length = ::GetMenuStringA(Menu(), static_cast<UINT>(Position()), buffer, sizeof buffer,
                                            MF_BYPOSITION);
        if (length > 0)
            text_.assign(buffer, static_cast<size_t>(length));
    }
    return text_;
}

bool MenuItemText::SetText(const char* text)
{
    const char* value = text != nullptr ? text : "";
    MENUITEMINFOA info = EmptyInfo(MIIM_TYPE);
    info.fType = MFT_STRING;
    info.dwTypeData = const_cast<char*>(value);
    info.cch = static_cast<UINT>(std::strlen(value));
    return Store(info);
}

UINT MenuItemId::Get() const
{
    if (!IsAttached())
        return kNoMenuItemId;
    return ::GetMenuItemID(Menu(), Position());
}

ULONG_PTR MenuItemTag::Get() const
{
    MENUITEMINFOA info;
    return Query(info, MIIM_DATA) ? info.dwItemData : 0;
}

bool MenuItemTag::Set(ULONG_PTR value)
{
    MENUITEMINFOA info = EmptyInfo(MIIM_DATA);
    info.dwItemData = value;
    return Store(info);
}

void MenuItem::Attach(MenuItems* menu, int32_t position)
{
    MenuItemProperty::Attach(menu, position);
    Checked.Attach(menu, position);
    Enabled.Attach(menu, position);
    RightOder.Attach(menu, position);
    Text.Attach(menu, position);
    Id.Attach(menu, position);
    Tag.Attach(menu, position);
}

bool MenuItem::Insert(const char* text, UINT id)
{
    if (!IsAttached())
        return false;
    const char* value = text != nullptr ? text : "";
    MENUITEMINFOA info = EmptyInfo(MIIM_ID | MIIM_TYPE);
    info.wID = id;
    if (std::strcmp(value, "-") == 0) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fType = MFT_STRING;
        info.dwTypeData = const_cast<char*>(value);
        info.cch = static_cast<UINT>(std::strlen(value));
    }
    return ::InsertMenuItemA(Menu(), static_cast<UINT>(Position()), TRUE, &info) != 0;
}

bool MenuItem::Delete()
{
    return IsAttached() && ::DeleteMenu(Menu(), static_cast<UINT>(Position()), MF_BYPOSITION) != 0;
}

bool MenuItem::SetSubMenu(const MenuItems& items)
{
    MENUITEMINFOA info = EmptyInfo(MIIM_SUBMENU);
    info.hSubMenu = items.Hmenu();
    return Store(info);
}

int32_t MenuItemCount::Count() const
{
    if (Owner() == nullptr || Owner()->Hmenu() == nullptr)
        return 0;
    const int count = ::GetMenuItemCount(Owner()->Hmenu());
    return count > 0 ? count : 0;
}

MenuItems::MenuItems()
{
    Count.Attach(this);
}

bool MenuItems::AppendTo(HMENU (*make)(), const char* text, UINT id)
{
    if (menu_ == nullptr)
        menu_ = make();
    return menu_ != nullptr && ::AppendMenuA(menu_, MF_STRING, id, text != nullptr ? text : "") != 0;
}

bool MenuItems::Append(const char* text, UINT id)
{
    return AppendTo([]() { return ::CreateMenu(); }, text, id);
}

bool PopupMenuItems::Append(const char* text, UINT id)
{
    return AppendTo([]() { return ::CreatePopupMenu(); }, text, id);
}

MenuItem MenuItems::ItemAt(int32_t position)
{
    MenuItem item;
    if (position >= 0 && position < Count.Count())
        item.Attach(this, position);
    return item;
}

MenuItem MenuItems::ItemById(UINT id)
{
    const int32_t count = Count.Count();
    for (int32_t position = 0; position < count; ++position) {
        MenuItem item = ItemAt(position);
        if (item.Id.Get() == id)
            return item;
    }
    return MenuItem();
}

MenuItem MenuItems::ItemByText(const std::string& text)
{
    const int32_t count = Count.Count();
    for (int32_t position = 0; position < count; ++position) {
        MenuItem item = ItemAt(position);
        if (item.Text.Get() == text)
            return item;
    }
    return MenuItem();
}

void MenuItems::Clear()
{
    for (int32_t position = Count.Count() - 1; position >= 0; --position)
        ItemAt(position).Delete();
}
