// The page geometry and the drawing blocks, on a recording printer with simple metrics:
// 254 dpi (one pixel is 0.01 cm), an A4 sheet with a printable area 0.5 cm from the left
// and 0.4 cm from the top edge, characters half as wide as the font is high.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "printing/printout.h"
#include "printing/word_wrap.h"
#include "recording_sink.h"
#include "texts/texts.h"

namespace setrix::printing {
namespace {

using test::DrawnText;
using test::RecordingSink;
using test::SinkLog;

constexpr DeviceCaps kA4{254, 254, 2100, 2970, 50, 40, 2000, 2880};

// 11 pt at 254 dpi is 39 pixels high; a character is 19.5 pixels = 0.195 cm wide.
constexpr double kChar11 = 0.195;
const double kLineHeight = 1.05 * 39 * 1.15 / 100;

class PrintoutTest : public testing::Test {
 protected:
  void SetUp() override {
    texts::SetCurrentLanguage(1);
    options.date = "24.12.2024";
    options.pictures = test::TestPicture;
  }
  void TearDown() override { texts::SetCurrentLanguage(0); }

  SinkLog log;
  RecordingSink sink{log, kA4};
  PrintOptions options;
};

TEST(RoundingTest, HalvesGoToEvenAndMulDivRoundsAwayFromZero) {
  EXPECT_EQ(RoundHalfEven(12.5), 12);
  EXPECT_EQ(RoundHalfEven(13.5), 14);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_EQ(MulDiv(11, 254, 72), 39);
  EXPECT_EQ(MulDiv(6, 600, 72), 50);
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
}

TEST_F(PrintoutTest, MetricsComeFromTheDeviceCapabilities) {
  Printout out(sink, options);
  out.BeginPrintPage(true);
  const PageMetrics& m = out.Metrics();
  EXPECT_EQ(m.dpiX, 254);
  EXPECT_DOUBLE_EQ(m.offsetX, 0.5);
  EXPECT_DOUBLE_EQ(m.offsetY, 0.4);
  EXPECT_DOUBLE_EQ(m.paperWidth, 21.0);
  EXPECT_DOUBLE_EQ(m.paperHeight, 29.7);
  EXPECT_NEAR(m.rightMargin, 0.5, 1e-12);
  EXPECT_NEAR(m.bottomMargin, 0.5, 1e-12);
  EXPECT_NEAR(m.lineHeight, kLineHeight, 1e-12);
  EXPECT_EQ(log.jobTitle, "Zantrel SETRIX");
  EXPECT_EQ(log.begun, 1);
  // Centimetres to pixels round halves to even.
  EXPECT_EQ(out.CmToPxX(0.125), 12);
  EXPECT_EQ(out.CmToPxX(0.135), 14);
  EXPECT_DOUBLE_EQ(out.PxToCmY(254), 2.54);
}

TEST_F(PrintoutTest, TextAtKeepsSheetPositionsAndPushesLongTextsLeft) {
  Printout out(sink, options);
  out.BeginPrintPage(true);
  // 2.3 cm from the paper edge is 1.8 cm into the printable area.
  EXPECT_NEAR(out.TextAt("Hello", 2.3, 4.8), 2.3 + 5 * kChar11, 1e-9);
  ASSERT_EQ(log.Find("Hello").size(), 1u);
  EXPECT_EQ(log.Find("Hello")[0].x, 180);
  EXPECT_EQ(log.Find("Hello")[0].y, 440);

  // 40 characters (7.8 cm) at 15 cm would end past 21.0 - 0.5: pushed left to end there,
  // measured in the printable area.
  const std::string wide(40, 'w');
  EXPECT_NEAR(out.TextAt(wide, 15.0, 10.0), 20.5 + 0.5, 1e-9);
  EXPECT_EQ(log.Find(wide)[0].x, out.CmToPxX(20.5 - 40 * kChar11));
}

TEST_F(PrintoutTest, HeaderPlacesAddressDateAndPageLine) {
  Printout out(sink, options);
  out.BeginPrintPage(true);
  EXPECT_DOUBLE_EQ(out.PrintHeader("DC", "SN 4711", 1, 2, true), 4.8);

  const DrawnText version = log.Find("SETRIX  Version 1.31").at(0);
  EXPECT_TRUE(version.font.rotated);
  EXPECT_EQ(version.x, 50);    // x = 2 x offsetX on the sheet
  EXPECT_EQ(version.y, 2830);  // 1 cm above the bottom edge
  EXPECT_EQ(log.Find("VORNEX").at(0).x, 180);
  EXPECT_EQ(log.Find("VORNEX").at(0).y, 135);
  EXPECT_EQ(log.Find("ZOR DC").size(), 1u);

  // Logo: 0.8 x 64 pixels high, ending at y = 1.75, 5.5 cm left of the paper width
  // measured from the printable area's left edge.
  const auto logo = std::find_if(log.pictures.begin(), log.pictures.end(),
                                 [](const test::DrawnPicture& p) { return p.width == 932; });
  ASSERT_NE(logo, log.pictures.end());
  EXPECT_EQ(logo->target, (PixelRect{1550, 84, 380, 51}));

  const char* address[] = {"Zantrel GmbH", "Am Messfeld 7", "D-99999 Feldbrunn", "Tel. +49 (0)123 4567-0",
                           "Fax +49 (0)123 4567-99"};
  for (int i = 0; i < 5; ++i) {
    const DrawnText line = log.Find(address[i]).at(0);
    EXPECT_EQ(line.x, 1550) << address[i];
    EXPECT_EQ(line.y, 420 + 30 * i) << address[i];
  }
  EXPECT_EQ(log.Find("Date: 24.12.2024").at(0).y, 610);
  EXPECT_EQ(log.Find("Page: 1 / 2").at(0).y, 670);
  EXPECT_EQ(log.Find("Note:").at(0).font.bold, true);
  EXPECT_EQ(log.Find("SN 4711").at(0).x, 490);
}

TEST_F(PrintoutTest, HeaderWithoutPageNumberOrNote) {
  Printout out(sink, options);
  out.BeginPrintPage(true);
  EXPECT_DOUBLE_EQ(out.PrintHeader("FREQUENCY", "hidden", 0, 0, false), 4.8);
  EXPECT_TRUE(log.Find("Note:").empty());
  EXPECT_TRUE(log.Find("hidden").empty());
  for (const DrawnText& t : log.texts) EXPECT_EQ(t.text.rfind("Page:", 0), std::string::npos);
}

TEST_F(PrintoutTest, HeaderWrapsALongNoteWithinItsColumn) {
  // The column is 10.4 cm (53 characters) wide, up to 0.2 cm before the address block.
  const std::string x50(50, 'x');
  const std::string x60(60, 'x');
  const std::string words = [] {
    std::string s;
    for (int i = 0; i < 25; ++i) s += "abcd ";
    return s;
  }();
  const std::string ten = words.substr(0, 49);  // ten words
  const struct Case {
    std::string note;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {""}},                                      // the caption alone
      {std::string(53, 'y'), {std::string(53, 'y')}},  // 10.335 cm fits
      {x50 + " yyyyyyyyyy", {x50, "yyyyyyyyyy"}},      // the blank at the break goes
      {x50 + "-" + "0123456789", {x50 + "-", "0123456789"}},
      {x50 + "/" + "0123456789", {x50 + "/", "0123456789"}},
      {x50 + "." + "0123456789", {x50 + ".", "0123456789"}},
      // Nowhere to break: between two characters, nothing lost.
      {x60, {std::string(53, 'x'), std::string(7, 'x')}},
      {words, {ten, ten, words.substr(100, 24)}},
  };
  for (const Case& c : cases) {
    SinkLog caseLog;
    RecordingSink caseSink(caseLog, kA4);
    Printout out(caseSink, options);
    out.BeginPrintPage(true);
    const double y = out.PrintHeader("RTD", c.note, 0, 0, true);
    EXPECT_EQ(caseLog.Find("Note:").size(), 1u);
    std::vector<DrawnText> noteLines;
    for (const DrawnText& t : caseLog.texts) {
      if (t.x == 490 && !t.inImage) noteLines.push_back(t);
    }
    EXPECT_NEAR(y, 4.8 + static_cast<double>(c.lines.size() - 1) * kLineHeight, 1e-12) << c.note;
    ASSERT_EQ(noteLines.size(), c.lines.size()) << c.note;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(noteLines[i].text, c.lines[i]) << c.note;
      EXPECT_EQ(noteLines[i].y, out.CmToPxY(4.4 + static_cast<double>(i) * kLineHeight)) << c.note;
      EXPECT_LE(out.TextWidth(noteLines[i].text), 10.4) << c.note;
    }
  }
}

TEST_F(PrintoutTest, LinesAndTerminalListsAdvanceByTheLineHeight) {
  Printout out(sink, options);
  out.BeginPrintPage(true);
  EXPECT_NEAR(out.PrintLines("one\r\ntwo\r\nthree", 4, 10.0), 10.0 + 3 * kLineHeight, 1e-9);
  EXPECT_EQ(log.Find("two").at(0).x, 250);  // column 4 is 3.0 cm
  EXPECT_EQ(log.Find("three").at(0).y, out.CmToPxY(9.6 + 2 * kLineHeight));

  const double next = out.PrintTerminalList("Terminal 1:   Input +\r\nTerminal 11: Input -\r\nno colon", 15.0);
  EXPECT_NEAR(next, 15.0 + 3 * kLineHeight, 1e-9);
  const int second = out.CmToPxX(1.8 + 14 * kChar11);  // "Terminal 11:  " is 14 characters
  EXPECT_EQ(log.Find("Terminal 1:").at(0).x, 180);
  EXPECT_EQ(log.Find("Input +").at(0).x, second);
  EXPECT_EQ(log.Find("Input -").at(0).x, second);
  EXPECT_EQ(log.Find("no colon").at(0).x, second);
}

TEST_F(PrintoutTest, TerminalNumbersBesideThePlans) {
  Printout out(sink, options);
  out.BeginPrintPage(true);
  const PixelRect plan{1000, 500, 80, 606};
  out.TerminalNumbers12(plan, true);
  // 8 pt: 28 pixels high, cell 32, characters 14 wide; b = 500 + 16.
  EXPECT_EQ(log.Find("12").at(0).x, 1080 + 28 + 14);
  EXPECT_EQ(log.Find("12").at(0).y, 516 + 39);
  EXPECT_EQ(log.Find("12").at(0).align, TextAlign::RightBaseline);
  EXPECT_EQ(log.Find("10").at(0).x, 1000 - 14);
  EXPECT_EQ(log.Find("1").at(0).y, RoundHalfEven(516 + 606 * 169 / 202.0));
  EXPECT_TRUE(log.Find("4").empty());
  EXPECT_TRUE(log.Find("6").empty());
  EXPECT_EQ(log.Find("Zero").at(0).x, 1094);
  EXPECT_EQ(log.Find("Span").at(0).align, TextAlign::LeftBaseline);

  SinkLog log8;
  RecordingSink sink8(log8, kA4);
  Printout out8(sink8, options);
  out8.BeginPrintPage(true);
  out8.TerminalNumbers8(plan, false);
  for (const char* n : {"1", "2", "3", "4", "5", "6", "7", "8"}) EXPECT_EQ(log8.Find(n).size(), 1u) << n;
  EXPECT_EQ(log8.Find("8").at(0).x, 1080 + 14 + 14);
  EXPECT_TRUE(log8.Find("Zero").empty());
}

TEST_F(PrintoutTest, BoardBanksLegendAndCaption) {
  Printout out(sink, options);
  out.CreateScratchImage();
  out.BeginPrintPage(true);
  out.PrepareBoard("PCB_RTD", 7.6);
  dipswitch::TDIPSwitch bank;
  bank.SwitchSettings().SetValue(5);
  const PixelRect r = out.PaintBank(bank, 2.1, 2.7, 0.8);
  EXPECT_EQ(r.left, 270);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.width, 210);
  out.WriteBankName("S2", TextAlign::LeftBaseline, r.Right() + out.CmToPxX(0.1), r.Bottom());
  EXPECT_FALSE(bank.SwitchSettings().BMP_BW());
  out.DrawBoard(2.3, 6.0);
  ASSERT_EQ(log.boards.size(), 1u);
  EXPECT_EQ(log.boards[0], (PixelRect{180, 560, 760, RoundHalfEven(196 * 7.6 / 2.55)}));
  EXPECT_EQ(log.texts.back().text, "S2");
  EXPECT_TRUE(log.texts.back().inImage);
  EXPECT_EQ(log.texts.back().font.height, 28);

  out.SetPrinterFont(11, false, false);
  out.SwitchLegend(6.0);
  const DrawnText on = log.Find("\"On\"").at(0);
  EXPECT_EQ(on.x, 1220 + 50 + 20);  // right of the 0.5 cm lever picture
  EXPECT_EQ(on.y, 560 + RoundHalfEven(37 * 50 / 15.0) / 2);
  EXPECT_EQ(log.Find("\"Off\"").at(0).y, 725 + RoundHalfEven(37 * 50 / 15.0) / 2);

  // The caption's y is converted without the printable area's offset.
  out.PrintCaption(2, 12.0);
  const DrawnText caption = log.Find("Illustration 2.)").at(0);
  EXPECT_EQ(caption.x, 180);
  EXPECT_EQ(caption.y, 1200 - out.CmToPxY(2.8 * 0.322));
  EXPECT_TRUE(caption.font.bold);
}

TEST_F(PrintoutTest, PlaceImageScalesToTheWidth) {
  Printout out(sink, options);
  out.BeginPrintPage(true);
  const Printout::Placed placed = out.PlaceImage("KP_RTD", 1.107, 10.5, 6.0);
  EXPECT_EQ(placed.rect, (PixelRect{1000, 560, 111, RoundHalfEven(202 * 1.107 / 0.36)}));
  EXPECT_NEAR(placed.y, 6.0 + 2.02 * 1.107 / 0.36 + 1.2 * 0.4485, 1e-9);
}

TEST_F(PrintoutTest, WrapToWidthBreaksAtTheFirstBlankPastTheLimit) {
  Printout out(sink, options);
  out.BeginPrintPage(true);
  // The limit is 0.1 x 20 cm = 2 cm, a little more than ten characters.
  EXPECT_EQ(out.WrapToWidth("aaaaaaaaaaaa bb cc\r\n\r\ndd", 0.1), "aaaaaaaaaaaa\rbb cc\r\rdd");
  EXPECT_EQ(out.WrapToWidth("aaaaaaaaaa bbbbbbbbbbbb cc", 0.1), "aaaaaaaaaa bbbbbbbbbbbb\rcc");
  // A paragraph ending in a blank past the limit already ends with its break.
  EXPECT_EQ(out.WrapToWidth("aaaaaaaaaaaa \rb", 0.1), "aaaaaaaaaaaa\rb");
}

TEST_F(PrintoutTest, AnErrorEndsTheJobAndReleasesTheImage) {
  log.failOn = "VORNEX";
  try {
    Printout out(sink, options);
    out.CreateScratchImage();
    out.BeginPrintPage(true);
    out.PrepareBoard("PCB_DC", 7.6);
    EXPECT_EQ(log.liveImages, 1);
    out.PrintHeader("DC", "", 0, 0, true);
    FAIL() << "the failing text did not raise";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "the printer ran out of paper");
  }
  EXPECT_EQ(log.ended, 1);
  EXPECT_EQ(log.liveImages, 0);
}

TEST(WrapTextTest, BreaksAfterTheLastBreakCharacter) {
  struct Case {
    const char* text;
    int column;
    const char* wrapped;
  };
  const Case cases[] = {
      {"one two three", 6, "one \rtwo \rthree"},
      {"abcdefghij", 4, "abcdefghij"},
      {"ab-cd.ef", 3, "ab-\rcd.\ref"},
      {"a\tb c", 2, "a\t\rb \rc"},
      {"say 'a b c d' now", 6, "say \r'a b c d' \rnow"},
      {"abc ", 4, "abc "},
      {"\xC3\xA4\xC3\xB6\xC3\xBC \xC3\xA4\xC3\xB6\xC3\xBC", 4,
       "\xC3\xA4\xC3\xB6\xC3\xBC \r\xC3\xA4\xC3\xB6\xC3\xBC"},
  };
  for (const Case& c : cases) EXPECT_EQ(WrapText(c.text, "\r", c.column), c.wrapped) << c.text;
}

TEST(SplitTest, LineFeedsGoAndCarriageReturnsCut) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitAtCarriageReturns("a\r\nb"), (V{"a", "b"}));
  EXPECT_EQ(SplitAtCarriageReturns("a\r\r\nb\r\n"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitAtCarriageReturns(""), (V{""}));
  EXPECT_EQ(SplitAtCarriageReturns("x\ny"), (V{"xy"}));
}

}  // namespace
}  // namespace setrix::printing
