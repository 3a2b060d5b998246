#pragma once
// The DC isolator screen as a model: it holds exactly what the screen shows (the four entries,
// the unit and bandwidth choices, the three switch banks, the instruction lines with their
// visibility, the buttons, the Save/Print availability) and the handlers of the screen's
// events. A window only copies this state into its widgets and forwards the events; the
// documentation reads the configuration from here. The model shows no message box itself: an
// entry error is handed back to the caller.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "modules/dc_calc.h"
#include "modules/dc_service.h"

namespace setrix {

// The four entry fields.
enum class DcEdit { EditEMin, EditEMax, EditAMin, EditAMax };
// The unit choices: input mA, mV, V; output mA, V.
enum class DcUnitButton { RBtnEmA, RBtnEmV, RBtnEV, RBtnAmA, RBtnAV };
// The bandwidth choices.
enum class DcBandwidthButton { RBtn10Hz, RBtn10kHz };

struct DcLabel {
  std::string text;
  bool visible = true;
};

struct DcButton {
  bool visible = true;
  bool enabled = true;
};

// A message box for the caller to show (caption, text and an OK button).
struct DcMessage {
  std::string caption;
  std::string text;
};

// The instruction area: heading and first line above the banks, the rest in the help panel.
struct DcInstructionLabels {
  DcLabel LabelEinstellungenDC;
  DcLabel Label1HelpDC;
  DcLabel Label2IndexDC;
  DcLabel Label2HelpDC;
  DcLabel Label3IndexDC;
  DcLabel Label3HelpDC;
  DcLabel LabelSpecIndexDC{{}, false};  // the two-step line, between the second and third
  DcLabel LabelSpecHelpDC{{}, false};
  DcLabel Label4HelpDC;  // power supply
};

// The fixed captions of the screen in the current language.
struct DcCaptions {
  std::string LabelEingang, LabelAusgang;  // panel captions
  std::string LabelEMin, LabelEMax, LabelAMin, LabelAMax;
  std::string LabelGrenzfrequenz;
  std::string BitBtnWeiter, Btn_DCStepOne, Btn_DCStepTwo;
  std::string Lbl_DCStep;
};
DcCaptions DcScreenCaptions();

// The banks of step 1 or 2 of the two-step procedure with switch 3 of S3 OFF, and as the
// screen and the documents show them, with switch 3 of S3 following the bandwidth.
DcBanks DcTwoStepScreenBanks(int step);
DcBanks DcTwoStepDocumentBanks(int step, int bandwidth);

// The bank value after setting switch k (counted from 1) of a bank with `count` switches:
// a value without setting first becomes 0; switching off also drops the bits above the bank;
// k outside 1..count changes nothing. The same rule as the bank control's SetSwitch, on the
// value alone, so that the model stays a plain copyable value.
int DcBankSetSwitch(int value, int count, int k, bool on);

class DcScreen {
 public:
  static constexpr std::size_t kEntryMaxLength = 8;
  static constexpr int kS1Count = 10;
  static constexpr int kS2Count = 5;
  static constexpr int kS3Count = 3;

  // The screen as the program starts: mA on both sides, "> 10 kHz", empty entries, reset
  // and armed, in normal mode.
  DcScreen();

  // --- events -----------------------------------------------------------------------------
  // The text of an entry changed (typed, pasted or restored). Nothing happens when the text
  // is the same as before.
  void EditChange(DcEdit edit, std::string_view text);
  // One key typed at the end of an entry: the key filter, backspace and the length limit of
  // the field; then EditChange. Returns whether the text changed.
  bool KeyTyped(DcEdit edit, char key);
  // A unit radio button chosen; nothing happens when it was already chosen.
  void RadioBtnClick(DcUnitButton button);
  // A bandwidth radio button chosen; nothing happens when it was already chosen.
  void RBtnGrenzClick(DcBandwidthButton button);
  // "Calculate settings": calculates anew whenever it is pressed (a result already shown is
  // cleared first). Returns the message box to show on an entry error.
  std::optional<DcMessage> BitBtnWeiterClick();
  void Btn_DCStepOneClick();
  void Btn_DCStepTwoClick();
  // The screen is entered or shown; texts written in another language are written anew in
  // the current one, with the same result.
  void TS_DCEnter();
  // The language changed while this screen is active.
  void LanguageChanged();
  // A product is chosen while this screen is active: remember whether Print is enabled.
  void SaveAvailability();

  // --- operations -------------------------------------------------------------------------
  void ResetDcDisplay();
  void DetectTwoStep();

  // --- state ------------------------------------------------------------------------------
  // Entries, units, bandwidth and the results of the last calculation; the bank values in
  // it are the banks the screen shows.
  const DcConfig& Config() const { return config_; }
  // The note of the documentation; no event changes it.
  void SetUserText(std::string text) { config_.userText = std::move(text); }
  const std::string& EditText(DcEdit edit) const;
  bool Armed() const { return armed_; }
  bool TwoStep() const { return twoStep_; }
  // File / Save and File / Print enabled.
  bool CalcDone() const { return calcDone_; }
  bool SavedAvailability() const { return savedAvailability_; }
  DcBanks Banks() const { return {config_.s1, config_.s2, config_.s3}; }
  const DcInstructionLabels& Labels() const { return labels_; }
  bool HelpPanelVisible() const { return helpPanelVisible_; }
  const DcButton& BitBtnWeiter() const { return bitBtnWeiter_; }
  const DcButton& Btn_DCStepOne() const { return btnStepOne_; }
  const DcButton& Btn_DCStepTwo() const { return btnStepTwo_; }
  bool Lbl_DCStepVisible() const { return lblStepVisible_; }
  // The two-step step on screen: 1 or 2, 0 while no step is shown.
  int ActiveStep() const { return activeStep_; }
  // The service screens, written by the reset and by the calculation.
  const DcServiceTables& Service() const { return service_; }

 private:
  std::string& Text(DcEdit edit);
  void AfterChoiceChange();
  void SetBanksSwitchBySwitch(const DcBanks& banks);
  void DcInstructionLines();
  void ShowTwoStep(int step);
  void UpdateHelpPanel();
  // Writes the shown result, failure or step anew in the current language.
  void RewriteTexts();

  DcConfig config_;
  bool armed_ = false;
  bool twoStep_ = false;
  bool calcDone_ = false;
  bool savedAvailability_ = false;
  DcInstructionLabels labels_;
  bool helpPanelVisible_ = false;
  DcButton bitBtnWeiter_;
  DcButton btnStepOne_{false, false};
  DcButton btnStepTwo_{false, false};
  bool lblStepVisible_ = false;
  int activeStep_ = 0;
  int textLanguage_ = -1;  // the language of the instruction texts
  DcServiceTables service_;
};

}  // namespace setrix
