#pragma once
// Report components: pages laid out as a tree of positioned components, printed into PDF
// documents.
//
// A TPRPage is a page-sized container; TPRLayoutPanel and TPRGridPanel group the items
// TPRLabel (one line of text), TPRText (a block of lines) and TPRImage (a bitmap). Every
// component has a name and a position and size in pixels relative to its container; one
// pixel is one PDF point and the only conversion is the vertical flip to PDF's upward y.
// TPReport owns the document settings and writes a file: OpenDocument, PrintPage for each
// page, CloseDocument.
//
// The tree: a container owns its children. Build it with Add<T>(name, left, top, width,
// height); move a placed control with SetParent; Insert/Remove hand over ownership. The
// containment rules are checked whenever a control gets a parent.
//
// Texts handed to the components are Windows-1252 bytes, as the PDF engine writes them.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/canvas.h"
#include "pdf/document.h"
#include "pdf/format.h"
#include "pdf/images.h"
#include "pdf/wrappers.h"
#include "raster/bitmap.h"

namespace setrix::pdf {

// A general error of the components: containment rules, grid sizes, pictures.
class EReportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An operation that the component's state does not allow ("document is null..").
class EInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A pixel rectangle relative to the page; Right and Bottom are exclusive edges.
struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

// Placement by the container: aligned controls fill a side (or the rest) of the
// container's client area in the order top, bottom, left, right, client.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum class TPRFontName { fnFixedWidth, fnArial, fnTimesRoman };
enum class TPrintDirection { pdHorz, pdVert };

class TWinControl;
class TPRPage;
class TPRCanvas;

// ---- the component tree ---------------------------------------------------------------

class TControl {
 public:
  explicit TControl(std::string name);
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;
  virtual ~TControl() = default;

  virtual const char* ClassName() const = 0;
  // Windowed controls (containers) follow the non-windowed ones (items) in control order.
  virtual bool IsWindowed() const = 0;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  // Left, Top, Left + Width, Top + Height in the parent's pixels.
  TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  TWinControl* Parent() const { return parent_; }
  // Moves a control that already has a parent to `parent` (checked by the containment
  // rules; on an error the control stays where it was).
  void SetParent(TWinControl& parent);

  // The page this control is placed on (walking up the parents), or null.
  TPRPage* OwningPage() const;

  // What a panel rendering its children does with this one at rect (page pixels): panels
  // and printable items draw themselves, other controls nothing.
  virtual void RenderAsChild(TPRCanvas&, const TRect&) {}

 protected:
  // The container that will actually hold this control when `requested` is asked to:
  // `requested` itself, or a container inside it; throws EReportError when the rules
  // forbid it. The base class accepts any container.
  virtual TWinControl& AcceptParent(TWinControl& requested);

 private:
  friend class TWinControl;
  std::string name_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  TWinControl* parent_ = nullptr;
};

// A container: owns its children in the order they were added.
class TWinControl : public TControl {
 public:
  using TControl::TControl;
  const char* ClassName() const override { return "TWinControl"; }
  bool IsWindowed() const final { return true; }  // FindControl relies on it: true only here

  // Creates a child of type T with a name and bounds and places it here (or where the
  // containment rules send it). Returns the new child.
  template <class T>
  T& Add(std::string name, int left = 0, int top = 0, int width = -1, int height = -1) {
    auto child = std::make_unique<T>(std::move(name));
    child->SetBounds(left, top, width < 0 ? child->Width() : width, height < 0 ? child->Height() : height);
    T& ref = *child;
    Insert(std::move(child));
    return ref;
  }
  // Places a control without parent here (or where the rules send it) and takes it over;
  // on a rule error the control is destroyed and the error propagates.
  TControl& Insert(std::unique_ptr<TControl> child);
  // Takes a child out of this container and hands it back; null when it is not a child.
  std::unique_ptr<TControl> Remove(TControl& child);

  int ControlCount() const { return static_cast<int>(children_.size()); }
  // The children in control order: items (non-windowed) in the order they were added,
  // then containers in the order they were added. Later output paints over earlier.
  std::vector<TControl*> ControlOrder() const;
  // The first control of that name in this container or below it, or null.
  TControl* FindControl(std::string_view name) const;

  // The area in which aligned children are placed; the whole control by default.
  virtual TRect ClientRectForAlign() const { return {0, 0, Width(), Height()}; }
  // Places the aligned children.
  virtual void Realign();

  void SetBounds(int left, int top, int width, int height) override;

 private:
  friend class TControl;
  std::vector<std::unique_ptr<TControl>> children_;
};

// A printable thing without children.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
  bool IsWindowed() const final { return false; }
};

// ---- the canvas handed to the components -----------------------------------------------

// Passes a page's TPdfCanvas to the components and offers text in page pixels.
class TPRCanvas {
 public:
  TPRCanvas();

  TPdfCanvas* PdfCanvas() const { return canvas_; }
  void SetPdfCanvas(TPdfCanvas* canvas) { canvas_ = canvas; }

  // One line in the pixel rectangle rect (page pixels, y downwards).
  void TextInBox(const TRect& rect, std::string_view text, TPdfAlignment alignment, bool clipping);
  // The PDF box of a page-pixel rectangle: (Left, H - Top, Right, H - Bottom) with H the
  // MediaHeight of the PDF canvas.
  TPdfBox PdfBox(const TRect& rect) const;

  // The pseudo-random source of image names: a value from 0 to n - 1.
  using TRandom = std::function<int(int n)>;
  int Random(int n) const { return random_(n); }
  void SetRandom(TRandom random) { random_ = std::move(random); }

 private:
  TPdfCanvas* canvas_ = nullptr;
  TRandom random_;
};

using TPRPrintPageEvent = std::function<void(TControl& sender, TPRCanvas& canvas)>;
using TPRPrintPanelEvent = std::function<void(TControl& sender, TPRCanvas& canvas, const TRect& rect)>;
using TPRPrintChildPanelEvent =
    std::function<void(TControl& sender, TPRCanvas& canvas, int col, int row, const TRect& rect)>;

// ---- pages and panels -----------------------------------------------------------------

// One page: 596 x 842 when created; its children are panels.
class TPRPage final : public TWinControl {
 public:
  explicit TPRPage(std::string name);
  const char* ClassName() const override { return "TPRPage"; }

  // Default 32 each. A new value is taken only when it is at least 0 and less than half
  // the page's Width; otherwise it is ignored.
  int MarginTop() const { return marginTop_; }
  int MarginLeft() const { return marginLeft_; }
  int MarginRight() const { return marginRight_; }
  int MarginBottom() const { return marginBottom_; }
  void SetMarginTop(int v) { SetMargin(marginTop_, v); }
  void SetMarginLeft(int v) { SetMargin(marginLeft_, v); }
  void SetMarginRight(int v) { SetMargin(marginRight_, v); }
  void SetMarginBottom(int v) { SetMargin(marginBottom_, v); }

  // No influence on printing.
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }

  TPRPrintPageEvent OnPrintPage;

  // The private measuring document: one page, its canvas locked (it measures, writes
  // nothing). The items measure their texts on it.
  TPdfDoc& MeasuringDocument() { return *measuring_; }

  TRect ClientRectForAlign() const override;

  // Sets the MediaBox of the current PDF page to [0 0 Width Height], fires OnPrintPage and
  // renders every panel child in control order.
  void Render(TPRCanvas& canvas);

 private:
  void SetMargin(int& margin, int v);
  int marginTop_ = 32, marginLeft_ = 32, marginRight_ = 32, marginBottom_ = 32;
  bool visible_ = true;
  std::unique_ptr<TPdfDoc> measuring_;
};

// A container of panels and items; created 100 high.
class TPRPanel : public TWinControl {
 public:
  explicit TPRPanel(std::string name);
  const char* ClassName() const override { return "TPRPanel"; }
  // Renders each child in control order at its bounds shifted by rect's Left and Top:
  // panels always, items when Printable.
  virtual void Render(TPRCanvas& canvas, const TRect& rect);
  void RenderAsChild(TPRCanvas& canvas, const TRect& rect) final { Render(canvas, rect); }
};

// A panel with print events.
class TPRLayoutPanel final : public TPRPanel {
 public:
  using TPRPanel::TPRPanel;
  const char* ClassName() const override { return "TPRLayoutPanel"; }

  TPRPrintPanelEvent BeforePrint;
  TPRPrintPanelEvent AfterPrint;

  void Render(TPRCanvas& canvas, const TRect& rect) override;

 protected:
  TWinControl& AcceptParent(TWinControl& requested) override;
};

// The repeated panel inside a TPRGridPanel.
class TPRChildPanel final : public TPRPanel {
 public:
  using TPRPanel::TPRPanel;
  const char* ClassName() const override { return "TPRChildPanel"; }
};

// Repeats its child panel in a grid of ColCount x RowCount cells.
class TPRGridPanel final : public TPRPanel {
 public:
  explicit TPRGridPanel(std::string name);
  const char* ClassName() const override { return "TPRGridPanel"; }

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  // A value <= 0 or one that makes Width / value < 10: EReportError "invalid colcount".
  void SetColCount(int v);
  // The same with Height: "invalid rowcount".
  void SetRowCount(int v);
  TPrintDirection PrintDirection() const { return direction_; }
  void SetPrintDirection(TPrintDirection d) { direction_ = d; }

  // The panel that takes every item and layout panel placed on the grid.
  TPRChildPanel& ChildPanel() const { return *child_; }

  TPRPrintPanelEvent BeforePrint;
  TPRPrintPanelEvent AfterPrint;
  TPRPrintChildPanelEvent BeforePrintChild;
  TPRPrintChildPanelEvent AfterPrintChild;

  void Realign() override;
  void Render(TPRCanvas& canvas, const TRect& rect) override;

 protected:
  TWinControl& AcceptParent(TWinControl& requested) override;

 private:
  int colCount_ = 1, rowCount_ = 1;
  TPrintDirection direction_ = TPrintDirection::pdHorz;
  TPRChildPanel* child_ = nullptr;
};

// ---- printable items ------------------------------------------------------------------

// Created 100 x 30.
class TPRItem : public TGraphicControl {
 public:
  explicit TPRItem(std::string name);

  bool Printable() const { return printable_; }
  void SetPrintable(bool v) { printable_ = v; }

  // Prints the item at rect (page pixels); nothing in the base class.
  virtual void Render(TPRCanvas& canvas, const TRect& rect);
  void RenderAsChild(TPRCanvas& canvas, const TRect& rect) final {
    if (printable_) Render(canvas, rect);
  }

 protected:
  TWinControl& AcceptParent(TWinControl& requested) override;

 private:
  bool printable_ = true;
};

// Font and spacing of the text items.
class TPRCustomLabel : public TPRItem {
 public:
  using TPRItem::TPRItem;

  std::int32_t FontColor() const { return fontColor_; }
  // Above 268435455 (0FFFFFFF hex): EPdfInvalidValue "the color you selected is not
  // allowed."; negative values (system colours) are taken and print black.
  void SetFontColor(std::int32_t v);
  TPRFontName FontName() const { return fontName_; }
  void SetFontName(TPRFontName v) { fontName_ = v; }
  float FontSize() const { return fontSize_; }
  // Values <= 0 are ignored.
  void SetFontSize(float v) {
    if (v > 0) fontSize_ = v;
  }
  bool FontBold() const { return bold_; }
  void SetFontBold(bool v) { bold_ = v; }
  bool FontItalic() const { return italic_; }
  void SetFontItalic(bool v) { italic_ = v; }
  float CharSpace() const { return charSpace_; }
  void SetCharSpace(float v) { charSpace_ = v; }
  float WordSpace() const { return wordSpace_; }
  // Negative values are ignored.
  void SetWordSpace(float v) {
    if (v >= 0) wordSpace_ = v;
  }

  // "Arial", "Arial-Bold", "Times-Italic", "FixedWidth-BoldItalic", ...
  const std::string& PdfFontName() const;

 private:
  std::int32_t fontColor_ = 0;
  TPRFontName fontName_ = TPRFontName::fnArial;
  float fontSize_ = 12;
  bool bold_ = false, italic_ = false;
  float charSpace_ = 0, wordSpace_ = 0;
};

// One line of text.
class TPRLabel final : public TPRCustomLabel {
 public:
  using TPRCustomLabel::TPRCustomLabel;
  const char* ClassName() const override { return "TPRLabel"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string v) { caption_ = std::move(v); }
  bool Clipping() const { return clipping_; }
  void SetClipping(bool v) { clipping_ = v; }
  TPdfAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPdfAlignment v) { alignment_ = v; }
  // The caption's characters are spread so that it spans the label's width exactly.
  bool AlignJustified() const { return justified_; }
  void SetAlignJustified(bool v) { justified_ = v; }

  // The label's text state on a PDF canvas: font, colour, word space, char space (spread
  // for a justified label).
  void ApplyLabelState(TPdfCanvas& canvas) const;
  // The width of the caption in the label's text state, measured on the page's measuring
  // document. Without a page: EInvalidOperation.
  float GetTextWidth();

  // An empty caption prints nothing; otherwise the label state and the caption in its box
  // (baseline 0.85 x FontSize below the top edge).
  void Render(TPRCanvas& canvas, const TRect& rect) override;

 private:
  std::string caption_;
  bool clipping_ = false;
  TPdfAlignment alignment_ = TPdfAlignment::taLeftJustify;
  bool justified_ = false;
};

// A block of lines, each starting at the left edge, Leading points apart.
class TPRText final : public TPRCustomLabel {
 public:
  using TPRCustomLabel::TPRCustomLabel;
  const char* ClassName() const override { return "TPRText"; }

  std::vector<std::string>& Lines() { return lines_; }
  const std::vector<std::string>& Lines() const { return lines_; }
  // The lines joined with CR LF, without leading and trailing blanks and control bytes.
  std::string Text() const;
  // Replaces the lines: the text is cut at every CR LF, CR or LF.
  void SetText(std::string_view text);

  float Leading() const { return leading_; }
  // Negative values are ignored.
  void SetLeading(float v) {
    if (v >= 0) leading_ = v;
  }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { wordWrap_ = v; }

  // Text state, then the text flowed into the box (lines too wide are cut, lines too low
  // dropped).
  void Render(TPRCanvas& canvas, const TRect& rect) override;

 private:
  std::vector<std::string> lines_;
  float leading_ = 14;
  bool wordWrap_ = false;
};

// A bitmap.
class TPRImage final : public TPRItem {
 public:
  using TPRItem::TPRItem;
  const char* ClassName() const override { return "TPRImage"; }

  const std::shared_ptr<const raster::Bitmap>& Picture() const { return picture_; }
  void SetPicture(std::shared_ptr<const raster::Bitmap> picture) { picture_ = std::move(picture); }
  void SetPicture(raster::Bitmap picture) {
    picture_ = std::make_shared<const raster::Bitmap>(std::move(picture));
  }
  // Shared: embedded once per document under the component's name and reused. Not
  // shared: a new image under the name followed by a free number on every print.
  bool SharedImage() const { return shared_; }
  void SetSharedImage(bool v) { shared_ = v; }
  // Stretched into the box, or one point per pixel from the box's top-left corner, cut
  // at the box.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v) { stretch_ = v; }

  void Render(TPRCanvas& canvas, const TRect& rect) override;

 private:
  std::shared_ptr<const raster::Bitmap> picture_;
  // The image bytes of the pictures last embedded, newest first, so that a picture that
  // comes again (one that never changes, or the boards of a two-step document by turns) is
  // converted once and not for every document. Holding a picture keeps its address from
  // being reused by another one.
  struct Converted {
    std::shared_ptr<const raster::Bitmap> picture;
    TPdfImageBytes bytes;
  };
  static constexpr std::size_t kConvertedKept = 4;
  std::vector<Converted> converted_;
  bool shared_ = true;
  bool stretch_ = true;
};

// ---- the report -------------------------------------------------------------------------

// Document settings and the write cycle: OpenDocument, PrintPage per page, CloseDocument.
class TPReport {
 public:
  // CreationDate is the moment of creation (from the clock).
  explicit TPReport(TPdfClock clock = TPdfDateTime::Now);
  TPReport(const TPReport&) = delete;
  TPReport& operator=(const TPReport&) = delete;
  ~TPReport();

  // Can always be set.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string v) { fileName_ = std::move(v); }
  const std::string& Title() const { return title_; }
  void SetTitle(std::string v) { title_ = std::move(v); }
  TPdfCompressionMethod CompressionMethod() const { return compression_; }
  void SetCompressionMethod(TPdfCompressionMethod v) { compression_ = v; }

  // Refused while a document is open: EPdfInvalidOperation "Set<Name> --invalid operation.".
  const std::string& Author() const { return author_; }
  void SetAuthor(std::string v);
  const std::string& Creator() const { return creator_; }
  void SetCreator(std::string v);
  const std::string& Keywords() const { return keywords_; }
  void SetKeywords(std::string v);
  const std::string& Subject() const { return subject_; }
  void SetSubject(std::string v);
  // Written into every document as set.
  const TPdfDateTime& CreationDate() const { return creationDate_; }
  void SetCreationDate(const TPdfDateTime& v);
  // Written, then overwritten with the saving time when the document is saved.
  const TPdfDateTime& ModDate() const { return modDate_; }
  void SetModDate(const TPdfDateTime& v);
  TPdfPageLayout PageLayout() const { return pageLayout_; }
  void SetPageLayout(TPdfPageLayout v);
  TPdfPageMode PageMode() const { return pageMode_; }
  void SetPageMode(TPdfPageMode v);
  // pmFullScreen is stored as pmUseNone.
  TPdfPageMode NonFullScreenPageMode() const { return nonFullScreenPageMode_; }
  void SetNonFullScreenPageMode(TPdfPageMode v);
  bool UseOutlines() const { return useOutlines_; }
  void SetUseOutlines(bool v);
  TPdfViewerPreferences ViewerPreference() const { return viewerPreference_; }
  void SetViewerPreference(TPdfViewerPreferences v);

  // Discards an open document and starts a new one with the settings above.
  void OpenDocument();
  // Adds a page to the open document and renders `page` into it.
  void PrintPage(TPRPage& page);
  // Writes the open document into the file FileName and frees it. The file is replaced
  // only when it was written completely: on an error (EFileError) an existing file is
  // untouched and the document stays open. Without a document: EInvalidOperation
  // "document is null..".
  void CloseDocument();
  // The same, into memory instead of a file.
  void CloseDocument(std::string& out);
  // Frees an open document without writing.
  void DiscardDocument();

  bool HasDocument() const { return doc_ != nullptr; }
  // The open document, or null.
  TPdfDoc* Document() const { return doc_.get(); }
  TPRCanvas& Canvas() { return canvas_; }

  // Source of "now" for the saving time (ModDate); tests fix it.
  void SetClock(TPdfClock clock) { clock_ = std::move(clock); }
  // Source of the random start of unshared image names.
  void SetRandom(TPRCanvas::TRandom random) { canvas_.SetRandom(std::move(random)); }

 private:
  void RequireClosed(const char* setter) const;

  TPdfClock clock_;
  std::string fileName_ = "default.pdf";
  std::string author_, creator_, keywords_, subject_, title_;
  TPdfDateTime creationDate_;
  TPdfDateTime modDate_;
  TPdfPageLayout pageLayout_ = TPdfPageLayout::plSinglePage;
  TPdfPageMode pageMode_ = TPdfPageMode::pmUseNone;
  TPdfPageMode nonFullScreenPageMode_ = TPdfPageMode::pmUseNone;
  TPdfCompressionMethod compression_ = TPdfCompressionMethod::cmNone;
  bool useOutlines_ = false;
  TPdfViewerPreferences viewerPreference_;
  TPRCanvas canvas_;
  std::unique_ptr<TPdfDoc> doc_;
  // Where a document's bytes are put together: kept from one document to the next, so that
  // writing many documents does not allocate (and give back) the memory of each anew.
  std::string bytes_;
};

}  // namespace setrix::pdf
