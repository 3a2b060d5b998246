#pragma once
// The printed documentation's page geometry and drawing primitives.
//
// Every position is given in centimetres on the physical sheet and converted to printer
// pixels with the printer's own resolution, so that a page looks the same on every printer.
// A Printout draws one document (one print job) onto a PageSink: it keeps the page metrics,
// the current fonts and the scratch image in which board pictures and switch banks are put
// together, and it offers the blocks the module pages are composed of.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "dipswitch/dipswitch.h"
#include "printing/page_sink.h"
#include "raster/bitmap.h"
#include "sheets/content.h"
#include "sheets/doc_texts.h"

namespace setrix::printing {

// The sheet as the printer reports it; recomputed at the start of every page.
struct PageMetrics {
  int dpiX = 0, dpiY = 0;
  double offsetX = 0, offsetY = 0;  // cm: printable area's top-left on the sheet
  double paperWidth = 0, paperHeight = 0;
  double rightMargin = 0;   // paperWidth - offsetX - printable width
  double bottomMargin = 0;  // paperHeight - offsetY - printable height
  double lineHeight = 0;    // 1.05 x the height of "W" in Arial 11 pt regular
};

// The fixed x positions (cm) of the pages: left margin, second column, third column, an
// unused one, and the instruction text after a step number.
inline constexpr std::array<double, 5> kColumns{2.3, 5.4, 6.1, 8.4, 3.0};

inline constexpr std::string_view kPrintJobTitle = "Zantrel SETRIX";

// The document pictures by resource name ("PCB_DC", "KP_RTD", "ZTLOGO", ...).
using PictureSource = std::function<raster::Bitmap(std::string_view name)>;

struct PrintOptions {
  std::string date;                                     // today's date in the system's short date format
  std::string versionCaption{sheets::kVersionCaption};  // printed after "SETRIX "
  PictureSource pictures;                               // empty: the program's own document pictures
  raster::Bitmap qr;  // the device's configuration as a QR code, in the bottom right corner of every sheet
};

// Rounds to the nearest integer, halves to even.
int RoundHalfEven(double value);
// a * b / c rounded to the nearest integer, halves away from zero (c != 0).
int MulDiv(int a, int b, int c);

class Printout {
 public:
  Printout(PageSink& sink, PrintOptions options);
  // Releases the scratch image and ends the print job if it is still open.
  ~Printout();
  Printout(const Printout&) = delete;
  Printout& operator=(const Printout&) = delete;

  // --- the job and its pages ----------------------------------------------------------------
  // A new, empty scratch image (the previous one is released).
  void CreateScratchImage();
  // Sets the job title; starts the job if `startDocument`; reads the device capabilities;
  // selects Arial 11 pt regular and computes the line height.
  void BeginPrintPage(bool startDocument);
  // The next sheet of the job.
  void NewPage();
  // End of a page's drawing: the fonts are chosen afresh on the next page and the scratch
  // image is released.
  void EndPage();
  // Ends the print job (after EndPage).
  void EndDocument();

  const PageMetrics& Metrics() const { return metrics_; }
  double LineHeight() const { return metrics_.lineHeight; }

  // --- conversions --------------------------------------------------------------------------
  int CmToPxX(double cm) const;
  int CmToPxY(double cm) const;
  double PxToCmX(double px) const;
  double PxToCmY(double px) const;

  // --- fonts and texts ----------------------------------------------------------------------
  void SetPrinterFont(int size, bool bold, bool italic, bool rotated = false);
  void SetImageFont(int size, bool bold, bool italic);
  void SetAlign(TextAlign align);
  // Measures in the current printer font.
  double TextWidth(std::string_view text);   // cm
  double TextHeight(std::string_view text);  // cm
  // Draws a text at a page point; a text that would run past the printable area's right edge
  // is pushed left so that it ends there. Returns the page x where the text ends.
  double TextAt(std::string_view text, double x, double y);

  // --- blocks -------------------------------------------------------------------------------
  // The page header: version line, maker's name and product line, logo, address block, date,
  // page line (pageNumber != 0) and the note. Returns the y below it.
  double PrintHeader(std::string_view model, std::string_view note, int pageNumber, int pageCount, bool showNote);
  // The same from a document's page header (its texts in its language).
  double PrintHeader(const sheets::PageHeader& header, bool showNote);
  // Prints the lines of a text at a column, one line height apart; returns the next y.
  double PrintLines(std::string_view text, int column, double y);
  // Prints "Terminal n: what" lines in two columns; returns the next y.
  double PrintTerminalList(std::string_view text, double y);

  struct Placed {
    PixelRect rect;  // printer pixels
    double y = 0;    // the y below the picture
  };
  // Draws a picture scaled to `width` cm with its top-left at the page point (x, y).
  Placed PlaceImage(std::string_view name, double width, double x, double y);

  // Loads a board picture into the scratch image, scaled to `width` cm.
  void PrepareBoard(std::string_view name, double width);
  // Paints a bank in black and white into the scratch image at (x, y) cm from the board's
  // top-left corner, `width` cm wide; returns its rectangle in scratch pixels.
  PixelRect PaintBank(dipswitch::TDIPSwitch& bank, double width, double x, double y);
  // Writes a bank's name into the scratch image in Arial 8 pt bold.
  void WriteBankName(std::string_view name, TextAlign align, int x, int y);
  // Copies the scratch image unscaled onto the page; returns the y below it.
  double DrawBoard(double x, double y);

  // The ON and OFF lever pictures with their words (by default in the current language).
  void SwitchLegend(double y);
  void SwitchLegend(double y, std::string_view on, std::string_view off);
  // Terminal numbers and potentiometer names beside a terminal plan of 8 or 12 terminals.
  void TerminalNumbers(const PixelRect& rect, const sheets::TerminalPlan& plan);
  void TerminalNumbers12(const PixelRect& plan, bool thermocouple);
  void TerminalNumbers8(const PixelRect& plan, bool showPots);
  // "Illustration n.)" under a board picture: a document's caption, or the current
  // language's for illustration n.
  void PrintCaption(std::string_view caption, double y);
  void PrintCaption(int n, double y);
  // Breaks a text into lines by measured width: a blank met while the line is at least
  // `fraction` of the printable width wide ends the line.
  std::string WrapToWidth(std::string_view text, double fraction);

 private:
  raster::Bitmap Picture(std::string_view name) const;
  ScratchImage& Scratch();
  void SelectPrinterFont();

  PageSink& sink_;
  PrintOptions options_;
  PageMetrics metrics_;
  std::unique_ptr<ScratchImage> scratch_;
  bool documentOpen_ = false;
  bool pageOpen_ = false;  // a page is drawn and not yet ended
  TextFont printerFont_;
  bool printerFontChosen_ = false;
  TextAlign align_ = TextAlign::LeftBaseline;
};

}  // namespace setrix::printing
