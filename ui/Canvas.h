#pragma once
// Drawing on a dialog or one of its controls, as the programs' paint handlers do.
#include <memory>
#include <string>

#include "ui/Font.h"
#include "ui/Types.h"

namespace ui {

class Dialog;

namespace detail {
class CanvasImpl;
}

class Canvas {
public:
    // The paint context of the dialog (BeginPaint/EndPaint); only inside OnPaint. When a
    // paint handler makes none, the dialog's default painting follows the handler.
    static Canvas ForPaint(Dialog& dialog);
    // The device context of one control of the dialog (GetDC/ReleaseDC).
    static Canvas ForControl(Dialog& dialog, int controlId);

    Canvas(Canvas&&) noexcept;
    ~Canvas();

    bool IsValid() const { return impl_ != nullptr; }
    Rect ClientRect() const;
    // The whole bitmap stretched over `target` (COLORONCOLOR, SRCCOPY).
    void StretchBitmap(const Bitmap& bitmap, const Rect& target);
    // One line of text centred in `area`, transparent background; the font is made for
    // this call and deleted after it.
    void TextCentred(const std::string& text, const Rect& area, const FontSpec& font, Colour colour);
    // The icon of a resource id, drawn at its natural size with its top-left at (x, y).
    void Icon(int resourceId, int x, int y);

private:
    explicit Canvas(std::unique_ptr<detail::CanvasImpl> impl);
    std::unique_ptr<detail::CanvasImpl> impl_;
};

}  // namespace ui
