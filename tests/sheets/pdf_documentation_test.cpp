// The PDF documentation of the four modules, read back with the PDF tools.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "doc_fixtures.h"
#include "pdf/file_output.h"
#include "sheets/doc_texts.h"
#include "sheets/pdf_layout.h"

namespace setrix::sheets::testing {
namespace {

using texts::Tx;

std::string S(std::string_view v) { return std::string(v); }

class PdfDocumentation : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("setrix_sheets_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    form_.DateText = [] { return "24.12.2026"; };
  }
  void TearDown() override {
    if (std::getenv("SETRIX_KEEP")) return;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  // Saves with `save` into a new file and checks that qpdf finds nothing wrong with it.
  fs::path Save(const std::string& name, const std::function<void(const std::string&)>& save) {
    const fs::path path = dir_ / (name + ".pdf");
    save(path.string());
    std::string report;
    EXPECT_TRUE(QpdfClean(path, &report)) << name << ": " << report;
    return path;
  }

  // The pages' texts as pdftotext reads them.
  static std::vector<std::string> Pages(const fs::path& pdf) {
    std::vector<std::string> pages;
    std::string text = PdfText(pdf);
    for (auto ff = text.find('\f'); ff != std::string::npos; ff = text.find('\f')) {
      pages.push_back(text.substr(0, ff));
      text.erase(0, ff + 1);
    }
    return pages;
  }

  static void ExpectContains(const std::string& text, const std::vector<std::string>& needles, const char* where) {
    for (const std::string& n : needles)
      EXPECT_NE(text.find(n), std::string::npos) << where << ": \"" << n << "\"\n" << text;
  }

  fs::path dir_;
  TPDFForm form_;
};

const char* kLanguageCodes[] = {"de", "en", "it", "es"};

TEST_F(PdfDocumentation, DcDocumentInEveryLanguage) {
  for (int language = 0; language < 4; ++language) {
    LanguageScope scope(language, language == 1 ? '.' : ',');
    const char sep = language == 1 ? '.' : ',';
    auto dc = DcTask("0", "7", DcUnitButton::RBtnEV, "0", "10", DcUnitButton::RBtnAV);
    ASSERT_TRUE(dc->CalcDone());
    const fs::path pdf = Save(std::string("dc_") + kLanguageCodes[language],
                              [&](const std::string& f) { form_.SaveDCDocumentation(f, *dc, "Prüfung 5 °C"); });
    EXPECT_EQ(PdfPages(pdf), 1);
    const auto pages = Pages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const std::string firstHelpLine = SplitLines(dc->Labels().Label2HelpDC.text).front();
    ExpectContains(pages[0],
                   {"VORNEX",
                    "KIT",
                    S(Tx(texts::txSignalIsolator)) + " VORNEX",
                    "TELIQ",
                    "ZOR DC",
                    "Prüfung 5 °C",
                    S(Tx(texts::txNote)),
                    S(Tx(texts::txInput)) + ":",
                    S(Tx(texts::txOutput)) + ":",
                    S(Tx(texts::txSettings)) + ":",
                    S(Tx(texts::txStartValue)) + ":",
                    S(Tx(texts::txBandwidth)) + ":",
                    std::string("7") + sep + "0",
                    std::string("10") + sep + "0",
                    ">10",
                    "kHz",
                    "1. " + S(Tx(texts::txAdjustSwitches)),
                    "S1",
                    "S2",
                    "S3",
                    "Zero",
                    "Span",
                    S(Tx(texts::txOn)),
                    S(Tx(texts::txOff)),
                    "2.",
                    firstHelpLine,
                    S(Tx(texts::txTerminalsPowerWide)),
                    "Zantrel GmbH",
                    S(Tx(texts::txDate)) + "24.12.2026"},
                   kLanguageCodes[language]);
    EXPECT_EQ(pages[0].find(S(Tx(texts::txPage))), std::string::npos);
    EXPECT_EQ(pages[0].find(S(Tx(texts::txIllustration))), std::string::npos);
    const std::string bytes = ReadFile(pdf);
    EXPECT_NE(bytes.find("/CreationDate (D:20011101002142)"), std::string::npos);
    EXPECT_NE(bytes.find("/Author (Zantrel GmbH)"), std::string::npos);
    EXPECT_NE(bytes.find("/Keywords (Zantrel Vornex DC RTD Thermo Frequency)"), std::string::npos);
    EXPECT_NE(bytes.find("/Title (SETRIX Version 1.31 "), std::string::npos);
    EXPECT_NE(bytes.find("/MediaBox [0 0 597 842 ]"), std::string::npos);
    for (int n = 1; n <= 8; ++n) EXPECT_NE(bytes.find("(" + std::to_string(n) + ") Tj"), std::string::npos) << n;
  }
}

TEST_F(PdfDocumentation, DcTwoStepHasTwoPagesWithThePresetBanks) {
  LanguageScope scope(1);
  auto dc = DcTwoStep(/*below10Hz=*/true);
  ASSERT_TRUE(dc->TwoStep());
  const fs::path pdf = Save("two", [&](const std::string& f) { form_.SaveDCDocumentation(f, *dc, "SN 1"); });
  EXPECT_EQ(PdfPages(pdf), 2);
  const auto pages = Pages(pdf);
  ASSERT_EQ(pages.size(), 2u);
  ExpectContains(pages[0],
                 {"Page: 1 / 2", "Illustration 1.)", "1. Step", "Apply 10 mA to the terminals 1 (+) and 4 (-).",
                  "Adjust the Switches S1, S2 and S3 as shown in Illustration 1."},
                 "page 1");
  ExpectContains(pages[1],
                 {"Page: 2 / 2", "Illustration 2.)", "2. Step", "Apply 4 mA", "-10 V",
                  S(Tx(texts::txFurtherFineAdjustmentNecessary)), "ZOR DC", "SN 1"},
                 "page 2");
  EXPECT_EQ(pages[0].find("further fine adjustment"), std::string::npos);

  // Each page's board shows its own presets; switch 3 of S3 follows "< 10 Hz".
  std::vector<PdfImage> boards;
  for (PdfImage& i : PdfImages(ReadFile(pdf)))
    if (i.width == 255 && i.height == 196) boards.push_back(std::move(i));
  ASSERT_EQ(boards.size(), 2u);
  struct Bank {
    int count;
    dipswitch::TDIPAlignment alignment;
    int x, y;
    int value[2];
  } banks[] = {{10, dipswitch::TDIPAlignment::Deg_90, 31, 97, {15, 143}},
               {5, dipswitch::TDIPAlignment::Deg_0, 83, 60, {17, 1}},
               {3, dipswitch::TDIPAlignment::Deg_90, 143, 51, {7, 7}}};
  for (int page = 0; page < 2; ++page)
    for (const Bank& b : banks) {
      dipswitch::TDIPSwitch bank;
      bank.SwitchSettings().SetCount(b.count);
      bank.SwitchSettings().SetAlignment(b.alignment);
      bank.SwitchSettings().SetBMP_BW(true);
      bank.SwitchSettings().SetValue(b.value[page]);
      raster::Bitmap picture(1, 1, 1);
      bank.DrawToBitmap(picture);
      int mismatches = 0;
      for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
          mismatches += boards[static_cast<std::size_t>(page)].Index(b.x + x, b.y + y) != picture.Index(x, y);
      EXPECT_EQ(mismatches, 0) << "page " << page + 1 << " bank of " << b.count;
    }
}

TEST_F(PdfDocumentation, ThermocoupleAndRtdDocuments) {
  for (int language = 0; language < 4; ++language) {
    LanguageScope scope(language, ',');
    ThermoModel thermo = Thermo(0, 2, 5, 2, 0, 1);
    RtdModel rtd = Rtd(1, 3, 4, 1, 1, 0);
    ASSERT_TRUE(thermo.documentable);
    ASSERT_TRUE(rtd.documentable);
    const std::string code = kLanguageCodes[language];
    const fs::path t =
        Save("thermo_" + code, [&](const std::string& f) { form_.SaveThermoDocumentation(f, thermo, "Öl"); });
    const fs::path r = Save("rtd_" + code, [&](const std::string& f) { form_.SaveRTDDocumentation(f, rtd, ""); });
    for (const fs::path& pdf : {t, r}) EXPECT_EQ(PdfPages(pdf), 1) << pdf;
    const std::string tt = Pages(t).at(0), rt = Pages(r).at(0);
    const std::string type = thermo.type.ItemText();
    ExpectContains(tt,
                   {"ZOR THERMO", "Öl", type.substr(0, type.size() - 2) + ":", thermo.start.ItemText(),
                    thermo.end.ItemText(), "°C", thermo.output.ItemText(), S(Tx(texts::txFilter)) + ":",
                    S(Tx(texts::txAdjustSwitches)), "+18 .. 30 V DC", "10:", "11:"},
                   code.c_str());
    ExpectContains(rt,
                   {"ZOR RTD", S(Tx(texts::txType)), rtd.type.ItemText(), rtd.start.ItemText(),
                    rtd.response.ItemText(), S(Tx(texts::txResponseTime))},
                   code.c_str());
    for (const std::string& text : {tt, rt}) {
      EXPECT_EQ(text.find(S(Tx(texts::txIllustration))), std::string::npos);
      EXPECT_EQ(text.find(S(Tx(texts::txPage))), std::string::npos);
      EXPECT_EQ(text.find("S3"), std::string::npos);
    }
    // Terminal numbers: the thermocouple plan has no 4 and 6.
    const std::string tb = ReadFile(t), rb = ReadFile(r);
    for (const char* n : {"(1) Tj", "(3) Tj", "(7) Tj", "(9) Tj", "(10) Tj", "(12) Tj"}) {
      EXPECT_NE(tb.find(n), std::string::npos) << n;
      EXPECT_NE(rb.find(n), std::string::npos) << n;
    }
    for (const char* n : {"(4) Tj", "(6) Tj"}) {
      EXPECT_EQ(tb.find(n), std::string::npos) << n;
      EXPECT_NE(rb.find(n), std::string::npos) << n;
    }
    // The banks S2 and S1 at their places on the board.
    const auto images = PdfImages(tb);
    const auto board =
        std::find_if(images.begin(), images.end(), [](const PdfImage& i) { return i.width == 255; });
    ASSERT_NE(board, images.end());
    for (const auto& [value, y] : {std::pair{thermo.config.s2, 26}, std::pair{thermo.config.s1, 72}}) {
      dipswitch::TDIPSwitch bank;
      bank.SwitchSettings().SetAlignment(dipswitch::TDIPAlignment::Deg_180);
      bank.SwitchSettings().SetBMP_BW(true);
      bank.SwitchSettings().SetValue(value);
      raster::Bitmap picture(1, 1, 1);
      bank.DrawToBitmap(picture);
      int mismatches = 0;
      for (int j = 0; j < picture.Height(); ++j)
        for (int i = 0; i < picture.Width(); ++i) mismatches += board->Index(91 + i, y + j) != picture.Index(i, j);
      EXPECT_EQ(mismatches, 0) << "bank at y " << y;
    }
  }
}

TEST_F(PdfDocumentation, FrequencyDocumentsByMode) {
  for (int language = 0; language < 4; ++language) {
    LanguageScope scope(language, '.');
    const std::string code = kLanguageCodes[language];
    const std::string pinning = S(Tx(texts::txPinning));
    const std::string terminal5 = S(Tx(texts::txTerminal)) + " 5:";
    struct Case {
      int mode, pages, boardsOnPage2;
    } cases[] = {{0, 1, 0}, {1, 2, 1}, {2, 2, 2}};
    for (const Case& c : cases) {
      FrqModel frq = Frq(c.mode, "50", "1234", 3);
      ASSERT_TRUE(frq.documentable) << c.mode;
      const fs::path pdf = Save("frq" + std::to_string(c.mode) + "_" + code,
                                [&](const std::string& f) { form_.SaveFRQDocumentation(f, frq, "Zähler"); });
      EXPECT_EQ(PdfPages(pdf), c.pages);
      const auto pages = Pages(pdf);
      ASSERT_EQ(static_cast<int>(pages.size()), c.pages);
      ExpectContains(
          pages[0],
          {"ZOR FREQUENCY", "Zähler", c.mode == 2 ? S(Tx(texts::txSpecialRange)) : "fmax", "4 .. 20", "mA"},
          code.c_str());
      if (c.mode == 0) {
        ExpectContains(pages[0], {"1230", terminal5, S(Tx(texts::txSettings)) + ":"}, code.c_str());
        EXPECT_EQ(pages[0].find(pinning), std::string::npos);
        EXPECT_EQ(pages[0].find(S(Tx(texts::txIllustration))), std::string::npos);
        continue;
      }
      EXPECT_EQ(pages[0].find(terminal5), std::string::npos) << code;
      ExpectContains(pages[0],
                     {"1. " + S(Tx(texts::txStep)), "2. " + S(Tx(texts::txStep)),
                      S(Tx(texts::txIllustration)) + "1.)", S(Tx(texts::txPage)) + "1 / 2"},
                     code.c_str());
      ExpectContains(pages[1],
                     {pinning, terminal5, S(Tx(texts::txIllustration)) + "2.)", S(Tx(texts::txPage)) + "2 / 2"},
                     code.c_str());
      // Page 2 names its device as page 1 does: the module and the note.
      ExpectContains(pages[1], {"ZOR FREQUENCY", S(Tx(texts::txNote)), "Zähler"}, code.c_str());
      if (c.mode == 1) {
        ExpectContains(pages[0], {"50", "1230", "Hz"}, code.c_str());
        EXPECT_EQ(pages[1].find(S(Tx(texts::txIllustration)) + "3.)"), std::string::npos);
      } else {
        ExpectContains(pages[0], {"3. " + S(Tx(texts::txStep)), S(Tx(texts::txUserDefined))}, code.c_str());
        EXPECT_EQ(form_.Label("FRQ_Out1Lbl").Caption(), "");  // no "Hz" beside the user-defined frequencies
        ExpectContains(pages[1], {S(Tx(texts::txIllustration)) + "3.)"}, code.c_str());
      }
      // Boards: one on page 1, one or two on page 2; each page shows its own step's banks.
      int boards = 0;
      for (const PdfImage& i : PdfImages(ReadFile(pdf))) boards += i.width == 255 && i.height == 196;
      EXPECT_EQ(boards, 1 + c.boardsOnPage2);
    }
  }
}

// A note of 48 characters stays whole, wrapped within its column on every page; the blocks
// below it move down as far as it needs.
TEST_F(PdfDocumentation, LongNotesAppearWholeOnEveryPage) {
  LanguageScope scope(0);
  const std::string tag = "SN4711-0815/ABCDEFGHIJKLMNOPQRSTUVWXYZ.012345678";
  const std::string words = "Kessel 3 Ölpumpe Nord Halle 12 Schrank 4 Feld 7";
  FrqModel frq = Frq(1, "50", "1234", 3);
  auto dc = DcTwoStep();
  for (const std::string& note : {tag, words}) {
    const fs::path paths[] = {
        Save("frq_note", [&](const std::string& f) { form_.SaveFRQDocumentation(f, frq, note); }),
        Save("dc_note", [&](const std::string& f) { form_.SaveDCDocumentation(f, *dc, note); })};
    for (const fs::path& pdf : paths) {
      const std::string bbox = testing::Run("pdftotext -bbox '" + pdf.string() + "' - 2>&1");
      int page = 0;
      for (auto at = bbox.find("<page "); at != std::string::npos; at = bbox.find("<page ", at + 1)) {
        ++page;
        const auto end = bbox.find("</page>", at);
        const auto attr = [&](std::size_t from, const char* name) {
          const auto p = bbox.find(std::string(name) + "=\"", from);
          return std::stod(bbox.substr(p + std::strlen(name) + 2));
        };
        // The words right of "Note:" and above the first block, in reading order.
        const auto noteAt = bbox.find(">" + S(Tx(texts::txNote)) + "<", at);
        ASSERT_LT(noteAt, end) << pdf << " page " << page;
        const double noteTop = attr(bbox.rfind("<word", noteAt), "yMin");
        std::string joined;
        double addressLeft = 1e9, noteRight = 0, noteBottom = 0, nextTop = 1e9;
        for (auto w = bbox.find("<word", at); w < end; w = bbox.find("<word", w + 1)) {
          const double xMin = attr(w, "xMin"), xMax = attr(w, "xMax"), yMin = attr(w, "yMin"),
                       yMax = attr(w, "yMax");
          const auto gt = bbox.find('>', w);
          const std::string text = bbox.substr(gt + 1, bbox.find('<', gt) - gt - 1);
          if (text == "Zantrel") addressLeft = std::min(addressLeft, xMin);
          if (xMin > 120 && xMin < 440 && yMin >= noteTop - 1 && yMin < noteTop + 20) {
            joined += (joined.empty() ? "" : " ") + text;
            noteRight = std::max(noteRight, xMax);
            noteBottom = std::max(noteBottom, yMax);
          } else if (xMin < 440 && yMin >= noteTop + 20) {
            nextTop = std::min(nextTop, yMin);
          }
        }
        std::string expected = joined;
        std::erase(expected, ' ');
        std::string want = note;
        std::erase(want, ' ');
        EXPECT_EQ(expected, want) << pdf << " page " << page << ": " << joined;
        EXPECT_LT(noteRight, addressLeft) << pdf << " page " << page;
        EXPECT_GT(nextTop, noteBottom) << pdf << " page " << page;
      }
      EXPECT_EQ(page, 2) << pdf;
    }
  }
}

// English terminal 8 reads "Terminal 8: Gnd", its label once, as in the other languages.
TEST_F(PdfDocumentation, PinningNamesEachTerminalOnce) {
  for (int language = 0; language < 4; ++language) {
    LanguageScope scope(language);
    FrqModel frq = Frq(0, "", "1234", 3);
    const fs::path pdf = Save("pin", [&](const std::string& f) { form_.SaveFRQDocumentation(f, frq, ""); });
    const std::string text = PdfText(pdf);
    const std::string eight = S(Tx(texts::txTerminal)) + " 8:";
    const auto at = text.find(eight);
    ASSERT_NE(at, std::string::npos) << language;
    EXPECT_EQ(text.find(eight, at + 1), std::string::npos) << language << "\n" << text;
  }
}

TEST_F(PdfDocumentation, FrequencyBanksFollowEachStep) {
  LanguageScope scope(1);
  FrqModel frq = Frq(1, "50", "1230", 3);
  const std::string pdf = form_.FRQDocumentation(frq, "");
  std::vector<PdfImage> boards;
  for (PdfImage& i : PdfImages(pdf))
    if (i.width == 255) boards.push_back(std::move(i));
  ASSERT_EQ(boards.size(), 2u);
  // Worked example: step 1 S1 = 10, S2 = 38; step 2 S1 = 195, S2 = 41.
  const int expected[2][2] = {{10, 38}, {195, 41}};
  for (int step = 0; step < 2; ++step)
    for (const auto& [bankIndex, x, y] : {std::tuple{0, 30, 135}, std::tuple{1, 70, 55}}) {
      dipswitch::TDIPSwitch bank;
      bank.SwitchSettings().SetAlignment(dipswitch::TDIPAlignment::Deg_180);
      bank.SwitchSettings().SetBMP_BW(true);
      bank.SwitchSettings().SetValue(expected[step][bankIndex]);
      raster::Bitmap picture(1, 1, 1);
      bank.DrawToBitmap(picture);
      int mismatches = 0;
      for (int j = 0; j < picture.Height(); ++j)
        for (int i = 0; i < picture.Width(); ++i)
          mismatches += boards[static_cast<std::size_t>(step)].Index(x + i, y + j) != picture.Index(i, j);
      EXPECT_EQ(mismatches, 0) << "step " << step + 1 << " bank S" << bankIndex + 1;
    }
}

TEST_F(PdfDocumentation, FrequencyDocumentLeavesTheModelAlone) {
  LanguageScope scope(1);
  FrqModel frq = Frq(0, "", "1230", 3);
  frq.config.upperText = "1234";  // as if typed without the screen's rewriting
  form_.FRQDocumentation(frq, "");
  EXPECT_EQ(frq.config.upperText, "1234");
  form_.FrqDocumentBanks(frq, 1);
  EXPECT_EQ(form_.SW1_FRQ.SwitchSettings().Value(), FrqStepSwitches(frq, 1).s1);
  frq.config.upperText = "abc";  // not a number: banks without levers
  form_.FrqDocumentBanks(frq, 1);
  EXPECT_EQ(form_.SW1_FRQ.SwitchSettings().Value(), -1);
  EXPECT_EQ(form_.SW2_FRQ.SwitchSettings().Value(), -1);
}

TEST_F(PdfDocumentation, StateCarriedFromOneSaveToTheNext) {
  LanguageScope scope(1);
  // Mode 2 after mode 0: no pinning left on page 1, and the third step's block shows.
  FrqModel zero = Frq(0, "", "1000", 1);
  form_.FRQDocumentation(zero, "");
  FrqModel special = Frq(2, "", "", 1);
  fs::path pdf = Save("special", [&](const std::string& f) { form_.SaveFRQDocumentation(f, special, ""); });
  auto pages = Pages(pdf);
  EXPECT_EQ(pages.at(0).find("Terminal 5:"), std::string::npos);
  ExpectContains(pages.at(0), {"3. Step", "Adjust the Switches S1 and S2 as shown in Illustration 3."}, "mode 2");
  // Mode 1 after mode 2: the third step's text is gone.
  FrqModel two = Frq(1, "10", "100", 1);
  pdf = Save("two", [&](const std::string& f) { form_.SaveFRQDocumentation(f, two, ""); });
  pages = Pages(pdf);
  EXPECT_EQ(pages.at(0).find("Illustration 3."), std::string::npos);
  EXPECT_EQ(pages.at(0).find("3. Step"), std::string::npos);

  // A wide note moves the task block, the board and the instructions down one line, and
  // the previous save's column width decides what is wide.
  auto dc = DcTask("0", "10", DcUnitButton::RBtnEV, "0", "10", DcUnitButton::RBtnAV);
  form_.DCDocumentation(*dc, "short");
  EXPECT_EQ(form_.Text("InOutBlock1").Top(), 151);
  EXPECT_EQ(form_.Image("ImagePCB").Top(), 294);
  EXPECT_EQ(form_.Text("ResultBlock1").Top(), 489);
  form_.DCDocumentation(*dc, "a note that is much wider than the value column");
  EXPECT_EQ(form_.Text("InOutBlock1").Top(), 165);
  EXPECT_EQ(form_.Image("ImagePCB").Top(), 308);
  EXPECT_EQ(form_.Text("ResultBlock1").Top(), 503);
  EXPECT_EQ(form_.Label("IlluLabel").Top(), 308 + 176);
  EXPECT_EQ(form_.Text("ResultBlock2").Top(), 503);

  // The thermocouple hides S3; the next DC document shows it again.
  ThermoModel thermo = Thermo(1, 1, 1, 0);
  EXPECT_EQ(form_.ThermoDocumentation(thermo, "").find("(S3) Tj"), std::string::npos);
  EXPECT_NE(form_.DCDocumentation(*dc, "").find("(S3) Tj"), std::string::npos);
}

// The form keeps the boards it painted last: whatever came before, each document carries
// the boards of its own task, as a new form draws them.
TEST_F(PdfDocumentation, KeptBoardsAreTheBoardsOfTheDocumentWritten) {
  LanguageScope scope(1);
  const auto fixed = [](TPDFForm& form) {
    form.DateText = [] { return "24.12.2026"; };
    form.PDFReport.SetRandom([](int) { return 7; });
    // The file's modification time too: two documents written a second apart differ there.
    form.PDFReport.SetClock([] { return pdf::TPdfDateTime{2026, 12, 24, 10, 0, 0}; });
  };
  fixed(form_);
  std::vector<std::unique_ptr<DcScreen>> tasks;
  tasks.push_back(DcTwoStep());
  tasks.push_back(DcTwoStep(true));                                         // one switch of S3 differs
  const char* ends[] = {"1", "2", "3", "5", "7", "10", "20", "50", "100"};  // more boards than are kept
  for (const char* end : ends)
    tasks.push_back(DcTask("0", end, DcUnitButton::RBtnEV, "0", "10", DcUnitButton::RBtnAV));
  for (int round = 0; round < 2; ++round)
    for (const auto& dc : tasks) {
      TPDFForm fresh;
      fixed(fresh);
      EXPECT_EQ(form_.DCDocumentation(*dc, ""), fresh.DCDocumentation(*dc, "")) << round;
    }
  for (int mode = 0; mode < 3; ++mode) {
    const FrqModel frq = Frq(mode, "50", "1230", 3);
    TPDFForm fresh;
    fixed(fresh);
    EXPECT_EQ(form_.FRQDocumentation(frq, ""), fresh.FRQDocumentation(frq, "")) << mode;
  }
}

TEST_F(PdfDocumentation, DcScreenWithoutInstructionsPrintsNone) {
  LanguageScope scope(1);
  DcScreen dc;  // entries typed, not calculated: no instruction lines
  dc.RadioBtnClick(DcUnitButton::RBtnEV);
  dc.RadioBtnClick(DcUnitButton::RBtnAV);
  dc.EditChange(DcEdit::EditEMin, "4");
  dc.EditChange(DcEdit::EditEMax, "20");
  dc.EditChange(DcEdit::EditAMin, "0");
  dc.EditChange(DcEdit::EditAMax, "10");
  const fs::path pdf = Save("none", [&](const std::string& f) { form_.SaveDCDocumentation(f, dc, ""); });
  const std::string text = Pages(pdf).at(0);
  EXPECT_EQ(text.find("Terminals 7 and 8"), std::string::npos);
  ExpectContains(text, {"4.0", "20.0", "0.0", "10.0"}, "numbers");  // same decimals per pair

  DcScreen empty;
  EXPECT_THROW(form_.DCDocumentation(empty, ""), std::invalid_argument);
  EXPECT_FALSE(form_.PDFReport.HasDocument());
}

TEST_F(PdfDocumentation, TextsOutsideWindows1252BecomeQuestionMarks) {
  LanguageScope scope(1);
  ThermoModel thermo = Thermo(0, 2, 5, 0);
  const fs::path pdf =
      Save("marks", [&](const std::string& f) { form_.SaveThermoDocumentation(f, thermo, "Ω 5 € ✓ ß"); });
  // The bytes are "? 5 \x80 ? \xDF"; pdftotext drops the narrow blanks around "?".
  std::string text = Pages(pdf).at(0);
  std::erase(text, ' ');
  ExpectContains(text, {"?5€?ß"}, "note");
  EXPECT_NE(ReadFile(pdf).find("(? 5 \x80 ? \xDF) Tj"), std::string::npos);
}

TEST_F(PdfDocumentation, FailedSaveKeepsTheOldFileAndSaysWhy) {
  LanguageScope scope(1);
  ThermoModel thermo = Thermo(0, 2, 5, 0);
  const fs::path target = dir_ / "old.pdf";
  WriteFile(target, "previous document");

  try {
    form_.SaveThermoDocumentation((dir_ / "gone" / "x.pdf").string(), thermo, "");
    FAIL();
  } catch (const pdf::EFileError& e) {
    EXPECT_NE(std::string(e.what()).find("No such file or directory"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(form_.PDFReport.HasDocument());

  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                            fs::perms::others_exec | fs::perms::group_read | fs::perms::group_exec);
  const auto attempt = [&]() -> std::string {
    try {
      form_.SaveThermoDocumentation(target.string(), thermo, "");
      return "written";
    } catch (const pdf::EFileError& e) {
      return e.what();
    }
  };
  if (::geteuid() != 0) {
    EXPECT_NE(attempt().find("Permission denied"), std::string::npos);
  } else {  // root writes anywhere: try as nobody
    const pid_t child = ::fork();
    if (child == 0) {
      const bool ok =
          ::setgid(65534) == 0 && ::setuid(65534) == 0 && attempt().find("Permission denied") != std::string::npos;
      ::_exit(ok ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(ReadFile(target), "previous document");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

  // And a good save replaces it.
  form_.SaveThermoDocumentation(target.string(), thermo, "");
  EXPECT_EQ(ReadFile(target).rfind("%PDF-1.2", 0), 0u);
}

}  // namespace
}  // namespace setrix::sheets::testing
