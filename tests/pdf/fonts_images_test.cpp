// Standard fonts (dictionaries and width tables) and bitmaps as image XObjects.
#include <gtest/gtest.h>

#include <algorithm>

#include "pdf/canvas.h"
#include "pdf/document.h"
#include "pdf/fonts.h"
#include "pdf/images.h"
#include "pdf/registry.h"
#include "pdf_test_util.h"

namespace setrix::pdf {
namespace {

using testing::FixedTime;

const std::vector<std::string> kFontNames = {
    "FixedWidth",  "FixedWidth-Bold", "FixedWidth-Italic", "FixedWidth-BoldItalic",
    "Arial",       "Arial-Bold",      "Arial-Italic",      "Arial-BoldItalic",
    "Times-Roman", "Times-Bold",      "Times-Italic",      "Times-BoldItalic"};

std::vector<int> Widths(const TPdfFont& font, int from, int to) {
  std::string bytes;
  for (int c = from; c <= to; ++c) bytes += static_cast<char>(c);
  std::vector<int> out;
  for (int i = 1; i <= static_cast<int>(bytes.size()); ++i) out.push_back(font.GlyphWidth(bytes, i));
  return out;
}

TEST(PdfFonts, RegistryHoldsTheTwelveFontsAndTheImageCreator) {
  std::vector<std::string> expected = kFontNames;
  expected.push_back("Pdf-Bitmap");
  EXPECT_EQ(RegisteredClassNames(), expected);

  TPdfXref xref;
  try {
    CreateFontByName("Symbol", xref);
    ADD_FAILURE();
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class Symbol not found");
  }
  EXPECT_THROW(CreateFontByName("Pdf-Bitmap", xref), EPdfInvalidValue);
  EXPECT_THROW(CreateImageCreatorByName("Arial"), EPdfInvalidValue);
  EXPECT_EQ(xref.Count(), 1);  // nothing registered by the failures
  try {
    MakeImageByClassName(raster::Bitmap(1, 1, 1), "Pdf-Jpeg");
    ADD_FAILURE();
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class Pdf-Jpeg not found");
  }
}

TEST(PdfFonts, FontDictionaryNamesTheBaseFontWithoutWidths) {
  const std::pair<const char*, const char*> bases[] = {{"FixedWidth", "Courier"},
                                                       {"FixedWidth-Bold", "Courier-Bold"},
                                                       {"FixedWidth-Italic", "Courier-Oblique"},
                                                       {"FixedWidth-BoldItalic", "Courier-BoldOblique"},
                                                       {"Arial", "Helvetica"},
                                                       {"Arial-Bold", "Helvetica-Bold"},
                                                       {"Arial-Italic", "Helvetica-Oblique"},
                                                       {"Arial-BoldItalic", "Helvetica-BoldOblique"},
                                                       {"Times-Roman", "Times-Roman"},
                                                       {"Times-Bold", "Times-Bold"},
                                                       {"Times-Italic", "Times-Italic"},
                                                       {"Times-BoldItalic", "Times-BoldItalic"}};
  TPdfDoc doc(FixedTime);
  doc.NewDocument();
  int index = 0;
  for (const auto& [name, base] : bases) {
    TPdfFont& font = doc.GetFont(name);
    EXPECT_EQ(font.Name(), name);
    EXPECT_EQ(font.Dict()->ObjectNumber(), 4 + index);
    std::string out;
    font.Dict()->WriteValue(out);
    EXPECT_EQ(out, std::string("<<\r\n/Type /Font\r\n/Subtype /Type1\r\n/Encoding /WinAnsiEncoding\r\n"
                               "/FirstChar 32\r\n/LastChar 255\r\n/BaseFont /") +
                       base + "\r\n/Name /F" + std::to_string(index) + "\r\n>>");
    ++index;
  }
  EXPECT_EQ(&doc.GetFont("Arial"), &doc.GetFont("Arial"));  // created once
}

TEST(PdfFonts, WidthTablesFollowTheBaseFontMetrics) {
  TPdfXref xref;
  const auto helvetica = CreateFontByName("Arial", xref);
  const auto times = CreateFontByName("Times-Roman", xref);
  EXPECT_EQ(Widths(*helvetica, 32, 39), (std::vector<int>{278, 278, 355, 556, 556, 889, 667, 191}));
  EXPECT_EQ(Widths(*helvetica, 65, 65), std::vector<int>{667});
  EXPECT_EQ(Widths(*times, 32, 39), (std::vector<int>{250, 333, 408, 500, 500, 833, 778, 180}));
  EXPECT_EQ(Widths(*helvetica, 252, 252), std::vector<int>{556});  // udieresis
  EXPECT_EQ(Widths(*helvetica, 176, 176), std::vector<int>{400});  // degree

  for (const auto& name : kFontNames) {
    const auto font = CreateFontByName(name, xref);
    EXPECT_EQ(Widths(*font, 0, 31), std::vector<int>(32, 0)) << name;
    const std::vector<int> all = Widths(*font, 32, 255);
    if (name.starts_with("FixedWidth")) {
      EXPECT_EQ(all, std::vector<int>(224, 600)) << name;
      continue;
    }
    for (const int code : {127, 129, 141, 143, 144, 157, 160, 173}) EXPECT_EQ(all[code - 32], 0) << name << code;
    EXPECT_EQ(all[128 - 32], name.starts_with("Arial") ? 556 : 500) << name;
    EXPECT_TRUE(std::all_of(all.begin(), all.begin() + 95, [](int w) { return w > 0; })) << name;
  }
  // The oblique faces share the widths of the upright ones.
  EXPECT_EQ(Widths(*CreateFontByName("Arial-Italic", xref), 32, 255), Widths(*helvetica, 32, 255));
  EXPECT_EQ(Widths(*CreateFontByName("Arial-BoldItalic", xref), 32, 255),
            Widths(*CreateFontByName("Arial-Bold", xref), 32, 255));
  EXPECT_NE(Widths(*CreateFontByName("Times-Italic", xref), 32, 255), Widths(*times, 32, 255));
}

TEST(PdfFonts, SameFontOnTwoPagesIsOneObjectInBothResources) {
  TPdfDoc doc(FixedTime);
  doc.NewDocument();
  doc.AddPage();
  doc.GetCanvas().SelectFont("Times-Italic", 9);
  doc.AddPage();
  doc.GetCanvas().SelectFont("Times-Italic", 9);
  const std::string file = testing::Save(doc);
  // Pages 4 and 8; Arial is 6 (F0), Times-Italic 7 (F1).
  const std::string fonts = "/Font <<\r\n/F0 6 0 R\r\n/F1 7 0 R\r\n>>";
  const std::size_t first = file.find(fonts);
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(file.find(fonts, first + 1), std::string::npos);
  EXPECT_EQ(file.find("/BaseFont /Times-Italic"), file.rfind("/BaseFont /Times-Italic"));
}

std::string Bytes(TPdfObject& obj) {
  std::string out;
  obj.WriteTo(out);
  return out;
}

std::string HexPalette(const std::vector<std::string>& entries) {
  std::string out = "<";
  for (std::size_t i = 0; i < 256; ++i) out += (i < entries.size() ? entries[i] : "000000") + " ";
  return out + ">";
}

TEST(PdfImages, OneBitBitmapBecomesAnIndexedImage) {
  raster::Bitmap bmp(2, 2, 1);
  bmp.SetIndex(1, 0, 1);  // top row: black, white
  bmp.SetIndex(0, 1, 1);  // bottom row: white, black
  auto image = TPdfBitmapImage().MakeImage(bmp);
  EXPECT_EQ(Bytes(*image),
            "<<\r\n/Length 4\r\n/Filter []\r\n/Type /XObject\r\n/Subtype /Image\r\n"
            "/ColorSpace [/Indexed /DeviceRGB 255 " +
                HexPalette({"000000", "FFFFFF"}) +
                " ]\r\n/Width 2\r\n/Height 2\r\n/BitsPerComponent 8\r\n>>\r\nstream\r\n" +
                std::string("\0\1\1\0", 4) + "\nendstream");
}

TEST(PdfImages, FourAndEightBitBitmapsKeepTheirPaletteAndRowsHaveNoPadding) {
  raster::Bitmap four(3, 2, 4);
  four.SetPalette({{255, 0, 0}, {0, 128, 255}, {1, 2, 3}});
  four.SetIndex(0, 0, 2);
  four.SetIndex(2, 1, 1);
  auto image = MakeImageByClassName(four, "Pdf-Bitmap");
  EXPECT_EQ(image->Data(), std::string("\2\0\0\0\0\1", 6));
  const auto* cs = image->Dict().LookupArray("ColorSpace");
  ASSERT_NE(cs, nullptr);
  EXPECT_EQ(dynamic_cast<TPdfBinary*>(cs->Item(3))->Data(), HexPalette({"FF0000", "0080FF", "010203"}));

  raster::Bitmap eight(3, 1, 8);
  eight.SetIndex(1, 0, 200);
  image = MakeImageByClassName(eight, "Pdf-Bitmap");
  EXPECT_EQ(image->Data(), std::string("\0\xC8\0", 3));
  EXPECT_EQ(image->Dict().LookupNumber("Width")->Value(), 3);
}

TEST(PdfImages, TrueColourBitmapBecomesRgbBytes) {
  raster::Bitmap bmp(2, 1, 24);
  bmp.SetColor(0, 0, {255, 0, 0});
  bmp.SetColor(1, 0, {0x12, 0x34, 0x56});
  auto image = MakeImageByClassName(bmp, "Pdf-Bitmap");
  const std::string pixels("\xFF\0\0\x12\x34\x56", 6);
  EXPECT_EQ(image->Data(), pixels);
  EXPECT_EQ(Bytes(*image),
            "<<\r\n/Length 6\r\n/Filter []\r\n/Type /XObject\r\n/Subtype /Image\r\n/ColorSpace /DeviceRGB\r\n"
            "/Width 2\r\n/Height 1\r\n/BitsPerComponent 8\r\n>>\r\nstream\r\n" +
                pixels + "\nendstream");
  raster::Bitmap three(3, 2, 24);
  EXPECT_EQ(MakeImageByClassName(three, "Pdf-Bitmap")->Data(), std::string(18, '\xFF'));
}

TEST(PdfImages, PaletteErrors) {
  try {
    BuildPalette(raster::Bitmap(1, 1, 24));
    ADD_FAILURE();
  } catch (const EPdfInvalidImageFormat& e) {
    EXPECT_STREQ(e.what(), "only 8 bit color image is allowed.");
  }
  raster::Bitmap noPalette(1, 1, 1);
  noPalette.SetPalette({});
  try {
    MakeImageByClassName(noPalette, "Pdf-Bitmap");
    ADD_FAILURE();
  } catch (const EPdfInvalidImageFormat& e) {
    EXPECT_STREQ(e.what(), "failed to get Palette..");
  }
  EXPECT_EQ(TPdfImageCreator().MakeImage(noPalette), nullptr);
}

}  // namespace
}  // namespace setrix::pdf
