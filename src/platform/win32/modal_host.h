// Modal windows on Windows: a view for the loaded window, centred over its
// owner's view, with the owner disabled until the window is unloaded.
#pragma once

#include <map>

#include "platform/services.h"
#include "platform/win32/window_view.h"

namespace corvane::win32 {

class ModalHost final : public WindowService {
public:
    // Makes a shown window known as a possible owner.
    void track(WindowView& view) { views_[&view.model()] = &view; }
    void forget(WindowView& view) { views_.erase(&view.model()); }

    void showModal(Window& dialog, Window& owner, const std::function<bool()>& unloaded,
                   const std::function<void()>& closeButton) override;

private:
    std::map<const Window*, WindowView*> views_;
};

}  // namespace corvane::win32
