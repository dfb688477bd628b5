#include "platform/win32/modal_host.h"

#include "platform/win32/message_loop.h"

namespace corvane::win32 {

void ModalHost::showModal(Window& dialog, Window& owner, const std::function<bool()>& unloaded,
                          const std::function<void()>& closeButton) {
    HWND ownerHwnd = nullptr;
    for (const WindowView* v : views_) {
        if (&v->model() == &owner) ownerHwnd = v->hwnd();
    }
    WindowView view(dialog);
    view.create(ownerHwnd, {.minimizeBox = false, .centreOnOwner = true});
    view.onClose = closeButton;
    track(view);
    if (ownerHwnd != nullptr) EnableWindow(ownerHwnd, FALSE);
    view.show();
    runMessageLoop(unloaded, view);
    // The owner is enabled before the window goes, so that it, and not some
    // other program, becomes the active window again.
    if (ownerHwnd != nullptr) {
        EnableWindow(ownerHwnd, TRUE);
        SetActiveWindow(ownerHwnd);
    }
    forget(view);
    view.destroy();
}

}  // namespace corvane::win32
