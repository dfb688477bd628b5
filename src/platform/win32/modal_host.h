// Modal windows on Windows: a view for the loaded window, centred over its
// owner's view, with the owner disabled until the window is unloaded.
#pragma once

#include <algorithm>
#include <vector>

#include "platform/services.h"
#include "platform/win32/window_view.h"

namespace corvane::win32 {

class ModalHost final : public WindowService {
public:
    // Makes a shown window known as a possible owner.
    void track(WindowView& view) {
        forget(view);
        views_.push_back(&view);
    }
    void forget(WindowView& view) {
        views_.erase(std::remove_if(views_.begin(), views_.end(),
                                    [&](const WindowView* v) { return &v->model() == &view.model(); }),
                     views_.end());
    }

    void showModal(Window& dialog, Window& owner, const std::function<bool()>& unloaded,
                   const std::function<void()>& closeButton) override;

private:
    std::vector<WindowView*> views_;  // one or two
};

}  // namespace corvane::win32
