#pragma once
// TDIPSwitch: the switch bank on the screens. The bank drawing of dipswitch/ paints into
// the widget's own picture (a drawing target over a QImage), which the widget shows; it
// never reacts to the mouse. Setting the value or one switch redraws only the affected
// slots, as the bank drawing does; a full drawing happens at the first paint, whenever the
// page is shown again and after a change of count, alignment or colours.
#include <QImage>
#include <QWidget>
#include <memory>

#include "dipswitch/dipswitch.h"

namespace setrix::app {

class TDIPSwitch : public QWidget {
  Q_OBJECT
 public:
  enum class Alignment { Deg_0, Deg_90, Deg_180, Deg_270 };
  TDIPSwitch(int count, Alignment alignment, QWidget* parent);
  ~TDIPSwitch() override;

  dipswitch::TDIPSwitchObject& SwitchSettings() { return bank_->SwitchSettings(); }
  dipswitch::TDIPSwitch& Bank() { return *bank_; }
  int Value() const { return bank_->SwitchSettings().Value(); }
  void SetValue(int value) { bank_->SwitchSettings().SetValue(value); }
  void SetSwitch(int k, bool on) { bank_->SwitchSettings().SetSwitch(k, on); }
  int Count() const { return bank_->SwitchSettings().Count(); }
  // The picture as the screen shows it now (null before the first paint).
  const QImage& Picture() const { return image_; }
  // Draws the whole bank anew (what the toolkit's repaint of the control does).
  void Repaint();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  class ImageTarget;
  std::unique_ptr<dipswitch::TDIPSwitch> bank_;
  std::unique_ptr<ImageTarget> target_;
  QImage image_;
  bool fullDrawingDue_ = true;
};

}  // namespace setrix::app
