#pragma once
// The PDF engine's reference document: two pages with text in several fonts, a text block
// and a bitmap image, built and saved entirely in memory. The engine benchmark measures it,
// and the documentation benchmark measures it beside the module documents as their yardstick.
#include <string>

#include "pdf/pdf.h"

namespace setrix::bench {

inline setrix::raster::Bitmap TwoPageBoard() {
  setrix::raster::Bitmap bmp(400, 300, 1);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) bmp.SetIndex(x, y, static_cast<std::uint8_t>(((x / 8) + (y / 8)) % 2));
  return bmp;
}

inline void WriteTwoPagePage(setrix::pdf::TPdfCanvas& canvas, int page) {
  using namespace setrix::pdf;
  const char* fonts[] = {"Arial", "Arial-Bold", "Times-Roman", "FixedWidth"};
  float top = 800;
  for (int line = 0; line < 40; ++line) {
    canvas.SelectFont(fonts[line % 4], 10);
    canvas.SetFillRGB(line % 3 == 0 ? 0x0000FF : 0);
    canvas.TextInBox({40, top, 556, top - 12},
                     "Page " + std::to_string(page) + ", line " + std::to_string(line) +
                         ": Gr\xFC\xDF"
                         "e 20 \xB0"
                         "C",
                     static_cast<TPdfAlignment>(line % 3), line % 5 == 0);
    top -= 14;
  }
  canvas.SelectFont("Arial", 9);
  canvas.SetLeading(11);
  canvas.TextBlockInBox({40, 220, 300, 40},
                        "Set the switches of bank S1 as shown, then adjust ZERO and SPAN with the test values "
                        "given below.\r\nTerminals 1 and 2: input.\r\nTerminals 5 and 6: output.",
                        true);
  canvas.DrawXObject(320, 60, 200, 150, "Board");
}

// Builds the document and saves it into file.
inline void WriteTwoPageDocument(const setrix::raster::Bitmap& board, std::string& file) {
  using namespace setrix::pdf;
  TPdfDoc doc([] { return TPdfDateTime{2024, 1, 1, 12, 0, 0}; });
  doc.NewDocument();
  doc.AddPage();
  doc.AddImage("Board", MakeImageByClassName(board, "Pdf-Bitmap"));
  WriteTwoPagePage(doc.GetCanvas(), 1);
  doc.AddPage();
  WriteTwoPagePage(doc.GetCanvas(), 2);
  doc.SaveToStream(file);
}

}  // namespace setrix::bench
