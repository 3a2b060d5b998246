#include "configfile/qr.h"

#include <qrencode.h>

#include <memory>
#include <stdexcept>

#include "pdf/canvas.h"
#include "pdf/document.h"
#include "pdf/images.h"

namespace setrix::configfile {

namespace {
constexpr int kQuietZone = 4;
constexpr int kQrSize = 78;  // points: 27.5 mm, modules of about 0.4 mm for a device's file
constexpr int kQrMargin = 14;
}  // namespace

raster::Bitmap QrBitmap(std::string_view data) {
  std::unique_ptr<QRcode, void (*)(QRcode*)> code(
      QRcode_encodeData(static_cast<int>(data.size()), reinterpret_cast<const unsigned char*>(data.data()), 0,
                        QR_ECLEVEL_M),
      QRcode_free);
  if (!code)
    throw std::runtime_error("QR code: " + std::to_string(data.size()) + " bytes do not fit into a QR code");
  const int n = code->width;
  raster::Bitmap bmp(n + 2 * kQuietZone, n + 2 * kQuietZone, 1);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) bmp.SetIndex(x, y, 1);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      if (code->data[y * n + x] & 1) bmp.SetIndex(x + kQuietZone, y + kQuietZone, 0);
  return bmp;
}

void StampImage(pdf::TPdfCanvas& canvas, const raster::Bitmap& picture, const std::string& name,
                const pdf::TPdfBox& box) {
  pdf::TPdfDoc& doc = canvas.GetDoc();
  if (!doc.XObjectByName(name)) {
    pdf::TPdfBitmapImage creator;
    doc.AddImage(name, creator.MakeImage(picture));
  }
  canvas.DrawXObject(box.Left, box.Bottom, box.Right - box.Left, box.Top - box.Bottom, name);
}

pdf::TRect QrPlace(const pdf::TPRPage& page) {
  const int right = page.Width() - kQrMargin;
  const int bottom = page.Height() - kQrMargin;
  return {right - kQrSize, bottom - kQrSize, right, bottom};
}

void StampOnPrint(pdf::TPRPage& page, const raster::Bitmap& picture) {
  if (picture.Empty()) {
    page.OnPrintPage = nullptr;
    return;
  }
  auto shared = std::make_shared<const raster::Bitmap>(picture);
  page.OnPrintPage = [shared](pdf::TControl& sender, pdf::TPRCanvas& canvas) {
    auto& p = static_cast<pdf::TPRPage&>(sender);
    StampImage(*canvas.PdfCanvas(), *shared, "SetrixQR", canvas.PdfBox(QrPlace(p)));
  };
}

}  // namespace setrix::configfile
