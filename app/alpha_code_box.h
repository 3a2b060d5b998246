#pragma once
// The prompt for the user text (the note printed beside "Note:" in the documentation),
// created once with the main window and reused. "OK" confirms, and so does Escape;
// "Abbrechen" and the close box cancel.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace setrix::app {

class TAlphaCodeBox : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMaxLength = 48;

  // `banner` is the information dialog's banner picture.
  TAlphaCodeBox(QWidget* mainWindow, const QPixmap& banner);

  // The confirmation flag: true only after "OK" (or Escape) ended the last showing.
  bool Confirmed() const { return confirmed_; }
  // Clears the flag before the prompt is shown, so that closing it with the close box
  // cancels instead of repeating the previous answer.
  void ResetConfirmation() { confirmed_ = false; }

  // Puts a note into the field, whole even when longer than may be typed.
  void SetText(const QString& text);

  void Button1Click();  // "OK"
  void Button2Click();  // "Abbrechen"

  QLabel* AlphaImage;
  QFrame* Panel1;
  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* Button1;
  QPushButton* Button2;

 protected:
  // Escape presses "OK", as the dialog's cancel-key button.
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool confirmed_ = false;
};

}  // namespace setrix::app
