#include "printing/qt_printer_sink.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QList>
#include <QPrinter>
#include <algorithm>
#include <string>

namespace setrix::printing {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Draws a text with its reference point at (x, y) as the alignment says; a rotated text
// runs upwards from that point.
void DrawAligned(QPainter& painter, const QFont& font, bool rotated, TextAlign align, int x, int y,
                 const QString& text) {
  const QFontMetricsF metrics(font, painter.device());
  double dx = 0, dy = 0;
  switch (align) {
    case TextAlign::LeftBaseline: break;
    case TextAlign::RightBaseline: dx = -metrics.horizontalAdvance(text); break;
    case TextAlign::LeftTop: dy = metrics.ascent(); break;
  }
  painter.setFont(font);
  painter.setPen(Qt::black);
  if (rotated) {
    painter.save();
    painter.translate(x, y);
    painter.rotate(-90);
    painter.drawText(QPointF(dx, dy), text);
    painter.restore();
  } else {
    painter.drawText(QPointF(x + dx, y + dy), text);
  }
}

class QtScratchImage final : public ScratchImage {
 public:
  void Reset(int width, int height) override {
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_Grayscale8);
    image_.fill(255);
  }
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }

  void SetFont(const TextFont& font) override {
    textFont_ = font;
    font_ = DocumentFont(font, false);
  }
  void SetAlign(TextAlign align) override { align_ = align; }
  void TextOut(int x, int y, std::string_view text) override {
    if (image_.isNull()) return;
    QPainter painter(&image_);
    DrawAligned(painter, font_, textFont_.rotated, align_, x, y, FromUtf8(text));
  }
  TextExtent Measure(std::string_view text) override {
    const QFontMetricsF metrics(font_);
    return {metrics.horizontalAdvance(FromUtf8(text)), metrics.height()};
  }
  void StretchBitmap(const raster::Bitmap& picture, const PixelRect& target) override {
    if (image_.isNull() || picture.Empty()) return;
    QPainter painter(&image_);
    painter.drawImage(QRect(target.left, target.top, target.width, target.height), ToQImage(picture));
  }

  // The image as it goes to the printer: one bit per pixel.
  QImage Monochrome() const {
    return image_.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
  }

 private:
  QImage image_;
  TextFont textFont_;
  QFont font_ = DocumentFont(TextFont{11, false, false, false}, false);
  TextAlign align_ = TextAlign::LeftBaseline;
};

}  // namespace

QString DocumentFontFamily() {
  static const QString family = QFontDatabase::families().contains(QStringLiteral("Arial"))
                                    ? QStringLiteral("Arial")
                                    : QStringLiteral("Liberation Sans");
  return family;
}

QFont DocumentFont(const TextFont& wanted, bool antialiased) {
  QFont font(DocumentFontFamily());
  font.setPixelSize(std::max(wanted.height, 1));
  font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(wanted.italic);
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(antialiased ? QFont::PreferOutline
                                    : QFont::StyleStrategy(QFont::PreferOutline | QFont::NoAntialias));
  return font;
}

QImage ToQImage(const raster::Bitmap& bitmap) {
  if (bitmap.Empty()) return {};
  if (bitmap.Depth() == 1) {
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_Mono);
    QList<QRgb> table;
    for (const raster::Rgb& c : bitmap.Palette()) table.push_back(qRgb(c.r, c.g, c.b));
    while (table.size() < 2) table.push_back(table.empty() ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    image.setColorTable(table);
    for (int y = 0; y < bitmap.Height(); ++y) {
      for (int x = 0; x < bitmap.Width(); ++x) image.setPixel(x, y, bitmap.Index(x, y) ? 1u : 0u);
    }
    return image;
  }
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.Width(); ++x) {
      const raster::Rgb c = bitmap.ColorAt(x, y);
      row[x] = qRgb(c.r, c.g, c.b);
    }
  }
  return image;
}

QtPrinterSink::QtPrinterSink(QPrinter& printer) : printer_(printer) { SetFont(TextFont{11, false, false, false}); }

QtPrinterSink::~QtPrinterSink() { EndDocument(); }

DeviceCaps QtPrinterSink::Caps() {
  const QRect paper = printer_.paperRect(QPrinter::DevicePixel).toRect();
  const QRect page = printer_.pageRect(QPrinter::DevicePixel).toRect();
  DeviceCaps caps;
  caps.dpiX = printer_.logicalDpiX();
  caps.dpiY = printer_.logicalDpiY();
  caps.paperWidth = paper.width();
  caps.paperHeight = paper.height();
  caps.offsetX = page.left() - paper.left();
  caps.offsetY = page.top() - paper.top();
  caps.printableWidth = page.width();
  caps.printableHeight = page.height();
  return caps;
}

void QtPrinterSink::SetJobTitle(std::string_view title) {
  if (!painter_.isActive()) printer_.setDocName(FromUtf8(title));
}

void QtPrinterSink::BeginDocument() {
  if (painter_.isActive()) return;
  if (!painter_.begin(&printer_)) {
    std::string message = "The print job could not be started on the printer";
    const QString file = printer_.outputFileName();
    if (!file.isEmpty()) message += " (output file \"" + file.toStdString() + "\")";
    throw PrintError(message + ".");
  }
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void QtPrinterSink::NewPage() {
  ActivePainter("NewPage");
  if (!printer_.newPage()) throw PrintError("NewPage -- the printer could not start a new page.");
}

void QtPrinterSink::EndDocument() {
  if (painter_.isActive()) painter_.end();
}

std::unique_ptr<ScratchImage> QtPrinterSink::CreateScratchImage() { return std::make_unique<QtScratchImage>(); }

void QtPrinterSink::DrawScratchImage(const ScratchImage& image, int x, int y) {
  QPainter& painter = ActivePainter("DrawBoard");
  const auto* scratch = dynamic_cast<const QtScratchImage*>(&image);
  if (scratch == nullptr) throw PrintError("DrawBoard -- not a scratch image of this printer.");
  painter.drawImage(QPoint(x, y), scratch->Monochrome());
}

void QtPrinterSink::SetFont(const TextFont& font) {
  textFont_ = font;
  font_ = DocumentFont(font, true);
}

void QtPrinterSink::TextOut(int x, int y, std::string_view text) {
  QPainter& painter = ActivePainter("TextOut");
  DrawAligned(painter, font_, textFont_.rotated, align_, x, y, FromUtf8(text));
}

TextExtent QtPrinterSink::Measure(std::string_view text) {
  const QFontMetricsF metrics(font_, &printer_);
  return {metrics.horizontalAdvance(FromUtf8(text)), metrics.height()};
}

void QtPrinterSink::StretchBitmap(const raster::Bitmap& picture, const PixelRect& target) {
  QPainter& painter = ActivePainter("StretchBitmap");
  if (picture.Empty()) return;
  painter.drawImage(QRect(target.left, target.top, target.width, target.height), ToQImage(picture));
}

QPainter& QtPrinterSink::ActivePainter(const char* operation) {
  if (!painter_.isActive()) {
    throw PrintError(std::string(operation) + " -- the print job has not been started.");
  }
  return painter_;
}

}  // namespace setrix::printing
