#include "pdf/canvas.h"

#include <array>
#include <cmath>

#include "pdf/document.h"
#include "pdf/fonts.h"
#include "pdf/format.h"

namespace setrix::pdf {

namespace {
bool InRange(float v, float lo, float hi) { return v >= lo && v <= hi; }  // false for NaN
bool EndsWith(std::string_view s, std::string_view tail) { return s.ends_with(tail); }
}  // namespace

// ---- TPdfCanvasAttribute ----------------------------------------------------------------

void TPdfCanvasAttribute::SetWordSpace(float v) {
  if (!(v >= 0)) throw EPdfInvalidValue("SetWordSpace --invalid word space");
  wordSpace_ = v;
}

void TPdfCanvasAttribute::SetCharSpace(float v) {
  if (!InRange(v, -30, 300)) throw EPdfInvalidValue("SetCharSpace --invalid char space");
  charSpace_ = v;
}

void TPdfCanvasAttribute::SetFontSize(float v) {
  if (!InRange(v, 0, 300)) throw EPdfInvalidValue("SetFontSize --invalid font size");
  fontSize_ = v;
}

void TPdfCanvasAttribute::SetLeading(float v) {
  if (!InRange(v, 0, 300)) throw EPdfInvalidValue("SetLeading --invalid leading");
  leading_ = v;
}

void TPdfCanvasAttribute::SetHorizontalScaling(int v) {
  if (v < 10 || v > 300) throw EPdfInvalidValue("SetHorizontalScaling --invalid horizontal scaling");
  hScaling_ = static_cast<std::uint16_t>(v);
}

// Every step is rounded to single precision, as the widths are kept.
float TPdfCanvasAttribute::CharWidth(std::string_view text, int pos) const {
  if (pos < 1 || pos > static_cast<int>(text.size())) return 0;
  const long double g = font_ ? font_->GlyphWidth(text, pos) : 0;
  return SpacedWidth(g, text[static_cast<std::size_t>(pos - 1)] == ' ' && pos != static_cast<int>(text.size()));
}

float TPdfCanvasAttribute::SpacedWidth(long double glyph, bool innerSpace) const {
  auto c = static_cast<float>(glyph * fontSize_ / 1000.0L);
  if (hScaling_ != 100) c = static_cast<float>(static_cast<long double>(hScaling_) * c / 100.0L);
  float w = c > 0 ? static_cast<float>(static_cast<long double>(c) + charSpace_) : 0.0f;
  if (innerSpace && wordSpace_ > 0) w = static_cast<float>(static_cast<long double>(w) + wordSpace_);
  return w;
}

const float* TPdfCanvasAttribute::ScaledWidths() const {
  const std::array<std::uint16_t, 256>* widths = font_ ? font_->ByteWidths() : nullptr;
  const void* source = font_ ? font_->WidthsSource() : nullptr;
  if (!widths || !source) return nullptr;
  // The widths of every byte for the last few built-in width tables and sizes of this thread
  // (the fonts of one document are new objects, their tables the program's), exactly as
  // CharWidth computes them (without the word space, which depends on the place).
  struct Scaled {
    const void* source = nullptr;
    float size = -1, charSpace = 0;
    std::uint16_t hScaling = 0;
    std::array<float, 256> widths{};
  };
  constexpr std::size_t kKept = 8;
  thread_local std::array<Scaled, kKept> kept;
  thread_local std::size_t next = 0;
  for (const Scaled& k : kept)
    if (k.source == source && k.size == fontSize_ && k.charSpace == charSpace_ && k.hScaling == hScaling_)
      return k.widths.data();
  Scaled& k = kept[next];
  next = (next + 1) % kKept;
  k.source = source;
  k.size = fontSize_;
  k.charSpace = charSpace_;
  k.hScaling = hScaling_;
  for (std::size_t b = 0; b < 256; ++b) k.widths[b] = SpacedWidth((*widths)[b], false);
  return k.widths.data();
}

float TPdfCanvasAttribute::MeasureWidth(std::string_view text) const { return MeasureWidth(text, ScaledWidths()); }

float TPdfCanvasAttribute::MeasureWidth(std::string_view text, const float* widths) const {
  float sum = 0;
  if (widths) {
    const std::size_t last = text.size();
    for (std::size_t i = 0; i < last; ++i) {
      const auto b = static_cast<unsigned char>(text[i]);
      const float w = b == ' ' && i + 1 != last && wordSpace_ > 0
                          ? static_cast<float>(static_cast<long double>(widths[b]) + wordSpace_)
                          : widths[b];
      sum = static_cast<float>(static_cast<long double>(sum) + w);
    }
  } else {
    for (int i = 1; i <= static_cast<int>(text.size()); ++i)
      sum = static_cast<float>(static_cast<long double>(sum) + CharWidth(text, i));
  }
  return static_cast<float>(static_cast<long double>(sum) - charSpace_);
}

int TPdfCanvasAttribute::FitChars(std::string_view text, float width) const {
  return FitChars(text, width, ScaledWidths());
}

int TPdfCanvasAttribute::FitChars(std::string_view text, float width, const float* widths) const {
  float sum = 0;
  for (int i = 1; i <= static_cast<int>(text.size()); ++i) {
    const float w = widths && !(text[static_cast<std::size_t>(i - 1)] == ' ' && wordSpace_ > 0)
                        ? widths[static_cast<unsigned char>(text[static_cast<std::size_t>(i - 1)])]
                        : CharWidth(text, i);
    sum = static_cast<float>(static_cast<long double>(sum) + w);
    if (sum > width) return i - 1;
  }
  return static_cast<int>(text.size());
}

// ---- writing --------------------------------------------------------------------------

void TPdfCanvas::Write(std::string_view line) {
  if (Writing()) {
    contents_->Data() += line;
    contents_->Data() += '\n';
  }
}

void TPdfCanvas::WriteNumbers(std::initializer_list<float> values, std::string_view op) {
  if (!Writing()) return;
  std::string& data = contents_->Data();
  for (const float v : values) {
    AppendReal(data, v);
    data += ' ';
  }
  data += op;
  data += '\n';
}

void TPdfCanvas::PushState() { Write("q"); }
void TPdfCanvas::PopState() { Write("Q"); }
void TPdfCanvas::ConcatMatrix(float a, float b, float c, float d, float e, float f) {
  WriteNumbers({a, b, c, d, e, f}, "cm");
}
void TPdfCanvas::MoveTo(float x, float y) { WriteNumbers({x, y}, "m"); }
void TPdfCanvas::LineTo(float x, float y) { WriteNumbers({x, y}, "l"); }
void TPdfCanvas::AddRect(float x, float y, float w, float h) { WriteNumbers({x, y, w, h}, "re"); }
void TPdfCanvas::CloseSubpath() { Write("h"); }
void TPdfCanvas::EndPath() { Write("n"); }
void TPdfCanvas::ClipPath() { Write("W"); }
void TPdfCanvas::StartText() { Write("BT"); }
void TPdfCanvas::FinishText() { Write("ET"); }
void TPdfCanvas::MoveTextOrigin(float x, float y) { WriteNumbers({x, y}, "Td"); }
void TPdfCanvas::NextLine() { Write("T*"); }

void TPdfCanvas::ShowString(std::string_view text) {
  if (!Writing()) return;
  std::string& data = contents_->Data();
  if (IsMultiByte(text)) {
    data += '<';
    data += HexBytes(text);
    data += "> Tj\n";
  } else {
    data += '(';
    data += EscapeText(text);
    data += ") Tj\n";
  }
}

void TPdfCanvas::PaintXObject(std::string_view name) {
  if (!Writing()) return;
  std::string& data = contents_->Data();
  data += '/';
  data += name;
  data += " Do\n";
}

void TPdfCanvas::EmitFont(std::string_view name, float size) {
  if (!Writing()) return;
  std::string& data = contents_->Data();
  data += name;
  data += ' ';
  AppendReal(data, size);
  data += " Tf\n";
}

void TPdfCanvas::SetFillRGB(std::int32_t color) {
  const std::uint32_t c = color <= 0 ? 0u : static_cast<std::uint32_t>(color);
  if (!Writing()) return;
  // Each component as AppendReal writes it, formatted once for all 256 values.
  static const std::array<std::string, 256> components = [] {
    std::array<std::string, 256> t;
    for (std::size_t v = 0; v < t.size(); ++v) {
      AppendReal(t[v], static_cast<long double>(v) / 255.0L);
      t[v] += ' ';
    }
    return t;
  }();
  std::string& data = contents_->Data();
  for (const std::uint32_t v : {c, c >> 8, c >> 16}) data += components[v & 0xFF];
  data += "rg\n";
}

// ---- state operators ------------------------------------------------------------------

void TPdfCanvas::SetCharSpace(float v) {
  if (v == attr_.CharSpace()) return;
  attr_.SetCharSpace(v);
  WriteNumbers({v}, "Tc");
}

void TPdfCanvas::SetWordSpace(float v) {
  if (v == attr_.WordSpace()) return;
  attr_.SetWordSpace(v);
  WriteNumbers({v}, "Tw");
}

void TPdfCanvas::SetLeading(float v) {
  if (v == attr_.Leading()) return;
  attr_.SetLeading(v);
  WriteNumbers({v}, "TL");
}

void TPdfCanvas::SelectFont(const std::string& name, float size) {
  TPdfFont& font = doc_.GetFont(name);
  if (&font == attr_.Font() && size == attr_.FontSize()) return;
  const TPdfName* resourceName = font.Dict()->LookupName("Name");
  const std::string key = resourceName ? resourceName->Value() : font.Name();
  if (page_) {
    TPdfDictionary& fonts = Resources("Font");
    if (!fonts.Lookup(key)) fonts.Put(key, *font.Dict());
  }
  if (contents_) EmitFont("/" + key, size);
  attr_.SetFont(&font);
  attr_.SetFontSize(size);
}

// ---- page and document ----------------------------------------------------------------

void TPdfCanvas::AttachPage(TPdfDictionary& page) {
  if (page_) {
    if (attr_.Font()) page_->PutInternal("_Font", std::make_unique<TPdfName>(attr_.Font()->Name()));
    page_->PutInternal("_Font_Size", std::make_unique<TPdfReal>(attr_.FontSize()));
    page_->PutInternal("_Word_Space", std::make_unique<TPdfReal>(attr_.WordSpace()));
    page_->PutInternal("_Char_Space", std::make_unique<TPdfReal>(attr_.CharSpace()));
    page_->PutInternal("_HScalling", std::make_unique<TPdfNumber>(attr_.HorizontalScaling()));
    page_->PutInternal("_Leading", std::make_unique<TPdfReal>(attr_.Leading()));
  }
  page_ = &page;
  contents_ = dynamic_cast<TPdfStream*>(page.Lookup("Contents"));

  if (const TPdfName* font = page.LookupName("_Font")) {
    attr_.SetFont(&doc_.GetFont(font->Value()));
    if (const TPdfReal* v = page.LookupReal("_Font_Size")) attr_.SetFontSize(static_cast<float>(v->Value()));
    if (const TPdfReal* v = page.LookupReal("_Word_Space")) attr_.SetWordSpace(static_cast<float>(v->Value()));
    if (const TPdfReal* v = page.LookupReal("_Char_Space")) attr_.SetCharSpace(static_cast<float>(v->Value()));
    if (const TPdfNumber* v = page.LookupNumber("_HScalling")) attr_.SetHorizontalScaling(v->Value());
    if (const TPdfReal* v = page.LookupReal("_Leading")) attr_.SetLeading(static_cast<float>(v->Value()));
    return;
  }
  attr_.SetFont(nullptr);
  SelectFont("Arial", 10);
  attr_.SetCharSpace(0);
  attr_.SetWordSpace(0);
  attr_.SetHorizontalScaling(100);
  attr_.SetLeading(0);
}

void TPdfCanvas::Detach() {
  page_ = nullptr;
  contents_ = nullptr;
  attr_.SetFont(nullptr);
}

TPdfDictionary& TPdfCanvas::GetPage() const {
  if (!page_) throw EPdfInvalidOperation("GetPage --the Page is nil");
  return *page_;
}

TPdfDictionary& TPdfCanvas::Resources(std::string_view kind) {
  TPdfDictionary& page = GetPage();
  TPdfDictionary* resources = page.LookupDictionary("Resources");
  if (!resources) resources = page.Put("Resources", std::make_unique<TPdfDictionary>(page.ObjectMgr()));
  TPdfDictionary* dict = resources->LookupDictionary(kind);
  if (!dict) dict = resources->Put(kind, std::make_unique<TPdfDictionary>(page.ObjectMgr()));
  return *dict;
}

int TPdfCanvas::MediaHeight() const {
  const TPdfArray* box = GetPage().LookupArray("MediaBox");
  if (box && box->Count() >= 4)
    if (const auto* n = dynamic_cast<const TPdfNumber*>(box->Item(3))) return n->Value();
  return doc_.DefaultPageHeight();
}

namespace {
void SetMediaBoxItem(TPdfDictionary& page, int index, int value, const TPdfDoc& doc) {
  TPdfArray* box = page.LookupArray("MediaBox");
  if (!box || box->Count() < 4)
    box = page.Put("MediaBox", TPdfArray::FromIntegers(page.ObjectMgr(),
                                                       {0, 0, doc.DefaultPageWidth(), doc.DefaultPageHeight()}));
  if (auto* n = dynamic_cast<TPdfNumber*>(box->Item(index))) n->SetValue(value);
}
}  // namespace

void TPdfCanvas::SetMediaWidth(int n) { SetMediaBoxItem(GetPage(), 2, n, doc_); }
void TPdfCanvas::SetMediaHeight(int n) { SetMediaBoxItem(GetPage(), 3, n, doc_); }

// ---- measuring ------------------------------------------------------------------------

std::string TPdfCanvas::NextWord(std::string_view text, int& pos) { return std::string(WordAt(text, pos)); }

std::string_view TPdfCanvas::WordAt(std::string_view text, int& pos) {
  const int len = static_cast<int>(text.size());
  if (pos < 1) pos = 1;
  if (pos > len) return {};
  int i = pos;
  for (; i < len; ++i) {
    const char c = text[static_cast<std::size_t>(i - 1)];
    if (c == ' ') break;
    if (c == '\n' && i > 1 && text[static_cast<std::size_t>(i - 2)] == '\r') break;
  }
  const std::string_view word =
      text.substr(static_cast<std::size_t>(pos - 1), static_cast<std::size_t>(i - pos + 1));
  pos = i + 1;
  return word;
}

// ---- composite operations -------------------------------------------------------------

void TPdfCanvas::TextInBox(const TPdfBox& box, std::string_view text, TPdfAlignment alignment, bool clipping) {
  const float w = MeasureWidth(text);
  const long double width = static_cast<long double>(box.Right) - box.Left;
  long double dx = 0;
  if (alignment == TPdfAlignment::taRightJustify)
    dx = width - std::nearbyint(static_cast<long double>(w));  // halves to even
  else if (alignment == TPdfAlignment::taCenter)
    dx = std::nearbyint((width - w) / 2);
  if (clipping) {
    PushState();
    MoveTo(box.Left, box.Top);
    LineTo(box.Left, box.Bottom);
    LineTo(box.Right, box.Bottom);
    LineTo(box.Right, box.Top);
    CloseSubpath();
    ClipPath();
    EndPath();
  }
  StartText();
  MoveTextOrigin(static_cast<float>(box.Left + dx), static_cast<float>(box.Top - 0.85L * attr_.FontSize()));
  ShowString(text);
  FinishText();
  if (clipping) PopState();
}

void TPdfCanvas::TextBlockInBox(TPdfBox box, std::string_view text, bool wordWrap) {
  const float s = attr_.FontSize(), lead = attr_.Leading(), ws = attr_.WordSpace();
  const auto boxWidth = static_cast<float>(static_cast<long double>(box.Right) - box.Left);
  const float* const widths = attr_.ScaledWidths();  // one state for the whole block
  const auto measure = [&](std::string_view piece) { return attr_.MeasureWidth(piece, widths); };
  const auto showFitting = [&](std::string_view line) {
    ShowString(line.substr(0, static_cast<std::size_t>(attr_.FitChars(line, boxWidth, widths))));
  };
  // A line is the words that follow each other in the text (a line ending in CR LF is shown
  // without it and ends there), so it is a piece of the text.
  const auto extended = [](std::string_view line, std::string_view word) {
    return line.empty() ? word : std::string_view(line.data(), line.size() + word.size());
  };
  float x = box.Left;
  StartText();
  MoveTextOrigin(box.Left, static_cast<float>(box.Top - 0.85L * s));
  int pos = 1;
  std::string_view line = WordAt(text, pos);
  x = static_cast<float>(static_cast<long double>(x) + measure(line));
  if (EndsWith(line, " ")) x = static_cast<float>(static_cast<long double>(x) + ws);
  while (pos <= static_cast<int>(text.size())) {
    bool forced = false;
    if (EndsWith(line, "\r\n")) {
      line.remove_suffix(2);
      forced = true;
    }
    const std::string_view word = WordAt(text, pos);
    const float ww = measure(word);
    if ((wordWrap && static_cast<long double>(x) + ww > box.Right) || forced) {
      if (!line.empty()) showFitting(line);
      line = {};
      NextLine();
      box.Top = static_cast<float>(static_cast<long double>(box.Top) - lead);
      if (static_cast<long double>(box.Bottom) + s > box.Top) break;  // the rest is dropped
      x = box.Left;
    }
    x = static_cast<float>(static_cast<long double>(x) + ww);
    if (EndsWith(word, " ")) x = static_cast<float>(static_cast<long double>(x) + ws);
    line = extended(line, word);
  }
  // A text ending in CR LF: the line break shows nothing (no control bytes in the string).
  if (EndsWith(line, "\r\n")) line.remove_suffix(2);
  if (!line.empty()) showFitting(line);
  FinishText();
}

TPdfXObject& TPdfCanvas::FindXObject(const std::string& name, const char* operation) {
  TPdfXObject* obj = doc_.XObjectByName(name);
  if (!obj) throw EPdfInvalidValue(std::string(operation) + " --XObject not found: " + name);
  TPdfDictionary& xobjects = Resources("XObject");
  if (!xobjects.Lookup(name)) xobjects.Put(name, *obj);
  return *obj;
}

void TPdfCanvas::DrawXObject(float x, float y, float w, float h, const std::string& name) {
  TPdfXObject& obj = FindXObject(name, "DrawXObject");
  PushState();
  ConcatMatrix(w, 0, 0, h, x, y);
  PaintXObject(obj.Dict().LookupName("Name")->Value());
  PopState();
}

void TPdfCanvas::DrawXObjectEx(float x, float y, float w, float h, float clipX, float clipY, float clipW,
                               float clipH, const std::string& name) {
  TPdfXObject& obj = FindXObject(name, "DrawXObjectEx");
  PushState();
  AddRect(clipX, clipY, clipW, clipH);
  ClipPath();
  EndPath();
  ConcatMatrix(w, 0, 0, h, x, y);
  PaintXObject(obj.Dict().LookupName("Name")->Value());
  PopState();
}

}  // namespace setrix::pdf
