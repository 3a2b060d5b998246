#pragma once
// The Help dialogs: the contents box (usage guide with hidden spots leading to the credits
// panel), the information box and the credits panel itself. All three are created once
// with the main window and reused.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "app/widgets.h"

namespace setrix::app {

// The credits panel: no border, closes itself when it stops being the active window.
class TFrm_Gag : public QWidget {
  Q_OBJECT
 public:
  explicit TFrm_Gag(QWidget* mainWindow);
  // Shows the panel centred on the main window and makes it active.
  void ShowCentered();
  QLabel* Label() const { return label_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QWidget* mainWindow_;
  QLabel* label_;
};

// A separator line that reports double-clicks.
class SeparatorLine : public QFrame {
  Q_OBJECT
 public:
  explicit SeparatorLine(QWidget* parent);

 signals:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TInhaltBox : public QDialog {
  Q_OBJECT
 public:
  TInhaltBox(QWidget* mainWindow, TFrm_Gag* credits);

  // Sets caption, title picture and text for `language` (without showing the box).
  void Prepare(int language);
  // Prepare, then show modally; shows the credits panel afterwards when its three
  // spots were found.
  void Open(int language);

  // The hidden spots: header picture, separator line, title picture.
  void Image1DblClick();
  void Panel1DblClick();
  void ImageShowDblClick();
  std::array<bool, 3> Flags() const { return flags_; }

  PictureLabel* Image1;
  PictureLabel* ImageShow;
  std::array<QLabel*, 4> titlePictures;  // ImageInhaltGer, ImageInhaltGB, ImageInhaltItal, ImageInhaltSpain
  QLabel* Comments;
  SeparatorLine* Panel1;
  QPushButton* OKButton;

 private:
  void SpotFound(int spot);

  TFrm_Gag* credits_;
  std::array<bool, 3> flags_{false, false, false};
  bool showCredits_ = false;
};

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* mainWindow);

  // Sets the link and the address block for `language` (without showing the box).
  void Prepare(int language);
  void Open(int language);

  QLabel* AboutImage;
  QLabel* ProgramIcon;
  QLabel* Version;
  QLabel* Notice;
  QLabel* Comments;
  QLabel* Label1;
  TUrlLabel* UrlLabel1;
  QFrame* Panel1;
  QPushButton* OKButton;
};

// The web address as a full link: "www.example.com" -> "https://www.example.com".
QString FullWebLink(const QString& address);

}  // namespace setrix::app
