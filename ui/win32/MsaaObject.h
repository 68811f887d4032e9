#pragma once
#include <optional>
#include <utility>

#include "ui/desktop/DrawnBoard.h"
#include "ui/win32/WindowsApi.h"

#include <oleacc.h>

namespace ui::win32 {

class BoardSurface;

// The board's tree (ui::desktop::AccessibilityTree) as IAccessible objects, which
// the surface hands out in WM_GETOBJECT. The board, a table, is the surface's client
// object; each of its 81 cells is an object of its own, also under a custom object
// id, n + 1 for cell n (row by row), whose simple elements 1 to 10 are its candidates
// and its label. So every event and the focus name a part inside its cell.
//
// The objects share one reference count. The surface makes them when a screen
// reader first asks and holds one reference; a screen reader may hold more, past
// the window's end, when every question fails as for a server that is gone.
class MsaaObject final : public IAccessible {
public:
    using Part = ui::desktop::Part;
    // Answers WM_GETOBJECT for the board's objects, made at the first question into
    // `board`; 0 for an object id that is none of theirs.
    static LRESULT answer(MsaaObject*& board, BoardSurface& surface, WPARAM flags, LPARAM id);
    // The object id and child id by which an event names a node.
    static std::pair<LONG, LONG> eventIds(Part node);
    void disconnect();

    STDMETHODIMP QueryInterface(REFIID id, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // Nothing is offered to scripting languages. Every out-parameter given is
    // written on every path, a failure's too, as COM asks.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return count ? (*count = 0, S_OK) : E_INVALIDARG; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        if (info)
            *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) override
    {
        for (UINT n = 0; ids && n < count; ++n)
            ids[n] = DISPID_UNKNOWN;
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT* wrong) override
    {
        if (result)
            VariantInit(result);
        if (wrong)
            *wrong = 0;
        return E_NOTIMPL;
    }

    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChildCount(LONG* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override { return text(child, out, Text::Name); }
    STDMETHODIMP get_accValue(VARIANT, BSTR* out) override { return unsupported(out); }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override { return text(child, out, Text::Description); }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* out) override { return number(child, out, true); }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override { return number(child, out, false); }
    STDMETHODIMP get_accHelp(VARIANT, BSTR* out) override { return unsupported(out); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override
    {
        if (topic)
            *topic = 0;
        return unsupported(file);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT, BSTR* out) override { return unsupported(out); }
    STDMETHODIMP get_accFocus(VARIANT* focus) override;
    STDMETHODIMP get_accSelection(VARIANT* out) override { return unsupported(out); }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* out) override { return text(child, out, Text::Action); }
    STDMETHODIMP accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* child) override;
    STDMETHODIMP accDoDefaultAction(VARIANT child) override;
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    struct Shared;
    enum class Text { Name, Description, Action };
    MsaaObject(Shared& shared, Part self) : shared_(&shared), self_(self) {}

    // The node a child id names here: this object's own, or its child n - 1.
    std::optional<Part> nodeOf(const VARIANT& child) const;
    // A node as this object hands it out: itself, an object, or a child by its id.
    void give(Part node, VARIANT* out) const;
    // A question about `node`, if one is named, answered into `out`.
    template <class Out, class Answer>
    HRESULT ask(std::optional<Part> node, Out* out, Answer answer) const;
    HRESULT text(const VARIANT& child, BSTR* out, Text which) const;
    // Nothing of the board has a value, help or shortcut, nor is anything selected.
    template <class Out>
    static HRESULT unsupported(Out* out)
    {
        return out ? (*out = Out{}, DISP_E_MEMBERNOTFOUND) : E_INVALIDARG;
    }
    HRESULT number(const VARIANT& child, VARIANT* out, bool role) const;

    Shared* shared_;
    Part self_;
};

} // namespace ui::win32
