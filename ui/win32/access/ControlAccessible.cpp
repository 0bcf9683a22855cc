#include "ui/win32/access/AccessibleControl.h"

#include <oleacc.h>

#include <string>

#include "ui/win32/controls/CWindow.h"

namespace mervik::ui {
namespace {

BSTR Text(const std::string& text) {
    const int n =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(n));
    if (out && n > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out, n);
    return out;
}

LONG RoleCode(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::OptionButton:
        return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::PageTab:
        return ROLE_SYSTEM_PAGETAB;
    case AccessibleRole::List:
        return ROLE_SYSTEM_LIST;
    case AccessibleRole::ListItem:
        return ROLE_SYSTEM_LISTITEM;
    case AccessibleRole::Slider:
        return ROLE_SYSTEM_SLIDER;
    case AccessibleRole::EditableText:
        return ROLE_SYSTEM_TEXT;
    case AccessibleRole::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::Graphic:
        return ROLE_SYSTEM_GRAPHIC;
    }
    return ROLE_SYSTEM_CLIENT;
}

// The MSAA object of one of Option's controls. It holds only the window's
// handle: each question goes to the control as it is now, and a control that
// is gone answers that it is gone.
class ControlAccessible final : public IAccessible {
public:
    explicit ControlAccessible(HWND window) : window_(window) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, IID_IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: a screen reader calls IAccessible itself.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent)
            return E_POINTER;
        *parent = nullptr;
        if (!IsWindow(window_))
            return E_FAIL;
        return CreateStdAccessibleObject(window_, OBJID_WINDOW, IID_IDispatch,
                                         reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count)
            return E_POINTER;
        AccessibleControl* control = Control();
        *count = control ? control->AccessibleItemCount() : 0;
        return control ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        // Items are simple elements, asked through their parent.
        return ItemOf(child) >= -1 ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Answer(child, name, [](const AccessibleFacts& f) { return f.name; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Answer(child, value, [](const AccessibleFacts& f) { return f.value; });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Answer(child, text, [](const AccessibleFacts& f) { return f.description; });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role)
            return E_POINTER;
        VariantInit(role);
        AccessibleFacts facts;
        if (HRESULT hr = Facts(child, facts); FAILED(hr))
            return hr;
        role->vt = VT_I4;
        role->lVal = RoleCode(facts.role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state)
            return E_POINTER;
        VariantInit(state);
        AccessibleFacts facts;
        if (HRESULT hr = Facts(child, facts); FAILED(hr))
            return hr;
        state->vt = VT_I4;
        state->lVal = static_cast<LONG>(StateOf(facts, ItemOf(child)));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        if (help)
            *help = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file)
            *file = nullptr;
        if (topic)
            *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return Answer(child, shortcut, [](const AccessibleFacts& f) { return f.shortcut; });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus)
            return E_POINTER;
        VariantInit(focus);
        if (GetFocus() == window_) {
            focus->vt = VT_I4;
            focus->lVal = CHILDID_SELF;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection)
            return E_POINTER;
        VariantInit(selection);
        AccessibleControl* control = Control();
        if (!control)
            return E_FAIL;
        for (int i = 0; i < control->AccessibleItemCount(); ++i) {
            if (control->DescribeItem(i).checked) {
                selection->vt = VT_I4;
                selection->lVal = i + 1;
                break;
            }
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override {
        if (action)
            *action = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        if (ItemOf(child) != -1 || !(flags & SELFLAG_TAKEFOCUS))
            return E_NOTIMPL;
        return SetFocus(window_) ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (!left || !top || !width || !height)
            return E_POINTER;
        AccessibleControl* control = Control();
        const int item = ItemOf(child);
        if (!control || item < -1 || item >= control->AccessibleItemCount())
            return control ? E_INVALIDARG : E_FAIL;
        RECT place{};
        if (item == -1)
            GetWindowRect(window_, &place);
        else
            place = control->AccessibleItemPlace(item);
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
        if (end)
            VariantInit(end);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        if (!child)
            return E_POINTER;
        VariantInit(child);
        RECT place{};
        GetWindowRect(window_, &place);
        if (!PtInRect(&place, POINT{x, y}))
            return S_FALSE;
        child->vt = VT_I4;
        child->lVal = CHILDID_SELF;
        if (AccessibleControl* control = Control()) {
            for (int i = 0; i < control->AccessibleItemCount(); ++i) {
                const RECT item = control->AccessibleItemPlace(i);
                if (PtInRect(&item, POINT{x, y})) {
                    child->lVal = i + 1;
                    break;
                }
            }
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        AccessibleControl* control = Control();
        const int item = ItemOf(child);
        if (!control)
            return E_FAIL;
        if (item < -1 || item >= control->AccessibleItemCount())
            return E_INVALIDARG;
        control->DoDefaultAction(item);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    // The control while its window is there.
    AccessibleControl* Control() const {
        if (!IsWindow(window_))
            return nullptr;
        return dynamic_cast<AccessibleControl*>(CWindow::FromHandle(window_));
    }

    // -1 for the control itself, else the item's index; -2 for no such child.
    static int ItemOf(const VARIANT& child) {
        if (child.vt != VT_I4 || child.lVal < 0)
            return -2;
        return child.lVal == CHILDID_SELF ? -1 : static_cast<int>(child.lVal) - 1;
    }

    HRESULT Facts(const VARIANT& child, AccessibleFacts& facts) const {
        AccessibleControl* control = Control();
        if (!control)
            return E_FAIL;
        const int item = ItemOf(child);
        if (item < -1 || item >= control->AccessibleItemCount())
            return E_INVALIDARG;
        facts = item == -1 ? control->Describe() : control->DescribeItem(item);
        return S_OK;
    }

    template <class Field> HRESULT Answer(const VARIANT& child, BSTR* out, Field field) const {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        AccessibleFacts facts;
        if (HRESULT hr = Facts(child, facts); FAILED(hr))
            return hr;
        const std::string text = field(facts);
        if (text.empty())
            return S_FALSE;
        *out = Text(text);
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    DWORD StateOf(const AccessibleFacts& facts, int item) const {
        DWORD state = 0;
        if (item >= 0) {
            state |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
            if (facts.checked)
                state |= STATE_SYSTEM_SELECTED | (GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0);
            return state;
        }
        if (!IsWindowVisible(window_))
            state |= STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(window_))
            state |= STATE_SYSTEM_UNAVAILABLE;
        if (GetWindowLongPtrA(window_, GWL_STYLE) & WS_TABSTOP)
            state |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == window_)
            state |= STATE_SYSTEM_FOCUSED;
        if (facts.checked)
            state |= facts.role == AccessibleRole::PageTab ? STATE_SYSTEM_SELECTED
                                                           : STATE_SYSTEM_CHECKED;
        if (facts.hasPopup)
            state |= STATE_SYSTEM_HASPOPUP;
        if (facts.readOnly)
            state |= STATE_SYSTEM_READONLY;
        return state;
    }

    HWND window_;
    LONG references_ = 1;
};

} // namespace

LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT)
        return 0;
    auto* object = new ControlAccessible(window);
    const LRESULT answer = LresultFromObject(IID_IAccessible, flags, object);
    object->Release();
    // Not handed over: the system's own object answers instead.
    return FAILED(answer) ? 0 : answer;
}

} // namespace mervik::ui
