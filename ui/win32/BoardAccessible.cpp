#include "ui/win32/BoardAccessible.h"

#include <string>

namespace ui::win32 {
namespace {

using ui::desktop::AccessibleBoard;
using Part = ui::desktop::Part;

constexpr LONG firstPartId = 100;

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

LONG roleOf(Part part)
{
    switch (AccessibleBoard::role(part)) {
    case AccessibleBoard::Role::Table: return ROLE_SYSTEM_TABLE;
    case AccessibleBoard::Role::Cell: return ROLE_SYSTEM_CELL;
    case AccessibleBoard::Role::Button: return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleBoard::Role::StaticText: return ROLE_SYSTEM_STATICTEXT;
    }
    return ROLE_SYSTEM_CLIENT;
}

bool isCell(Part part) { return part.cell != Part::none && part.part == Part::none; }

} // namespace

BoardAccessible::BoardAccessible(HWND surface, AccessibleBoard& tree) : board_(this), window_(surface), tree_(&tree)
{
    if (FAILED(CreateStdAccessibleObject(surface, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard_))))
        standard_ = nullptr;
}

BoardAccessible::BoardAccessible(BoardAccessible& board, std::int16_t cell) : board_(&board), self_{cell}
{
    board_->AddRef();
}

BoardAccessible::~BoardAccessible()
{
    if (!isBoard())
        board_->Release();
}

void BoardAccessible::disconnect()
{
    window_ = nullptr;
    tree_ = nullptr;
    if (standard_)
        standard_->Release();
    standard_ = nullptr;
}

LONG BoardAccessible::childIdOf(Part part)
{
    if (part.cell == Part::none)
        return CHILDID_SELF;
    return part.part == Part::none ? part.cell + 1 : firstPartId + 10 * part.cell + part.part;
}

bool BoardAccessible::partOf(const VARIANT& child, Part& part) const
{
    if (child.vt != VT_I4)
        return false;
    const LONG id = child.lVal;
    if (id == CHILDID_SELF) {
        part = self_;
        return true;
    }
    if (!isBoard()) {
        part = {self_.cell, static_cast<std::int16_t>(id - 1)};
        return id >= 1 && id <= 10;
    }
    if (id >= 1 && id <= ui::desktop::DrawnBoard::cells) {
        part = {static_cast<std::int16_t>(id - 1)};
        return true;
    }
    const LONG n = id - firstPartId;
    part = {static_cast<std::int16_t>(n / 10), static_cast<std::int16_t>(n % 10)};
    return n >= 0 && n < 10 * ui::desktop::DrawnBoard::cells;
}

void BoardAccessible::give(Part part, VARIANT* out)
{
    VariantInit(out);
    if (part == self_) {
        setChild(out, CHILDID_SELF);
    } else if (isCell(part)) {
        out->vt = VT_DISPATCH;
        out->pdispVal = new BoardAccessible(*board_, part.cell);
    } else {
        setChild(out, isBoard() ? childIdOf(part) : part.part + 1);
    }
}

// A child id that names nothing is refused; the surface gone, every question fails.
template <class Answer>
HRESULT BoardAccessible::answer(const VARIANT& child, Answer forPart) const
{
    if (!board_->tree_)
        return RPC_E_DISCONNECTED;
    Part part;
    if (!partOf(child, part))
        return E_INVALIDARG;
    return forPart(part);
}

// Nothing of the board has a value, description, help or shortcut.
HRESULT BoardAccessible::noText(const VARIANT& child, BSTR* out) const
{
    *out = nullptr;
    return answer(child, [](Part) -> HRESULT { return S_FALSE; });
}

HRESULT BoardAccessible::get_accParent(IDispatch** parent)
{
    *parent = nullptr;
    if (!board_->tree_)
        return RPC_E_DISCONNECTED;
    if (isBoard())
        return askStandard([&](IAccessible& window) { return window.get_accParent(parent); });
    return board_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT BoardAccessible::get_accChildCount(LONG* count)
{
    *count = AccessibleBoard::childCount(self_);
    return board_->tree_ ? S_OK : RPC_E_DISCONNECTED;
}

// A cell is an object of its own; the candidates and the label are simple elements.
HRESULT BoardAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    *object = nullptr;
    return answer(child, [&](Part part) -> HRESULT {
        if (part == self_)
            return E_INVALIDARG;
        if (isCell(part))
            *object = new BoardAccessible(*board_, part.cell);
        return *object ? S_OK : S_FALSE;
    });
}

HRESULT BoardAccessible::get_accName(VARIANT child, BSTR* name)
{
    *name = nullptr;
    return answer(child, [&](Part part) { return text(board_->tree_->name(part), name); });
}

HRESULT BoardAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    return answer(child, [&](Part part) -> HRESULT {
        setChild(role, roleOf(part));
        return S_OK;
    });
}

HRESULT BoardAccessible::get_accState(VARIANT child, VARIANT* state)
{
    return answer(child, [&](Part part) -> HRESULT {
        if (part.cell == Part::none)
            return askStandard([&](IAccessible& window) { return window.get_accState(child, state); });
        const AccessibleBoard::States states = board_->tree_->states(part);
        LONG bits = IsWindowVisible(board_->window_) && !states.invisible ? 0 : STATE_SYSTEM_INVISIBLE;
        bits |= states.unavailable || !IsWindowEnabled(board_->window_) ? STATE_SYSTEM_UNAVAILABLE : 0;
        bits |= states.focusable ? STATE_SYSTEM_FOCUSABLE : 0;
        bits |= states.focused ? STATE_SYSTEM_FOCUSED : 0;
        bits |= states.pressed ? STATE_SYSTEM_PRESSED : 0;
        setChild(state, bits);
        return S_OK;
    });
}

HRESULT BoardAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic)
{
    *file = nullptr;
    *topic = 0;
    return answer(child, [](Part) -> HRESULT { return S_FALSE; });
}

HRESULT BoardAccessible::get_accFocus(VARIANT* focus)
{
    VariantInit(focus);
    if (!board_->tree_)
        return RPC_E_DISCONNECTED;
    const Part focused = board_->tree_->focus();
    if (focused.cell == Part::none || (!isBoard() && focused.cell != self_.cell))
        return S_FALSE;
    give(focused, focus);
    return S_OK;
}

HRESULT BoardAccessible::get_accSelection(VARIANT* selection)
{
    VariantInit(selection);
    return board_->tree_ ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT BoardAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    *action = nullptr;
    return answer(child, [&](Part part) { return text(AccessibleBoard::action(part), action); });
}

HRESULT BoardAccessible::accSelect(LONG flags, VARIANT child)
{
    return answer(child, [&](Part part) -> HRESULT {
        if (part.cell == Part::none)
            return askStandard([&](IAccessible& window) { return window.accSelect(flags, child); });
        return E_NOTIMPL;
    });
}

HRESULT BoardAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child)
{
    return answer(child, [&](Part part) -> HRESULT {
        const ui::desktop::Rect place = board_->tree_->place(part);
        POINT corner{place.left, place.top};
        ClientToScreen(board_->window_, &corner);
        *left = corner.x;
        *top = corner.y;
        *width = place.width;
        *height = place.height;
        return S_OK;
    });
}

// To the first and the last child, and to the next and the previous sibling; the
// board's own siblings are the window's.
HRESULT BoardAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    VariantInit(end);
    return answer(start, [&](Part part) -> HRESULT {
        const bool toChild = direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD;
        if (part.cell == Part::none && !toChild)
            return askStandard([&](IAccessible& window) { return window.accNavigate(direction, start, end); });
        Part to;
        if (toChild) {
            const int count = AccessibleBoard::childCount(part);
            to = AccessibleBoard::child(part, direction == NAVDIR_FIRSTCHILD ? 0 : count - 1);
        } else if (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS) {
            const int index = AccessibleBoard::indexInParent(part) + (direction == NAVDIR_NEXT ? 1 : -1);
            to = AccessibleBoard::child(AccessibleBoard::parent(part), index);
        }
        if (to.cell == Part::none)
            return S_FALSE;
        give(to, end);
        return S_OK;
    });
}

// The deepest part under the point, as this object's child: on the board, the cell.
HRESULT BoardAccessible::accHitTest(LONG x, LONG y, VARIANT* child)
{
    VariantInit(child);
    if (!board_->tree_)
        return RPC_E_DISCONNECTED;
    POINT at{x, y};
    ScreenToClient(board_->window_, &at);
    const ui::desktop::Point point{at.x, at.y};
    if (!board_->tree_->place(self_).contains(point))
        return S_FALSE;
    Part hit = board_->tree_->at(point);
    if (isBoard() && hit.cell != Part::none)
        hit.part = Part::none;
    give(hit, child);
    return S_OK;
}

HRESULT BoardAccessible::accDoDefaultAction(VARIANT child)
{
    return answer(child, [&](Part part) -> HRESULT {
        if (AccessibleBoard::action(part).empty())
            return DISP_E_MEMBERNOTFOUND;
        return board_->tree_->doAction(part) ? S_OK : E_FAIL;
    });
}

} // namespace ui::win32
