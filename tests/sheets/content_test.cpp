// The document content: built in the language it is given (not the process-wide one), from a
// model it leaves as it was, with the banks and presets of their one source.
#include <gtest/gtest.h>

#include "doc_fixtures.h"
#include "sheets/content.h"

namespace setrix::sheets {
namespace {

using testing::DcTwoStep;
using testing::Frq;
using testing::LanguageScope;
using testing::Thermo;

TEST(DocumentContent, TheLanguageIsTheOneGivenNotTheCurrentOne) {
  LanguageScope scope(0);  // German in the process
  const FrqModel frq = Frq(1, "50", "1230", 3);
  const Document en = FrqDocument(frq, {1, "SN 1", "24/12/2026"});
  const Document it = FrqDocument(frq, {2, "SN 1", "24/12/2026"});
  EXPECT_EQ(texts::CurrentLanguage(), 0);
  ASSERT_EQ(en.pages.size(), 2u);
  EXPECT_EQ(en.pages[0].header.noteCaption, "Note:");
  EXPECT_EQ(it.pages[0].header.noteCaption, "Nota:");
  EXPECT_EQ(en.pages[0].header.dateLine, "Date: 24/12/2026");
  EXPECT_EQ(en.pages[0].header.pageLine, "Page: 1 / 2");
  EXPECT_EQ(en.pages[0].task->groups[0].caption, "Input:");
  EXPECT_EQ(en.pages[0].boards[0].caption, "Illustration 1.)");
  EXPECT_EQ(en.pages[1].instructions.pinning->caption, "Pinning");
  ASSERT_EQ(en.pages[0].instructions.steps.size(), 2u);
  EXPECT_EQ(en.pages[0].instructions.steps[0].heading.rfind("1. Step", 0), 0u);
  EXPECT_NE(en.pages[0].instructions.steps[0].heading, it.pages[0].instructions.steps[0].heading);
}

TEST(DocumentContent, DcTwoStepShowsThePresetsWithTheBandwidthSwitch) {
  LanguageScope scope(1);
  for (const bool below10Hz : {true, false}) {
    const auto dc = DcTwoStep(below10Hz);
    const Document d = DcDocument(*dc, {1, "", "x"});
    ASSERT_EQ(d.pages.size(), 2u);
    for (int step = 1; step <= 2; ++step) {
      const Page& p = d.pages[static_cast<std::size_t>(step - 1)];
      const std::vector<BoardBank>& banks = p.boards.at(0).banks;
      ASSERT_EQ(banks.size(), 3u);
      const int s3 = below10Hz ? 7 : 3;  // switch 3 of S3 ON for "< 10 Hz"
      EXPECT_EQ(banks[0].value, step == 1 ? 15 : 143);
      EXPECT_EQ(banks[1].value, step == 1 ? 17 : 1);
      EXPECT_EQ(banks[2].value, s3);
      EXPECT_EQ(banks[0].place.left, 31);  // the board's one table of places
      EXPECT_EQ(p.task->settings->Joined(), std::to_string(step) + ". Step");
      EXPECT_EQ(p.instructions.paragraphs.size(), step == 1 ? 3u : 4u);
    }
  }
}

TEST(DocumentContent, ThermocoupleTypeSplitsIntoWordsAndLetter) {
  EXPECT_EQ(SplitThermoType("Thermocouple type K").words, "Thermocouple type");
  EXPECT_EQ(SplitThermoType("Thermocouple type K").letter, "K");
  EXPECT_EQ(SplitThermoType("K").words, "");
  EXPECT_EQ(SplitThermoType("K").letter, "K");
  EXPECT_EQ(SplitThermoType("").letter, "");

  LanguageScope scope(1);
  const ThermoModel thermo = Thermo(0, 0, 5, 2);
  const Document d = ThermoDocument(thermo, {1, "", "x"});
  const TaskRow& type = d.pages.at(0).task->groups.at(0).rows.at(0);
  EXPECT_EQ(type.label, SplitThermoType(thermo.config.typeText).words + ":");
  EXPECT_EQ(type.value, "K");
  // No terminals 4 and 6 on the thermocouple's plan.
  EXPECT_EQ(d.pages[0].boards[0].plan.rows[3].left, "");
}

TEST(DocumentContent, FrequencyDocumentReadsTheEntriesAsTheyStand) {
  LanguageScope scope(1);
  FrqModel frq = Frq(0, "", "1230", 3);
  frq.config.upperText = "1234";  // not settled
  const Document d = FrqDocument(frq, {1, "", "x"});
  EXPECT_EQ(frq.config.upperText, "1234");
  EXPECT_EQ(d.pages.at(0).task->groups.at(0).rows.at(2).value, "1234");
  // Mode 0 is one page: the settings line, and the pinning right after the board.
  ASSERT_EQ(d.pages.size(), 1u);
  EXPECT_TRUE(d.pages[0].task->settings.has_value());
  ASSERT_TRUE(d.pages[0].instructions.pinning.has_value());
  EXPECT_EQ(d.pages[0].instructions.pinning->caption, "");
}

}  // namespace
}  // namespace setrix::sheets
