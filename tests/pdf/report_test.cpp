// Report components: the tree and its rules, the bytes each kind renders, the write cycle.
#include "pdf/report.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "pdf/errors.h"
#include "pdf/file_output.h"
#include "pdf/format.h"

namespace setrix::pdf {
namespace {

namespace fs = std::filesystem;

const TPdfDateTime kSaveTime{2024, 5, 6, 7, 8, 9};

// A report with a fixed clock and a page holding one layout panel at (0, 0).
struct Fixture {
  TPReport report{[] { return kSaveTime; }};
  TPRPage page{"Page"};
  TPRLayoutPanel& panel = page.Add<TPRLayoutPanel>("Panel", 0, 0, 595, 842);

  // Prints the page into a new document and returns the content of the page.
  std::string Print() {
    report.OpenDocument();
    report.PrintPage(page);
    return Content();
  }
  std::string Content() const { return report.Document()->GetCanvas().Contents()->Data(); }
  std::string Save() {
    std::string out;
    report.CloseDocument(out);
    return out;
  }
};

constexpr const char* kPageStart = "/F0 10 Tf\n";

int Count(const std::string& haystack, const std::string& needle) {
  int n = 0;
  for (auto pos = haystack.find(needle); pos != std::string::npos; pos = haystack.find(needle, pos + 1)) ++n;
  return n;
}

raster::Bitmap Picture(int w, int h) {
  raster::Bitmap b(w, h, 1);
  b.SetIndex(0, 0, 1);
  return b;
}

TEST(ReportLabel, ExampleLabelWritesExactBytes) {
  Fixture f;
  auto& label = f.panel.Add<TPRLabel>("LblSW1", 72, 344, 17, 8);
  label.SetFontSize(8);
  label.SetFontBold(true);
  label.SetCaption("S1");
  EXPECT_EQ(f.Print(), std::string(kPageStart) + "/F1 8 Tf\n0 0 0 rg\nBT\n72 491.2 Td\n(S1) Tj\nET\n");
}

TEST(ReportLabel, EmptyCaptionWritesNothingNotEvenItsFont) {
  Fixture f;
  auto& label = f.panel.Add<TPRLabel>("Empty", 10, 10, 50, 10);
  label.SetFontBold(true);
  EXPECT_EQ(f.Print(), kPageStart);
}

TEST(ReportLabel, RightAlignedCaptionEndsAtTheRightEdge) {
  // Arial 8: "12" is 8.896 wide (rounded 9), "1234" 17.792 (rounded 18).
  struct Case {
    const char* caption;
    const char* td;
  } cases[] = {{"12", "336 "}, {"1234", "327 "}};
  for (const auto& c : cases) {
    Fixture f;
    auto& label = f.panel.Add<TPRLabel>("Num", 336, 458, 9, 8);
    label.SetFontSize(8);
    label.SetAlignment(TPdfAlignment::taRightJustify);
    label.SetCaption(c.caption);
    const std::string content = f.Print();
    EXPECT_NE(content.find(std::string("\n") + c.td + "377.2 Td\n"), std::string::npos) << c.caption << "\n"
                                                                                        << content;
  }
}

TEST(ReportLabel, JustifiedLabelSpreadsItsCaption) {
  {
    Fixture f;
    auto& label = f.panel.Add<TPRLabel>("One", 0, 0, 30, 10);
    label.SetAlignJustified(true);
    label.SetCaption("A");
    EXPECT_EQ(f.Print().find("Tc"), std::string::npos);
  }
  {
    // Courier 10: "AB" is 12 wide, so in a label 30 wide each gap grows by 18.
    Fixture f;
    auto& label = f.panel.Add<TPRLabel>("Two", 0, 0, 30, 10);
    label.SetFontName(TPRFontName::fnFixedWidth);
    label.SetFontSize(10);
    label.SetAlignJustified(true);
    label.SetCaption("AB");
    const std::string content = f.Print();
    EXPECT_NE(content.find("\n18 Tc\nBT\n"), std::string::npos) << content;
    EXPECT_FLOAT_EQ(label.GetTextWidth(), 30);
  }
}

TEST(ReportLabel, GetTextWidthMeasuresInTheLabelsState) {
  Fixture f;
  auto& label = f.panel.Add<TPRLabel>("L", 0, 0, 30, 10);
  label.SetFontSize(10);
  label.SetCaption("W");
  EXPECT_FLOAT_EQ(label.GetTextWidth(), 9.44f);  // Arial W = 944/1000
  label.SetFontBold(true);
  EXPECT_FLOAT_EQ(label.GetTextWidth(), 9.44f);  // Arial-Bold W = 944/1000 too
  label.SetCaption("i");
  EXPECT_FLOAT_EQ(label.GetTextWidth(), 2.78f);
  TPRLabel loose("Loose");
  EXPECT_THROW(loose.GetTextWidth(), EInvalidOperation);
}

TEST(ReportLabel, PropertyRules) {
  TPRLabel label("L");
  EXPECT_EQ(label.Width(), 100);
  EXPECT_EQ(label.Height(), 30);
  EXPECT_EQ(label.PdfFontName(), "Arial");
  label.SetFontSize(0);
  label.SetFontSize(-3);
  EXPECT_EQ(label.FontSize(), 12);
  label.SetWordSpace(-1);
  EXPECT_EQ(label.WordSpace(), 0);
  label.SetFontColor(-16777201);  // a system colour: taken
  EXPECT_EQ(label.FontColor(), -16777201);
  label.SetFontColor(0x0FFFFFFF);
  try {
    label.SetFontColor(0x10000000);
    FAIL();
  } catch (const EPdfInvalidValue& e) {
    EXPECT_STREQ(e.what(), "the color you selected is not allowed.");
  }
  EXPECT_EQ(label.FontColor(), 0x0FFFFFFF);

  struct Case {
    TPRFontName font;
    bool bold, italic;
    const char* name;
  } cases[] = {{TPRFontName::fnFixedWidth, false, false, "FixedWidth"},
               {TPRFontName::fnFixedWidth, true, true, "FixedWidth-BoldItalic"},
               {TPRFontName::fnArial, true, false, "Arial-Bold"},
               {TPRFontName::fnArial, false, true, "Arial-Italic"},
               {TPRFontName::fnTimesRoman, false, false, "Times-Roman"},
               {TPRFontName::fnTimesRoman, true, false, "Times-Bold"},
               {TPRFontName::fnTimesRoman, true, true, "Times-BoldItalic"}};
  for (const auto& c : cases) {
    label.SetFontName(c.font);
    label.SetFontBold(c.bold);
    label.SetFontItalic(c.italic);
    EXPECT_EQ(label.PdfFontName(), c.name);
  }
}

TEST(ReportText, EmptyLinesKeepTheirLeading) {
  Fixture f;
  auto& text = f.panel.Add<TPRText>("T", 56, 504, 89, 305);
  text.SetFontSize(11);
  text.Lines() = {"Input:", "", "", "Output:"};
  EXPECT_EQ(f.Print(),
            std::string(kPageStart) +
                "/F0 11 Tf\n0 0 0 rg\n14 TL\nBT\n56 328.65 Td\n(Input:) Tj\nT*\nT*\nT*\n(Output:) Tj\nET\n");
}

TEST(ReportText, LongLineWithoutWordWrapIsCutAtTheRightEdge) {
  Fixture f;
  auto& text = f.panel.Add<TPRText>("T", 0, 0, 30, 100);
  text.SetFontName(TPRFontName::fnFixedWidth);
  text.SetFontSize(10);  // 6 points per character: 5 fit into 30
  text.SetText("abcdefghij");
  EXPECT_NE(f.Print().find("(abcde) Tj\n"), std::string::npos);
}

TEST(ReportText, NoLinesStillWritesStateAndAnEmptyTextObject) {
  Fixture f;
  auto& text = f.panel.Add<TPRText>("T", 10, 42, 50, 50);
  text.SetLeading(9);
  text.SetFontSize(7);
  EXPECT_EQ(f.Print(), std::string(kPageStart) + "/F0 7 Tf\n0 0 0 rg\n9 TL\nBT\n10 794.05 Td\nET\n");
}

TEST(ReportText, TextJoinsTrimsAndSplits) {
  TPRText text("T");
  text.SetText("  a\r\nb\rc\nd\r\n\r\n");
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{"  a", "b", "c", "d", ""}));
  EXPECT_EQ(text.Text(), "a\r\nb\r\nc\r\nd");
  text.SetText("");
  EXPECT_TRUE(text.Lines().empty());
  text.SetLeading(-1);
  EXPECT_EQ(text.Leading(), 14);
  EXPECT_FALSE(text.WordWrap());
}

TEST(ReportImage, SharedImagesAreEmbeddedOncePerDocument) {
  auto picture = std::make_shared<const raster::Bitmap>(Picture(4, 3));
  {
    Fixture f;
    f.panel.Add<TPRImage>("ImageA", 0, 0, 40, 30).SetPicture(picture);
    f.panel.Add<TPRImage>("ImageB", 50, 0, 40, 30).SetPicture(picture);
    f.Print();
    EXPECT_EQ(Count(f.Save(), "/Subtype /Image"), 2);
  }
  {
    Fixture f;
    f.panel.Add<TPRImage>("Logo", 0, 0, 40, 30).SetPicture(picture);
    f.report.OpenDocument();
    f.report.PrintPage(f.page);
    f.report.PrintPage(f.page);
    EXPECT_EQ(f.Content(), std::string(kPageStart) + "q\n40 0 0 30 0 812 cm\n/Logo Do\nQ\n");
    EXPECT_EQ(Count(f.Save(), "/Subtype /Image"), 1);
  }
}

// The image element keeps the converted bytes of its picture between documents: each
// document must still embed the picture that is set when it is printed.
TEST(ReportImage, EveryDocumentEmbedsThePictureSetWhenItIsPrinted) {
  const auto print = [](Fixture& f) {
    f.Print();
    return f.Save();
  };
  const auto fresh = [&](const std::shared_ptr<const raster::Bitmap>& picture) {
    Fixture f;
    f.panel.Add<TPRImage>("Board", 0, 0, 40, 30).SetPicture(picture);
    return print(f);
  };
  raster::Bitmap other = Picture(4, 3);
  other.SetIndex(3, 2, 1);
  const auto a = std::make_shared<const raster::Bitmap>(Picture(4, 3));
  const auto b = std::make_shared<const raster::Bitmap>(other);
  raster::Bitmap colour(2, 2, 24);
  colour.SetColor(1, 1, {10, 20, 30});
  const auto c = std::make_shared<const raster::Bitmap>(colour);

  Fixture f;
  auto& image = f.panel.Add<TPRImage>("Board", 0, 0, 40, 30);
  image.SetPicture(a);
  EXPECT_EQ(print(f), fresh(a));
  EXPECT_EQ(print(f), fresh(a));  // the same picture again
  image.SetPicture(b);
  EXPECT_EQ(print(f), fresh(b));
  image.SetPicture(c);
  EXPECT_EQ(print(f), fresh(c));
  // A picture made anew for each document (a board with its banks), equal or not.
  for (const raster::Bitmap* made : {&other, &other, &colour}) {
    image.SetPicture(*made);
    EXPECT_EQ(print(f), fresh(std::make_shared<const raster::Bitmap>(*made)));
  }
  // Pictures by turns, more of them than the element keeps converted.
  std::vector<std::shared_ptr<const raster::Bitmap>> turns;
  for (int k = 1; k < 7; ++k) {
    raster::Bitmap p = Picture(4, 3);
    p.SetIndex(k % 4, k / 4, 1);
    turns.push_back(std::make_shared<const raster::Bitmap>(p));
  }
  for (int round = 0; round < 2; ++round)
    for (const auto& picture : turns) {
      image.SetPicture(picture);
      EXPECT_EQ(print(f), fresh(picture));
    }
}

TEST(ReportImage, UnsharedImagesTakeTheNextFreeNumberFromARandomStart) {
  Fixture f;
  auto& image = f.panel.Add<TPRImage>("Pic", 0, 0, 4, 3);
  image.SetPicture(Picture(4, 3));
  image.SetSharedImage(false);
  f.report.SetRandom([](int n) {
    EXPECT_EQ(n, 65534);
    return 65533;
  });
  f.report.OpenDocument();
  f.report.PrintPage(f.page);  // Pic65533
  f.report.PrintPage(f.page);  // 65533 taken: Pic65534
  f.report.PrintPage(f.page);  // both taken: wraps to Pic0
  const std::string pdf = f.Save();
  for (const char* name : {"/Name /Pic65533", "/Name /Pic65534", "/Name /Pic0"})
    EXPECT_EQ(Count(pdf, name), 1) << name;
  EXPECT_EQ(Count(pdf, "/Subtype /Image"), 3);
}

TEST(ReportImage, NoPictureNoOutputNoResource) {
  Fixture f;
  f.panel.Add<TPRImage>("None", 0, 0, 40, 30);
  f.panel.Add<TPRImage>("Empty", 0, 0, 40, 30).SetPicture(raster::Bitmap());
  EXPECT_EQ(f.Print(), kPageStart);
  EXPECT_EQ(Count(f.Save(), "/Subtype /Image"), 0);
}

TEST(ReportImage, UnstretchedImageKeepsOnePointPerPixelCutAtItsBox) {
  Fixture f;
  auto& image = f.panel.Add<TPRImage>("Lever", 365, 309, 17, 41);
  image.SetPicture(Picture(15, 37));
  image.SetStretch(false);
  EXPECT_EQ(f.Print(),
            std::string(kPageStart) + "q\n365 492 17 41 re\nW\nn\n15 0 0 37 365 496 cm\n/Lever Do\nQ\n");
}

TEST(ReportPage, MediaBoxFollowsThePageSize) {
  Fixture f;
  f.page.SetWidth(597);
  f.Print();
  EXPECT_NE(f.Save().find("/MediaBox [0 0 597 842 ]"), std::string::npos);
}

TEST(ReportPage, MarginsAcceptOnlyValuesBelowHalfTheWidth) {
  TPRPage page("P");
  EXPECT_EQ(page.Width(), 596);
  EXPECT_EQ(page.Height(), 842);
  EXPECT_EQ(page.MarginLeft(), 32);
  page.SetMarginLeft(-1);
  page.SetMarginTop(298);
  EXPECT_EQ(page.MarginLeft(), 32);
  EXPECT_EQ(page.MarginTop(), 32);
  page.SetMarginRight(297);
  page.SetMarginBottom(0);
  EXPECT_EQ(page.MarginRight(), 297);
  EXPECT_EQ(page.MarginBottom(), 0);
}

TEST(ReportPage, AlignedPanelsFillTheAreaInsideTheMargins) {
  TPRPage page("P");
  auto& top = page.Add<TPRLayoutPanel>("Top", 0, 0, 10, 50);
  top.SetAlign(TAlign::alTop);
  auto& rest = page.Add<TPRLayoutPanel>("Rest");
  rest.SetAlign(TAlign::alClient);
  auto& fixed = page.Add<TPRLayoutPanel>("Fixed", 5, 6, 7, 8);
  EXPECT_EQ(top.BoundsRect(), (TRect{32, 32, 564, 82}));
  EXPECT_EQ(rest.BoundsRect(), (TRect{32, 82, 564, 810}));
  EXPECT_EQ(fixed.BoundsRect(), (TRect{5, 6, 12, 14}));
  page.SetMarginTop(0);
  EXPECT_EQ(top.BoundsRect(), (TRect{32, 0, 564, 50}));
}

TEST(ReportTree, ContainmentRules) {
  TPRPage page("P");
  try {
    page.Add<TPRLabel>("OnPage");
    FAIL();
  } catch (const EReportError& e) {
    EXPECT_STREQ(e.what(), "this component must set on TPRPanel");
  }
  EXPECT_EQ(page.ControlCount(), 0);

  TWinControl form("Form");
  try {
    form.Add<TPRLayoutPanel>("Panel");
    FAIL();
  } catch (const EReportError& e) {
    EXPECT_STREQ(e.what(), "TPRPage can not set on TWinControl");
  }
  EXPECT_THROW(form.Add<TPRGridPanel>("Grid"), EReportError);
  EXPECT_NO_THROW(form.Add<TPRPage>("Page"));

  auto& grid = page.Add<TPRGridPanel>("Grid", 0, 0, 200, 100);
  auto& label = grid.Add<TPRLabel>("OnGrid");
  EXPECT_EQ(label.Parent(), &grid.ChildPanel());
  auto& inner = grid.Add<TPRLayoutPanel>("Inner");
  EXPECT_EQ(inner.Parent(), &grid.ChildPanel());
  EXPECT_EQ(label.OwningPage(), &page);

  // Moving keeps the control where it was when the rule refuses.
  auto& panel = page.Add<TPRLayoutPanel>("Panel");
  label.SetParent(panel);
  EXPECT_EQ(label.Parent(), &panel);
  EXPECT_THROW(label.SetParent(page), EReportError);
  EXPECT_EQ(label.Parent(), &panel);
  EXPECT_THROW(panel.SetParent(panel), EReportError);  // not inside itself
}

TEST(ReportTree, ControlOrderPutsItemsBeforePanels) {
  TPRLayoutPanel panel("Panel");
  panel.Add<TPRLayoutPanel>("P1");
  panel.Add<TPRLabel>("L1");
  panel.Add<TPRLayoutPanel>("P2");
  panel.Add<TPRImage>("I1");
  std::vector<std::string> names;
  for (const TControl* c : panel.ControlOrder()) names.push_back(c->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"L1", "I1", "P1", "P2"}));
  EXPECT_EQ(panel.FindControl("I1")->ClassName(), std::string("TPRImage"));
  EXPECT_EQ(panel.FindControl("nothing"), nullptr);
}

TEST(ReportTree, NestedPanelsShiftTheirItemsAndEventsSeeTheRectangles) {
  Fixture f;
  f.panel.SetBounds(10, 20, 500, 800);
  auto& inner = f.panel.Add<TPRLayoutPanel>("Inner", 100, 200, 50, 50);
  std::vector<std::string> events;
  inner.BeforePrint = [&](TControl& sender, TPRCanvas&, const TRect& r) {
    events.push_back("before " + sender.Name() + " " + std::to_string(r.Left) + "," + std::to_string(r.Top));
  };
  inner.AfterPrint = [&](TControl&, TPRCanvas&, const TRect&) { events.push_back("after"); };
  f.page.OnPrintPage = [&](TControl&, TPRCanvas&) { events.push_back("page"); };
  auto& label = inner.Add<TPRLabel>("L", 1, 2, 10, 10);
  label.SetFontSize(10);
  label.SetCaption("x");
  auto& hidden = inner.Add<TPRLabel>("Hidden", 1, 2, 10, 10);
  hidden.SetCaption("never");
  hidden.SetPrintable(false);
  const std::string content = f.Print();
  EXPECT_NE(content.find("\n111 611.5 Td\n(x) Tj\n"), std::string::npos) << content;  // 842 - 222 - 8.5
  EXPECT_EQ(content.find("never"), std::string::npos);
  EXPECT_EQ(events, (std::vector<std::string>{"page", "before Inner 110,220", "after"}));
}

TEST(ReportGrid, CellsInPrintDirection) {
  for (const auto direction : {TPrintDirection::pdHorz, TPrintDirection::pdVert}) {
    Fixture f;
    auto& grid = f.panel.Add<TPRGridPanel>("Grid", 10, 20, 200, 100);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetPrintDirection(direction);
    EXPECT_EQ(grid.ChildPanel().Width(), 100);
    EXPECT_EQ(grid.ChildPanel().Height(), 50);
    std::vector<std::string> cells;
    grid.BeforePrintChild = [&](TControl&, TPRCanvas&, int col, int row, const TRect& r) {
      cells.push_back(std::to_string(col) + std::to_string(row) + "@" + std::to_string(r.Left) + "," +
                      std::to_string(r.Top) + "-" + std::to_string(r.Right) + "," + std::to_string(r.Bottom));
    };
    f.Print();
    const std::vector<std::string> horz{"00@10,20-110,70", "10@110,20-210,70", "01@10,70-110,120",
                                        "11@110,70-210,120"};
    const std::vector<std::string> vert{"00@10,20-110,70", "01@10,70-110,120", "10@110,20-210,70",
                                        "11@110,70-210,120"};
    EXPECT_EQ(cells, direction == TPrintDirection::pdHorz ? horz : vert);
  }
}

TEST(ReportGrid, InvalidCounts) {
  TPRGridPanel grid("G");
  grid.SetBounds(0, 0, 100, 50);
  for (const int v : {0, -1, 11}) {
    try {
      grid.SetColCount(v);
      FAIL() << v;
    } catch (const EReportError& e) {
      EXPECT_STREQ(e.what(), "invalid colcount");
    }
  }
  grid.SetColCount(10);
  EXPECT_THROW(grid.SetRowCount(6), EReportError);
  grid.SetRowCount(5);
  EXPECT_EQ(grid.ChildPanel().Width(), 10);
  EXPECT_EQ(grid.ChildPanel().Height(), 10);
}

TEST(Report, SettersAreRefusedWhileADocumentIsOpen) {
  TPReport report;
  report.OpenDocument();
  struct Case {
    std::function<void()> set;
    const char* message;
  } cases[] = {
      {[&] { report.SetAuthor("a"); }, "SetAuthor --invalid operation."},
      {[&] { report.SetCreationDate({}); }, "SetCreationDate --invalid operation."},
      {[&] { report.SetCreator("c"); }, "SetCreator --invalid operation."},
      {[&] { report.SetKeywords("k"); }, "SetKeyWords --invalid operation."},
      {[&] { report.SetModDate({}); }, "SetModDate --invalid operation."},
      {[&] { report.SetSubject("s"); }, "SetSubject --invalid operation."},
      {[&] { report.SetPageLayout(TPdfPageLayout::plOneColumn); }, "SetPageLayout --invalid operation."},
      {[&] { report.SetPageMode(TPdfPageMode::pmUseThumbs); }, "SetPageMode --invalid operation."},
      {[&] { report.SetNonFullScreenPageMode(TPdfPageMode::pmUseThumbs); },
       "SetNonFullScreenPageMode --invalid operation."},
      {[&] { report.SetUseOutlines(true); }, "SetUseOutlines --invalid operation."},
      {[&] { report.SetViewerPreference({TPdfViewerPreference::vpFitWindow}); },
       "SetViewerPreference --invalid operation."},
  };
  for (const auto& c : cases) {
    try {
      c.set();
      ADD_FAILURE() << c.message;
    } catch (const EPdfInvalidOperation& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(report.Author(), "");
  report.SetTitle("T2");
  report.SetFileName("x.pdf");
  EXPECT_EQ(report.Title(), "T2");
  report.DiscardDocument();
  report.SetAuthor("Me");
  EXPECT_EQ(report.Author(), "Me");
}

TEST(Report, TitleTakesEffectAtTheNextDocument) {
  Fixture f;
  f.report.SetTitle("First");
  f.Print();
  f.report.SetTitle("Second");
  EXPECT_NE(f.Save().find("/Title (First)"), std::string::npos);
  f.Print();
  EXPECT_NE(f.Save().find("/Title (Second)"), std::string::npos);
}

TEST(Report, CreationDateAsSetModDateIsTheSavingTime) {
  Fixture f;
  f.report.SetCreationDate({2001, 11, 1, 0, 21, 42});
  f.report.SetModDate({1999, 1, 1, 0, 0, 0});
  f.report.SetAuthor("Zantrel");
  f.report.SetNonFullScreenPageMode(TPdfPageMode::pmFullScreen);
  EXPECT_EQ(f.report.NonFullScreenPageMode(), TPdfPageMode::pmUseNone);
  f.Print();
  const std::string pdf = f.Save();
  EXPECT_NE(pdf.find("/CreationDate (D:20011101002142)"), std::string::npos);
  EXPECT_NE(pdf.find("/ModDate (D:20240506070809)"), std::string::npos);
  EXPECT_EQ(pdf.find("D:19990101"), std::string::npos);
  EXPECT_NE(pdf.find("/Author (Zantrel)"), std::string::npos);
  EXPECT_NE(pdf.find("/Producer (Zantrel SETRIX)"), std::string::npos);
}

TEST(Report, CycleErrors) {
  TPReport report;
  try {
    report.CloseDocument();
    FAIL();
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "document is null..");
  }
  TPRPage page("P");
  EXPECT_THROW(report.PrintPage(page), EPdfInvalidOperation);
  report.OpenDocument();
  std::string out;
  EXPECT_THROW(report.CloseDocument(out), EPdfInvalidOperation);  // no page yet
  EXPECT_TRUE(report.HasDocument());
  report.OpenDocument();  // discards the open one
  report.PrintPage(page);
  report.CloseDocument(out);
  EXPECT_FALSE(report.HasDocument());
  EXPECT_EQ(out.rfind("%PDF-1.2", 0), 0u);
}

class ReportFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("setrix_report_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  fs::path dir_;
};

TEST_F(ReportFile, CloseDocumentReplacesTheFileWhole) {
  const fs::path target = dir_ / "out.pdf";
  std::ofstream(target) << "old";
  TPReport report;
  TPRPage page("P");
  report.SetFileName(target.string());
  report.OpenDocument();
  report.PrintPage(page);
  report.CloseDocument();
  EXPECT_EQ(Read(target).rfind("%PDF-1.2", 0), 0u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temp file left
}

TEST_F(ReportFile, FailedWritesLeaveTheOldFileAndSayWhy) {
  const fs::path target = dir_ / "keep.pdf";
  std::ofstream(target) << "old bytes";
  TPReport report;
  TPRPage page("P");

  report.SetFileName((dir_ / "missing" / "a.pdf").string());
  report.OpenDocument();
  report.PrintPage(page);
  try {
    report.CloseDocument();
    FAIL();
  } catch (const EFileError& e) {
    EXPECT_NE(std::string(e.what()).find("No such file or directory"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("missing/a.pdf"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(report.HasDocument());  // still open after the failure

  // A read-only folder. Root may write anywhere, so then the attempt runs in a child
  // process that has given up root.
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  report.SetFileName(target.string());
  const auto attempt = [&]() -> std::string {
    try {
      report.CloseDocument();
      return "written";
    } catch (const EFileError& e) {
      return e.what();
    }
  };
  if (::geteuid() != 0) {
    EXPECT_NE(attempt().find("Permission denied"), std::string::npos);
  } else {
    const pid_t child = ::fork();
    if (child == 0) {
      const bool ok =
          ::setgid(65534) == 0 && ::setuid(65534) == 0 && attempt().find("Permission denied") != std::string::npos;
      ::_exit(ok ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  fs::permissions(dir_, fs::perms::owner_all);
  // A target that cannot be replaced (a folder) keeps its place, and no temp file remains.
  fs::create_directories(dir_ / "folder.pdf" / "x");
  report.SetFileName((dir_ / "folder.pdf").string());
  EXPECT_THROW(report.CloseDocument(), EFileError);
  EXPECT_EQ(Read(target), "old bytes");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace setrix::pdf
