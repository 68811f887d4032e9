#include "ui/win32/CellAccessible.h"

#include <string>

#include "ui/win32/CellWindow.h"

namespace ui::win32 {
namespace {

constexpr std::int16_t none = DrawnCell::none;

LONG childOf(std::int16_t part) { return part + 1; }

void setChild(VARIANT* to, LONG child)
{
    VariantInit(to);
    to->vt = VT_I4;
    to->lVal = child;
}

HRESULT text(const std::string& value, BSTR* out)
{
    const std::wstring wide(value.begin(), value.end());
    *out = wide.empty() ? nullptr : SysAllocString(wide.c_str());
    return wide.empty() ? S_FALSE : S_OK;
}

} // namespace

CellAccessible::CellAccessible(CellWindow& cell) : cell_(&cell)
{
    CreateStdAccessibleObject(cell.window(), OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard_));
}

void CellAccessible::disconnect()
{
    cell_ = nullptr;
    if (standard_)
        standard_->Release();
    standard_ = nullptr;
}

// Each question about the cell itself goes to the standard object; a child id
// that names nothing is refused; the window gone, every question fails.
template <class Self, class Part>
HRESULT CellAccessible::answer(const VARIANT& child, Self forSelf, Part forPart) const
{
    if (!cell_)
        return RPC_E_DISCONNECTED;
    std::int16_t part = none;
    if (!partOf(child, part))
        return E_INVALIDARG;
    return part == none ? forSelf(*standard_) : forPart(part);
}

// The candidates and the label have no value, description, help or shortcut.
HRESULT CellAccessible::noText(const VARIANT& child, BSTR* out, TextQuestion forSelf) const
{
    *out = nullptr;
    return answer(
        child, [&](IAccessible& self) { return (self.*forSelf)(child, out); },
        [](std::int16_t) -> HRESULT { return S_FALSE; });
}

bool CellAccessible::partOf(const VARIANT& child, std::int16_t& part)
{
    if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > labelChild)
        return false;
    part = static_cast<std::int16_t>(child.lVal - 1);
    return true;
}

// The candidates and the label are simple elements, with no object of their own.
HRESULT CellAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    *object = nullptr;
    return answer(
        child, [&](IAccessible& self) { return self.get_accChild(child, object); },
        [&](std::int16_t) -> HRESULT { return S_FALSE; });
}

HRESULT CellAccessible::get_accName(VARIANT child, BSTR* name)
{
    return answer(
        child, [&](IAccessible& self) { return self.get_accName(child, name); },
        [&](std::int16_t part) -> HRESULT {
            const DrawnCell& cell = cell_->cell();
            return text(part == DrawnCell::labelPart ? cell.labelName() : cell.candidateName(part), name);
        });
}

HRESULT CellAccessible::get_accValue(VARIANT child, BSTR* value)
{
    return noText(child, value, &IAccessible::get_accValue);
}

HRESULT CellAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    return noText(child, description, &IAccessible::get_accDescription);
}

HRESULT CellAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    return answer(
        child, [&](IAccessible& self) { return self.get_accRole(child, role); },
        [&](std::int16_t part) -> HRESULT {
            setChild(role, part == DrawnCell::labelPart ? ROLE_SYSTEM_STATICTEXT : ROLE_SYSTEM_PUSHBUTTON);
            return S_OK;
        });
}

HRESULT CellAccessible::get_accState(VARIANT child, VARIANT* state)
{
    return answer(
        child, [&](IAccessible& self) { return self.get_accState(child, state); },
        [&](std::int16_t part) -> HRESULT {
            LONG bits = IsWindowVisible(cell_->window()) ? 0 : STATE_SYSTEM_INVISIBLE;
            if (part == DrawnCell::labelPart) {
                bits |= STATE_SYSTEM_READONLY;
            } else {
                const DrawnCell::Look look = cell_->cell().look(part);
                bits |= STATE_SYSTEM_FOCUSABLE;
                bits |= look.visible ? 0 : STATE_SYSTEM_INVISIBLE;
                bits |= look.enabled && IsWindowEnabled(cell_->window()) ? 0 : STATE_SYSTEM_UNAVAILABLE;
                bits |= look.focused ? STATE_SYSTEM_FOCUSED : 0;
                bits |= look.down ? STATE_SYSTEM_PRESSED : 0;
            }
            setChild(state, bits);
            return S_OK;
        });
}

HRESULT CellAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    return noText(child, help, &IAccessible::get_accHelp);
}

HRESULT CellAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic)
{
    return answer(
        child, [&](IAccessible& self) { return self.get_accHelpTopic(file, child, topic); },
        [&](std::int16_t) -> HRESULT {
            *topic = 0;
            *file = nullptr;
            return S_FALSE;
        });
}

HRESULT CellAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    return noText(child, shortcut, &IAccessible::get_accKeyboardShortcut);
}

HRESULT CellAccessible::get_accFocus(VARIANT* focus)
{
    if (!cell_)
        return RPC_E_DISCONNECTED;
    const DrawnCell& cell = cell_->cell();
    if (!cell.hasFocus()) {
        VariantInit(focus);
        return S_FALSE;
    }
    setChild(focus, childOf(cell.focus()));
    return S_OK;
}

HRESULT CellAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    return answer(
        child, [&](IAccessible& self) { return self.get_accDefaultAction(child, action); },
        [&](std::int16_t part) -> HRESULT { return text(part == DrawnCell::labelPart ? "" : "Press", action); });
}

HRESULT CellAccessible::accSelect(LONG flags, VARIANT child)
{
    return answer(
        child, [&](IAccessible& self) { return self.accSelect(flags, child); },
        [&](std::int16_t) -> HRESULT { return E_NOTIMPL; });
}

HRESULT CellAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child)
{
    return answer(
        child, [&](IAccessible& self) { return self.accLocation(left, top, width, height, child); },
        [&](std::int16_t part) -> HRESULT {
            RECT place = cell_->placeOf(part);
            MapWindowPoints(cell_->window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&place), 2);
            *left = place.left;
            *top = place.top;
            *width = place.right - place.left;
            *height = place.bottom - place.top;
            return S_OK;
        });
}

// Among the children: the first and the last, and next and previous in their order.
HRESULT CellAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    VariantInit(end);
    if (!cell_)
        return RPC_E_DISCONNECTED;
    std::int16_t part = none;
    if (!partOf(start, part))
        return E_INVALIDARG;
    LONG to = 0;
    if (part == none) {
        if (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD)
            return standard_->accNavigate(direction, start, end);
        to = direction == NAVDIR_FIRSTCHILD ? 1 : labelChild;
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS) {
        to = childOf(part) + (direction == NAVDIR_NEXT ? 1 : -1);
    }
    if (to < 1 || to > labelChild)
        return S_FALSE;
    setChild(end, to);
    return S_OK;
}

HRESULT CellAccessible::accHitTest(LONG x, LONG y, VARIANT* child)
{
    VariantInit(child);
    if (!cell_)
        return RPC_E_DISCONNECTED;
    POINT at{x, y};
    ScreenToClient(cell_->window(), &at);
    const RECT all = cell_->placeOf(DrawnCell::labelPart);
    if (!PtInRect(&all, at))
        return S_FALSE;
    const std::int16_t candidate = cell_->candidateAt(at);
    setChild(child, candidate == none ? labelChild : childOf(candidate));
    return S_OK;
}

HRESULT CellAccessible::accDoDefaultAction(VARIANT child)
{
    return answer(
        child, [&](IAccessible& self) { return self.accDoDefaultAction(child); },
        [&](std::int16_t part) -> HRESULT {
            if (part == DrawnCell::labelPart)
                return DISP_E_MEMBERNOTFOUND;
            if (!cell_->cell().takesFocus(part))
                return E_FAIL;
            cell_->pressFor(part);
            return S_OK;
        });
}

void CellAccessible::announce(HWND window, const DrawnCell& cell, std::int16_t part, CellView::Change change)
{
    DWORD event = 0;
    switch (change) {
    case CellView::Change::Visible: event = cell.look(part).visible ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE; break;
    case CellView::Change::Enabled:
    case CellView::Change::Down: event = EVENT_OBJECT_STATECHANGE; break;
    case CellView::Change::FocusCame: event = cell.hasFocus() ? EVENT_OBJECT_FOCUS : 0; break;
    case CellView::Change::Caption: event = EVENT_OBJECT_NAMECHANGE; break;
    case CellView::Change::Face:
    case CellView::Change::FocusGone: break;
    }
    if (event)
        NotifyWinEvent(event, window, OBJID_CLIENT, childOf(part));
}

} // namespace ui::win32
