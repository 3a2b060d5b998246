#pragma once
// A device's configuration on the paper: its compact configuration file as a QR code, drawn
// as a 1-bit picture onto a page of the program's own PDF documents.
#include <string>
#include <string_view>

#include "pdf/report.h"
#include "raster/bitmap.h"

namespace setrix::configfile {

// The QR code (error correction level M, the smallest version that holds the data) of the
// bytes, one pixel per module with the four-module quiet zone: index 0 black, 1 white.
// Throws std::runtime_error when the data is too long for any QR code.
raster::Bitmap QrBitmap(std::string_view data);

// Paints `picture` as the image `name` into the box (PDF points, y upwards) on the canvas's
// current page; the image is embedded once per document and reused by later pages.
void StampImage(pdf::TPdfCanvas& canvas, const raster::Bitmap& picture, const std::string& name,
                const pdf::TPdfBox& box);

// The free corner of the documents' pages that holds the QR code: the bottom right, between
// the last text column and the page edge (page pixels, y downwards).
pdf::TRect QrPlace(const pdf::TPRPage& page);

// Makes every later print of `page` carry `picture` at QrPlace (before its panels are
// drawn); an empty picture removes the stamp again.
void StampOnPrint(pdf::TPRPage& page, const raster::Bitmap& picture);

}  // namespace setrix::configfile
