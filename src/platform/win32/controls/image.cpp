// An image: the program's icon, or the picture resource stretched to the
// image's box.
#include "platform/win32/dpi.h"
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

namespace {

class ImageControl final : public Bound<Image> {
public:
    using Bound::Bound;
    ~ImageControl() override {
        if (photo_ != nullptr) DeleteObject(photo_);
    }

    void mirror(Prop prop) override {
        if (prop == Prop::Picture) {
            showPicture();
        } else {
            NativeControl::mirror(prop);
        }
    }

protected:
    Spec spec() const override {
        return {L"STATIC", static_cast<DWORD>(SS_NOTIFY | (model().row().picture == Picture::Photo ? SS_BITMAP : SS_ICON)),
                0, {}};
    }
    // When made and after a change of DPI: the picture or the icon at the
    // window's size.
    void restyle() override { showPicture(); }

private:
    void showPicture() {
        if (model().picture() == Picture::Icon) {
            api::send(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(site_.icon()), 0);
        } else if (model().picture() == Picture::Photo) {
            const int w = twips(model().row().box.width, site_.dpi());
            const int h = twips(model().row().box.height, site_.dpi());
            HBITMAP photo = static_cast<HBITMAP>(
                api::loadImage(2, IMAGE_BITMAP, w, h, LR_CREATEDIBSECTION));
            api::send(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(photo));
            SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (photo_ != nullptr) DeleteObject(photo_);
            photo_ = photo;
        }
    }

    HBITMAP photo_ = nullptr;
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, Image& model) {
    return std::make_unique<ImageControl>(site, model);
}

}  // namespace corvane::win32
