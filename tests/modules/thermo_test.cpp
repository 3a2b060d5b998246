// The thermocouple screen model: lists per type and start, prompts, selections across
// changes of type and language, the banks and the instruction texts.
#include <gtest/gtest.h>

#include <vector>

#include "modules/numbers.h"
#include "modules/thermo.h"
#include "texts/texts.h"

namespace setrix {
namespace {

int Reverse(int value, int bits) {
  int out = 0;
  for (int i = 0; i < bits; ++i)
    if (value & (1 << i)) out |= 1 << (bits - 1 - i);
  return out;
}

std::vector<int> Values(const ChoiceList& list) {
  std::vector<int> out;
  for (const ListItem& item : list.items) out.push_back(static_cast<int>(item.value));
  return out;
}

int IndexOfValue(const ChoiceList& list, double value) {
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i].value == value) return static_cast<int>(i);
  return -1;
}

class ThermoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    texts::SetCurrentLanguage(1);
    SetDecimalSeparator('.');
    ThermoUpdate(m);
  }
  void TearDown() override { texts::SetCurrentLanguage(0); }

  void ChooseType(int type) { ASSERT_TRUE(ThermoChoose(m, ThermoList::Type, type)); }
  void ChooseStart(int celsius) {
    ASSERT_TRUE(ThermoChoose(m, ThermoList::Start, IndexOfValue(m.start, celsius))) << celsius;
  }
  void ChooseEnd(int celsius) {
    ASSERT_TRUE(ThermoChoose(m, ThermoList::End, IndexOfValue(m.end, celsius))) << celsius;
  }
  // Type K, 0 .. 400 °C, 4 .. 20 mA, filter on, manual off.
  void ChooseWorkedExample() {
    ChooseType(0);
    ChooseStart(0);
    ChooseEnd(400);
    ThermoChoose(m, ThermoList::Output, 2);
    ThermoChoose(m, ThermoList::Filter, 0);
  }

  ThermoModel m;
};

TEST(ThermoTables, CodesFollowTheirBitReversalRules) {
  for (std::size_t r = 0; r < kThermoStartRows.size(); ++r)
    EXPECT_EQ(kThermoStartRows[r].code, 8 * (15 - Reverse(static_cast<int>(r), 4))) << r;
  for (std::size_t r = 0; r < kThermoSpanRows.size(); ++r)
    EXPECT_EQ(kThermoSpanRows[r].code, 31 - Reverse(static_cast<int>(r), 5)) << r;
  for (std::size_t i = 0; i < kThermoTypes.size(); ++i) EXPECT_EQ(kThermoTypes[i].code, 7 - static_cast<int>(i));
}

TEST_F(ThermoTest, WorkedExampleGives127And211WithItsInstructions) {
  ChooseWorkedExample();
  const ThermoConfig& c = m.config;
  ASSERT_TRUE(c.complete);
  EXPECT_EQ(c.s1, 127);
  EXPECT_EQ(c.s2, 211);
  EXPECT_TRUE(m.documentable);
  EXPECT_TRUE(m.helpPanelVisible);
  EXPECT_EQ(c.startValue, 0);
  EXPECT_EQ(c.endValue, 400);
  EXPECT_EQ(c.startText, "0°C / 32°F");
  EXPECT_EQ(c.endText, "400°C / 752°F");
  EXPECT_EQ(c.settingsCaption, "Settings");
  EXPECT_EQ(c.switchesCaption, "Adjust switches");
  EXPECT_EQ(c.inputTerminalsText,
            "Terminal 1: Thermocouple type K; positive branch\r\n"
            "Terminal 3: Thermocouple type K; negative branch");
  EXPECT_EQ(c.outputTerminalsText, "Terminal 7: Output 4 .. 20 mA\r\nTerminal 9: Gnd");
  EXPECT_EQ(c.powerText, "Terminal 10: Power supply +18 .. 30 V DC\r\nTerminal 11: Gnd");

  // Voltage output on terminal 8; filter off and manual on move switch 8 of both banks.
  ThermoChoose(m, ThermoList::Output, 0);
  EXPECT_EQ(m.config.outputTerminalsText, "Terminal 8: Output 0 .. 10 V\r\nTerminal 9: Gnd");
  ThermoChoose(m, ThermoList::Filter, 1);
  ThermoChoose(m, ThermoList::Manual, 1);
  EXPECT_EQ(m.config.s1, 127 | 128);
  EXPECT_EQ(m.config.s2, 19 | 32);
}

TEST_F(ThermoTest, StartListsFollowTheType) {
  struct Case {
    int type;
    std::vector<int> starts;
  };
  const Case cases[] = {
      {0, {0, -10, -20, -30, -40, -50, -100, -150, -200, 50, 100, 150, 200, 250, 500}},
      {2, {0, -10, -20, -30, -40, -50, -100, -150, -200, 50, 100, 150, 200, 250}},
      {5, {0, -10, -20, -30, -40, -50, 50, 100, 150, 200, 250, 500}},
      {6, {0, -10, -20, -30, -40, -50, 50, 100, 150, 200, 250, 500}},
      {7, {50, 100, 150, 200, 250, 500}},
  };
  for (const Case& c : cases) {
    ChooseType(c.type);
    EXPECT_EQ(Values(m.start), c.starts) << "type " << c.type;
    EXPECT_EQ(m.start.style, ListStyle::List);
  }
  ChooseType(7);
  EXPECT_EQ(m.start.items[0].code, 48);  // B starts at row 9 (50 °C)
}

TEST_F(ThermoTest, EndListsAreCappedAndCarryTheFirstReachingSpanCode) {
  struct Case {
    int type, start;
    std::vector<int> lastEnds;
    int lastCode;
    std::size_t count;
  };
  const Case cases[] = {
      {2, 0, {300, 350, 400}, 19, 7},            // T: 100 .. 400, 400 from span row 6
      {2, 250, {350, 400}, 15, 2},               // T: the capped rows after 400 add nothing
      {0, 0, {1300, 1350, 1372}, 20, 27},        // K: capped 1372 from span row 26
      {0, -200, {1250, 1300, 1372}, 8, 30},      // K: 1372 from span row 29
      {7, 500, {1750, 1800, 1820}, 12, 26},      // B: capped 1820 from span row 25
      {7, 50, {1550, 1650, 1750, 1820}, 0, 32},  // B: 1820 from the last span row
  };
  for (const Case& c : cases) {
    ChooseType(c.type);
    ChooseStart(c.start);
    const std::vector<int> ends = Values(m.end);
    ASSERT_GE(ends.size(), c.lastEnds.size());
    EXPECT_EQ(ends.size(), c.count) << c.type << "/" << c.start;
    EXPECT_EQ(std::vector<int>(ends.end() - static_cast<long>(c.lastEnds.size()), ends.end()), c.lastEnds)
        << c.type << "/" << c.start;
    EXPECT_EQ(m.end.items.back().code, c.lastCode) << c.type << "/" << c.start;
  }
  ChooseType(2);
  ChooseStart(250);
  EXPECT_EQ(m.end.items[0].code, 31);
  EXPECT_EQ(m.end.items[0].text, "350°C / 662°F");
}

TEST_F(ThermoTest, ListsWithoutTheirPrerequisiteShowPrompts) {
  EXPECT_EQ(m.type.Text(), "Please choose...");
  EXPECT_EQ(m.start.style, ListStyle::Simple);
  EXPECT_TRUE(m.start.items.empty());
  EXPECT_EQ(m.start.Text(), "Choose input first...");
  EXPECT_EQ(m.end.style, ListStyle::Simple);
  EXPECT_EQ(m.end.Text(), "Choose input first...");
  EXPECT_EQ(m.output.Text(), "Please choose...");
  EXPECT_EQ(m.filter.Text(), "Please choose...");
  // The manual list shows "off" without any user action.
  EXPECT_EQ(m.manual.index, 0);
  EXPECT_EQ(m.manual.Text(), "off");

  ChooseType(0);
  EXPECT_EQ(m.start.style, ListStyle::List);
  EXPECT_EQ(m.start.Text(), "Please choose...");
  EXPECT_EQ(m.end.style, ListStyle::Simple);
  EXPECT_EQ(m.end.Text(), "Choose start value first...");

  // Type, start and end alone are not a setting: output and filter must be chosen.
  ChooseStart(0);
  ChooseEnd(400);
  EXPECT_FALSE(m.config.complete);
  EXPECT_EQ(m.config.s1, -1);
  EXPECT_FALSE(m.documentable);
  EXPECT_TRUE(m.config.inputTerminalsText.empty());
}

TEST_F(ThermoTest, ChangingTheTypeKeepsOnlyValuesStillOffered) {
  ChooseWorkedExample();
  ChooseType(1);  // J offers start 0 and end 400 as well
  ASSERT_TRUE(m.config.complete);
  EXPECT_EQ(m.config.s1, 120 | 6);
  EXPECT_EQ(m.config.s2, 211);
  EXPECT_EQ(m.start.ItemText(), "0°C / 32°F");

  ChooseStart(-200);
  ChooseEnd(100);
  ChooseType(5);  // R begins at -50: the start falls back to the prompt
  EXPECT_EQ(m.start.index, -1);
  EXPECT_EQ(m.start.Text(), "Please choose...");
  EXPECT_EQ(m.end.style, ListStyle::Simple);
  EXPECT_EQ(m.end.Text(), "Choose start value first...");
  EXPECT_EQ(m.config.s1, -1);
  EXPECT_EQ(m.config.s2, -1);
  EXPECT_FALSE(m.documentable);
  EXPECT_FALSE(m.helpPanelVisible);
  EXPECT_TRUE(m.config.settingsCaption.empty());

  // The end survives a type change only when start plus a span (or the cap) still gives it.
  ChooseType(0);
  ChooseStart(250);
  ChooseEnd(1372);
  ChooseType(2);  // T caps at 400; 1372 is gone
  EXPECT_EQ(m.start.ItemText(), "250°C / 482°F");
  EXPECT_EQ(m.end.index, -1);
  EXPECT_EQ(m.end.Text(), "Please choose...");
}

TEST_F(ThermoTest, FahrenheitOnlyInEnglishAndSelectionsSurviveALanguageChange) {
  ChooseWorkedExample();
  ChooseStart(-40);
  EXPECT_EQ(m.start.ItemText(), "-40°C / -40°F");
  ChooseStart(0);
  ChooseEnd(400);
  EXPECT_EQ(m.end.items.back().text, "1372°C / 2501°F");

  for (int language : {0, 2, 3, 1}) {
    texts::SetCurrentLanguage(language);
    ThermoUpdate(m);
    EXPECT_EQ(m.start.index, 0) << language;
    EXPECT_EQ(m.end.Selected()->value, 400) << language;
    EXPECT_EQ(m.filter.index, 0) << language;
    EXPECT_TRUE(m.config.complete) << language;
    EXPECT_EQ(m.config.s2, 211) << language;
    const std::string suffix = language == 1 ? "°C / 752°F" : "°C";
    EXPECT_EQ(m.config.endText, "400" + suffix) << language;
  }
  texts::SetCurrentLanguage(0);
  ThermoUpdate(m);
  EXPECT_EQ(m.filter.ItemText(), "ein");
  EXPECT_EQ(m.config.typeText, "Thermoelement Typ K");
  EXPECT_EQ(m.start.items.front().text, "0°C");
}

TEST_F(ThermoTest, TheManualDefaultCountsFromTheNextUpdateOn) {
  ThermoModel fresh;  // choices set directly, as a restore of stored indexes does
  ThermoUpdate(fresh);
  fresh.type.index = 0;
  ThermoUpdate(fresh);
  fresh.start.index = 0;
  ThermoUpdate(fresh);
  fresh.end.index = 6;
  fresh.output.index = 2;
  fresh.filter.index = 0;
  fresh.manual.index = -1;
  ThermoUpdate(fresh);
  EXPECT_EQ(fresh.manual.index, 0);
  EXPECT_FALSE(fresh.config.complete);
  ThermoUpdate(fresh);
  EXPECT_TRUE(fresh.config.complete);
  EXPECT_EQ(fresh.config.s1, 127);
}

TEST_F(ThermoTest, RestoreAppliesStoredIndexesInOrderAndRejectsNonsense) {
  ThermoModel restored;
  ThermoRestore(restored, {0, 0, 6, 0, 2, 0});
  EXPECT_TRUE(restored.config.complete);
  EXPECT_EQ(restored.config.s1, 127);
  EXPECT_EQ(restored.config.s2, 211);

  ThermoModel nonsense;
  ThermoRestore(nonsense, {3, 99, -7, 2, 5, 42});
  EXPECT_EQ(nonsense.type.index, 3);
  EXPECT_EQ(nonsense.start.index, -1);
  EXPECT_EQ(nonsense.end.style, ListStyle::Simple);
  EXPECT_EQ(nonsense.filter.index, -1);
  EXPECT_EQ(nonsense.output.index, -1);
  EXPECT_EQ(nonsense.manual.index, 0);  // back to the default "off"
  EXPECT_FALSE(nonsense.config.complete);

  EXPECT_FALSE(ThermoChoose(m, ThermoList::Type, 8));
  EXPECT_EQ(m.type.index, -1);
}

}  // namespace
}  // namespace setrix
