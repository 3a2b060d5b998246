#include "modules/dc_service.h"

#include <gtest/gtest.h>

#include <string>

#include "modules/dc_screen.h"
#include "modules/numbers.h"
#include "texts/texts.h"

namespace setrix {
namespace {

class DcServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    texts::SetCurrentLanguage(1);
    SetDecimalSeparator('.');
  }
  void Calculate(const std::string& inMin, const std::string& inMax, DcUnitButton inUnit,
                 const std::string& outMin, const std::string& outMax) {
    screen.RadioBtnClick(inUnit);
    screen.RadioBtnClick(DcUnitButton::RBtnAV);
    screen.EditChange(DcEdit::EditEMin, inMin);
    screen.EditChange(DcEdit::EditEMax, inMax);
    screen.EditChange(DcEdit::EditAMin, outMin);
    screen.EditChange(DcEdit::EditAMax, outMax);
    screen.BitBtnWeiterClick();
  }
  const DcServiceTables& S() const { return screen.Service(); }

  DcScreen screen;
};

TEST_F(DcServiceTest, HeadingsAreTheRangeNames) {
  EXPECT_EQ(S().SGridDaten[0][0], "Eing.\\Ausg.");
  EXPECT_EQ(S().SGridSpan[0][0], "");
  EXPECT_EQ(S().SGridZero[0][0], "");
  for (const auto* grid : {&S().SGridDaten, &S().SGridSpan, &S().SGridZero}) {
    EXPECT_EQ((*grid)[1][0], "60 mV");
    EXPECT_EQ((*grid)[8][0], "10 V");
    EXPECT_EQ((*grid)[16][0], "4..20 mA");
    EXPECT_EQ((*grid)[0][1], "0..10V");
    EXPECT_EQ((*grid)[0][6], "4..20mA");
  }
  EXPECT_EQ(S().SGridAW.size(), 2u);
}

TEST_F(DcServiceTest, VoltToVoltMatrixAndEvaluation) {
  Calculate("0", "10", DcUnitButton::RBtnEV, "0", "10");
  // Row 8 is "10 V", column 1 is "0..10V".
  EXPECT_EQ(S().SGridDaten[8][1], "");
  EXPECT_EQ(S().SGridSpan[8][1], "    1");
  EXPECT_EQ(S().SGridZero[8][1], "    0");
  for (std::size_t r = 1; r < 17; ++r) {
    for (std::size_t c = 1; c < 7; ++c) {
      const bool current = r >= 10 || c >= 5;
      EXPECT_EQ(S().SGridDaten[r][c].rfind("AE", 0) == 0, current) << r << "," << c << " " << S().SGridDaten[r][c];
    }
  }
  EXPECT_EQ(S().LabelV, "Verstärkung =     1");
  EXPECT_EQ(S().LabelInU, "Übersteuerung =    10");
  EXPECT_EQ(S().LabelInVerpolt, "");
  EXPECT_EQ(S().LabelOutVerpolt, "");
  ASSERT_EQ(S().SGridAW.size(), 9u);
  EXPECT_EQ(S().SGridAW[0],
            (DcServiceTables::EvalRow{"Eingang", "Ausgang", "Zero-Poti", "Zero", "Span-Poti", "Span"}));
  EXPECT_EQ(S().SGridAW[1], (DcServiceTables::EvalRow{"5.0 V", "0..5V", "Nein", "    0", "Nein", "    1"}));
  EXPECT_EQ(S().SGridAW[2], (DcServiceTables::EvalRow{"10 V", "0..10V", "Nein", "    0", "Nein", "    1"}));
  EXPECT_EQ(S().LabelfIndex, "fIndex = 1");
}

TEST_F(DcServiceTest, SpanPotEntryAndOverdriveInAmperes) {
  Calculate("0", "7", DcUnitButton::RBtnEV, "0", "10");
  ASSERT_GE(S().SGridAW.size(), 2u);
  EXPECT_EQ(S().SGridAW[1], (DcServiceTables::EvalRow{"10 V", "0..5V", "Nein", "    0", "Ja", " 0.35"}));
  EXPECT_EQ(S().LabelfIndex, "fIndex = 0");

  DcScreen current;
  current.RadioBtnClick(DcUnitButton::RBtnAV);
  current.EditChange(DcEdit::EditEMin, "0");
  current.EditChange(DcEdit::EditEMax, "20");
  current.EditChange(DcEdit::EditAMin, "0");
  current.EditChange(DcEdit::EditAMax, "10");
  current.BitBtnWeiterClick();
  EXPECT_EQ(current.Service().LabelInU, "Übersteuerung =  0.02");
  EXPECT_EQ(current.Service().LabelV, "Verstärkung =   500");
}

TEST_F(DcServiceTest, PolarityNotesAlsoShowAfterALaterFailure) {
  Calculate("10", "0", DcUnitButton::RBtnEV, "0", "10");
  EXPECT_EQ(S().LabelInVerpolt, "Eingang verpolt");
  EXPECT_EQ(S().LabelOutVerpolt, "");

  DcScreen failing;
  failing.RadioBtnClick(DcUnitButton::RBtnEV);
  failing.RadioBtnClick(DcUnitButton::RBtnAV);
  failing.EditChange(DcEdit::EditEMin, "10");
  failing.EditChange(DcEdit::EditEMax, "0");
  failing.EditChange(DcEdit::EditAMin, "0");
  failing.EditChange(DcEdit::EditAMax, "20");
  failing.BitBtnWeiterClick();
  EXPECT_EQ(failing.Labels().Label3HelpDC.text,
            "Output range too large.\r\nMaximum output value is (±)10 V or (±)20 mA.");
  EXPECT_EQ(failing.Service().LabelInVerpolt, "Eingang verpolt");
  EXPECT_EQ(failing.Service().LabelV, "");

  // Both sides falling is the rising task: no note.
  DcScreen both;
  both.RadioBtnClick(DcUnitButton::RBtnAV);
  both.EditChange(DcEdit::EditEMin, "20");
  both.EditChange(DcEdit::EditEMax, "4");
  both.EditChange(DcEdit::EditAMin, "10");
  both.EditChange(DcEdit::EditAMax, "0");
  both.BitBtnWeiterClick();
  EXPECT_EQ(both.Service().LabelInVerpolt, "");
  EXPECT_EQ(both.Service().LabelOutVerpolt, "");
}

TEST_F(DcServiceTest, NoAdmissibleCombinationLeavesOneEmptyRow) {
  Calculate("0", "10", DcUnitButton::RBtnEV, "0", "10");
  screen.EditChange(DcEdit::EditEMin, "2");
  screen.EditChange(DcEdit::EditAMin, "-10");
  screen.BitBtnWeiterClick();
  ASSERT_EQ(S().SGridAW.size(), 2u);
  EXPECT_EQ(S().SGridAW[0][0], "Eingang");
  EXPECT_EQ(S().SGridAW[1], DcServiceTables::EvalRow{});
  EXPECT_EQ(S().LabelfIndex, "fIndex = 0");
}

TEST_F(DcServiceTest, ChangingAnEntryClearsOnlyTheMarkers) {
  Calculate("0", "10", DcUnitButton::RBtnEV, "0", "10");
  screen.EditChange(DcEdit::EditEMax, "7");
  EXPECT_EQ(S().SGridDaten[1][1], "");
  EXPECT_EQ(S().SGridDaten[10][1], "");
  EXPECT_EQ(S().SGridDaten[8][0], "10 V");
  EXPECT_EQ(S().SGridSpan[8][1], "    1");
  EXPECT_EQ(S().SGridZero[8][1], "    0");
  EXPECT_EQ(S().SGridAW.size(), 9u);
  EXPECT_EQ(S().LabelfIndex, "fIndex = 1");
  EXPECT_EQ(S().LabelV, "");
  EXPECT_EQ(S().LabelInU, "");
}

}  // namespace
}  // namespace setrix
