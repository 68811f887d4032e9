#pragma once
#include "ui/desktop/AccessibleBoard.h"
#include "ui/win32/WindowsApi.h"

#include <oleacc.h>

namespace ui::win32 {

// The board as a screen reader meets it, through the surface's WM_GETOBJECT: the
// board's own tree (ui::desktop::AccessibleBoard) as IAccessible objects. The
// board object is a table whose 81 children are cell objects; a cell's nine
// candidates are its simple children 1 to 9 and its label child 10. The board
// object also names every part by a child id of its own, as the events on the
// surface do: cell n (row-major, 0 to 80) is child n + 1, and part p of cell n
// (candidate 0 to 8, label 9) is child 100 + 10 n + p, for which get_accChild
// gives nothing, so that the board object answers for it. Where the surface
// window itself sits, the system's standard object for the window answers.
//
// Reference-counted COM objects: the surface makes the board object when first
// asked and holds one reference; a screen reader may hold more, and every cell
// object holds its board's, past the window's end; then every question fails
// as for an object whose server is gone.
class BoardAccessible final : public IAccessible {
public:
    using Part = ui::desktop::Part;

    BoardAccessible(HWND surface, ui::desktop::AccessibleBoard& tree);
    void disconnect();

    // The child id of a part on the board object, as the events name it.
    static LONG childIdOf(Part part);

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
            if (isBoard())
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

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return noText(child, value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override { return noText(child, text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return noText(child, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override
    {
        return noText(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override; // nothing is ever selected
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    BoardAccessible(BoardAccessible& board, std::int16_t cell);
    ~BoardAccessible();

    bool isBoard() const { return board_ == this; }
    // The part a child id names here; false for an id that names nothing.
    bool partOf(const VARIANT& child, Part& part) const;
    // A part as this object hands it out: a cell as its object, any other part
    // by its child id here.
    void give(Part part, VARIANT* out);
    template <class Answer>
    HRESULT answer(const VARIANT& child, Answer forPart) const;
    HRESULT noText(const VARIANT& child, BSTR* out) const;
    // A question about the surface window itself; it fails where the window has
    // no standard object.
    template <class Question>
    HRESULT askStandard(Question question) const
    {
        return board_->standard_ ? question(*board_->standard_) : E_FAIL;
    }

    BoardAccessible* board_; // this, for the board object
    Part self_;
    // The board object's alone: null once the surface is gone.
    HWND window_ = nullptr;
    ui::desktop::AccessibleBoard* tree_ = nullptr;
    IAccessible* standard_ = nullptr;
    ULONG references_ = 1;
};

} // namespace ui::win32
