// SPDX-License-Identifier: MIT
// The game's MSAA objects: a control's role, name, state and default action
// over the system's standard object, which keeps place, parent and children.

#include "windows/widgets/Accessible.h"

#include "design/Texts.h"
#include "windows/widgets/Module.h"
#include "windows/widgets/Window.h"

#include <oleacc.h>

namespace zamut::win {

namespace {

// The window property that leads an object to its source while the window lives.
constexpr wchar_t SourceProperty[] = L"zamut.accessible";

// oleacc's IID_IAccessible is data in the DLL, which the program does not
// import; the header's declaration gives the same identifier.
const IID AccessibleIid = __uuidof(IAccessible);

template <typename Function> Function find(HMODULE module, const char* name) {
    return module == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// What the objects need of the system, loaded on the first question.
struct AccessibilityDlls {
    decltype(&CreateStdAccessibleObject) createStandardObject;
    decltype(&LresultFromObject) lresultFromObject;
    decltype(&SysAllocString) allocString;
};

const AccessibilityDlls& dlls() {
    static const AccessibilityDlls loaded = [] {
        // The objects handed out live in this, the window thread's, apartment.
        if (const auto initialize =
                find<decltype(&CoInitializeEx)>(loadSystemDll(L"ole32.dll"), "CoInitializeEx")) {
            initialize(nullptr, COINIT_APARTMENTTHREADED);
        }
        const HMODULE oleacc = loadSystemDll(L"oleacc.dll");
        return AccessibilityDlls{
            find<decltype(&CreateStdAccessibleObject)>(oleacc, "CreateStdAccessibleObject"),
            find<decltype(&LresultFromObject)>(oleacc, "LresultFromObject"),
            find<decltype(&SysAllocString)>(loadSystemDll(L"oleaut32.dll"), "SysAllocString")};
    }();
    return loaded;
}

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// A control's client object. Calls come from screen readers on the window
// thread; what they ask of the control's children goes to the standard object.
class ClientObject final : public IAccessible {
public:
    ClientObject(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == AccessibleIid) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --references_;
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: screen readers call the interface itself.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
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

    // What the control says of itself.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child)) {
            return standard_->get_accName(child, name);
        }
        return answer(
            [&](const AccessibleSource& source) { return text(source.accessibleName(), name); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!isSelf(child)) {
            return standard_->get_accDescription(child, description);
        }
        return answer([&](const AccessibleSource& source) {
            return text(source.accessibleDescription(), description);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child)) {
            return standard_->get_accRole(child, role);
        }
        return answer([&](const AccessibleSource& source) {
            role->vt = VT_I4;
            role->lVal = source.accessibleRole();
            return S_OK;
        });
    }
    // Nothing on the board takes the keyboard focus: unavailable and hidden
    // are all there is to say.
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!isSelf(child)) {
            return standard_->get_accState(child, state);
        }
        return answer([&](const AccessibleSource&) {
            state->vt = VT_I4;
            state->lVal = (IsWindowEnabled(window_) ? 0 : STATE_SYSTEM_UNAVAILABLE) |
                          (IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!isSelf(child)) {
            return standard_->get_accDefaultAction(child, action);
        }
        return answer([&](const AccessibleSource& source) {
            const std::wstring name = source.defaultActionName();
            return name.empty() ? DISP_E_MEMBERNOTFOUND : text(name, action);
        });
    }
    // A disabled control's action does nothing, as its click does nothing.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!isSelf(child)) {
            return standard_->accDoDefaultAction(child);
        }
        return answer([&](AccessibleSource& source) {
            if (source.defaultActionName().empty()) {
                return DISP_E_MEMBERNOTFOUND;
            }
            if (!IsWindowEnabled(window_)) {
                return S_FALSE;
            }
            source.doDefaultAction();
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        if (!isSelf(child)) {
            return standard_->get_accKeyboardShortcut(child, shortcut);
        }
        *shortcut = nullptr;
        return S_FALSE; // the board takes no keyboard input
    }

    // Place, parent, children and the rest: the standard object's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
        return standard_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~ClientObject() = default;

    // Runs `read` on the control while it lives, guarded as a window
    // procedure is.
    template <typename Read> HRESULT answer(Read read) const {
        auto* source = static_cast<AccessibleSource*>(GetPropW(window_, SourceProperty));
        if (source == nullptr) {
            return RPC_E_DISCONNECTED;
        }
        return guarded([&] { return read(*source); });
    }

    static HRESULT text(const std::wstring& value, BSTR* out) {
        *out = value.empty() ? nullptr : dlls().allocString(value.c_str());
        return value.empty() ? S_FALSE : *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    long references_ = 1;
    HWND window_;
    IAccessible* standard_;
};

// A standard button, subclassed to answer screen readers itself.
class PressableButton final : public AccessibleSource {
public:
    explicit PressableButton(HWND button)
        : button_(button),
          previous_(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_WNDPROC))) {
        SetPropW(button, ButtonProperty, this);
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure));
    }

    long accessibleRole() const override { return ROLE_SYSTEM_PUSHBUTTON; }
    std::wstring accessibleName() const override {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(button_)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(button_, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    std::wstring defaultActionName() const override { return widen(texts::PressAction); }
    // Posted, so that a window the click closes goes after the call returns.
    void doDefaultAction() override { PostMessageW(button_, BM_CLICK, 0, 0); }

private:
    static constexpr wchar_t ButtonProperty[] = L"zamut.button";

    static LRESULT CALLBACK procedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<PressableButton*>(GetPropW(button, ButtonProperty));
        if (message == WM_GETOBJECT) {
            return guarded([&] { return answerGetObject(button, *self, wParam, lParam); });
        }
        const WNDPROC previous = self->previous_;
        if (message == WM_NCDESTROY) {
            detachAccessible(button);
            RemovePropW(button, ButtonProperty);
            delete self;
        }
        return CallWindowProcW(previous, button, message, wParam, lParam);
    }

    HWND button_;
    WNDPROC previous_;
};

} // namespace

void makeButtonPressable(HWND button) {
    new PressableButton(button); // goes with the button
}

LRESULT answerGetObject(HWND window, AccessibleSource& source, WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) {
        return DefWindowProcW(window, WM_GETOBJECT, wParam, lParam);
    }
    const AccessibilityDlls& system = dlls();
    if (system.createStandardObject == nullptr || system.lresultFromObject == nullptr ||
        system.allocString == nullptr) {
        return DefWindowProcW(window, WM_GETOBJECT, wParam, lParam);
    }
    IAccessible* standard = nullptr;
    if (FAILED(system.createStandardObject(window, OBJID_CLIENT, AccessibleIid,
                                           reinterpret_cast<void**>(&standard)))) {
        return DefWindowProcW(window, WM_GETOBJECT, wParam, lParam);
    }
    SetPropW(window, SourceProperty, &source);
    auto* object = new ClientObject(window, standard);
    const LRESULT result = system.lresultFromObject(AccessibleIid, wParam, object);
    object->Release();
    return result;
}

void detachAccessible(HWND window) {
    RemovePropW(window, SourceProperty);
}

void announce(HWND window, DWORD event) {
    NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace zamut::win
