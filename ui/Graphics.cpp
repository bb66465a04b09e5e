// Fonts, bitmaps, canvases and message boxes: the common halves that hand over to the
// back end.
#include "ui/BackEnd.h"
#include "ui/Canvas.h"
#include "ui/Dialog.h"
#include "ui/MessageBox.h"
#include "platform/Platform.h"

namespace ui {

bool Font::Create(const FontSpec& fontSpec) {
    Delete();
    spec_ = fontSpec;
    handle_ = detail::CreateFontHandle(fontSpec);
    return handle_ != nullptr;
}

void Font::Delete() {
    if (handle_) detail::DeleteFontHandle(handle_);
    handle_ = nullptr;
}

bool Bitmap::LoadFromFile(const std::string& path) {
    Delete();
    path_ = path;
    handle_ = detail::LoadBitmapHandle(path, width_, height_);
    return handle_ != nullptr;
}

void Bitmap::Delete() {
    if (handle_) detail::DeleteBitmapHandle(handle_);
    handle_ = nullptr;
    width_ = height_ = 0;
}

Canvas::Canvas(std::unique_ptr<detail::CanvasImpl> impl) : impl_(std::move(impl)) {}
Canvas::Canvas(Canvas&&) noexcept = default;
Canvas::~Canvas() = default;

Canvas Canvas::ForPaint(Dialog& dialog) { return Canvas(detail::PaintCanvas(dialog)); }
Canvas Canvas::ForControl(Dialog& dialog, int controlId) {
    return Canvas(detail::ControlCanvas(dialog, controlId));
}

Rect Canvas::ClientRect() const { return impl_ ? impl_->ClientRect() : Rect{}; }
void Canvas::StretchBitmap(const Bitmap& bitmap, const Rect& target) {
    if (impl_ && bitmap.IsLoaded()) impl_->StretchBitmap(bitmap, target);
}
void Canvas::TextCentred(const std::string& text, const Rect& area, const FontSpec& font, Colour colour) {
    if (impl_) impl_->TextCentred(text, area, font, colour);
}
void Canvas::Icon(int resourceId, int x, int y) { if (impl_) impl_->Icon(resourceId, x, y); }

int ShowMessage(Dialog* owner, const std::string& text, const std::string& title, unsigned style) {
    if (!owner) owner = MainWindow();
    if (owner && !owner->IsCreated()) owner = nullptr;
    return detail::MessageBoxAnswer(owner, text, title, style);
}

std::string ApplicationName() {
    std::string path = plat::os().System().ModuleFileName();
    std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

int ShowAppMessage(const std::string& text, unsigned style) {
    return ShowMessage(nullptr, text, ApplicationName(), style);
}

}  // namespace ui
