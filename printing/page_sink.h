#pragma once
// What the printed documentation needs of a printer: its device capabilities, a print job
// with pages, and a canvas that writes texts in Arial and copies pictures. The pages are
// composed against these interfaces only; QtPrinterSink (qt_printer_sink.h) puts them on a
// QPrinter, and tests may put them anywhere else.
//
// All coordinates are device pixels. On the printer canvas (0, 0) is the top-left corner of
// the printable area, not of the sheet.
#include <memory>
#include <stdexcept>
#include <string_view>

#include "raster/bitmap.h"

namespace setrix::printing {

// An Arial font (Liberation Sans where Arial is missing). `height` is the character height
// in pixels without internal leading (the em size); `rotated` runs the text upwards
// (escapement 90 degrees).
struct TextFont {
  int height = 0;
  bool bold = false;
  bool italic = false;
  bool rotated = false;
  friend bool operator==(const TextFont&, const TextFont&) = default;
};

// Reference point of a text: its left or right end, on its baseline or at its top.
enum class TextAlign { LeftBaseline, RightBaseline, LeftTop };

// The measured size of a text in the current font, in pixels: its advance width and the
// font's cell height (ascent + descent), as a canvas reports "the height of a text".
struct TextExtent {
  double width = 0;
  double height = 0;
};

// A pixel rectangle; Right() and Bottom() lie just outside it.
struct PixelRect {
  int left = 0, top = 0, width = 0, height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Texts and pictures on a surface.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetFont(const TextFont& font) = 0;
  virtual void SetAlign(TextAlign align) = 0;
  // Draws UTF-8 text with the current font at the reference point given by the alignment.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual TextExtent Measure(std::string_view text) = 0;
  // Copies a picture stretched into `target` (nearest pixel, plain copy).
  virtual void StretchBitmap(const raster::Bitmap& picture, const PixelRect& target) = 0;
};

// The monochrome scratch image in which a board picture and its switch banks are put
// together before they go onto the page.
class ScratchImage : public Canvas {
 public:
  // Resizes the image and clears it to white.
  virtual void Reset(int width, int height) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

// The printer's device capabilities, in pixels.
struct DeviceCaps {
  int dpiX = 0, dpiY = 0;               // pixels per inch
  int paperWidth = 0, paperHeight = 0;  // physical sheet
  int offsetX = 0, offsetY = 0;         // printable area's top-left on the sheet
  int printableWidth = 0, printableHeight = 0;
};

// One print job on one printer.
class PageSink : public Canvas {
 public:
  virtual DeviceCaps Caps() = 0;
  // The print job's title; set before the job starts.
  virtual void SetJobTitle(std::string_view title) = 0;
  // Starts the job with its first page; throws PrintError when the printer refuses.
  virtual void BeginDocument() = 0;
  virtual void NewPage() = 0;
  // Ends the job with the pages drawn so far. Must not throw; ending twice does nothing.
  virtual void EndDocument() = 0;
  virtual std::unique_ptr<ScratchImage> CreateScratchImage() = 0;
  // Copies the scratch image unscaled with its top-left at (x, y).
  virtual void DrawScratchImage(const ScratchImage& image, int x, int y) = 0;
};

// A failure of the printer itself (the job cannot be started or written).
class PrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace setrix::printing
