#pragma once
// The printed documentation on a QPrinter: a real printer chosen in the print dialog, or a
// PDF-file printer (QPrinter::PdfFormat with an output file name). Texts are written in Arial,
// or in the metric-compatible Liberation Sans where Arial is not installed.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include "printing/page_sink.h"

class QPrinter;

namespace setrix::printing {

// "Arial" if the system has it, else "Liberation Sans".
QString DocumentFontFamily();
// The QFont of a TextFont in the document font family.
QFont DocumentFont(const TextFont& wanted, bool antialiased);
// A bitmap as a QImage: 1-bit pictures as Format_Mono with their palette, others as RGB32.
QImage ToQImage(const raster::Bitmap& bitmap);

class QtPrinterSink final : public PageSink {
 public:
  // The printer must outlive the sink.
  explicit QtPrinterSink(QPrinter& printer);
  ~QtPrinterSink() override;

  DeviceCaps Caps() override;
  void SetJobTitle(std::string_view title) override;
  void BeginDocument() override;
  void NewPage() override;
  void EndDocument() override;
  std::unique_ptr<ScratchImage> CreateScratchImage() override;
  void DrawScratchImage(const ScratchImage& image, int x, int y) override;

  void SetFont(const TextFont& font) override;
  void SetAlign(TextAlign align) override { align_ = align; }
  void TextOut(int x, int y, std::string_view text) override;
  TextExtent Measure(std::string_view text) override;
  void StretchBitmap(const raster::Bitmap& picture, const PixelRect& target) override;

 private:
  QPainter& ActivePainter(const char* operation);

  QPrinter& printer_;
  QPainter painter_;
  TextFont textFont_;
  QFont font_;
  TextAlign align_ = TextAlign::LeftBaseline;
};

}  // namespace setrix::printing
