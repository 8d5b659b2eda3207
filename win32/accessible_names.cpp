#include "accessible_names.h"

#include "program_services.h"
#include "system_library.h"
#include "text.h"

#include <initguid.h>

#include <oleacc.h>

#include <utility>

namespace hourvault::win32 {

namespace {

// oleacc is loaded when a screen reader first asks, not at every start.
template <typename Function> Function oleacc(const char* name) {
    static const HMODULE module = systemLibrary(L"oleacc.dll");
    return systemFunction<Function>(module, name);
}

// A string for a screen reader, which frees it: from oleaut32, which the program loads when a
// screen reader first asks.
BSTR allocatedString(const std::wstring& text) {
    using Allocate = BSTR(WINAPI*)(const OLECHAR*);
    static const auto allocate =
        systemFunction<Allocate>(systemLibrary(L"oleaut32.dll"), "SysAllocString");
    return allocate != nullptr ? allocate(text.c_str()) : nullptr;
}

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// A control's standard object with its own name, role and value; its children, places, states
// and actions stay the standard object's. Lives as long as a screen reader holds it, which may
// be longer than the control: what it answers then is the standard object's failure.
class NamedObject final : public IAccessible, public IOleWindow {
public:
    NamedObject(HWND control, IAccessible* standard, std::wstring name, long role)
        : control_(control), standard_(standard), name_(std::move(name)), role_(role) {}
    NamedObject(const NamedObject&) = delete;
    NamedObject& operator=(const NamedObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID type, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (type == IID_IUnknown || type == IID_IDispatch || type == IID_IAccessible) {
            *object = static_cast<IAccessible*>(this);
        } else if (type == IID_IOleWindow) {
            *object = static_cast<IOleWindow*>(this);
        } else if (type == IID_IEnumVARIANT) {
            // The children, as the standard object enumerates them.
            return standard_->QueryInterface(type, object);
        } else {
            // Nothing else of the standard object's, lest it be marshalled in this one's place.
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) {
            return E_POINTER;
        }
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID type, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(type, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID type, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* error,
                                     UINT* wrong) override {
        return standard_->Invoke(id, type, locale, flags, parameters, result, error, wrong);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child) || name == nullptr) {
            return standard_->get_accName(child, name);
        }
        *name = allocatedString(name_);
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child) || role == nullptr || role_ == 0) {
            return standard_->get_accRole(child, role);
        }
        *role = VARIANT{};
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!isSelf(child) || value == nullptr) {
            return standard_->get_accValue(child, value);
        }
        // What the control shows.
        *value = allocatedString(windowText(control_));
        return *value != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override {
        return standard_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~NamedObject() { standard_->Release(); }

    LONG references_ = 1;
    HWND control_;
    IAccessible* standard_;
    std::wstring name_;
    long role_;
};

} // namespace

AccessibleNames::~AccessibleNames() {
    if (service_ != nullptr) {
        service_->Release();
    }
}

void AccessibleNames::start() {
    if (started_) {
        return;
    }
    started_ = true;
    if (!ProgramServices::com() ||
        FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&service_)))) {
        service_ = nullptr;
    }
    for (const Annotation& annotation : kept_) {
        annotate(annotation);
    }
    kept_.clear();
    kept_.shrink_to_fit();
}

void AccessibleNames::annotate(const Annotation& annotation) const {
    if (!started_) {
        kept_.push_back(annotation);
        return;
    }
    if (service_ == nullptr || annotation.control == nullptr) {
        return;
    }
    switch (annotation.property) {
    case Property::name:
    case Property::description:
        service_->SetHwndPropStr(annotation.control, OBJID_CLIENT, CHILDID_SELF,
                                 annotation.property == Property::name ? PROPID_ACC_NAME
                                                                       : PROPID_ACC_DESCRIPTION,
                                 annotation.text.c_str());
        return;
    case Property::role: {
        VARIANT value{};
        value.vt = VT_I4;
        value.lVal = annotation.role;
        service_->SetHwndProp(annotation.control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE,
                              value);
        return;
    }
    }
}

void AccessibleNames::name(HWND control, const std::wstring& name) const {
    annotate({control, Property::name, name, 0});
}

void AccessibleNames::describe(HWND control, const std::wstring& description) const {
    annotate({control, Property::description, description, 0});
}

void AccessibleNames::role(HWND control, long role) const {
    annotate({control, Property::role, {}, role});
}

void AccessibleNames::forget(HWND control) const {
    if (!started_) {
        std::erase_if(kept_, [control](const Annotation& kept) { return kept.control == control; });
        return;
    }
    if (service_ != nullptr && control != nullptr) {
        MSAAPROPID all[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, PROPID_ACC_ROLE};
        service_->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, all, 3);
    }
}

LRESULT namedObject(HWND control, WPARAM wParam, LPARAM lParam, const std::wstring& name,
                    long role) {
    // The object id is a DWORD, however wide lParam is.
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) {
        return 0;
    }
    using CreateStandard = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using Answer = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    static const auto createStandard = oleacc<CreateStandard>("CreateStdAccessibleObject");
    static const auto answerWith = oleacc<Answer>("LresultFromObject");
    IAccessible* standard = nullptr;
    // The answer is handed over through COM.
    if (!ProgramServices::com() || createStandard == nullptr || answerWith == nullptr ||
        FAILED(createStandard(control, OBJID_CLIENT, IID_IAccessible,
                              reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* named = new NamedObject(control, standard, name, role);
    // The answer holds a reference of its own until the screen reader takes the object.
    const LRESULT answer = answerWith(IID_IAccessible, wParam, static_cast<IAccessible*>(named));
    named->Release();
    return answer > 0 ? answer : 0;
}

} // namespace hourvault::win32
