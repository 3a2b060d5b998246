#pragma once
// The thermocouple and RTD screens: six lists, two banks on the board, the terminal plan
// and the instruction panel. Both are views over their models.
#include <QFrame>
#include <array>

#include "app/dip_switch.h"
#include "app/module_page.h"
#include "modules/choice_list.h"
#include "modules/rtd.h"
#include "modules/thermo.h"

namespace setrix::app {

// What the thermocouple and RTD screens share: layout and list handling.
class ListPage : public ModulePage {
  Q_OBJECT
 public:
  struct Names {
    const char* page;
    const char* subtitle;
    const char* model;
    std::array<const char*, 6> captions;
    std::array<const char*, 6> combos;
    const char* bank1;
    const char* bank2;
    const char* settingsCaption;
    const char* switchesCaption;
    const char* panel;
    std::array<const char*, 3> helpLabels;  // input terminals, output terminals, power
  };
  ListPage(const Names& names, QWidget* parent);

  std::array<QLabel*, 6> captions;
  std::array<ChoiceBox*, 6> combos;
  QLabel* settingsCaption;
  QLabel* switchesCaption;
  QLabel* board;
  QLabel* terminalPlan;
  TDIPSwitch* SW1;
  TDIPSwitch* SW2;
  QFrame* helpPanel;
  std::array<QLabel*, 3> helpLabels;
  QLabel* logo;

 protected:
  // A list was chosen by the user.
  virtual void Choose(int list, int index) = 0;
  void ShowList(int list, const ChoiceList& model);
  void ShowInstructions(bool visible, int s1, int s2, const std::string& settings, const std::string& switches,
                        const std::string& input, const std::string& output, const std::string& power);
};

class ThermoPage : public ListPage {
  Q_OBJECT
 public:
  ThermoPage(ThermoModel& model, QWidget* parent);
  void ApplyLanguage() override;
  void LanguageChanged() override { Update(); }
  void Enter() override { Update(); }
  void Sync() override;
  // ThermoUpdate, then the widgets.
  void Update();
  void Choose(int list, int index) override;

 private:
  ThermoModel& model_;
};

class RtdPage : public ListPage {
  Q_OBJECT
 public:
  RtdPage(RtdModel& model, QWidget* parent);
  void ApplyLanguage() override;
  void LanguageChanged() override { Update(); }
  void Enter() override { Update(); }
  void Sync() override;
  void Update();
  void Choose(int list, int index) override;

  QLabel* ImageRTDHelp;  // the wiring picture

 private:
  RtdModel& model_;
};

}  // namespace setrix::app
