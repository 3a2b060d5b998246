#include "modules/dc_screen.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "modules/numbers.h"
#include "texts/texts.h"

namespace setrix {
namespace {

namespace tx = setrix::texts;

}  // namespace
bool operator==(const DcBanks& a, const DcBanks& b) { return a.s1 == b.s1 && a.s2 == b.s2 && a.s3 == b.s3; }
void PrintTo(const DcBanks& b, std::ostream* os) { *os << "{" << b.s1 << ", " << b.s2 << ", " << b.s3 << "}"; }
namespace {

// Fresh screen in English with "." as decimal separator; languages and separators are
// process-wide, so every test starts from the same setting.
class DcScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tx::SetCurrentLanguage(1);
    SetDecimalSeparator('.');
  }
  void TearDown() override {
    tx::SetCurrentLanguage(1);
    SetDecimalSeparator('.');
  }

  // Types the task into the four fields and chooses the units, as the technician does.
  void Enter(const std::string& inMin, const std::string& inMax, DcUnitButton inUnit, const std::string& outMin,
             const std::string& outMax, DcUnitButton outUnit) {
    screen.RadioBtnClick(inUnit);
    screen.RadioBtnClick(outUnit);
    screen.EditChange(DcEdit::EditEMin, inMin);
    screen.EditChange(DcEdit::EditEMax, inMax);
    screen.EditChange(DcEdit::EditAMin, outMin);
    screen.EditChange(DcEdit::EditAMax, outMax);
  }
  void EnterVolts(const std::string& inMin, const std::string& inMax, const std::string& outMin,
                  const std::string& outMax) {
    Enter(inMin, inMax, DcUnitButton::RBtnEV, outMin, outMax, DcUnitButton::RBtnAV);
  }
  const DcInstructionLabels& L() const { return screen.Labels(); }

  DcScreen screen;
};

constexpr const char* kPower = "Terminals 7 and 8: Power supply 20 .. 253 V AC/DC";

TEST_F(DcScreenTest, StartsArmedEmptyAndInNormalMode) {
  EXPECT_TRUE(screen.Armed());
  EXPECT_FALSE(screen.TwoStep());
  EXPECT_FALSE(screen.CalcDone());
  EXPECT_FALSE(screen.SavedAvailability());
  EXPECT_FALSE(screen.HelpPanelVisible());
  EXPECT_EQ(screen.Banks(), (DcBanks{-1, -1, -1}));
  EXPECT_EQ(screen.Config().inUnit, 0);
  EXPECT_EQ(screen.Config().outUnit, 0);
  EXPECT_EQ(screen.Config().bandwidth, 1);
  EXPECT_TRUE(screen.BitBtnWeiter().visible && screen.BitBtnWeiter().enabled);
  EXPECT_FALSE(screen.Btn_DCStepOne().visible || screen.Btn_DCStepTwo().visible);
  EXPECT_FALSE(screen.Lbl_DCStepVisible());
  EXPECT_TRUE(L().Label3HelpDC.visible);
  EXPECT_FALSE(L().LabelSpecHelpDC.visible);
}

TEST_F(DcScreenTest, ExactSettingShowsTerminalsWithoutNumbers) {
  EnterVolts("0", "10", "0", "10");
  screen.RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);
  EXPECT_FALSE(screen.BitBtnWeiterClick().has_value());
  EXPECT_EQ(L().LabelEinstellungenDC.text, "Settings");
  EXPECT_EQ(L().Label1HelpDC.text, "Adjust switches");
  EXPECT_EQ(L().Label2IndexDC.text, "");
  EXPECT_EQ(L().Label2HelpDC.text, "Terminal 3 (+) and 4 (-) : Input\r\nTerminal 5 (+) and 6 (-) : Output");
  EXPECT_EQ(L().Label3IndexDC.text, "");
  EXPECT_EQ(L().Label3HelpDC.text, "");
  EXPECT_EQ(L().Label4HelpDC.text, kPower);
  EXPECT_EQ(screen.Banks(), (DcBanks{7, 26, 7}));
  EXPECT_TRUE(screen.HelpPanelVisible());
  EXPECT_TRUE(screen.CalcDone());
  EXPECT_FALSE(screen.Armed());
}

// The worked instruction texts: which lines carry which text for the potentiometer cases,
// the reversed polarities and the units.
struct InstructionCase {
  const char* name;
  const char* inMin;
  const char* inMax;
  DcUnitButton inUnit;
  const char* outMin;
  const char* outMax;
  DcUnitButton outUnit;
  const char* label1;
  const char* index2;
  const char* help2;
  const char* index3;
  const char* help3;
};

class DcInstructionTexts : public DcScreenTest, public ::testing::WithParamInterface<InstructionCase> {};

TEST_P(DcInstructionTexts, AreWordedAsTheScreenShowsThem) {
  const InstructionCase& c = GetParam();
  Enter(c.inMin, c.inMax, c.inUnit, c.outMin, c.outMax, c.outUnit);
  ASSERT_FALSE(screen.BitBtnWeiterClick().has_value());
  EXPECT_EQ(L().LabelEinstellungenDC.text, "Settings");
  EXPECT_EQ(L().Label1HelpDC.text, c.label1);
  EXPECT_EQ(L().Label2IndexDC.text, c.index2);
  EXPECT_EQ(L().Label2HelpDC.text, c.help2);
  EXPECT_EQ(L().Label3IndexDC.text, c.index3);
  EXPECT_EQ(L().Label3HelpDC.text, c.help3);
  EXPECT_EQ(L().Label4HelpDC.text, kPower);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, DcInstructionTexts,
    ::testing::Values(
        InstructionCase{"SpanOnly", "0", "7", DcUnitButton::RBtnEV, "0", "10", DcUnitButton::RBtnAV,
                        "1. Adjust switches", "2.",
                        "Apply 7 V to the terminals 3 (+) and 4 (-).\r\n"
                        "Adjust SPAN pot until 10 V are measured\r\n"
                        "across the terminals 5 (+) and 6 (-).",
                        "", ""},
        InstructionCase{"ZeroOnly", "0", "10", DcUnitButton::RBtnEV, "0.5", "5.5", DcUnitButton::RBtnAV,
                        "1. Adjust switches", "2.",
                        "Apply 0 V to the terminals 3 (+) and 4 (-).\r\n"
                        "Adjust ZERO pot until 0.500 V are measured\r\n"
                        "across the terminals 5 (+) and 6 (-).",
                        "", ""},
        InstructionCase{"ZeroAndSpan", "0", "10", DcUnitButton::RBtnEV, "1.5", "10", DcUnitButton::RBtnAV,
                        "1. Adjust switches", "2.",
                        "Apply 0 V to the terminals 3 (+) and 4 (-).\r\n"
                        "Adjust ZERO pot until 1.500 V are measured\r\n"
                        "across the terminals 5 (+) and 6 (-).",
                        "3.",
                        "Apply 10 V to the terminals 3 (+) and 4 (-).\r\n"
                        "Adjust SPAN pot until 10 V are measured\r\n"
                        "across the terminals 5 (+) and 6 (-)."},
        InstructionCase{"CurrentInputSpan", "0", "15", DcUnitButton::RBtnEmA, "0", "10", DcUnitButton::RBtnAV,
                        "1. Adjust switches", "2.",
                        "Apply 15 mA to the terminals 1 (+) and 4 (-).\r\n"
                        "Adjust SPAN pot until 10 V are measured\r\n"
                        "across the terminals 5 (+) and 6 (-).",
                        "", ""},
        InstructionCase{"CurrentInputExact", "0", "20", DcUnitButton::RBtnEmA, "0", "10", DcUnitButton::RBtnAV,
                        "Adjust switches", "",
                        "Terminal 1 (+) and 4 (-) : Input\r\nTerminal 5 (+) and 6 (-) : Output", "", ""},
        InstructionCase{"InputReversed", "10", "0", DcUnitButton::RBtnEV, "0", "10", DcUnitButton::RBtnAV,
                        "Adjust switches", "",
                        "Terminal 4 (+) and 3 (-) : Input\r\nTerminal 5 (+) and 6 (-) : Output", "", ""},
        InstructionCase{"OutputReversed", "0", "10", DcUnitButton::RBtnEV, "10", "0", DcUnitButton::RBtnAV,
                        "Adjust switches", "",
                        "Terminal 3 (+) and 4 (-) : Input\r\nTerminal 6 (+) and 5 (-) : Output", "", ""}),
    [](const ::testing::TestParamInfo<InstructionCase>& info) { return std::string(info.param.name); });

TEST_F(DcScreenTest, SpanLineInGermanReplacesEachPlaceholderOnce) {
  tx::SetCurrentLanguage(0);
  EnterVolts("0", "7", "0", "10");
  screen.BitBtnWeiterClick();
  EXPECT_EQ(L().LabelEinstellungenDC.text, "Einstellungen");
  EXPECT_EQ(L().Label1HelpDC.text, "1. Schalter einstellen");
  EXPECT_EQ(L().Label2HelpDC.text,
            "Legen Sie 7 V an die Klemmen 3 (+) und 4 (-)\r\nund drehen Sie das SPAN-Poti, bis an den\r\n"
            "Klemmen 5 (+) und 6 (-) 10 V gemessen werden.");
}

TEST_F(DcScreenTest, NumbersUseTheLocaleSeparator) {
  SetDecimalSeparator(',');
  EnterVolts("0", "10", "1,5", "10");
  screen.BitBtnWeiterClick();
  EXPECT_NE(L().Label2HelpDC.text.find("until 1,500 V are measured"), std::string::npos) << L().Label2HelpDC.text;
}

TEST_F(DcScreenTest, CalculatingTwiceGivesTheSameResult) {
  EnterVolts("0", "10", "0", "10");
  screen.BitBtnWeiterClick();
  const DcInstructionLabels before = L();
  const DcBanks banks = screen.Banks();
  screen.RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);  // changes S3 only
  EXPECT_FALSE(screen.BitBtnWeiterClick().has_value());
  EXPECT_EQ(L().Label2HelpDC.text, before.Label2HelpDC.text);
  EXPECT_EQ(screen.Banks(), (DcBanks{banks.s1, banks.s2, 7}));
  EXPECT_FALSE(screen.Armed());
}

TEST_F(DcScreenTest, EntryErrorIsHandedBackAndRepeatsWhilePressedAgain) {
  EnterVolts("0", "abc", "0", "10");
  for (int i = 0; i < 2; ++i) {
    const auto message = screen.BitBtnWeiterClick();
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->caption, "Error");
    EXPECT_EQ(message->text, "Incomplete or illegal input");
    EXPECT_TRUE(screen.Armed());
    EXPECT_FALSE(screen.CalcDone());
    EXPECT_FALSE(screen.HelpPanelVisible());
    EXPECT_EQ(L().Label2HelpDC.text, "");
  }
  tx::SetCurrentLanguage(2);
  EXPECT_EQ(screen.BitBtnWeiterClick()->caption, "Errore");
}

TEST_F(DcScreenTest, RefusedTaskShowsWhyAndDisarmsUntilAChange) {
  EnterVolts("0", "250", "0", "10");
  EXPECT_FALSE(screen.BitBtnWeiterClick().has_value());
  EXPECT_EQ(L().Label2HelpDC.text, "\r\nSorry, this setting is invalid:");
  EXPECT_EQ(L().Label3HelpDC.text,
            "Input range too large.\r\nMax. input value is (±)200 V or\r\n(±)100 mA, resp.");
  EXPECT_EQ(L().Label1HelpDC.text, "");
  EXPECT_TRUE(screen.HelpPanelVisible());
  EXPECT_FALSE(screen.CalcDone());
  EXPECT_FALSE(screen.Armed());
  EXPECT_EQ(screen.Banks(), (DcBanks{-1, -1, -1}));

  screen.EditChange(DcEdit::EditEMax, "25");
  EXPECT_TRUE(screen.Armed());
  EXPECT_EQ(L().Label3HelpDC.text, "");
  screen.BitBtnWeiterClick();
  EXPECT_TRUE(screen.CalcDone());
}

TEST_F(DcScreenTest, FailureTextsFollowTheCheck) {
  const struct {
    const char* inMin;
    const char* inMax;
    const char* outMin;
    const char* outMax;
    const char* text;
  } cases[] = {
      {"5", "5", "0", "10",
       "Input span too short.\r\nInput range is (±)20 mV to (±)200 V or\r\n(±)0.1 mA to (±)100 mA, resp."},
      {"0", "10", "3", "3", "Output span too short."},
      {"0", "10", "0", "20", "Output range too large.\r\nMaximum output value is (±)10 V or (±)20 mA."},
      {"0", "0.001", "0", "10", "The amplification required is out of range."},
  };
  for (const auto& c : cases) {
    DcScreen fresh;
    fresh.RadioBtnClick(DcUnitButton::RBtnEV);
    fresh.RadioBtnClick(DcUnitButton::RBtnAV);
    fresh.EditChange(DcEdit::EditEMin, c.inMin);
    fresh.EditChange(DcEdit::EditEMax, c.inMax);
    fresh.EditChange(DcEdit::EditAMin, c.outMin);
    fresh.EditChange(DcEdit::EditAMax, c.outMax);
    fresh.BitBtnWeiterClick();
    EXPECT_EQ(fresh.Labels().Label2HelpDC.text, "\r\nSorry, this setting is invalid:") << c.text;
    EXPECT_EQ(fresh.Labels().Label3HelpDC.text, c.text);
  }
}

TEST_F(DcScreenTest, NoAdmissibleCombinationIsDocumentableButShowsNoSetting) {
  EnterVolts("2", "10", "-10", "10");
  screen.BitBtnWeiterClick();
  EXPECT_EQ(L().Label2HelpDC.text, "\r\nSorry, this setting is invalid:");
  EXPECT_EQ(L().Label3HelpDC.text,
            "The permissible offset has been exceeded.\r\nMaximum permissible offset is ±125 %.");
  EXPECT_EQ(L().LabelEinstellungenDC.text, "");
  EXPECT_EQ(L().Label4HelpDC.text, "");
  EXPECT_EQ(screen.Banks(), (DcBanks{-1, -1, -1}));
  EXPECT_TRUE(screen.CalcDone());
  // The bandwidth choice leaves banks without a setting alone.
  screen.RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);
  EXPECT_EQ(screen.Banks(), (DcBanks{-1, -1, -1}));
}

TEST_F(DcScreenTest, FirstChangeAfterResultsResetsLaterChangesOnlyDetect) {
  EnterVolts("0", "7", "0", "10");
  screen.BitBtnWeiterClick();
  ASSERT_TRUE(screen.CalcDone());
  screen.EditChange(DcEdit::EditEMax, "8");
  EXPECT_TRUE(screen.Armed());
  EXPECT_FALSE(screen.CalcDone());
  EXPECT_FALSE(screen.HelpPanelVisible());
  EXPECT_EQ(screen.Banks(), (DcBanks{-1, -1, -1}));
  for (const DcLabel* label : {&L().LabelEinstellungenDC, &L().Label1HelpDC, &L().Label2IndexDC, &L().Label2HelpDC,
                               &L().Label3IndexDC, &L().Label3HelpDC, &L().Label4HelpDC})
    EXPECT_EQ(label->text, "");
  EXPECT_EQ(screen.EditText(DcEdit::EditEMax), "8");

  // Same text again: no change event; a unit re-chosen: no change either.
  screen.BitBtnWeiterClick();
  screen.EditChange(DcEdit::EditEMax, "8");
  screen.RadioBtnClick(DcUnitButton::RBtnEV);
  EXPECT_TRUE(screen.CalcDone());
  screen.RadioBtnClick(DcUnitButton::RBtnEmV);
  EXPECT_FALSE(screen.CalcDone());
  EXPECT_TRUE(screen.Armed());
}

TEST_F(DcScreenTest, KeyFilterAndLengthLimit) {
  for (char key : {'a', '+', ' ', 'E'}) EXPECT_FALSE(screen.KeyTyped(DcEdit::EditEMin, key)) << key;
  EXPECT_EQ(screen.EditText(DcEdit::EditEMin), "");
  for (char key : std::string("-12,5.34999")) screen.KeyTyped(DcEdit::EditEMin, key);
  EXPECT_EQ(screen.EditText(DcEdit::EditEMin), "-12,5.34");
  EXPECT_TRUE(screen.KeyTyped(DcEdit::EditEMin, '\b'));
  EXPECT_EQ(screen.EditText(DcEdit::EditEMin), "-12,5.3");
}

TEST_F(DcScreenTest, TwoStepModeStartsOnTheLastKeystrokeAndEndsWithAnotherUnit) {
  screen.RadioBtnClick(DcUnitButton::RBtnAV);  // input stays mA
  for (char key : std::string("4")) screen.KeyTyped(DcEdit::EditEMin, key);
  for (char key : std::string("20")) screen.KeyTyped(DcEdit::EditEMax, key);
  for (char key : std::string("-10")) screen.KeyTyped(DcEdit::EditAMin, key);
  screen.KeyTyped(DcEdit::EditAMax, '1');
  EXPECT_FALSE(screen.TwoStep());
  EXPECT_FALSE(screen.CalcDone());
  screen.KeyTyped(DcEdit::EditAMax, '0');
  EXPECT_TRUE(screen.TwoStep());
  EXPECT_TRUE(screen.CalcDone());
  EXPECT_TRUE(screen.Btn_DCStepOne().visible && screen.Btn_DCStepOne().enabled);
  EXPECT_TRUE(screen.Btn_DCStepTwo().visible && screen.Btn_DCStepTwo().enabled);
  EXPECT_FALSE(screen.BitBtnWeiter().visible || screen.BitBtnWeiter().enabled);
  EXPECT_TRUE(screen.Lbl_DCStepVisible());
  EXPECT_FALSE(L().Label3IndexDC.visible || L().Label3HelpDC.visible);
  EXPECT_TRUE(L().LabelSpecIndexDC.visible && L().LabelSpecHelpDC.visible);
  // The hidden "Calculate settings" cannot run.
  screen.BitBtnWeiterClick();
  EXPECT_EQ(L().Label2HelpDC.text, "");

  screen.RadioBtnClick(DcUnitButton::RBtnEV);
  EXPECT_FALSE(screen.TwoStep());
  EXPECT_FALSE(screen.CalcDone());
  EXPECT_TRUE(screen.BitBtnWeiter().visible && screen.BitBtnWeiter().enabled);
  EXPECT_FALSE(screen.Btn_DCStepOne().visible || screen.Lbl_DCStepVisible());
  EXPECT_TRUE(L().Label3HelpDC.visible);
  EXPECT_FALSE(L().LabelSpecHelpDC.visible);
}

TEST_F(DcScreenTest, TwoStepDetectionToleratesSeparatorsAndTheFallingForm) {
  const struct {
    char separator;
    const char* inMin;
    const char* inMax;
    const char* outMin;
    const char* outMax;
    bool twoStep;
  } cases[] = {
      {'.', "4", "20", "-10,0", "10", true},      {',', "4", "20", "-10,0", "10", true},
      {',', "4.0", "20", "-10", "10.000", true},  {'.', "20", "4", "10", "-10", true},
      {'.', "4,000001", "20", "-10", "10", true}, {'.', "4.0001", "20", "-10", "10", false},
      {'.', "4", "20", "-10", "", false},         {'.', "4", "20", "-10", "1.0.0", false},
      {'.', "4", "20", "10", "-10", false},
  };
  for (const auto& c : cases) {
    SetDecimalSeparator(c.separator);
    DcScreen fresh;
    fresh.RadioBtnClick(DcUnitButton::RBtnAV);
    fresh.EditChange(DcEdit::EditEMin, c.inMin);
    fresh.EditChange(DcEdit::EditEMax, c.inMax);
    fresh.EditChange(DcEdit::EditAMin, c.outMin);
    fresh.EditChange(DcEdit::EditAMax, c.outMax);
    EXPECT_EQ(fresh.TwoStep(), c.twoStep)
        << c.separator << " " << c.inMin << " " << c.inMax << " " << c.outMin << " " << c.outMax;
  }
}

TEST_F(DcScreenTest, TwoStepDisplayShowsBothSteps) {
  Enter("4", "20", DcUnitButton::RBtnEmA, "-10", "10", DcUnitButton::RBtnAV);
  ASSERT_TRUE(screen.TwoStep());
  EXPECT_FALSE(screen.HelpPanelVisible());

  screen.Btn_DCStepOneClick();
  EXPECT_EQ(screen.Banks(), (DcBanks{15, 17, 3}));
  EXPECT_FALSE(screen.Armed());
  EXPECT_TRUE(screen.CalcDone());
  EXPECT_TRUE(screen.HelpPanelVisible());
  EXPECT_EQ(L().Label2IndexDC.text, "-");
  EXPECT_EQ(L().Label2HelpDC.text, "Adjust the Switches S1, S2 and S3 as shown on the left. ");
  EXPECT_EQ(L().LabelSpecIndexDC.text, "-");
  EXPECT_EQ(L().LabelSpecHelpDC.text,
            "Apply 10 mA to the terminals 1 (+) and 4 (-).\r\nAdjust SPAN pot until 10 V are measured\r\n"
            "across the terminals 5 (+) and 6 (-).");
  EXPECT_EQ(L().Label4HelpDC.text, kPower);

  screen.Btn_DCStepTwoClick();
  EXPECT_EQ(screen.Banks(), (DcBanks{143, 1, 3}));
  EXPECT_EQ(L().LabelSpecHelpDC.text,
            "Apply 4 mA to the terminals 1 (+) and 4 (-).\r\nAdjust ZERO pot until -10 V are measured\r\n"
            "across the terminals 5 (+) and 6 (-).");

  // Italian: the switch line carries a lone "\r".
  tx::SetCurrentLanguage(2);
  screen.Btn_DCStepOneClick();
  EXPECT_EQ(L().Label2HelpDC.text, "Impostare switch S1, S2 e switch S3 come\rindicato a sinistra. ");
}

TEST_F(DcScreenTest, BandwidthClickSetsSwitchThreeOfS3OnlyWhileThePanelShows) {
  EnterVolts("0", "10", "0", "10");
  screen.RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);  // panel hidden: banks untouched
  EXPECT_EQ(screen.Banks(), (DcBanks{-1, -1, -1}));
  screen.BitBtnWeiterClick();
  EXPECT_EQ(screen.Banks(), (DcBanks{7, 26, 7}));
  screen.RBtnGrenzClick(DcBandwidthButton::RBtn10kHz);
  EXPECT_EQ(screen.Banks(), (DcBanks{7, 26, 3}));
  EXPECT_FALSE(screen.Armed());  // no reset: the result stays
  screen.RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);
  EXPECT_EQ(screen.Banks(), (DcBanks{7, 26, 7}));

  DcScreen twoStep;
  twoStep.RadioBtnClick(DcUnitButton::RBtnAV);
  twoStep.EditChange(DcEdit::EditEMin, "4");
  twoStep.EditChange(DcEdit::EditEMax, "20");
  twoStep.EditChange(DcEdit::EditAMin, "-10");
  twoStep.EditChange(DcEdit::EditAMax, "10");
  twoStep.Btn_DCStepOneClick();
  EXPECT_EQ(twoStep.Banks().s3, 3);  // "> 10 kHz": switch 3 OFF
  twoStep.RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);
  EXPECT_EQ(twoStep.Banks(), (DcBanks{15, 17, 7}));
}

TEST_F(DcScreenTest, LanguageChangeClearsResultsAndKeepsEntries) {
  EnterVolts("0", "7", "0", "10");
  screen.BitBtnWeiterClick();
  tx::SetCurrentLanguage(3);
  screen.LanguageChanged();
  EXPECT_TRUE(screen.Armed());
  EXPECT_FALSE(screen.CalcDone());
  EXPECT_FALSE(screen.HelpPanelVisible());
  EXPECT_EQ(L().Label2HelpDC.text, "");
  EXPECT_EQ(screen.Banks(), (DcBanks{-1, -1, -1}));
  EXPECT_EQ(screen.EditText(DcEdit::EditEMax), "7");
  screen.BitBtnWeiterClick();
  EXPECT_EQ(L().LabelEinstellungenDC.text, "Configuración");

  // In the two-step mode Save and Print stay available; the step line keeps its text.
  DcScreen twoStep;
  twoStep.RadioBtnClick(DcUnitButton::RBtnAV);
  twoStep.EditChange(DcEdit::EditEMin, "4");
  twoStep.EditChange(DcEdit::EditEMax, "20");
  twoStep.EditChange(DcEdit::EditAMin, "-10");
  twoStep.EditChange(DcEdit::EditAMax, "10");
  twoStep.Btn_DCStepOneClick();
  const std::string specialText = twoStep.Labels().LabelSpecHelpDC.text;
  twoStep.LanguageChanged();
  EXPECT_TRUE(twoStep.CalcDone());
  EXPECT_FALSE(twoStep.HelpPanelVisible());
  EXPECT_EQ(twoStep.Labels().Label2HelpDC.text, "");
  EXPECT_EQ(twoStep.Labels().LabelSpecHelpDC.text, specialText);
}

TEST_F(DcScreenTest, EnteringTheScreenRestoresTheSavedAvailability) {
  EnterVolts("0", "10", "0", "10");
  screen.BitBtnWeiterClick();
  screen.SaveAvailability();  // another product chosen
  screen.TS_DCEnter();        // and back
  EXPECT_TRUE(screen.CalcDone());
  EXPECT_EQ(screen.Banks(), (DcBanks{7, 26, 3}));

  DcScreen fresh;
  fresh.SaveAvailability();
  fresh.TS_DCEnter();
  EXPECT_FALSE(fresh.CalcDone());
}

TEST_F(DcScreenTest, CaptionsFollowTheLanguage) {
  tx::SetCurrentLanguage(2);
  const DcCaptions c = DcScreenCaptions();
  EXPECT_EQ(c.Lbl_DCStep, "La configurazione desiderata richiede due step. Seguire le istruzioni. ");
  EXPECT_EQ(c.Btn_DCStepTwo, "&2. Passo");
  EXPECT_EQ(c.BitBtnWeiter, "&Calcolo configurazioni");
}

TEST(DcBanks, SetSwitchAndTwoStepDocumentBanks) {
  EXPECT_EQ(DcBankSetSwitch(-1, 3, 3, true), 4);
  EXPECT_EQ(DcBankSetSwitch(-1, 3, 3, false), 0);
  EXPECT_EQ(DcBankSetSwitch(0xFF, 3, 1, false), 6);  // bits above the bank are dropped
  EXPECT_EQ(DcBankSetSwitch(5, 3, 0, false), 5);
  EXPECT_EQ(DcBankSetSwitch(5, 3, 4, true), 5);
  EXPECT_EQ(DcTwoStepDocumentBanks(1, 0), (DcBanks{15, 17, 7}));
  EXPECT_EQ(DcTwoStepDocumentBanks(2, 1), (DcBanks{143, 1, 3}));
}

}  // namespace
}  // namespace setrix
