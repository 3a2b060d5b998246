#pragma once
// Product / Read a device...: the read mode of a module screen. A layer over the screen
// shows the board with banks of its own that the user sets lever by lever (a click flips a
// lever; the arrow keys choose one, Space flips it), what the banks mean, and how they
// differ from the setting the screen computed. The screen itself is never changed: leaving
// the mode removes the layer and the screen is as it was.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

#include "app/read_device.h"

class QAction;
class QLabel;
class QPushButton;
class QTextEdit;

namespace setrix::app {

class ModulePage;
class TDIPSwitch;
class TForm1;

// The board of the read mode: copies of the screen's banks at the same places, the focus
// mark on the chosen lever and the marks on the levers to move. Transparent elsewhere, so
// the screen's board picture shows through.
class ReadBoard : public QWidget {
  Q_OBJECT
 public:
  // `banks`: the screen's banks, children of the board picture that this widget covers.
  ReadBoard(const std::vector<TDIPSwitch*>& banks, QWidget* parent);

  // The read mode's bank of S1, S2, ... (bank 1 first).
  TDIPSwitch* BankWidget(int bank) const;
  int BankCount() const { return static_cast<int>(banks_.size()); }
  // Where lever `s` is on this widget (its slot), for tests and the marks.
  QRect SlotRect(SwitchRef s) const;
  // The lever at a point of this widget, if any.
  std::optional<SwitchRef> LeverAt(QPointF p) const;

  SwitchRef Focused() const { return focused_; }
  void SetFocused(SwitchRef s);
  void SetMarked(std::vector<SwitchRef> levers);
  const std::vector<SwitchRef>& Marked() const { return marked_; }

 signals:
  void flipRequested(SwitchRef lever);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  class Marks;
  // The nearest lever from the focused one in a direction (dx, dy), or the focused one.
  SwitchRef Neighbour(int dx, int dy) const;
  std::vector<SwitchRef> AllLevers() const;

  std::vector<TDIPSwitch*> banks_;
  Marks* marks_;
  SwitchRef focused_{1, 1};
  std::vector<SwitchRef> marked_;
};

// Where the read mode puts its parts on a module screen.
struct ReadLayout {
  QWidget* board = nullptr;        // the board picture
  std::vector<TDIPSwitch*> banks;  // its banks, S1 first
  QRect taskCard;                  // the entries of the task: dimmed while reading
  QRect header;                    // heading, hint and Leave button, on the dark background
  QRect panel;                     // the reading
};

// The layer over a module screen while the read mode is on.
class ReadOverlay : public QWidget {
  Q_OBJECT
 public:
  ReadOverlay(ModulePage* page, const ReadLayout& layout, DeviceReader reader);

  // Captions in the current language, and the reading anew.
  void ApplyLanguage();
  // The reading of the banks as set, shown and marked.
  void Refresh();
  // Flips a lever as a click would.
  void Flip(SwitchRef lever);

  const DeviceReader& Reader() const { return reader_; }
  const DeviceReading& Shown() const { return shown_; }
  ModulePage* Page() const { return page_; }

  ReadBoard* board;
  QLabel* title;
  QLabel* hint;
  QPushButton* leaveButton;
  QWidget* panel;
  QTextEdit* text;

 signals:
  void leaveRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  ModulePage* page_;
  ReadLayout layout_;
  DeviceReader reader_;
  DeviceReading shown_;
};

// The menu item and the mode's life: on (with the banks as the screen shows them), off,
// and off again whenever another screen is chosen.
class DeviceReadMode : public QObject {
  Q_OBJECT
 public:
  // Adds Product / Read a device... to the window's Product menu.
  explicit DeviceReadMode(TForm1& window);

  QAction* Action() const { return action_; }
  bool Active() const { return overlay_ != nullptr; }
  // The layer while the mode is on, else nullptr.
  ReadOverlay* Overlay() const { return overlay_; }

  // On the module screen in view; nothing elsewhere.
  void Enter();
  void Leave();
  void Toggle();
  void ApplyLanguage();

 private:
  void PageChanged();
  ReadLayout LayoutOf(ModulePage* page) const;
  DeviceReader ReaderOf(ModulePage* page) const;

  TForm1& window_;
  QAction* action_;
  ReadOverlay* overlay_ = nullptr;
  QPointer<QWidget> focusBefore_;
};

}  // namespace setrix::app
