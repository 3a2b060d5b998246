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

 public:
  void ApplyLanguage() override;
  void LanguageChanged() override { Update(); }
  void Enter() override { Update(); }
  // The model's update, then the widgets.
  void Update();
  // A list was chosen by the user.
  void Choose(int list, int index);

 protected:
  // What differs between the two: the fifth list's caption, the model's handlers.
  virtual QString FifthCaption() const = 0;
  virtual void UpdateModel() = 0;
  virtual void ChooseInModel(int list, int index) = 0;
  virtual bool ModelDocumentable() const = 0;
  // The six lists (the fifth is `fifth`), the banks and the instruction texts of `m`.
  template <class Model>
  void ShowModel(const Model& m, const ChoiceList& fifth) {
    const ChoiceList* lists[6] = {&m.type, &m.start, &m.end, &m.output, &fifth, &m.manual};
    for (int i = 0; i < 6; ++i) ShowList(i, *lists[i]);
    const auto& c = m.config;
    ShowInstructions(m.helpPanelVisible, c.s1, c.s2, c.settingsCaption, c.switchesCaption, c.inputTerminalsText,
                     c.outputTerminalsText, c.powerText);
  }
  void ShowList(int list, const ChoiceList& model);
  void ShowInstructions(bool visible, int s1, int s2, const std::string& settings, const std::string& switches,
                        const std::string& input, const std::string& output, const std::string& power);
};

class ThermoPage : public ListPage {
  Q_OBJECT
 public:
  ThermoPage(ThermoModel& model, QWidget* parent);
  void Sync() override;

 private:
  QString FifthCaption() const override;
  void UpdateModel() override { ThermoUpdate(model_); }
  void ChooseInModel(int list, int index) override;
  bool ModelDocumentable() const override { return model_.documentable; }

  ThermoModel& model_;
};

class RtdPage : public ListPage {
  Q_OBJECT
 public:
  RtdPage(RtdModel& model, QWidget* parent);
  void Sync() override;

  QLabel* ImageRTDHelp;  // the wiring picture

 private:
  QString FifthCaption() const override;
  void UpdateModel() override { RtdUpdate(model_); }
  void ChooseInModel(int list, int index) override;
  bool ModelDocumentable() const override { return model_.documentable; }

  RtdModel& model_;
};

}  // namespace setrix::app
