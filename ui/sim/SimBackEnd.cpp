// The sim back end's half of the framework: modal and modeless dialogs on the simulated
// screen, fonts and bitmaps as records, message boxes answered from the desktop's queue.
#include <cstring>

#include "platform/Platform.h"
#include "ui/BackEnd.h"
#include "ui/Dialog.h"
#include "resources/dialogs/Strings.h"
#include "ui/sim/SimWindow.h"

namespace ui::detail {

using sim::Desktop;
using sim::SimWindow;

namespace {

SimWindow* Make(Dialog& dialog, Dialog* parent, Dialog* owner, bool modal) {
    auto window = std::make_unique<SimWindow>(dialog, *dialog.Template(), parent, owner, modal);
    SimWindow* raw = window.get();
    dialog.SetParentForBackEnd(parent ? parent : owner);
    dialog.AttachWindow(std::move(window));
    if (Desktop::Current().onWindow) Desktop::Current().onWindow(dialog, true);
    return raw;
}

struct SimBitmap {
    int width;
    int height;
};

int32_t ReadInt32(const std::string& bytes, std::size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<int32_t>(v);
}

int ReadInt16(const std::string& bytes, std::size_t at) {
    return static_cast<int16_t>(static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

class SimCanvas : public CanvasImpl {
public:
    SimCanvas(SimWindow& window, int controlId) : window_(window), controlId_(controlId) {}
    Rect ClientRect() const override {
        if (controlId_ == 0) return window_.ClientRect();
        Rect r = window_.ItemRect(controlId_);
        return Rect{0, 0, r.Width(), r.Height()};
    }
    void StretchBitmap(const Bitmap& bitmap, const Rect& target) override {
        sim::PaintOp op;
        op.kind = sim::PaintOp::StretchBitmap;
        op.controlId = controlId_;
        op.target = target;
        op.bitmapPath = bitmap.Path();
        op.bitmapWidth = bitmap.Width();
        op.bitmapHeight = bitmap.Height();
        window_.PaintLog().push_back(op);
    }
    void TextCentred(const std::string& text, const Rect& area, const FontSpec& font, Colour colour) override {
        sim::PaintOp op;
        op.kind = sim::PaintOp::TextCentred;
        op.controlId = controlId_;
        op.target = area;
        op.text = text;
        op.font = font;
        op.colour = colour;
        window_.PaintLog().push_back(op);
    }
    void Icon(int resourceId, int x, int y) override {
        sim::PaintOp op;
        op.kind = sim::PaintOp::Icon;
        op.controlId = controlId_;
        op.target = Rect{x, y, x + 32, y + 32};
        op.iconId = resourceId;
        window_.PaintLog().push_back(op);
    }

private:
    SimWindow& window_;
    int controlId_;
};

}  // namespace

int RunModal(Dialog& dialog, Dialog* owner) {
    SimWindow* window = Make(dialog, nullptr, owner, true);
    sim::SimWindow* ownerWindow = owner ? sim::WindowOf(*owner) : nullptr;
    if (ownerWindow) window->SetOwnerDisabled(true);
    bool focusFirst = dialog.HandleInit();
    (void)focusFirst;
    if (!window->Ended()) {
        window->Show(true);
        Desktop::Current().RunScript(dialog);
        if (sim::WindowOf(dialog) == window && !window->Ended()) {
            Desktop::Current().NoteLeftOpen(dialog.TemplateId());
            window->End(kIdCancel);
        }
    }
    int result = dialog.ModalResult();
    dialog.DestroyWindow();
    return result;
}

bool CreateModeless(Dialog& dialog, Dialog* parent) {
    SimWindow* window = Make(dialog, parent, nullptr, false);
    dialog.HandleInit();
    if (sim::WindowOf(dialog) == window && (dialog.Template()->style & kVisible)) window->Show(true);
    return true;
}

std::unique_ptr<CanvasImpl> PaintCanvas(Dialog& dialog) {
    SimWindow* w = sim::WindowOf(dialog);
    if (!w) return nullptr;
    return std::make_unique<SimCanvas>(*w, 0);
}

std::unique_ptr<CanvasImpl> ControlCanvas(Dialog& dialog, int controlId) {
    SimWindow* w = sim::WindowOf(dialog);
    if (!w || !w->Find(controlId)) return nullptr;
    return std::make_unique<SimCanvas>(*w, controlId);
}

void* CreateFontHandle(const FontSpec& fontSpec) { return new FontSpec(fontSpec); }
void DeleteFontHandle(void* handle) { delete static_cast<FontSpec*>(handle); }

void* LoadBitmapHandle(const std::string& path, int& width, int& height) {
    std::string bytes;
    if (plat::os().FileSystem().ReadWholeFile(path, bytes) != 0) return nullptr;
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return nullptr;
    int32_t headerSize = ReadInt32(bytes, 14);
    if (headerSize == 12) {
        width = ReadInt16(bytes, 18);
        height = ReadInt16(bytes, 20);
    } else if (headerSize >= 40 && bytes.size() >= 54) {
        width = ReadInt32(bytes, 18);
        height = ReadInt32(bytes, 22);
        if (height < 0) height = -height;
    } else {
        return nullptr;
    }
    if (width <= 0 || height <= 0) return nullptr;
    return new SimBitmap{width, height};
}

void DeleteBitmapHandle(void* handle) { delete static_cast<SimBitmap*>(handle); }

int MessageBoxAnswer(Dialog* owner, const std::string& text, const std::string& title, unsigned style) {
    return Desktop::Current().ShowBox(owner, text, title, style);
}

}  // namespace ui::detail

// The classic Windows scheme.
ui::Colour ui::SystemColour(int index) {
    switch (index) {
    case kColourWindow: return Rgb(255, 255, 255);
    case kColourWindowText: return Rgb(0, 0, 0);
    case kColourButtonFace: return Rgb(212, 208, 200);
    default: return Rgb(128, 128, 128);
    }
}

// The string table in the machine's code page: GBK on a Chinese system, else the text's
// ASCII with every other character as '?', as LoadStringA converts what it cannot show.
std::string ui::ResourceString(int id) {
    const StringResource* s = FindStringResource(id);
    if (!s) return "";
    uint16_t language = plat::os().System().SystemDefaultLangId();
    if (language == 2052 || language == 4100) return s->gbk;
    std::string ansi;
    for (const char* p = s->utf8; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c < 0x80) ansi += *p;
        else if ((c & 0xC0) != 0x80) ansi += '?';
    }
    return ansi;
}
