#include "accessible_names.h"

#include <initguid.h>

#include <oleacc.h>

namespace hourvault::win32 {

AccessibleNames::AccessibleNames() {
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&service_)))) {
        service_ = nullptr;
    }
}

AccessibleNames::~AccessibleNames() {
    if (service_ != nullptr) {
        service_->Release();
    }
}

void AccessibleNames::name(HWND control, const std::wstring& name) const {
    if (service_ != nullptr && control != nullptr) {
        service_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                 name.c_str());
    }
}

void AccessibleNames::describe(HWND control, const std::wstring& description) const {
    if (service_ != nullptr && control != nullptr) {
        service_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                 description.c_str());
    }
}

void AccessibleNames::role(HWND control, long role) const {
    if (service_ != nullptr && control != nullptr) {
        VARIANT value{};
        value.vt = VT_I4;
        value.lVal = role;
        service_->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, value);
    }
}

void AccessibleNames::forget(HWND control) const {
    if (service_ != nullptr && control != nullptr) {
        MSAAPROPID all[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, PROPID_ACC_ROLE};
        service_->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, all, 3);
    }
}

} // namespace hourvault::win32
