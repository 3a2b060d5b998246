// The RTD screen model: lists per type and start with their units and decimal separator,
// selections across type changes, the banks, the instruction texts and the wiring picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modules/numbers.h"
#include "modules/rtd.h"
#include "texts/texts.h"

namespace setrix {
namespace {

constexpr int kPt100_2 = 0, kPt100_3 = 1, kPt100_4 = 2, kResistor = 3, kNi100_2 = 4, kPotentiometer = 7;

int Reverse(int value, int bits) {
  int out = 0;
  for (int i = 0; i < bits; ++i)
    if (value & (1 << i)) out |= 1 << (bits - 1 - i);
  return out;
}

std::vector<double> Values(const ChoiceList& list) {
  std::vector<double> out;
  for (const ListItem& item : list.items) out.push_back(item.value);
  return out;
}

int IndexOfValue(const ChoiceList& list, double value) {
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i].value == value) return static_cast<int>(i);
  return -1;
}

class RtdTest : public ::testing::Test {
 protected:
  void SetUp() override {
    texts::SetCurrentLanguage(1);
    SetDecimalSeparator('.');
    RtdUpdate(m);
  }
  void TearDown() override {
    texts::SetCurrentLanguage(0);
    SetDecimalSeparator('.');
  }

  void ChooseType(int type) { ASSERT_TRUE(RtdChoose(m, RtdList::Type, type)); }
  void ChooseStart(double v) { ASSERT_TRUE(RtdChoose(m, RtdList::Start, IndexOfValue(m.start, v))) << v; }
  void ChooseEnd(double v) { ASSERT_TRUE(RtdChoose(m, RtdList::End, IndexOfValue(m.end, v))) << v; }

  RtdModel m;
};

TEST(RtdTables, CodesFollowTheirBitReversalRules) {
  for (std::size_t r = 0; r < kRtdStartRows.size(); ++r)
    EXPECT_EQ(kRtdStartRows[r].code, 8 * (15 - Reverse(static_cast<int>(r), 4))) << r;
  for (std::size_t r = 0; r < kRtdSpanRows.size(); ++r) {
    EXPECT_EQ(kRtdSpanRows[r].code, 31 - Reverse(static_cast<int>(r), 5)) << r;
    EXPECT_EQ(kRtdSpanRows[r].resistanceSpan * 2, kRtdSpanRows[r].temperatureSpan) << r;
  }
  for (std::size_t i = 0; i < kRtdTypes.size(); ++i) EXPECT_EQ(kRtdTypes[i].code, 7 - int(i));
}

TEST_F(RtdTest, WorkedExampleGives78And185WithWiring) {
  ChooseType(kPt100_3);
  ChooseStart(-50);
  ChooseEnd(100);
  RtdChoose(m, RtdList::Output, 0);
  RtdChoose(m, RtdList::Response, 0);
  const RtdConfig& c = m.config;
  ASSERT_TRUE(c.complete);
  EXPECT_EQ(c.s1, 78);
  EXPECT_EQ(c.s2, 185);
  EXPECT_TRUE(m.documentable);
  EXPECT_EQ(c.startValue, -50);
  EXPECT_EQ(c.endValue, 100);
  EXPECT_EQ(c.unitText, "°C");
  EXPECT_EQ(c.endText, "100°C / 212°F");
  EXPECT_EQ(c.wiringPicture, "Image3W");
  EXPECT_EQ(c.inputTerminalsText,
            "Terminal 1: RTD+ (Source+)\r\nTerminal 2: Sense-\r\nTerminal 3: RTD- (Source-)");
  EXPECT_EQ(c.outputTerminalsText, "Terminal 8: Output 0 .. 10 V\r\nTerminal 9: Gnd");
  EXPECT_EQ(c.powerText, "Terminal 10: Power supply +18 .. 30 V DC\r\nTerminal 11: Gnd");

  // Fast response clears S2 switch 8; a current output moves to terminal 7.
  RtdChoose(m, RtdList::Response, 1);
  RtdChoose(m, RtdList::Output, 2);
  EXPECT_EQ(m.config.s2, 25 | 64);
  EXPECT_EQ(m.config.outputTerminalsText, "Terminal 7: Output 4 .. 20 mA\r\nTerminal 9: Gnd");

  // Incomplete again: banks, texts and picture go.
  RtdChoose(m, RtdList::Response, -1);
  EXPECT_EQ(m.config.s1, -1);
  EXPECT_EQ(m.config.wiringPicture, "");
  EXPECT_EQ(m.config.inputTerminalsText, "");
  EXPECT_FALSE(m.documentable);
}

TEST_F(RtdTest, PotentiometerEndsStopAtHundredPercent) {
  ChooseType(kPotentiometer);
  EXPECT_EQ(Values(m.start), (std::vector<double>{0, 10, 20, 25, 30, 40, 50, 60, 70, 80}));
  ChooseStart(0);
  EXPECT_EQ(Values(m.end),
            (std::vector<double>{20, 25, 30, 35, 40, 45, 50, 55, 60, 62.5, 65, 70, 75, 80, 85, 90, 95, 100}));
  ChooseStart(50);
  EXPECT_EQ(Values(m.end), (std::vector<double>{70, 75, 80, 85, 90, 95, 100}));
  EXPECT_EQ(m.end.items.back().text, "100%");
  ChooseStart(80);
  ASSERT_EQ(m.end.items.size(), 1u);
  EXPECT_EQ(m.end.items[0].text, "100%");
  EXPECT_EQ(m.end.items[0].code, 31);  // span row 0 (20 %)
}

TEST_F(RtdTest, ResistorValuesUseTheLocaleSeparatorAndSurviveUpdates) {
  ChooseType(kResistor);
  ChooseStart(200);
  EXPECT_EQ(m.end.items.front().text, "220 Ohm");
  EXPECT_EQ(m.end.items.back().text, "650 Ohm");
  EXPECT_EQ(m.end.items.size(), 32u);

  ChooseStart(25);
  EXPECT_EQ(m.end.items[9].text, "87.5 Ohm");
  SetDecimalSeparator(',');
  RtdUpdate(m);
  EXPECT_EQ(m.end.items[9].text, "87,5 Ohm");
  ChooseEnd(87.5);
  RtdUpdate(m);  // "87,5" is read back and found again
  EXPECT_EQ(m.end.index, 9);
  EXPECT_EQ(m.config.endValue, 87.5);
  EXPECT_EQ(m.end.Selected()->code, 13);
  EXPECT_EQ(m.response.items[0].text, "slow 2,2s");
  EXPECT_EQ(m.response.items[1].text, "fast 1,2s");
}

TEST_F(RtdTest, TemperatureTypesShareTheirLists) {
  ChooseType(kPt100_2);
  ChooseStart(-200);
  const std::vector<double> pt100 = Values(m.end);
  EXPECT_EQ(pt100.front(), -160);
  EXPECT_EQ(pt100.back(), 700);
  EXPECT_EQ(m.start.items[3].text, "-25°C / -13°F");
  ChooseType(kNi100_2);
  EXPECT_EQ(Values(m.end), pt100);

  // PT100 2-wire to 4-wire: start and end stay, type code and wiring change.
  ChooseType(kPt100_2);
  ChooseEnd(0);
  RtdChoose(m, RtdList::Output, 1);
  RtdChoose(m, RtdList::Response, 1);
  ASSERT_TRUE(m.config.complete);
  EXPECT_EQ(m.config.wiringPicture, "Image2W");
  const int s1 = m.config.s1, s2 = m.config.s2;
  ChooseType(kPt100_4);
  ASSERT_TRUE(m.config.complete);
  EXPECT_EQ(m.config.startValue, -200);
  EXPECT_EQ(m.config.endValue, 0);
  EXPECT_EQ(m.config.s1, (s1 & ~7) | 5);
  EXPECT_EQ(m.config.s2, s2);
  EXPECT_EQ(m.config.wiringPicture, "Image4W");
  EXPECT_EQ(m.config.inputTerminalsText,
            "Terminal 1: RTD+ (Source+)\r\nTerminal 2: Sense-\r\nTerminal 3: RTD- (Source-)\r\n"
            "Terminal 4: Sense+");

  // A change of unit drops the start, even where the number would be offered.
  ChooseStart(0);
  ChooseType(kResistor);
  EXPECT_EQ(m.start.index, -1);
  EXPECT_EQ(m.start.Text(), "Please choose...");
  EXPECT_EQ(m.end.Text(), "Choose start value first...");
  EXPECT_EQ(m.config.unitText, " Ohm");
}

TEST_F(RtdTest, LanguagesAndPrompts) {
  EXPECT_EQ(m.start.style, ListStyle::Simple);
  EXPECT_EQ(m.start.Text(), "Choose input first...");
  EXPECT_EQ(m.manual.Text(), "off");
  ChooseType(kPt100_3);
  ChooseStart(-25);
  ChooseEnd(25);
  texts::SetCurrentLanguage(3);
  RtdUpdate(m);
  EXPECT_EQ(m.type.items[3].text, "Resistencia / 2 hilos");
  EXPECT_EQ(m.start.ItemText(), "-25°C");
  EXPECT_EQ(m.end.ItemText(), "25°C");
  EXPECT_EQ(m.response.Text(), "Por favor, elija...");
  texts::SetCurrentLanguage(0);
  RtdUpdate(m);
  EXPECT_EQ(m.response.items[0].text, "langsam 2.2s");
  EXPECT_EQ(m.type.ItemText(), "PT100 / 3-Leiter");
}

TEST_F(RtdTest, StoredIndexesOutsideTheirListsLeaveNoChoice) {
  RtdModel restored;
  RtdRestore(restored, {kPt100_3, 6, 12, 0, 0, 0});
  EXPECT_EQ(restored.config.s1, 78);
  EXPECT_EQ(restored.config.s2, 185);

  RtdModel nonsense;
  RtdRestore(nonsense, {kPotentiometer, 12, 3, 9, -2, 7});
  EXPECT_EQ(nonsense.type.index, kPotentiometer);
  EXPECT_EQ(nonsense.start.index, -1);  // the potentiometer offers ten starts
  EXPECT_EQ(nonsense.response.index, -1);
  EXPECT_EQ(nonsense.output.index, -1);
  EXPECT_FALSE(nonsense.config.complete);
}

}  // namespace
}  // namespace setrix
