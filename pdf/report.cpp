#include "pdf/report.h"

#include <algorithm>
#include <random>

#include "pdf/errors.h"
#include "pdf/file_output.h"
#include "pdf/images.h"

namespace setrix::pdf {

// ---- TControl -------------------------------------------------------------------------

TControl::TControl(std::string name) : name_(std::move(name)) {}

void TControl::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (parent_ && (align_ != TAlign::alNone || resized)) parent_->Realign();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->Realign();
}

void TControl::SetParent(TWinControl& parent) {
  if (!parent_) throw EInvalidOperation("SetParent --the control has no parent; use Insert.");
  if (&parent == parent_) return;
  TWinControl& target = AcceptParent(parent);
  for (const TControl* p = &target; p; p = p->parent_)
    if (p == this) throw EReportError("a control can not be placed inside itself");
  std::unique_ptr<TControl> self = parent_->Remove(*this);
  target.children_.push_back(std::move(self));
  parent_ = &target;
  target.Realign();
}

TPRPage* TControl::OwningPage() const {
  for (const TControl* p = this; p; p = p->parent_)
    if (auto* page = dynamic_cast<const TPRPage*>(p)) return const_cast<TPRPage*>(page);
  return nullptr;
}

TWinControl& TControl::AcceptParent(TWinControl& requested) { return requested; }

// ---- TWinControl ----------------------------------------------------------------------

TControl& TWinControl::Insert(std::unique_ptr<TControl> child) {
  if (!child) throw EReportError("Insert --the control is null.");
  if (child->parent_) throw EReportError("Insert --the control already has a parent; use SetParent.");
  TWinControl& target = child->AcceptParent(*this);
  for (const TControl* p = &target; p; p = p->parent_)
    if (p == child.get()) throw EReportError("a control can not be placed inside itself");
  TControl& ref = *child;
  child->parent_ = &target;
  target.children_.push_back(std::move(child));
  target.Realign();
  return ref;
}

std::unique_ptr<TControl> TWinControl::Remove(TControl& child) {
  const auto it = std::find_if(children_.begin(), children_.end(),
                               [&](const std::unique_ptr<TControl>& c) { return c.get() == &child; });
  if (it == children_.end()) return nullptr;
  std::unique_ptr<TControl> out = std::move(*it);
  children_.erase(it);
  out->parent_ = nullptr;
  Realign();
  return out;
}

std::vector<TControl*> TWinControl::ControlOrder() const {
  std::vector<TControl*> order;
  order.reserve(children_.size());
  for (const auto& c : children_)
    if (!c->IsWindowed()) order.push_back(c.get());
  for (const auto& c : children_)
    if (c->IsWindowed()) order.push_back(c.get());
  return order;
}

TControl* TWinControl::FindControl(std::string_view name) const {
  for (const auto& c : children_) {
    if (c->Name() == name) return c.get();
    if (c->IsWindowed())  // a container: cheaper to ask than a cast, in the layout's many lookups
      if (TControl* found = static_cast<const TWinControl*>(c.get())->FindControl(name)) return found;
  }
  return nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  Realign();
}

void TWinControl::Realign() {
  TRect area = ClientRectForAlign();
  // Places a child without asking this container to realign again.
  const auto place = [](TControl& c, int l, int t, int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    c.left_ = l;
    c.top_ = t;
    const bool resized = c.width_ != w || c.height_ != h;
    c.width_ = w;
    c.height_ = h;
    if (auto* win = dynamic_cast<TWinControl*>(&c); win && resized) win->Realign();
  };
  for (const TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (const auto& child : children_) {
      TControl& c = *child;
      if (c.align_ != kind) continue;
      const int w = area.Right - area.Left, h = area.Bottom - area.Top;
      switch (kind) {
        case TAlign::alTop:
          place(c, area.Left, area.Top, w, c.height_);
          area.Top += c.height_;
          break;
        case TAlign::alBottom:
          place(c, area.Left, area.Bottom - c.height_, w, c.height_);
          area.Bottom -= c.height_;
          break;
        case TAlign::alLeft:
          place(c, area.Left, area.Top, c.width_, h);
          area.Left += c.width_;
          break;
        case TAlign::alRight:
          place(c, area.Right - c.width_, area.Top, c.width_, h);
          area.Right -= c.width_;
          break;
        case TAlign::alClient: place(c, area.Left, area.Top, w, h); break;
        case TAlign::alNone: break;
      }
    }
  }
}

// ---- TPRCanvas ------------------------------------------------------------------------

TPRCanvas::TPRCanvas() {
  auto gen = std::make_shared<std::mt19937>(std::random_device{}());
  random_ = [gen](int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(*gen); };
}

TPdfBox TPRCanvas::PdfBox(const TRect& rect) const {
  if (!canvas_) throw EInvalidOperation("PdfBox --the canvas has no PDF canvas.");
  const int h = canvas_->MediaHeight();
  return {static_cast<float>(rect.Left), static_cast<float>(h - rect.Top), static_cast<float>(rect.Right),
          static_cast<float>(h - rect.Bottom)};
}

void TPRCanvas::TextInBox(const TRect& rect, std::string_view text, TPdfAlignment alignment, bool clipping) {
  const TPdfBox box = PdfBox(rect);
  canvas_->TextInBox(box, text, alignment, clipping);
}

// ---- TPRPage --------------------------------------------------------------------------

TPRPage::TPRPage(std::string name) : TWinControl(std::move(name)), measuring_(std::make_unique<TPdfDoc>()) {
  SetBounds(0, 0, 596, 842);
  measuring_->NewDocument();
  measuring_->AddPage();
  measuring_->GetCanvas().SetLocked(true);
}

void TPRPage::SetMargin(int& margin, int v) {
  if (v < 0 || 2 * v >= Width()) return;
  margin = v;
  Realign();
}

TRect TPRPage::ClientRectForAlign() const {
  return {marginLeft_, marginTop_, Width() - marginRight_, Height() - marginBottom_};
}

void TPRPage::Render(TPRCanvas& canvas) {
  TPdfCanvas* pdf = canvas.PdfCanvas();
  if (!pdf) throw EInvalidOperation("Render --the canvas has no PDF canvas.");
  pdf->SetMediaHeight(Height());
  pdf->SetMediaWidth(Width());
  if (OnPrintPage) OnPrintPage(*this, canvas);
  for (TControl* child : ControlOrder())
    if (auto* panel = dynamic_cast<TPRPanel*>(child)) panel->Render(canvas, child->BoundsRect());
}

// ---- panels ---------------------------------------------------------------------------

TPRPanel::TPRPanel(std::string name) : TWinControl(std::move(name)) { SetBounds(0, 0, 185, 100); }

void TPRPanel::Render(TPRCanvas& canvas, const TRect& rect) {
  for (TControl* child : ControlOrder()) {
    const TRect b = child->BoundsRect();
    const TRect r{b.Left + rect.Left, b.Top + rect.Top, b.Right + rect.Left, b.Bottom + rect.Top};
    child->RenderAsChild(canvas, r);
  }
}

namespace {
// Layout and grid panels sit on pages and panels only.
TWinControl& AcceptOnPageOrPanel(TWinControl& requested) {
  if (dynamic_cast<TPRPanel*>(&requested) || dynamic_cast<TPRPage*>(&requested)) return requested;
  throw EReportError(std::string("TPRPage can not set on ") + requested.ClassName());
}
}  // namespace

TWinControl& TPRLayoutPanel::AcceptParent(TWinControl& requested) {
  if (auto* grid = dynamic_cast<TPRGridPanel*>(&requested)) return grid->ChildPanel();
  return AcceptOnPageOrPanel(requested);
}

void TPRLayoutPanel::Render(TPRCanvas& canvas, const TRect& rect) {
  if (BeforePrint) BeforePrint(*this, canvas, rect);
  TPRPanel::Render(canvas, rect);
  if (AfterPrint) AfterPrint(*this, canvas, rect);
}

TPRGridPanel::TPRGridPanel(std::string name) : TPRPanel(std::move(name)) {
  child_ = &static_cast<TPRChildPanel&>(Insert(std::make_unique<TPRChildPanel>(Name() + "ChildPanel")));
  Realign();
}

TWinControl& TPRGridPanel::AcceptParent(TWinControl& requested) { return AcceptOnPageOrPanel(requested); }

void TPRGridPanel::SetColCount(int v) {
  if (v <= 0 || static_cast<double>(Width()) / v < 10) throw EReportError("invalid colcount");
  colCount_ = v;
  Realign();
}

void TPRGridPanel::SetRowCount(int v) {
  if (v <= 0 || static_cast<double>(Height()) / v < 10) throw EReportError("invalid rowcount");
  rowCount_ = v;
  Realign();
}

void TPRGridPanel::Realign() {
  TPRPanel::Realign();
  if (!child_) return;  // still being built
  const TRect area = ClientRectForAlign();
  child_->SetBounds(area.Left, area.Top, (area.Right - area.Left) / colCount_,
                    (area.Bottom - area.Top) / rowCount_);
}

void TPRGridPanel::Render(TPRCanvas& canvas, const TRect& rect) {
  if (BeforePrint) BeforePrint(*this, canvas, rect);
  const auto cell = [&](int col, int row) {
    const int x = rect.Left + col * Width() / colCount_;
    const int y = rect.Top + row * Height() / rowCount_;
    const TRect r{x, y, x + child_->Width(), y + child_->Height()};
    if (BeforePrintChild) BeforePrintChild(*this, canvas, col, row, r);
    child_->Render(canvas, r);
    if (AfterPrintChild) AfterPrintChild(*this, canvas, col, row, r);
  };
  if (direction_ == TPrintDirection::pdHorz) {
    for (int row = 0; row < rowCount_; ++row)
      for (int col = 0; col < colCount_; ++col) cell(col, row);
  } else {
    for (int col = 0; col < colCount_; ++col)
      for (int row = 0; row < rowCount_; ++row) cell(col, row);
  }
  if (AfterPrint) AfterPrint(*this, canvas, rect);
}

// ---- items ----------------------------------------------------------------------------

TPRItem::TPRItem(std::string name) : TGraphicControl(std::move(name)) { SetBounds(0, 0, 100, 30); }

void TPRItem::Render(TPRCanvas&, const TRect&) {}

TWinControl& TPRItem::AcceptParent(TWinControl& requested) {
  if (auto* grid = dynamic_cast<TPRGridPanel*>(&requested)) return grid->ChildPanel();
  if (dynamic_cast<TPRPanel*>(&requested)) return requested;
  throw EReportError("this component must set on TPRPanel");
}

void TPRCustomLabel::SetFontColor(std::int32_t v) {
  if (v > 0x0FFFFFFF) throw EPdfInvalidValue("the color you selected is not allowed.");
  fontColor_ = v;
}

const std::string& TPRCustomLabel::PdfFontName() const {
  // Family by style: regular, bold, italic, bold italic.
  static const std::string kNames[4][4] = {
      {"FixedWidth", "FixedWidth-Bold", "FixedWidth-Italic", "FixedWidth-BoldItalic"},
      {"Arial", "Arial-Bold", "Arial-Italic", "Arial-BoldItalic"},
      {"Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic"},
      {"", "-Bold", "-Italic", "-BoldItalic"}};  // a value outside the enumeration
  int family = 3;
  switch (fontName_) {
    case TPRFontName::fnFixedWidth: family = 0; break;
    case TPRFontName::fnArial: family = 1; break;
    case TPRFontName::fnTimesRoman: family = 2; break;
  }
  return kNames[family][(bold_ ? 1 : 0) + (italic_ ? 2 : 0)];
}

void TPRLabel::ApplyLabelState(TPdfCanvas& canvas) const {
  canvas.SelectFont(PdfFontName(), FontSize());
  canvas.SetFillRGB(FontColor());
  canvas.SetWordSpace(WordSpace());
  if (!justified_) {
    canvas.SetCharSpace(CharSpace());
    return;
  }
  canvas.SetCharSpace(0);
  const float w = canvas.MeasureWidth(caption_);
  const int n = CharCount(caption_);
  const float cs = n >= 2 ? static_cast<float>((static_cast<double>(Width()) - w) / (n - 1)) : 0.0f;
  if (cs > 0) canvas.SetCharSpace(cs);
}

float TPRLabel::GetTextWidth() {
  TPRPage* page = OwningPage();
  if (!page) throw EInvalidOperation("GetTextWidth --the label is on no page.");
  TPdfCanvas& canvas = page->MeasuringDocument().GetCanvas();
  ApplyLabelState(canvas);
  return canvas.MeasureWidth(caption_);
}

void TPRLabel::Render(TPRCanvas& canvas, const TRect& rect) {
  if (caption_.empty()) return;
  if (!canvas.PdfCanvas()) throw EInvalidOperation("Render --the canvas has no PDF canvas.");
  ApplyLabelState(*canvas.PdfCanvas());
  canvas.TextInBox(rect, caption_, alignment_, clipping_);
}

std::string TPRText::Text() const {
  std::string joined;
  for (const std::string& line : lines_) {
    joined += line;
    joined += "\r\n";
  }
  const auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t b = 0, e = joined.size();
  while (b < e && isTrimmed(joined[b])) ++b;
  while (e > b && isTrimmed(joined[e - 1])) --e;
  return joined.substr(b, e - b);
}

void TPRText::SetText(std::string_view text) {
  lines_.clear();
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
    lines_.emplace_back(text.substr(start, i - start));
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
}

void TPRText::Render(TPRCanvas& canvas, const TRect& rect) {
  TPdfCanvas* pdf = canvas.PdfCanvas();
  if (!pdf) throw EInvalidOperation("Render --the canvas has no PDF canvas.");
  pdf->SelectFont(PdfFontName(), FontSize());
  pdf->SetFillRGB(FontColor());
  pdf->SetCharSpace(CharSpace());
  pdf->SetWordSpace(WordSpace());
  pdf->SetLeading(leading_);
  pdf->TextBlockInBox(canvas.PdfBox(rect), Text(), wordWrap_);
}

void TPRImage::Render(TPRCanvas& canvas, const TRect& rect) {
  if (!picture_ || picture_->Empty()) return;
  TPdfCanvas* pdf = canvas.PdfCanvas();
  if (!pdf) throw EInvalidOperation("Render --the canvas has no PDF canvas.");
  TPdfDoc& doc = pdf->GetDoc();

  std::string name = Name();
  bool create = true;
  if (shared_) {
    create = doc.XObjectByName(name) == nullptr;
  } else {
    // A free name: the component's name and a number from a random start upwards.
    constexpr int kNumbers = 65535;  // 0 .. 65534
    int n = canvas.Random(kNumbers - 1);
    for (int tries = 0; tries < kNumbers; ++tries) {
      name = Name() + std::to_string(n);
      if (!doc.XObjectByName(name)) break;
      n = n >= kNumbers - 1 ? 0 : n + 1;
    }
  }
  if (create) {
    auto hit = std::find_if(converted_.begin(), converted_.end(),
                            [this](const Converted& c) { return c.picture == picture_; });
    if (hit == converted_.end()) {
      if (converted_.size() == kConvertedKept) converted_.pop_back();
      converted_.insert(converted_.begin(), {picture_, PrepareImageBytes(*picture_)});
    } else {
      std::rotate(converted_.begin(), hit, hit + 1);
    }
    doc.AddImage(name, MakeImage(converted_.front().bytes));
  }

  const auto h = static_cast<float>(pdf->MediaHeight());
  if (stretch_) {
    pdf->DrawXObject(static_cast<float>(rect.Left), h - static_cast<float>(rect.Bottom),
                     static_cast<float>(Width()), static_cast<float>(Height()), name);
  } else {
    const auto pw = static_cast<float>(picture_->Width()), ph = static_cast<float>(picture_->Height());
    const auto left = static_cast<float>(rect.Left), top = static_cast<float>(rect.Top);
    pdf->DrawXObjectEx(left, h - top - ph, pw, ph, left, h - top - static_cast<float>(Height()),
                       static_cast<float>(Width()), static_cast<float>(Height()), name);
  }
}

// ---- TPReport -------------------------------------------------------------------------

TPReport::TPReport(TPdfClock clock) : clock_(std::move(clock)), creationDate_(clock_()) {}

TPReport::~TPReport() { DiscardDocument(); }

void TPReport::RequireClosed(const char* setter) const {
  if (doc_) throw EPdfInvalidOperation(std::string(setter) + " --invalid operation.");
}

void TPReport::SetAuthor(std::string v) {
  RequireClosed("SetAuthor");
  author_ = std::move(v);
}
void TPReport::SetCreator(std::string v) {
  RequireClosed("SetCreator");
  creator_ = std::move(v);
}
void TPReport::SetKeywords(std::string v) {
  RequireClosed("SetKeyWords");
  keywords_ = std::move(v);
}
void TPReport::SetSubject(std::string v) {
  RequireClosed("SetSubject");
  subject_ = std::move(v);
}
void TPReport::SetCreationDate(const TPdfDateTime& v) {
  RequireClosed("SetCreationDate");
  creationDate_ = v;
}
void TPReport::SetModDate(const TPdfDateTime& v) {
  RequireClosed("SetModDate");
  modDate_ = v;
}
void TPReport::SetPageLayout(TPdfPageLayout v) {
  RequireClosed("SetPageLayout");
  pageLayout_ = v;
}
void TPReport::SetPageMode(TPdfPageMode v) {
  RequireClosed("SetPageMode");
  pageMode_ = v;
}
void TPReport::SetNonFullScreenPageMode(TPdfPageMode v) {
  RequireClosed("SetNonFullScreenPageMode");
  nonFullScreenPageMode_ = v == TPdfPageMode::pmFullScreen ? TPdfPageMode::pmUseNone : v;
}
void TPReport::SetUseOutlines(bool v) {
  RequireClosed("SetUseOutlines");
  useOutlines_ = v;
}
void TPReport::SetViewerPreference(TPdfViewerPreferences v) {
  RequireClosed("SetViewerPreference");
  viewerPreference_ = v;
}

void TPReport::OpenDocument() {
  DiscardDocument();
  doc_ = std::make_unique<TPdfDoc>([this] { return clock_(); });
  doc_->SetUseOutlines(useOutlines_);
  doc_->SetCompressionMethod(compression_);
  doc_->NewDocument();
  TPdfCatalog& root = doc_->GetRoot();
  root.SetPageMode(pageMode_);
  root.SetPageLayout(pageLayout_);
  if (nonFullScreenPageMode_ != TPdfPageMode::pmUseNone) root.SetNonFullScreenPageMode(nonFullScreenPageMode_);
  if (!viewerPreference_.Empty()) root.SetViewerPreference(viewerPreference_);
  TPdfInfo& info = doc_->GetInfo();
  info.SetAuthor(author_);
  info.SetCreationDate(creationDate_);
  info.SetCreator(creator_);
  info.SetKeywords(keywords_);
  info.SetModDate(modDate_);
  info.SetSubject(subject_);
  info.SetTitle(title_);
}

void TPReport::PrintPage(TPRPage& page) {
  if (!doc_) throw EPdfInvalidOperation("AddPage --current pages null.");
  doc_->AddPage();
  canvas_.SetPdfCanvas(&doc_->GetCanvas());
  page.Render(canvas_);
}

void TPReport::CloseDocument(std::string& out) {
  if (!doc_) throw EInvalidOperation("document is null..");
  doc_->SaveToStream(bytes_);
  out.swap(bytes_);  // `out` stays as it was when saving fails; its memory serves the next document
  DiscardDocument();
}

void TPReport::CloseDocument() {
  if (!doc_) throw EInvalidOperation("document is null..");
  doc_->SaveToStream(bytes_);
  WriteFileReplacing(fileName_, bytes_);
  DiscardDocument();
}

void TPReport::DiscardDocument() {
  canvas_.SetPdfCanvas(nullptr);
  doc_.reset();
}

}  // namespace setrix::pdf
