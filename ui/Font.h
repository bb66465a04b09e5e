#pragma once
// Fonts and bitmaps, owned by the window that made them and deleted by it.
#include <string>

namespace ui {

// The LOGFONT fields the programs set. Height as CreateFont takes it: positive for the
// cell height, negative for the character height.
struct FontSpec {
    int height = 0;
    int width = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 1;       // DEFAULT_CHARSET
    int pitchAndFamily = 0;
    std::string face;      // ANSI bytes (GBK for a Chinese face name)
    bool operator==(const FontSpec&) const = default;
};

constexpr int kAnsiCharSet = 0;
constexpr int kDefaultCharSet = 1;
constexpr int kGb2312CharSet = 134;
constexpr int kFamilySwiss = 0x20;  // FF_SWISS
constexpr int kWeightNormal = 400;
constexpr int kWeightBold = 700;

class Font {
public:
    Font() = default;
    ~Font() { Delete(); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Creates the font (deleting one made before); false when Windows refuses.
    bool Create(const FontSpec& fontSpec);
    void Delete();
    bool IsCreated() const { return handle_ != nullptr; }
    const FontSpec& Description() const { return spec_; }
    void* Handle() const { return handle_; }

private:
    FontSpec spec_;
    void* handle_ = nullptr;
};

class Bitmap {
public:
    Bitmap() = default;
    ~Bitmap() { Delete(); }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // Loads a .bmp file at its natural size (LoadImage from a file); false when the file
    // is missing or is not a bitmap.
    bool LoadFromFile(const std::string& path);
    void Delete();
    bool IsLoaded() const { return handle_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::string& Path() const { return path_; }
    void* Handle() const { return handle_; }

private:
    void* handle_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::string path_;
};

}  // namespace ui
