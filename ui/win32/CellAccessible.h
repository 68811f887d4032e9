#pragma once
#include <cstdint>

#include "ui/DrawnCell.h"
#include "ui/win32/WindowsApi.h"

#include <oleacc.h>

namespace ui::win32 {

class CellWindow;

// A cell as a screen reader meets it, through the window's WM_GETOBJECT: the
// window's own client object, with its nine candidates and its label as simple
// children. Candidate i is child i + 1, a push button named "Row 4, column 7,
// candidate 5", while its drawn caption stays the digit; the label is child 10,
// static text named "Row 4, column 7, digit 5" while it shows one. What the
// cell itself is, where it lies and how it fits among its siblings, the
// system's standard object for the window answers.
//
// A reference-counted COM object: the cell window makes it when first asked and
// holds one reference; a screen reader may hold more, past the window's end,
// and then every question fails as for an object whose server is gone.
class CellAccessible final : public IAccessible {
public:
    static constexpr LONG labelChild = DrawnCell::labelPart + 1;

    explicit CellAccessible(CellWindow& cell);
    void disconnect();

    // Tells assistive technology what changed on `part` of the cell in `window`.
    static void announce(HWND window, const DrawnCell& cell, std::int16_t part, CellView::Change change);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        const bool known = id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible;
        *object = known ? static_cast<IAccessible*>(this) : nullptr;
        if (known)
            AddRef();
        return known ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0) {
            disconnect();
            delete this;
        }
        return left;
    }

    // Nothing is offered to scripting languages.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return cell_ ? standard_->get_accParent(parent) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        *count = labelChild;
        return cell_ ? S_OK : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    // Nothing of a cell is ever selected.
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        VariantInit(selection);
        return cell_ ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~CellAccessible() = default;
    // The part of the cell a child id names; none for the cell itself, and
    // false for an id that names nothing.
    static bool partOf(const VARIANT& child, std::int16_t& part);
    using TextQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    HRESULT noText(const VARIANT& child, BSTR* out, TextQuestion forSelf) const;
    template <class Self, class Part>
    HRESULT answer(const VARIANT& child, Self forSelf, Part forPart) const;

    CellWindow* cell_;
    IAccessible* standard_ = nullptr;
    ULONG references_ = 1;
};

} // namespace ui::win32
