#include "printing/printout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "modules/numbers.h"
#include "printing/word_wrap.h"
#include "resources/pictures.h"
#include "texts/texts.h"

namespace setrix::printing {

namespace {

constexpr double kCmPerInch = 2.54;
// The free space between the end of the note's column and the address block (cm).
constexpr double kNoteGapToAddress = 0.2;

std::string Concat(std::string_view a, std::string_view b) {
  std::string s(a);
  s.append(b);
  return s;
}

}  // namespace

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = std::llabs(static_cast<long long>(c)) / 2;
  long long q = (std::llabs(product) + half) / std::llabs(static_cast<long long>(c));
  if ((product < 0) != (c < 0)) q = -q;
  return static_cast<int>(q);
}

Printout::Printout(PageSink& sink, PrintOptions options) : sink_(sink), options_(std::move(options)) {}

Printout::~Printout() {
  scratch_.reset();
  if (documentOpen_) sink_.EndDocument();
}

// --- the job and its pages --------------------------------------------------------------------

void Printout::CreateScratchImage() {
  scratch_.reset();
  scratch_ = sink_.CreateScratchImage();
}

void Printout::BeginPrintPage(bool startDocument) {
  sink_.SetJobTitle(kPrintJobTitle);
  if (startDocument) {
    sink_.BeginDocument();
    documentOpen_ = true;
  }
  const DeviceCaps caps = sink_.Caps();
  if (caps.dpiX <= 0 || caps.dpiY <= 0) {
    throw PrintError("BeginPrintPage -- the printer reports no resolution.");
  }
  metrics_ = PageMetrics{};
  metrics_.dpiX = caps.dpiX;
  metrics_.dpiY = caps.dpiY;
  metrics_.offsetX = PxToCmX(caps.offsetX);
  metrics_.offsetY = PxToCmY(caps.offsetY);
  metrics_.paperWidth = PxToCmX(caps.paperWidth);
  metrics_.paperHeight = PxToCmY(caps.paperHeight);
  metrics_.rightMargin = metrics_.paperWidth - metrics_.offsetX - PxToCmX(caps.printableWidth);
  metrics_.bottomMargin = metrics_.paperHeight - metrics_.offsetY - PxToCmY(caps.printableHeight);
  printerFontChosen_ = false;
  SetAlign(TextAlign::LeftBaseline);
  SetPrinterFont(11, false, false);
  metrics_.lineHeight = 1.05 * TextHeight("W");
  pageOpen_ = true;
}

void Printout::NewPage() {
  sink_.NewPage();
  pageOpen_ = true;
}

void Printout::EndPage() {
  if (pageOpen_ && !options_.qr.Empty() && metrics_.dpiX > 0 && metrics_.dpiY > 0) {
    // 2.75 cm square, clear of the sheet's edge and of the printer's unprintable border.
    constexpr double kSize = 2.75;
    const PageMetrics& m = metrics_;
    const double right = m.paperWidth - std::max(0.5, m.rightMargin + 0.1);
    const double bottom = m.paperHeight - std::max(0.5, m.bottomMargin + 0.1);
    const int left = CmToPxX(right - kSize - m.offsetX);
    const int top = CmToPxY(bottom - kSize - m.offsetY);
    sink_.StretchBitmap(
        options_.qr, PixelRect{left, top, CmToPxX(right - m.offsetX) - left, CmToPxY(bottom - m.offsetY) - top});
  }
  pageOpen_ = false;
  scratch_.reset();
  printerFontChosen_ = false;
}

void Printout::EndDocument() {
  EndPage();
  if (documentOpen_) {
    documentOpen_ = false;
    sink_.EndDocument();
  }
}

// --- conversions ------------------------------------------------------------------------------

int Printout::CmToPxX(double cm) const { return RoundHalfEven(cm / kCmPerInch * metrics_.dpiX); }
int Printout::CmToPxY(double cm) const { return RoundHalfEven(cm / kCmPerInch * metrics_.dpiY); }
double Printout::PxToCmX(double px) const { return px / metrics_.dpiX * kCmPerInch; }
double Printout::PxToCmY(double px) const { return px / metrics_.dpiY * kCmPerInch; }

// --- fonts and texts --------------------------------------------------------------------------

void Printout::SetPrinterFont(int size, bool bold, bool italic, bool rotated) {
  printerFont_ = TextFont{MulDiv(size, metrics_.dpiY, 72), bold, italic, rotated};
  printerFontChosen_ = true;
  sink_.SetFont(printerFont_);
}

void Printout::SetImageFont(int size, bool bold, bool italic) {
  // The printer's resolution, so that image text has the printed size once copied unscaled.
  Scratch().SetFont(TextFont{MulDiv(size, metrics_.dpiY, 72), bold, italic, false});
}

void Printout::SetAlign(TextAlign align) {
  align_ = align;
  sink_.SetAlign(align);
}

void Printout::SelectPrinterFont() {
  if (!printerFontChosen_) SetPrinterFont(11, false, false);
}

double Printout::TextWidth(std::string_view text) {
  SelectPrinterFont();
  return PxToCmX(sink_.Measure(text).width);
}

double Printout::TextHeight(std::string_view text) {
  SelectPrinterFont();
  return PxToCmY(sink_.Measure(text).height);
}

double Printout::TextAt(std::string_view text, double x, double y) {
  double p = x - metrics_.offsetX;
  const double q = y - metrics_.offsetY;
  const double w = TextWidth(text);
  // The comparison mixes the printable-area position p with a sheet position, as the pages
  // have always been laid out.
  const double rightEdge = metrics_.paperWidth - metrics_.rightMargin;
  if (p + w > rightEdge) p = rightEdge - w;
  sink_.TextOut(CmToPxX(p), CmToPxY(q), text);
  return p + w + metrics_.offsetX;
}

// --- blocks -----------------------------------------------------------------------------------

double Printout::PrintHeader(std::string_view model, std::string_view note, int pageNumber, int pageCount,
                             bool showNote) {
  return PrintHeader(
      sheets::MakePageHeader(model, texts::CurrentLanguage(), note, options_.date, pageNumber, pageCount),
      showNote);
}

double Printout::PrintHeader(const sheets::PageHeader& h, bool showNote) {
  const PageMetrics& m = metrics_;
  SetAlign(TextAlign::LeftBaseline);

  // The program and its version, running upwards along the left edge.
  SetPrinterFont(6, false, false, true);
  TextAt(Concat("SETRIX ", options_.versionCaption), 2 * m.offsetX, m.paperHeight - 1.0);

  SetPrinterFont(16, true, true);
  double end = TextAt("VORNEX", 2.3, 1.75);
  SetPrinterFont(11, true, true);
  TextAt("KIT", end + 0.1, 1.75);

  SetPrinterFont(12, true, false);
  end = TextAt(h.productLine, 2.3, 2.5);
  SetPrinterFont(8, true, false);
  end = TextAt("TELIQ", end + 0.01, 2.5);
  SetPrinterFont(12, true, false);
  TextAt(h.modelLine, end + 0.2, 2.5);

  // The logo: 0.8 x the height of "W" in Arial 16 pt high, its bottom at y = 1.75.
  {
    SetPrinterFont(16, false, false);
    const int w16 = static_cast<int>(std::lround(sink_.Measure("W").height));
    const raster::Bitmap logo = Picture("ZTLOGO");
    const int height = RoundHalfEven(0.8 * w16);
    if (logo.Height() > 0 && height > 0) {
      const int width = RoundHalfEven(logo.Width() / (static_cast<double>(logo.Height()) / height));
      const PixelRect target{CmToPxX(m.paperWidth - 5.5), CmToPxY(1.75 - PxToCmY(height) - m.offsetY), width,
                             height};
      sink_.StretchBitmap(logo, target);
    }
  }

  // The maker's address, one line after the other, then date and page.
  SetPrinterFont(7, false, false);
  const double x = m.paperWidth + m.offsetX - 5.5;
  double y = 4.6;
  for (const std::string& line : h.address) {
    TextAt(line, x, y);
    y += 0.3;
  }
  TextAt(h.dateLine, x, y + 0.4);
  if (!h.pageLine.empty()) TextAt(h.pageLine, x, y + 1.0);

  double yNote = 4.8;
  if (showNote) {
    SetPrinterFont(11, true, false);
    TextAt(h.noteCaption, 2.3, 4.8);
    SetPrinterFont(11, false, false);
    // The note's column ends where the address block begins (less a gap) and is never wider
    // than the pages have always given it; the note wraps within it, every character kept.
    const double limit = std::min(m.paperWidth - ((m.paperWidth - 5.0) - 5.4), x - kNoteGapToAddress - 5.4);
    const std::vector<std::string> lines =
        sheets::WrapNote(h.note, limit, [this](std::string_view l) { return TextWidth(l); });
    for (std::size_t i = 0; i < lines.size(); ++i) {
      yNote = 4.8 + static_cast<double>(i) * m.lineHeight;
      TextAt(lines[i], 5.4, yNote);
    }
  }
  return yNote;
}

double Printout::PrintLines(std::string_view text, int column, double y) {
  for (const std::string& line : SplitAtCarriageReturns(text)) {
    TextAt(line, kColumns.at(static_cast<std::size_t>(column)), y);
    y += metrics_.lineHeight;
  }
  return y;
}

double Printout::PrintTerminalList(std::string_view text, double y) {
  const double offset = TextWidth("Terminal 11:  ");
  for (const std::string& line : SplitAtCarriageReturns(text)) {
    const std::size_t colon = line.find(':');
    const std::string head = colon == std::string::npos ? std::string() : line.substr(0, colon + 1);
    const std::string rest = colon == std::string::npos ? line : line.substr(colon + 1);
    TextAt(TrimLeadingBlanks(head), 2.3, y);
    TextAt(TrimLeadingBlanks(rest), 2.3 + offset, y);
    y += metrics_.lineHeight;
  }
  return y;
}

Printout::Placed Printout::PlaceImage(std::string_view name, double width, double x, double y) {
  const raster::Bitmap picture = Picture(name);
  if (picture.Empty()) throw PrintError(Concat("PlaceImage -- empty picture ", name));
  const double scale = width / PxToCmX(picture.Width());
  const double scaledHeight = picture.Height() * scale;
  Placed placed;
  placed.rect = PixelRect{CmToPxX(x - metrics_.offsetX), CmToPxY(y - metrics_.offsetY), CmToPxX(width),
                          RoundHalfEven(scaledHeight)};
  sink_.StretchBitmap(picture, placed.rect);
  placed.y = y + PxToCmY(scaledHeight) + 1.2 * TextHeight("W");
  return placed;
}

void Printout::PrepareBoard(std::string_view name, double width) {
  const raster::Bitmap board = Picture(name);
  if (board.Empty()) throw PrintError(Concat("PrepareBoard -- empty picture ", name));
  const int w = CmToPxX(width);
  const int h = RoundHalfEven(board.Height() * width / PxToCmX(board.Width()));
  ScratchImage& scratch = Scratch();
  scratch.Reset(w, h);
  scratch.StretchBitmap(board, PixelRect{0, 0, w, h});
}

PixelRect Printout::PaintBank(dipswitch::TDIPSwitch& bank, double width, double x, double y) {
  // Documents show the banks in black and white; the bank keeps its own setting.
  const bool bw = bank.SwitchSettings().BMP_BW();
  bank.SwitchSettings().SetBMP_BW(true);
  raster::Bitmap picture(1, 1, 1);
  bank.DrawToBitmap(picture);
  bank.SwitchSettings().SetBMP_BW(bw);
  const int w = CmToPxX(width);
  const PixelRect rect{CmToPxX(x), CmToPxY(y), w,
                       RoundHalfEven(static_cast<double>(picture.Height()) * w / picture.Width())};
  Scratch().StretchBitmap(picture, rect);
  return rect;
}

void Printout::WriteBankName(std::string_view name, TextAlign align, int x, int y) {
  SetImageFont(8, true, false);
  ScratchImage& scratch = Scratch();
  scratch.SetAlign(align);
  scratch.TextOut(x, y, name);
}

double Printout::DrawBoard(double x, double y) {
  ScratchImage& scratch = Scratch();
  sink_.DrawScratchImage(scratch, CmToPxX(x - metrics_.offsetX), CmToPxY(y - metrics_.offsetY));
  return y + PxToCmY(scratch.Height()) + 1.2 * TextHeight("W");
}

void Printout::SwitchLegend(double y) { SwitchLegend(y, texts::Tx(texts::txOn), texts::Tx(texts::txOff)); }

void Printout::SwitchLegend(double y, std::string_view on, std::string_view off) {
  auto legend = [&](std::string_view picture, std::string_view word, double top) {
    const PixelRect r = PlaceImage(picture, 0.5, 2.3 + 10.4, top).rect;
    SetAlign(TextAlign::LeftBaseline);
    sink_.TextOut(r.Right() + CmToPxY(0.2), r.top + r.height / 2, word);
  };
  legend("BMP_ON", on, y);
  legend("BMP_OFF", off, y + 1.65);
}

namespace {

// One row of terminal numbers: the pixel y of row n of a 202-pixel plan.
struct PlanRows {
  int b = 0;
  int d = 0;
  int At(int n) const { return RoundHalfEven(b + d * n / 202.0); }
};

}  // namespace

void Printout::TerminalNumbers(const PixelRect& rect, const sheets::TerminalPlan& plan) {
  const bool twelve = plan.terminals == 12;
  SetPrinterFont(8, false, false);
  const PlanRows rows{rect.top + static_cast<int>(std::lround(sink_.Measure("Span").height)) / 2, rect.height};
  const double blank = sink_.Measure(" ").width;
  // The right-hand numbers end after room for the widest of them and a blank.
  const int rightX =
      static_cast<int>(std::lround(rect.Right() + sink_.Measure(twelve ? "99" : "9").width + blank));
  const int leftX = static_cast<int>(std::lround(rect.left - blank));
  SetAlign(TextAlign::RightBaseline);
  constexpr int kRows[] = {13, 32, 169, 189};  // of a plan drawn 202 pixels high
  for (std::size_t i = 0; i < plan.rows.size() && i < 4; ++i) {
    const sheets::TerminalRow& row = plan.rows[i];
    if (row.left.empty() && row.right.empty()) continue;
    sink_.TextOut(rightX, rows.At(kRows[i]), row.right);
    sink_.TextOut(leftX, rows.At(kRows[i]), row.left);
  }
  SetAlign(TextAlign::LeftBaseline);
  if (plan.potentiometers) {
    const int potX = static_cast<int>(std::lround(rect.Right() + blank));
    sink_.TextOut(potX, rows.At(twelve ? 83 : 110), "Zero");
    sink_.TextOut(potX, rows.At(twelve ? 107 : 134), "Span");
  }
}

void Printout::TerminalNumbers12(const PixelRect& plan, bool thermocouple) {
  TerminalNumbers(plan, sheets::TwelveTerminals("", thermocouple));
}

void Printout::TerminalNumbers8(const PixelRect& plan, bool showPots) {
  TerminalNumbers(plan, sheets::EightTerminals("", showPots));
}

void Printout::PrintCaption(int n, double y) {
  if (n < 1 || n > 3) throw std::out_of_range("PrintCaption -- illustration number must be 1, 2 or 3");
  // txIllustration ends in its blank: "Illustration 1.)", as the saved document has it.
  PrintCaption(Concat(texts::Tx(texts::txIllustration), std::to_string(n) + ".)"), y);
}

void Printout::PrintCaption(std::string_view caption, double y) {
  SetPrinterFont(8, true, false);
  SetAlign(TextAlign::LeftBaseline);
  // The y is converted without subtracting the printable area's offset.
  sink_.TextOut(CmToPxX(2.3 - metrics_.offsetX), CmToPxY(y) - CmToPxY(2.8 * TextHeight("W")), caption);
}

std::string Printout::WrapToWidth(std::string_view text, double fraction) {
  const double limit = fraction * (metrics_.paperWidth - metrics_.rightMargin - metrics_.offsetX);
  std::string result;
  bool first = true;
  bool previousEndsInBreak = false;
  for (const std::string& paragraph : SplitAtCarriageReturns(text)) {
    std::string wrapped;
    std::string line;
    const std::vector<std::size_t> at = CharacterOffsets(paragraph);
    for (std::size_t k = 0; k + 1 < at.size(); ++k) {
      const std::string_view c = std::string_view(paragraph).substr(at[k], at[k + 1] - at[k]);
      if (c == " " && TextWidth(line) >= limit) {
        wrapped.push_back('\r');
        line.clear();
      } else {
        wrapped.append(c);
        line.append(c);
      }
    }
    // One carriage return between paragraphs, unless the previous one already ends in one.
    if (!first && !previousEndsInBreak) result.push_back('\r');
    first = false;
    previousEndsInBreak = !wrapped.empty() && wrapped.back() == '\r';
    result.append(wrapped);
  }
  return result;
}

// --- helpers ----------------------------------------------------------------------------------

raster::Bitmap Printout::Picture(std::string_view name) const {
  return options_.pictures ? options_.pictures(name) : resources::Picture(name);
}

ScratchImage& Printout::Scratch() {
  if (!scratch_) CreateScratchImage();
  return *scratch_;
}

}  // namespace setrix::printing
