#pragma once
// The DC isolator screen: a view over the DC screen model.
#include <QButtonGroup>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "app/dip_switch.h"
#include "app/module_page.h"
#include "modules/dc_screen.h"

namespace setrix::app {

class DcPage : public ModulePage {
  Q_OBJECT
 public:
  DcPage(DcScreen& model, QWidget* parent);

  void ApplyLanguage() override;
  void LanguageChanged() override;
  void Enter() override { TS_DCEnter(); }
  void Sync() override;
  void TS_DCEnter();
  void ResetDcDisplay();

  // Events as the widgets forward them (public for tests).
  void EditChange(DcEdit edit, const QString& text);
  void RadioBtnClick(DcUnitButton button);
  void RBtnGrenzClick(DcBandwidthButton button);
  void BitBtnWeiterClick();
  void Btn_DCStepOneClick();
  void Btn_DCStepTwoClick();

  QFrame* PanelDC;
  QLabel* LabelEingang;
  QLabel* LabelAusgang;
  QLabel* LabelEMin;
  QLabel* LabelEMax;
  QLabel* LabelAMin;
  QLabel* LabelAMax;
  std::array<FilteredEdit*, 4> edits;  // EditEMin, EditEMax, EditAMin, EditAMax
  QRadioButton* RBtnEmA;
  QRadioButton* RBtnEmV;
  QRadioButton* RBtnEV;
  QRadioButton* RBtnAmA;
  QRadioButton* RBtnAV;
  QLabel* LabelGrenzfrequenz;
  QRadioButton* RBtn10Hz;
  QRadioButton* RBtn10kHz;
  QPushButton* BitBtnWeiter;
  QPushButton* Btn_DCStepOne;
  QPushButton* Btn_DCStepTwo;
  QLabel* Lbl_DCStep;
  // The heading of the two-step step on screen ("1. Step"), above the board.
  QLabel* Lbl_DCStepHeading;

  QLabel* LabelEinstellungenDC;
  QLabel* Label1HelpDC;
  QLabel* ImagePCB_DC;
  TDIPSwitch* SW1_DC;
  TDIPSwitch* SW2_DC;
  TDIPSwitch* SW3_DC;
  QFrame* HelpDCPanel;
  QLabel* Label2IndexDC;
  QLabel* Label2HelpDC;
  QLabel* LabelSpecIndexDC;
  QLabel* LabelSpecHelpDC;
  QLabel* Label3IndexDC;
  QLabel* Label3HelpDC;
  QLabel* Label4HelpDC;
  QLabel* ImageLogoDC;

 private:
  void AfterEvent();

  DcScreen& model_;
};

}  // namespace setrix::app
