// Document structure: numbering, file layout, cross-reference table, wrappers and errors.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "pdf/canvas.h"
#include "pdf/document.h"
#include "pdf/fonts.h"
#include "pdf/images.h"
#include "pdf_test_util.h"

namespace setrix::pdf {
namespace {

using testing::ExpectWellFormedFile;
using testing::FixedTime;
using testing::Save;

TEST(PdfDocument, OnePageEmptyDocumentIsWrittenByteForByte) {
  TPdfDoc doc(FixedTime);
  doc.NewDocument();
  doc.AddPage();
  const std::string file = Save(doc);
  const std::string expected =
      "%PDF-1.2 \r\n"
      "1 0 obj\r\n<<\r\n/Type /Catalog\r\n/Pages 3 0 R\r\n>>\r\nendobj\r\n"
      "2 0 obj\r\n<<\r\n/Producer (Zantrel SETRIX)\r\n/CreationDate (D:20011101002142)\r\n"
      "/ModDate (D:20011101002142)\r\n>>\r\nendobj\r\n"
      "3 0 obj\r\n<<\r\n/Type /Pages\r\n/Kids [4 0 R ]\r\n/Count 1\r\n>>\r\nendobj\r\n"
      "4 0 obj\r\n<<\r\n/Type /Page\r\n/Parent 3 0 R\r\n/MediaBox [0 0 596 842 ]\r\n"
      "/Resources <<\r\n/Font <<\r\n/F0 6 0 R\r\n>>\r\n/XObject <<\r\n>>\r\n"
      "/ProcSet [/PDF /Text /ImageC ]\r\n>>\r\n/Contents 5 0 R\r\n>>\r\nendobj\r\n"
      "5 0 obj\r\n<<\r\n/Length 10\r\n/Filter []\r\n>>\r\nstream\r\n/F0 10 Tf\n\nendstream\r\nendobj\r\n"
      "6 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /Type1\r\n/Encoding /WinAnsiEncoding\r\n"
      "/FirstChar 32\r\n/LastChar 255\r\n/BaseFont /Helvetica\r\n/Name /F0\r\n>>\r\nendobj\r\n"
      "xref\r\n0 7\r\n"
      "0000000000 65535 f\r\n0000000011 00000 n\r\n0000000066 00000 n\r\n0000000182 00000 n\r\n"
      "0000000247 00000 n\r\n0000000436 00000 n\r\n0000000515 00000 n\r\n"
      "trailer\r\n<<\r\n/Size 7\r\n/Root 1 0 R\r\n/Info 2 0 R\r\n>>\r\nstartxref\r\n661\r\n%%EOF\r\n";
  EXPECT_EQ(file, expected);
  ExpectWellFormedFile(file, 6);
}

TEST(PdfDocument, TwoPagesShareTheDefaultFontAndTheTree) {
  TPdfDoc doc(FixedTime);
  doc.NewDocument();
  doc.AddPage();  // 4 page, 5 contents, 6 Arial
  doc.AddPage();  // 7 page, 8 contents
  EXPECT_EQ(doc.GetCanvas().Contents()->Data(), "/F0 10 Tf\n");
  const std::string file = Save(doc);
  ExpectWellFormedFile(file, 8);
  EXPECT_NE(file.find("/Kids [4 0 R 7 0 R ]\r\n/Count 2\r\n"), std::string::npos);
  EXPECT_NE(file.find("7 0 obj\r\n<<\r\n/Type /Page\r\n/Parent 3 0 R\r\n"), std::string::npos);
  EXPECT_NE(file.find("/Contents 8 0 R"), std::string::npos);
  // The internal state stored on page 4 is never written.
  EXPECT_EQ(file.find("_Font"), std::string::npos);
}

TEST(PdfDocument, SavingTwiceGivesTheSameFile) {
  TPdfDoc doc(FixedTime);
  doc.NewDocument();
  doc.AddPage();
  EXPECT_EQ(Save(doc), Save(doc));
}

TEST(PdfDocument, OutlinesTakeTheSecondNumber) {
  TPdfDoc doc(FixedTime);
  doc.SetUseOutlines(true);
  doc.NewDocument();
  doc.AddPage();
  const std::string file = Save(doc);
  ExpectWellFormedFile(file, 7);
  EXPECT_NE(file.find("1 0 obj\r\n<<\r\n/Type /Catalog\r\n/Outlines 2 0 R\r\n/Pages 4 0 R\r\n>>"),
            std::string::npos);
  EXPECT_NE(file.find("2 0 obj\r\n<<\r\n/Type /Outlines\r\n/Count 0\r\n>>"), std::string::npos);
  EXPECT_NE(file.find("/Info 3 0 R"), std::string::npos);
  EXPECT_EQ(doc.GetOutlineRoot().Dict()->ObjectNumber(), 2);
}

TEST(PdfDocument, InfoKeysKeepTheirOrderAndModDateComesLast) {
  int tick = 0;
  TPdfDoc doc([&] { return TPdfDateTime{2024, 2, 29, 23, 59, tick++}; });
  doc.NewDocument();
  doc.AddPage();
  TPdfInfo& info = doc.GetInfo();
  info.SetAuthor("A");
  info.SetModDate({1999, 1, 1, 0, 0, 0});
  info.SetTitle("T(1)");
  info.SetAuthor("B");
  info.SetKeywords("K");
  info.SetSubject("S");
  info.SetCreator("C");
  const std::string file = Save(doc);
  EXPECT_NE(file.find("/Producer (Zantrel SETRIX)\r\n/CreationDate (D:20240229235900)\r\n/Title (T\\(1\\))\r\n"
                      "/Author (B)\r\n/Keywords (K)\r\n/Subject (S)\r\n/Creator (C)\r\n"
                      "/ModDate (D:20240229235901)\r\n>>"),
            std::string::npos);
  EXPECT_EQ(info.Text("Author"), "B");
}

TEST(PdfDocument, CatalogSettingsReplaceInPlace) {
  TPdfDoc doc(FixedTime);
  doc.NewDocument();
  TPdfCatalog& root = doc.GetRoot();
  root.SetPageMode(TPdfPageMode::pmUseNone);
  root.SetPageLayout(TPdfPageLayout::plSinglePage);
  root.SetPageLayout(TPdfPageLayout::plTwoColumnRight);
  root.SetNonFullScreenPageMode(TPdfPageMode::pmUseThumbs);
  root.SetViewerPreference({TPdfViewerPreference::vpHideToolbar, TPdfViewerPreference::vpCenterWindow});
  EXPECT_EQ(root.PageLayout(), TPdfPageLayout::plTwoColumnRight);
  EXPECT_EQ(root.ViewerPreference(),
            TPdfViewerPreferences({TPdfViewerPreference::vpHideToolbar, TPdfViewerPreference::vpCenterWindow}));
  std::string out;
  root.Dict()->WriteValue(out);
  EXPECT_EQ(out,
            "<<\r\n/Type /Catalog\r\n/Pages 3 0 R\r\n/PageMode /UseNone\r\n/PageLayout /TwoColumnRight\r\n"
            "/ViewerPreferences <<\r\n/NonFullScreenPageMode /UseThumbs\r\n/HideToolbar true\r\n"
            "/CenterWindow true\r\n>>\r\n>>");

  root.SetNonFullScreenPageMode(TPdfPageMode::pmFullScreen);
  root.SetViewerPreference({});
  out.clear();
  root.Dict()->WriteValue(out);
  EXPECT_EQ(out,
            "<<\r\n/Type /Catalog\r\n/Pages 3 0 R\r\n/PageMode /UseNone\r\n/PageLayout /TwoColumnRight\r\n"
            "/ViewerPreferences <<\r\n>>\r\n>>");

  // Without a ViewerPreferences dictionary an empty set creates none.
  TPdfDoc other(FixedTime);
  other.NewDocument();
  other.GetRoot().SetViewerPreference({});
  EXPECT_EQ(other.GetRoot().Dict()->Lookup("ViewerPreferences"), nullptr);
}

TEST(PdfDocument, ReleaseAndRestart) {
  TPdfDoc doc(FixedTime);
  doc.NewDocument();
  doc.AddPage();
  doc.GetCanvas().SelectFont("Times-Bold", 12);
  doc.ReleaseDocument();
  EXPECT_FALSE(doc.HasDoc());
  doc.NewDocument();
  // The new document starts without a page and without fonts.
  EXPECT_THROW(doc.GetCanvas().GetPage(), EPdfInvalidOperation);
  doc.AddPage();
  EXPECT_EQ(doc.GetCanvas().Contents()->Data(), "/F0 10 Tf\n");
  ExpectWellFormedFile(Save(doc), 6);
}

std::unique_ptr<TPdfImage> SmallImage() { return TPdfBitmapImage().MakeImage(raster::Bitmap(2, 2, 1)); }

TEST(PdfDocument, ImagesAreNamedOnce) {
  TPdfDoc doc(FixedTime);
  doc.NewDocument();
  TPdfImage* image = doc.AddImage("Logo", SmallImage());
  EXPECT_EQ(image->ObjectNumber(), 4);
  EXPECT_EQ(doc.XObjectByName("Logo"), image);
  EXPECT_EQ(doc.XObjectByName("logo"), nullptr);
  EXPECT_EQ(image->Dict().LookupName("Name")->Value(), "Logo");

  // An XObject that already has a name keeps it and is not listed again.
  doc.RegisterXObject(image, "Other");
  EXPECT_EQ(doc.XObjectByName("Other"), nullptr);
  EXPECT_EQ(image->Dict().LookupName("Name")->Value(), "Logo");

  // A direct XObject is registered with the next number.
  auto form = std::make_unique<TPdfXObject>();
  form->Dict().Put("Type", std::make_unique<TPdfName>("XObject"));
  TPdfXObject* registered = doc.RegisterXObject(std::move(form), "Form");
  EXPECT_EQ(registered->ObjectNumber(), 5);
  EXPECT_EQ(doc.XObjectByName("Form"), registered);
}

void ExpectError(const std::function<void()>& call, const std::string& message) {
  try {
    call();
    ADD_FAILURE() << "no error, expected " << message;
  } catch (const std::exception& e) {
    EXPECT_EQ(e.what(), message);
  }
}

TEST(PdfDocument, ErrorsNameTheOperation) {
  TPdfDoc none(FixedTime);
  ExpectError([&] { none.GetCanvas(); }, "GetCanvas --Document is null");
  ExpectError([&] { none.GetInfo(); }, "GetInfo --this method can not use this state..");
  ExpectError([&] { none.GetRoot(); }, "GetRoot --this method can not use this state..");
  ExpectError([&] { none.GetOutlineRoot(); }, "GetOutlineRoot --document is null..");
  ExpectError([&] { none.GetFont("Arial"); }, "GetFont --document is null.");
  ExpectError([&] { none.AddPage(); }, "AddPage --current pages null.");
  ExpectError([&] { Save(none); }, "SaveToStream --there is no document to save.");
  EXPECT_THROW(none.AddPage(), EPdfInvalidOperation);

  TPdfDoc doc(FixedTime);
  doc.NewDocument();
  ExpectError([&] { Save(doc); }, "GetPage --the Page is nil");
  {
    TPdfDoc paged(FixedTime);
    paged.NewDocument();
    paged.AddPage();
    std::ofstream unwritable("/nonexistent-folder/x.pdf", std::ios::binary);
    ExpectError([&] { paged.SaveToStream(unwritable); }, "SaveToStream --the output could not be written.");
  }
  ExpectError([&] { doc.GetOutlineRoot(); }, "GetOutlineRoot --not use outline mode..");
  ExpectError([&] { doc.CreateFont("Helvetica"); }, "Class Helvetica not found");
  EXPECT_THROW(doc.GetFont("Comic"), EClassNotFound);

  doc.AddImage("Pic", SmallImage());
  ExpectError([&] { doc.AddImage("Pic", SmallImage()); }, "AddImage --the image named Pic is already exists..");
  ExpectError([&] { doc.AddImage("Empty", nullptr); }, "AddImage --the image is not valid TPdfImage..");
  ExpectError([&] { doc.AddImage("Bare", std::make_unique<TPdfImage>()); },
              "AddImage --the image is not valid TPdfImage..");
  auto notImage = SmallImage();
  notImage->Dict().Put("Subtype", std::make_unique<TPdfName>("Form"));
  ExpectError([&] { doc.AddImage("Form", std::move(notImage)); }, "AddImage --the image is not valid TPdfImage..");

  ExpectError([&] { doc.RegisterXObject(static_cast<TPdfXObject*>(nullptr), "X"); },
              "RegisterXObject --AObject is null");
  ExpectError([&] { doc.RegisterXObject(std::unique_ptr<TPdfXObject>(), "X"); },
              "RegisterXObject --AObject is null");
  ExpectError([&] { doc.RegisterXObject(std::make_unique<TPdfXObject>(), "X"); }, "RegisterXObject --not XObject");
  auto unnamed = std::make_unique<TPdfXObject>();
  unnamed->Dict().Put("Type", std::make_unique<TPdfName>("XObject"));
  ExpectError([&] { doc.RegisterXObject(std::move(unnamed), "Pic"); }, "RegisterXObject --dupulicate name: Pic");
  EXPECT_THROW(doc.RegisterXObject(std::make_unique<TPdfXObject>(), "X"), EPdfInvalidValue);
}

}  // namespace
}  // namespace setrix::pdf
