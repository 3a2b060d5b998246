#pragma once
// A printer for tests that records what is drawn. Its font metrics are simple on purpose:
// every character is half the font height wide and a text's cell height is 1.15 x the font
// height, so that the expected positions can be worked out by hand.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "printing/page_sink.h"
#include "printing/word_wrap.h"

namespace setrix::printing::test {

struct DrawnText {
  int x = 0, y = 0;
  std::string text;
  TextFont font;
  TextAlign align = TextAlign::LeftBaseline;
  int page = 0;
  bool inImage = false;
};

struct DrawnPicture {
  int width = 0, height = 0;  // source size
  PixelRect target;
  int page = 0;
  bool inImage = false;
};

struct SinkLog {
  std::vector<DrawnText> texts;
  std::vector<DrawnPicture> pictures;
  std::vector<PixelRect> boards;  // scratch images drawn onto the page: position and size
  std::string jobTitle;
  int begun = 0, newPages = 0, ended = 0;
  int liveImages = 0;
  int page = 0;
  std::string failOn;  // TextOut of this text throws
  // Every drawing call in order, one line each (fonts, alignment, texts, pictures with a hash
  // of their pixels, pages, scratch images), so that two runs can be compared call by call.
  std::vector<std::string> calls;

  // The texts drawn on the page (not into images) equal to `text`.
  std::vector<DrawnText> Find(const std::string& text) const {
    std::vector<DrawnText> found;
    for (const DrawnText& t : texts) {
      if (!t.inImage && t.text == text) found.push_back(t);
    }
    return found;
  }
};

// FNV-1a over a picture's size and palette indices.
inline std::uint64_t PictureHash(const raster::Bitmap& picture) {
  std::uint64_t h = 1469598103934665603ull;
  const auto mix = [&](std::uint64_t v) {
    h ^= v;
    h *= 1099511628211ull;
  };
  mix(static_cast<std::uint64_t>(picture.Width()));
  mix(static_cast<std::uint64_t>(picture.Height()));
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) mix(static_cast<std::uint64_t>(picture.Index(x, y)));
  return h;
}

inline std::string FontCall(const char* where, const TextFont& f) {
  return std::string(where) + " font " + std::to_string(f.height) + (f.bold ? " bold" : "") +
         (f.italic ? " italic" : "") + (f.rotated ? " rotated" : "");
}
inline std::string AlignCall(const char* where, TextAlign a) {
  return std::string(where) + " align " + std::to_string(static_cast<int>(a));
}
inline std::string TextCall(const char* where, int x, int y, std::string_view text) {
  return std::string(where) + " text " + std::to_string(x) + " " + std::to_string(y) + " " + std::string(text);
}
inline std::string PictureCall(const char* where, const raster::Bitmap& picture, const PixelRect& r) {
  return std::string(where) + " picture " + std::to_string(PictureHash(picture)) + " " + std::to_string(r.left) +
         " " + std::to_string(r.top) + " " + std::to_string(r.width) + " " + std::to_string(r.height);
}

inline double FakeWidth(const TextFont& font, std::string_view text) {
  return (CharacterOffsets(text).size() - 1) * font.height * 0.5;
}

class RecordingImage final : public ScratchImage {
 public:
  explicit RecordingImage(SinkLog& log) : log_(log) { ++log_.liveImages; }
  ~RecordingImage() override { --log_.liveImages; }
  void Reset(int width, int height) override {
    width_ = width, height_ = height;
    log_.calls.push_back("image reset " + std::to_string(width) + " " + std::to_string(height));
  }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetFont(const TextFont& font) override {
    font_ = font;
    log_.calls.push_back(FontCall("image", font));
  }
  void SetAlign(TextAlign align) override {
    align_ = align;
    log_.calls.push_back(AlignCall("image", align));
  }
  void TextOut(int x, int y, std::string_view text) override {
    log_.texts.push_back({x, y, std::string(text), font_, align_, log_.page, true});
    log_.calls.push_back(TextCall("image", x, y, text));
  }
  TextExtent Measure(std::string_view text) override { return {FakeWidth(font_, text), font_.height * 1.15}; }
  void StretchBitmap(const raster::Bitmap& picture, const PixelRect& target) override {
    log_.pictures.push_back({picture.Width(), picture.Height(), target, log_.page, true});
    log_.calls.push_back(PictureCall("image", picture, target));
  }

 private:
  SinkLog& log_;
  int width_ = 0, height_ = 0;
  TextFont font_;
  TextAlign align_ = TextAlign::LeftBaseline;
};

class RecordingSink final : public PageSink {
 public:
  RecordingSink(SinkLog& log, DeviceCaps caps) : log_(log), caps_(caps) {}

  DeviceCaps Caps() override { return caps_; }
  void SetJobTitle(std::string_view title) override {
    log_.jobTitle = std::string(title);
    log_.calls.push_back("title " + log_.jobTitle);
  }
  void BeginDocument() override {
    ++log_.begun;
    log_.page = 1;
    log_.calls.push_back("begin");
  }
  void NewPage() override {
    ++log_.newPages;
    ++log_.page;
    log_.calls.push_back("new page");
  }
  void EndDocument() override {
    ++log_.ended;
    log_.calls.push_back("end");
  }
  std::unique_ptr<ScratchImage> CreateScratchImage() override {
    log_.calls.push_back("image create");
    return std::make_unique<RecordingImage>(log_);
  }
  void DrawScratchImage(const ScratchImage& image, int x, int y) override {
    log_.boards.push_back({x, y, image.Width(), image.Height()});
    log_.calls.push_back("board " + std::to_string(x) + " " + std::to_string(y) + " " +
                         std::to_string(image.Width()) + " " + std::to_string(image.Height()));
  }
  void SetFont(const TextFont& font) override {
    font_ = font;
    log_.calls.push_back(FontCall("page", font));
  }
  void SetAlign(TextAlign align) override {
    align_ = align;
    log_.calls.push_back(AlignCall("page", align));
  }
  void TextOut(int x, int y, std::string_view text) override {
    if (!log_.failOn.empty() && text == log_.failOn) {
      throw std::runtime_error("the printer ran out of paper");
    }
    log_.texts.push_back({x, y, std::string(text), font_, align_, log_.page, false});
    log_.calls.push_back(TextCall("page", x, y, text));
  }
  TextExtent Measure(std::string_view text) override { return {FakeWidth(font_, text), font_.height * 1.15}; }
  void StretchBitmap(const raster::Bitmap& picture, const PixelRect& target) override {
    log_.pictures.push_back({picture.Width(), picture.Height(), target, log_.page, false});
    log_.calls.push_back(PictureCall("page", picture, target));
  }

 private:
  SinkLog& log_;
  DeviceCaps caps_;
  TextFont font_;
  TextAlign align_ = TextAlign::LeftBaseline;
};

// Plain pictures of the documented sizes.
inline raster::Bitmap TestPicture(std::string_view name) {
  struct Size {
    std::string_view name;
    int w, h;
  };
  static constexpr Size kSizes[] = {{"PCB_DC", 255, 196}, {"PCB_RTD", 255, 196}, {"KP_DC", 26, 202},
                                    {"KP_FRQ", 26, 202},  {"KP_RTD", 36, 202},   {"KP_THERMO", 36, 202},
                                    {"BMP_ON", 15, 37},   {"BMP_OFF", 15, 37},   {"ZTLOGO", 932, 125}};
  for (const Size& s : kSizes) {
    if (s.name == name) {
      raster::Bitmap b(s.w, s.h, 1);
      for (int y = 0; y < s.h; ++y)
        for (int x = 0; x < s.w; ++x) b.SetIndex(x, y, (x == 0 || y == 0 || x == s.w - 1 || y == s.h - 1) ? 0 : 1);
      return b;
    }
  }
  throw std::invalid_argument("unknown picture " + std::string(name));
}

}  // namespace setrix::printing::test
