// The native control of a model control: the one its kind's file makes,
// found through the list of kinds (controls.h).
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

std::unique_ptr<NativeControl> makeNativeControl(ControlSite& site, Control& model) {
    return withKind(model.kind(), [&]<class T>() { return makeNative(site, static_cast<T&>(model)); });
}

}  // namespace corvane::win32
