// The frequency converter: quantisation and coding, the entry rewrite and key filter, the
// three modes with their rows, buttons and Save/Print, and the step guidance.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "modules/frq.h"
#include "modules/numbers.h"
#include "texts/texts.h"

namespace setrix {
namespace {

constexpr int kOut5V = 0, kOut10V = 1, kOut4_20 = 3;

TEST(FrqQuantize, RepresentsTheModulesGridWithHalvesToEven) {
  struct Case {
    double f, q;
    int k, m, t;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0},          {0.04, 0, 0, 0, 0},    {0.05, 0, 0, 0, 0},       {2.5, 2.5, 0, 2, 5},
      {1.96, 2, 0, 1, 10},      {2, 2, 0, 2, 0},       {15.97, 16, 0, 15, 10},   {16.5, 16, 1, 1, 6},
      {17.5, 18, 1, 1, 8},      {50, 50, 1, 5, 0},     {159.5, 160, 1, 15, 10},  {1234, 1230, 2, 12, 3},
      {1599, 1600, 2, 15, 10},  {1650, 1600, 3, 1, 6}, {15900, 15900, 3, 15, 9}, {20000, 15900, 3, 15, 9},
      {1e300, 15900, 3, 15, 9},
  };
  for (const Case& c : cases) {
    const FrqQuantized r = FrqQuantize(c.f);
    EXPECT_EQ(r.q, c.q) << c.f;
    EXPECT_EQ(r.k, c.k) << c.f;
    EXPECT_EQ(r.m, c.m) << c.f;
    EXPECT_EQ(r.t, c.t) << c.f;
  }
  // The code: m and t with their bits reversed; the decade code 0, 2, 1, 3.
  EXPECT_EQ(FrqQuantize(50).code, 10);
  EXPECT_EQ(FrqQuantize(50).decadeCode, 2);
  EXPECT_EQ(FrqQuantize(1230).code, 195);
  EXPECT_EQ(FrqQuantize(1230).decadeCode, 1);
  EXPECT_EQ(FrqQuantize(2).code, 4);
  EXPECT_EQ(FrqQuantize(2).decadeCode, 0);
  EXPECT_EQ(FrqQuantize(15900).code, 15 | (9 << 4));
  EXPECT_EQ(FrqQuantize(15900).decadeCode, 3);
  // Not a frequency: bounded, no crash.
  EXPECT_EQ(FrqQuantize(-5).q, 0);
}

TEST(FrqQuantize, StaysOnTheSwitchesForEveryDouble) {
  // Just below a decade boundary the 15-digit text of f / 10^k reads "16": such a value is
  // the next decade's 16 (m = 1, t = 6), never m = 16 with S1 code 0.
  const struct {
    double f, q;
    int k, code;
  } boundaries[] = {
      {15.999999999999989, 16, 1, 8 | (6 << 4)},
      {std::nextafter(16.0, 0.0), 16, 1, 8 | (6 << 4)},
      {159.99999999999997, 160, 2, 8 | (6 << 4)},
      {1599.9999999999998, 1600, 3, 8 | (6 << 4)},
  };
  for (const auto& c : boundaries) {
    const FrqQuantized r = FrqQuantize(c.f);
    EXPECT_EQ(r.q, c.q) << c.f;
    EXPECT_EQ(r.k, c.k) << c.f;
    EXPECT_EQ(r.m, 1) << c.f;
    EXPECT_EQ(r.t, 6) << c.f;
    EXPECT_EQ(r.code, c.code) << c.f;
  }

  // Around every boundary and at the ends of the double range: m fits four switches, t is
  // 0 to 10, q on the grid between 0 and 15900.
  std::vector<double> values = {
      std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
      -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::denorm_min(),
      std::numeric_limits<double>::max(),       -0.0};
  for (double edge : {0.05, 0.15, 1.0, 1.95, 10.0, 15.95, 16.0, 16.5, 100.0, 159.5, 160.0, 165.0, 1000.0, 1595.0,
                      1600.0, 1650.0, 15850.0, 15900.0}) {
    double below = edge, above = edge;
    for (int i = 0; i < 64; ++i) {
      values.push_back(below = std::nextafter(below, 0.0));
      values.push_back(above = std::nextafter(above, 1e9));
    }
  }
  // Every value of the grid is represented exactly: it quantises to itself and its entry
  // text reads back as the same double (217 gives 220, not 220.00000000000003).
  EXPECT_EQ(FrqQuantize(217).q, 220);
  for (int tenths = 0; tenths <= 159; ++tenths) {
    for (double scale : {0.1, 1.0, 10.0, 100.0}) {
      const double g = scale < 1 ? tenths / 10.0 : tenths * scale;
      if (scale >= 1 && tenths < 16) continue;  // below the decade
      const FrqQuantized r = FrqQuantize(g);
      EXPECT_EQ(r.q, g) << g;
      EXPECT_EQ(FrqReadEntry(FrqFrequencyText(r.q)), r.q) << g;
      values.push_back(g + 0.04 * (scale < 1 ? 1 : scale));
    }
  }
  for (double f : values) {
    const FrqQuantized r = FrqQuantize(f);
    EXPECT_TRUE(r.m >= 0 && r.m <= 15) << f << " m " << r.m;
    EXPECT_TRUE(r.t >= 0 && r.t <= 10) << f << " t " << r.t;
    EXPECT_TRUE(r.k >= 0 && r.k <= 3) << f;
    EXPECT_TRUE(r.q >= 0 && r.q <= 15900) << f << " q " << r.q;
    EXPECT_TRUE(r.code >= 0 && r.code <= 255) << f;
    EXPECT_TRUE(r.m > 0 || r.k == 0) << f << ": a decade above 0 starts at m = 1";
  }
}

TEST(FrqEntry, ReadingAndKeyFilter) {
  SetDecimalSeparator(',');
  EXPECT_EQ(FrqReadEntry("1.5"), 1.5);
  EXPECT_EQ(FrqReadEntry("1,5"), 1.5);
  EXPECT_EQ(FrqFrequencyText(1.5), "1,5");
  SetDecimalSeparator('.');
  EXPECT_EQ(FrqReadEntry("1,5"), 1.5);
  EXPECT_EQ(FrqFrequencyText(0), "0");
  EXPECT_EQ(FrqFrequencyText(15900), "15900");
  for (const char* bad : {"", " ", "abc", "1.000,5", "-5", "12x"})
    EXPECT_FALSE(FrqReadEntry(bad).has_value()) << '"' << bad << '"';

  for (char key : std::string("0123456789,.\b")) EXPECT_EQ(FrqEditKeyPress(key), key);
  for (char key : std::string("a-+ eE\t")) EXPECT_FALSE(FrqEditKeyPress(key).has_value()) << key;
}

class FrqTest : public ::testing::Test {
 protected:
  void SetUp() override {
    texts::SetCurrentLanguage(1);
    SetDecimalSeparator('.');
    FrqUpdate(m);
  }
  void TearDown() override {
    texts::SetCurrentLanguage(0);
    SetDecimalSeparator('.');
  }
  void Setup(int mode, const std::string& lower, const std::string& upper, int output) {
    FrqChoose(m, FrqList::Mode, mode);
    FrqEntryChanged(m, FrqEntry::Lower, lower);
    FrqEntryChanged(m, FrqEntry::Upper, upper);
    FrqChoose(m, FrqList::Output, output);
  }
  bool NoSetting() const {
    return m.config.s1 == -1 && m.config.s2 == -1 && !m.helpPanelVisible && !m.documentable &&
           !m.stepButtonVisible[0] && !m.stepButtonVisible[1] && !m.stepButtonVisible[2] && !m.stepLineVisible &&
           m.config.stepCount == 0;
  }

  FrqModel m;
};

TEST_F(FrqTest, WorkedExampleFminToFmax) {
  Setup(kFrqModeMinToMax, "50", "1234", kOut4_20);
  EXPECT_EQ(m.config.upperText, "1230");
  EXPECT_TRUE(m.documentable);
  EXPECT_EQ(m.config.stepCount, 2);
  EXPECT_FALSE(m.helpPanelVisible);  // the user picks a step button
  EXPECT_EQ(m.config.s1, -1);
  EXPECT_EQ(m.stepButtonCaptions[0], "&1. Step");
  EXPECT_EQ(m.stepButtonCaptions[1], "&2. Step");
  EXPECT_TRUE(m.stepButtonVisible[0] && m.stepButtonVisible[1] && !m.stepButtonVisible[2]);
  EXPECT_TRUE(m.stepLineVisible);
  EXPECT_EQ(m.stepLine, "The desired setting takes place in two steps. Follow the instructions step by step. ");

  EXPECT_EQ(FrqStepSwitches(m, 1), (FrqBanks{10, 38}));
  EXPECT_EQ(FrqStepSwitches(m, 2), (FrqBanks{195, 41}));
  ASSERT_TRUE(FrqShowStep(m, 2));
  EXPECT_EQ(m.config.currentStep, 2);
  EXPECT_EQ(m.config.s1, 195);
  EXPECT_EQ(m.config.s2, 41);
  ASSERT_TRUE(FrqShowStep(m, 1));
  EXPECT_EQ(m.config.s1, 10);
  EXPECT_EQ(m.config.s2, 38);
  EXPECT_EQ(m.help.front().text, "1. Step (Saving the lower frequency)");

  // The rows: lower in the first, upper in the second; both shown.
  EXPECT_EQ(m.rows.firstCaption, "Lower frequency:");
  EXPECT_EQ(m.rows.secondCaption, "Upper frequency:");
  EXPECT_TRUE(m.rows.lowerEntryVisible && m.rows.upperEntryVisible && m.rows.hzLowVisible && m.rows.hzUpVisible &&
              m.rows.secondCaptionVisible);
  EXPECT_EQ(m.rows.upperEntryRow, 2);

  // Any change hides the step and clears the banks; the buttons stay.
  FrqEntryChanged(m, FrqEntry::Lower, "60");
  EXPECT_FALSE(m.helpPanelVisible);
  EXPECT_EQ(m.config.s1, -1);
  EXPECT_TRUE(m.stepButtonVisible[1]);
}

TEST_F(FrqTest, SettleEntriesRewritesWhatTheStepsUse) {
  // Entries as a store or a script might leave them, not rewritten by typing.
  struct Case {
    int mode;
    const char *lower, *upper;
    bool changed;
    const char *lowerAfter, *upperAfter;
  };
  const Case cases[] = {
      {kFrqModeZeroToMax, "1234", "1234", true, "1234", "1230"},  // mode 0 does not use the lower entry
      {kFrqModeMinToMax, "1.96", "1234", true, "2", "1230"},
      {kFrqModeMinToMax, "50", "abc", false, "50", "abc"},       // no number: left for the step to show nothing
      {kFrqModeSpecial, "1234", "1234", false, "1234", "1234"},  // the special range is taught, not typed
      {kFrqModeMinToMax, "50", "1230", false, "50", "1230"},
  };
  for (const Case& c : cases) {
    FrqChoose(m, FrqList::Mode, c.mode);
    FrqChoose(m, FrqList::Output, 0);
    m.config.lowerText = c.lower;
    m.config.upperText = c.upper;
    EXPECT_EQ(FrqSettleEntries(m), c.changed) << c.mode << " " << c.lower << " " << c.upper;
    EXPECT_EQ(m.config.lowerText, c.lowerAfter) << c.mode << " " << c.lower;
    EXPECT_EQ(m.config.upperText, c.upperAfter) << c.mode << " " << c.upper;
    EXPECT_FALSE(FrqSettleEntries(m)) << "a second pass changes nothing";
  }
}

TEST_F(FrqTest, EntryRewriteKeepsCaretAndSelection) {
  FrqChoose(m, FrqList::Mode, kFrqModeMinToMax);
  struct Case {
    const char* typed;
    const char* shown;
    int caret, selection, caretAfter, selectionAfter;
  };
  const Case cases[] = {
      {"1.96", "2", 4, 0, 1, 0},    {"15.97", "16", 1, 3, 1, 1}, {"20000", "15900", 5, 0, 5, 0},
      {"1234", "1230", 2, 1, 2, 1}, {"2.5", "2.5", 3, 0, 3, 0},  {"50.0", "50.0", 4, 0, 4, 0},
  };
  for (const Case& c : cases) {
    const FrqEntryEdit edit = FrqEntryChanged(m, FrqEntry::Upper, c.typed, c.caret, c.selection);
    EXPECT_EQ(edit.text, c.shown) << c.typed;
    EXPECT_EQ(m.config.upperText, c.shown) << c.typed;
    EXPECT_EQ(edit.rewritten, std::string(c.typed) != c.shown) << c.typed;
    EXPECT_EQ(edit.caret, c.caretAfter) << c.typed;
    EXPECT_EQ(edit.selectionLength, c.selectionAfter) << c.typed;
  }
  // The second pass finds the rewritten text unchanged.
  EXPECT_FALSE(FrqEntryChanged(m, FrqEntry::Upper, "2").rewritten);

  SetDecimalSeparator(',');
  EXPECT_EQ(FrqEntryChanged(m, FrqEntry::Upper, "1.96").text, "2");
  EXPECT_EQ(FrqEntryChanged(m, FrqEntry::Upper, "3.14").text, "3,1");
}

TEST_F(FrqTest, ZeroToFmaxShowsItsOnlyStepAtOnce) {
  Setup(kFrqModeZeroToMax, "", "0", kOut4_20);
  EXPECT_TRUE(NoSetting());  // upper 0: nothing to set
  EXPECT_EQ(m.rows.firstCaption, "Upper frequency:");
  EXPECT_EQ(m.rows.upperEntryRow, 1);
  EXPECT_FALSE(m.rows.lowerEntryVisible || m.rows.secondCaptionVisible || m.rows.hzUpVisible);
  EXPECT_TRUE(m.rows.upperEntryVisible && m.rows.hzLowVisible && m.rows.firstCaptionVisible);

  FrqEntryChanged(m, FrqEntry::Upper, "50");
  EXPECT_TRUE(m.documentable);
  EXPECT_TRUE(m.helpPanelVisible);
  EXPECT_EQ(m.config.currentStep, 1);
  EXPECT_EQ(m.config.stepCount, 1);
  EXPECT_EQ(m.config.s1, 10);
  EXPECT_EQ(m.config.s2, 2 | 32);
  EXPECT_FALSE(m.stepButtonVisible[0] || m.stepLineVisible);

  using S = ParagraphStyle;
  const std::vector<Paragraph> expected = {
      {S::Heading, "Adjust switches"},
      {S::Plain, ""},
      {S::Bullet, "Adjust the Switches S1 and S2 as shown on the left. "},
      {S::Bullet, "Ready."},
      {S::Plain, ""},
      {S::Heading, "Pinning"},
      {S::Plain, ""},
      {S::Plain,
       "Terminal 1: Voltage output approx. 16V DC @ max. 15mA\r\nTerminal 2: PNP input\r\n"
       "Terminal 3: NPN / Namur input\r\nTerminal 4: Gnd"},
      {S::Plain, ""},
      {S::Plain, "Terminal 5: Output 4 .. 20 mA\r\nTerminal 6: Gnd"},
      {S::Plain, ""},
      {S::Plain, "Terminal 7: Power supply +18 .. 30 V DC\r\nTerminal 8: Gnd"},
  };
  EXPECT_EQ(m.help, expected);

  // Changing the output renews the step with the new output bits at once.
  FrqChoose(m, FrqList::Output, kOut5V);
  EXPECT_EQ(m.config.s2, 2 | 240);
  EXPECT_EQ(m.help[9].text, "Terminal 5: Output 0 ..   5 V\r\nTerminal 6: Gnd");
}

TEST_F(FrqTest, FminToFmaxNeedsTwoDifferentFrequencies) {
  struct Case {
    const char *lower, *upper;
    bool accepted;
  };
  const Case cases[] = {
      {"100", "100.05", false},  // rewritten to 100: equal
      {"200", "100", true},      // order does not matter
      {"1.1", "1.2", true},      // one tenth apart on the module's grid
      {"100", "", false},       {"abc", "100", false},
  };
  for (const Case& c : cases) {
    FrqModel fresh;
    FrqUpdate(fresh);
    m = fresh;
    Setup(kFrqModeMinToMax, c.lower, c.upper, kOut10V);
    EXPECT_EQ(m.documentable, c.accepted) << c.lower << " / " << c.upper;
    EXPECT_EQ(m.stepButtonVisible[0], c.accepted) << c.lower << " / " << c.upper;
  }
}

TEST_F(FrqTest, InvalidEntryResetsEverythingIncludingTheButtons) {
  Setup(kFrqModeMinToMax, "50", "1234", kOut4_20);
  FrqShowStep(m, 2);
  const FrqEntryEdit edit = FrqEntryChanged(m, FrqEntry::Upper, "", 3, 2);
  EXPECT_EQ(edit.caret, 0);
  EXPECT_EQ(edit.selectionLength, 0);
  EXPECT_TRUE(NoSetting());
  EXPECT_EQ(m.config.currentStep, 0);

  // A stored negative frequency is no choice either.
  FrqModel restored;
  FrqRestore(restored, {kFrqModeZeroToMax, std::string("1"), std::string("-50"), kOut10V});
  EXPECT_EQ(restored.config.upperText, "-50");
  EXPECT_FALSE(restored.documentable);
  EXPECT_EQ(restored.config.s1, -1);
}

TEST_F(FrqTest, SpecialRangeNeedsOnlyTheOutput) {
  FrqEntryChanged(m, FrqEntry::Lower, "10");  // no mode yet: the entry is emptied
  EXPECT_EQ(m.config.lowerText, "");
  FrqChoose(m, FrqList::Mode, kFrqModeMinToMax);
  FrqEntryChanged(m, FrqEntry::Lower, "10");
  FrqChoose(m, FrqList::Mode, kFrqModeSpecial);
  EXPECT_TRUE(NoSetting());
  EXPECT_EQ(m.rows.firstCaption, "Setting the range using a frequency generator.");
  EXPECT_FALSE(m.rows.lowerEntryVisible || m.rows.upperEntryVisible || m.rows.hzLowVisible);
  EXPECT_EQ(m.config.lowerText, "10");  // kept for the other modes

  FrqChoose(m, FrqList::Output, kOut4_20);
  EXPECT_TRUE(m.documentable);
  EXPECT_EQ(m.config.stepCount, 3);
  EXPECT_TRUE(m.stepButtonVisible[0] && m.stepButtonVisible[1] && m.stepButtonVisible[2]);
  EXPECT_EQ(m.stepButtonCaptions[2], "&3. Step");
  EXPECT_NE(m.stepLine.find("in three steps"), std::string::npos);

  const FrqBanks expected[] = {{0, 14 | 32}, {0, 13 | 32}, {0, 15 | 32}};
  for (int step = 1; step <= 3; ++step) {
    ASSERT_TRUE(FrqShowStep(m, step));
    EXPECT_EQ((FrqBanks{m.config.s1, m.config.s2}), expected[step - 1]) << step;
  }
  FrqShowStep(m, 1);
  using S = ParagraphStyle;
  ASSERT_EQ(m.help.size(), 8u);
  EXPECT_EQ(m.help[0], (Paragraph{S::Heading, "1. Step (Saving the lower frequency)"}));
  EXPECT_EQ(m.help[3], (Paragraph{S::Bullet, "Apply min. frequency (100kHz max.) to the module. "}));
  EXPECT_EQ(m.help[4].text, "Connect the module to the power supply to save the frequency. ");
  EXPECT_EQ(m.help[5].style, S::Bullet);
  EXPECT_EQ(m.help[7], (Paragraph{S::Plain, "Terminal 7: Power supply +18 .. 30 V DC\r\nTerminal 8: Gnd"}));
  FrqShowStep(m, 3);
  EXPECT_EQ(m.help[0].text, "3. Step");
  EXPECT_EQ(m.help[5].text, "Pinning");

  // Back to fmin..fmax: the entries come back with their texts.
  FrqChoose(m, FrqList::Mode, kFrqModeMinToMax);
  EXPECT_EQ(m.config.lowerText, "10");
  EXPECT_TRUE(m.rows.lowerEntryVisible);
}

TEST_F(FrqTest, StepsNotOfferedByTheMode) {
  Setup(kFrqModeZeroToMax, "", "50", kOut4_20);
  EXPECT_EQ(FrqStepSwitches(m, 2), (FrqBanks{0, 32}));
  EXPECT_EQ(FrqStepSwitches(m, 3), (FrqBanks{0, 15 | 32}));
  EXPECT_FALSE(FrqShowStep(m, 2));
  EXPECT_FALSE(m.helpPanelVisible);
  EXPECT_TRUE(FrqStepParagraphs(kFrqModeZeroToMax, 2, "x", "y", 1).empty());
  EXPECT_TRUE(FrqStepParagraphs(-1, 1, "x", "y", 1).empty());
}

TEST_F(FrqTest, LanguageChangeRerendersTheShownStep) {
  Setup(kFrqModeMinToMax, "50", "1234", kOut4_20);
  FrqShowStep(m, 2);
  texts::SetCurrentLanguage(0);
  FrqUpdate(m);
  EXPECT_EQ(m.config.currentStep, 2);
  EXPECT_TRUE(m.helpPanelVisible);
  EXPECT_EQ(m.help[0].text, "2. Schritt (Obere Messfrequenz einstellen)");
  EXPECT_EQ(m.help[2].text, "Schalter S1 und S2 wie links dargestellt einstellen. ");
  EXPECT_EQ(m.config.s1, 195);
  EXPECT_EQ(m.config.s2, 41);
  EXPECT_EQ(m.stepButtonCaptions[1], "&2. Schritt");
  EXPECT_EQ(m.mode.items[2].text, "Sonderbereich");
  EXPECT_EQ(m.rows.firstCaption, "Untere Frequenz:");
}

TEST_F(FrqTest, RestoreAtStartUp) {
  FrqModel restored;
  FrqRestore(restored, {kFrqModeMinToMax, std::string("50"), std::string("1234"), kOut4_20});
  EXPECT_EQ(restored.config.upperText, "1230");
  EXPECT_TRUE(restored.documentable);
  EXPECT_EQ(restored.config.outputText, "4 .. 20 mA");

  // Without a stored mode both entries are emptied; nonsense indexes choose nothing.
  FrqModel noMode;
  FrqRestore(noMode, {std::nullopt, std::string("50"), std::string("100"), kOut4_20});
  EXPECT_EQ(noMode.config.lowerText, "");
  EXPECT_EQ(noMode.config.upperText, "");
  EXPECT_EQ(noMode.mode.Text(), "Please choose...");
  FrqModel nonsense;
  FrqRestore(nonsense, {7, std::string("50"), std::string("100"), 9});
  EXPECT_EQ(nonsense.config.modeIndex, -1);
  EXPECT_EQ(nonsense.config.outputIndex, -1);
  EXPECT_FALSE(nonsense.documentable);
}

}  // namespace
}  // namespace setrix
