#pragma once
// The frequency converter screen: mode and output lists, the two frequency entries, the
// step buttons and the rich-text instruction panel. A view over the frequency model.
#include <QFrame>
#include <QPushButton>
#include <QTextEdit>
#include <array>
#include <functional>
#include <optional>

#include "app/dip_switch.h"
#include "app/module_page.h"
#include "modules/frq.h"

namespace setrix::app {

class FrqPage : public ModulePage {
  Q_OBJECT
 public:
  FrqPage(FrqModel& model, QWidget* parent);

  void ApplyLanguage() override;
  void LanguageChanged() override { Update(); }
  void Enter() override { Update(); }
  void Sync() override;
  void Update();

  // Events as the widgets forward them (public for tests).
  void ComboChange(FrqList list, int index);
  void Ed_FRQChange(FrqEntry entry);
  void StepClick(int step);

  QLabel* Label_Frq_OpMode;
  QLabel* Label_Frq_Out;
  ChoiceBox* Combo_FRQ_OpMode;
  ChoiceBox* Combo_FRQ_Out;
  QLabel* Label_Frq_LowerFRQ;
  QLabel* Label_Frq_UpperFRQ;
  FilteredEdit* Ed_FRQLower;
  FilteredEdit* Ed_FRQUpper;
  QLabel* Label_FRQ_HZLow;
  QLabel* Label_FRQ_HZUp;
  std::array<QPushButton*, 3> stepButtons;  // Btn_FRQStep1..3
  QLabel* Lbl_FRQStep;
  QLabel* board;
  QLabel* terminalPlan;
  TDIPSwitch* SW1_FRQ;
  TDIPSwitch* SW2_FRQ;
  QFrame* HelpFRQPanel;
  QTextEdit* FRQ_RichHelp;

 private:
  void ShowHelp();
  FrqModel& model_;
  std::vector<Paragraph> shownHelp_;
};

}  // namespace setrix::app
