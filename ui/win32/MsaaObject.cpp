#include "ui/win32/MsaaObject.h"

#include <string>
#include <tuple>
#include <vector>

#include "ui/Text.h"
#include "ui/desktop/AccessibilityTree.h"
#include "ui/win32/BoardSurface.h"
#include "ui/win32/Utf16.h"

namespace ui::win32 {
namespace {

using Tree = ui::desktop::AccessibilityTree;
using Part = ui::desktop::Part;

// A node with children is an object of its own: the board's is the client object,
// cell n's is n + 1.
LONG objectIdOf(Part node) { return node.cell == Part::none ? OBJID_CLIENT : node.cell + 1; }

void setChild(VARIANT* to, LONG child)
{
    to->vt = VT_I4;
    to->lVal = child;
}

} // namespace

// What the board's objects share: their count, the tree while the surface lives,
// and the objects, the board's first.
struct MsaaObject::Shared {
    explicit Shared(BoardSurface& surface) : window(surface.window())
    {
        tree.emplace(surface.board(), surface);
        objects.push_back(MsaaObject(*this, {}));
        for (std::int16_t n = 0; n < Tree::childCount({}); ++n)
            objects.push_back(MsaaObject(*this, {n}));
    }

    MsaaObject& objectOf(Part node) { return objects.at(static_cast<std::size_t>(node.cell + 1)); }

    ULONG references = 1;
    HWND window;
    std::optional<Tree> tree;
    std::vector<MsaaObject> objects;
};

LRESULT MsaaObject::answer(MsaaObject*& board, BoardSurface& surface, WPARAM flags, LPARAM id)
{
    const auto object = static_cast<LONG>(id);
    if (object != OBJID_CLIENT && (object < 1 || object > Tree::childCount({})))
        return 0;
    if (!board)
        board = &(new Shared(surface))->objects.front();
    return LresultFromObject(IID_IAccessible, flags, &board->shared_->objects.at(object == OBJID_CLIENT ? 0 : object));
}

std::pair<LONG, LONG> MsaaObject::eventIds(Part node)
{
    if (Tree::childCount(node) > 0)
        return {objectIdOf(node), CHILDID_SELF};
    return {objectIdOf(Tree::parent(node).value()), Tree::indexInParent(node) + 1};
}

void MsaaObject::disconnect() { shared_->tree.reset(); }

HRESULT MsaaObject::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_INVALIDARG;
    const bool known = id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible;
    *object = known ? static_cast<IAccessible*>(this) : nullptr;
    if (known)
        AddRef();
    return known ? S_OK : E_NOINTERFACE;
}

ULONG MsaaObject::AddRef() { return ++shared_->references; }

ULONG MsaaObject::Release()
{
    const ULONG left = --shared_->references;
    if (left == 0)
        delete shared_;
    return left;
}

std::optional<Part> MsaaObject::nodeOf(const VARIANT& child) const
{
    if (child.vt != VT_I4)
        return std::nullopt;
    return child.lVal == CHILDID_SELF ? self_ : Tree::child(self_, child.lVal - 1);
}

void MsaaObject::give(Part node, VARIANT* out) const
{
    if (node != self_ && Tree::childCount(node) > 0) {
        out->vt = VT_DISPATCH;
        out->pdispVal = &shared_->objectOf(node);
        out->pdispVal->AddRef();
    } else {
        setChild(out, node == self_ ? CHILDID_SELF : Tree::indexInParent(node) + 1);
    }
}

// A null answer, or a child id that names nothing, is refused; once the surface
// is gone, every question fails.
template <class Out, class Answer>
HRESULT MsaaObject::ask(std::optional<Part> node, Out* out, Answer answer) const
{
    if (!out)
        return E_INVALIDARG;
    *out = Out{}; // an empty VARIANT too
    if (!shared_->tree)
        return RPC_E_DISCONNECTED;
    return node ? answer(*node) : E_INVALIDARG;
}

HRESULT MsaaObject::text(const VARIANT& child, BSTR* out, Text which) const
{
    return ask(nodeOf(child), out, [&](Part node) {
        const Tree& tree = *shared_->tree;
        const std::string value = which == Text::Name          ? tree.name(node)
                                  : which == Text::Description ? Tree::description(node)
                                                               : std::string(_(Tree::action(node).c_str()));
        const std::wstring wide = utf16(value);
        *out = wide.empty() ? nullptr : SysAllocString(wide.c_str());
        return wide.empty() ? S_FALSE : S_OK;
    });
}

HRESULT MsaaObject::number(const VARIANT& child, VARIANT* out, bool role) const
{
    // In the order of Tree::Role.
    static constexpr LONG roles[] = {ROLE_SYSTEM_TABLE, ROLE_SYSTEM_CELL, ROLE_SYSTEM_PUSHBUTTON,
                                     ROLE_SYSTEM_STATICTEXT};
    return ask(nodeOf(child), out, [&](Part node) {
        const Tree::States is = shared_->tree->states(node);
        setChild(out, role ? roles[static_cast<int>(Tree::role(node))]
                           : is.invisible * STATE_SYSTEM_INVISIBLE | is.unavailable * STATE_SYSTEM_UNAVAILABLE |
                                 is.focusable * STATE_SYSTEM_FOCUSABLE | is.focused * STATE_SYSTEM_FOCUSED |
                                 is.pressed * STATE_SYSTEM_PRESSED);
        return S_OK;
    });
}

// The board's parent is its window's own object; a cell's, the board.
HRESULT MsaaObject::get_accParent(IDispatch** parent)
{
    return ask(self_, parent, [&](Part) {
        if (const std::optional<Part> up = Tree::parent(self_))
            return shared_->objectOf(*up).QueryInterface(IID_IDispatch, reinterpret_cast<void**>(parent));
        return AccessibleObjectFromWindow(shared_->window, OBJID_WINDOW, IID_IDispatch,
                                          reinterpret_cast<void**>(parent));
    });
}

HRESULT MsaaObject::get_accChildCount(LONG* count)
{
    return ask(self_, count, [&](Part) {
        *count = Tree::childCount(self_);
        return S_OK;
    });
}

HRESULT MsaaObject::get_accChild(VARIANT child, IDispatch** object)
{
    return ask(nodeOf(child), object, [&](Part node) {
        if (node == self_ || Tree::childCount(node) == 0)
            return S_FALSE;
        return shared_->objectOf(node).QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object));
    });
}

HRESULT MsaaObject::get_accFocus(VARIANT* focus)
{
    return ask(self_, focus, [&](Part) {
        const std::optional<Part> at = shared_->tree->focusWithin(self_);
        if (at)
            give(*at, focus);
        return at ? S_OK : S_FALSE;
    });
}

HRESULT MsaaObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child)
{
    // Every out-parameter given is written, whatever the answer.
    for (LONG* out : {left, top, width, height})
        if (out)
            *out = 0;
    if (!left || !top || !width)
        return E_INVALIDARG;
    return ask(nodeOf(child), height, [&](Part node) {
        const ui::desktop::Rect place = shared_->tree->bounds(node);
        std::tie(*left, *top, *width, *height) = std::tuple(place.left, place.top, place.width, place.height);
        return S_OK;
    });
}

// To this object's first and last child, and to the next and the previous sibling;
// the board has none of its own, as the window around it has them.
HRESULT MsaaObject::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    return ask(nodeOf(start), end, [&](Part node) {
        const std::optional<Part> parent = Tree::parent(node);
        std::optional<Part> to;
        if ((direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) && node == self_)
            to = Tree::child(node, direction == NAVDIR_FIRSTCHILD ? 0 : Tree::childCount(node) - 1);
        else if (parent && (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS))
            to = Tree::child(*parent, Tree::indexInParent(node) + (direction == NAVDIR_NEXT ? 1 : -1));
        if (to)
            give(*to, end);
        return to ? S_OK : S_FALSE;
    });
}

HRESULT MsaaObject::accHitTest(LONG x, LONG y, VARIANT* child)
{
    return ask(self_, child, [&](Part) {
        if (!shared_->tree->bounds(self_).contains({x, y}))
            return S_FALSE;
        give(shared_->tree->childAt(self_, {x, y}).value_or(self_), child);
        return S_OK;
    });
}

HRESULT MsaaObject::accDoDefaultAction(VARIANT child)
{
    VARIANT done;
    return ask(nodeOf(child), &done, [&](Part node) {
        if (Tree::action(node).empty())
            return DISP_E_MEMBERNOTFOUND;
        return shared_->tree->doAction(node) ? S_OK : E_FAIL;
    });
}

} // namespace ui::win32
