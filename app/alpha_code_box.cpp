#include "app/alpha_code_box.h"

#include <QKeyEvent>
#include <algorithm>

#include "app/widgets.h"

namespace setrix::app {

TAlphaCodeBox::TAlphaCodeBox(QWidget* mainWindow, const QPixmap& banner) : QDialog(mainWindow) {
  setObjectName(QStringLiteral("AlphaCodeBox"));
  // A dialog border with only a close box, fixed size.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::CustomizeWindowHint);
  setFixedSize(332, 214);
  setModal(true);

  AlphaImage = new QLabel(this);
  AlphaImage->setObjectName(QStringLiteral("AlphaImage"));
  AlphaImage->setGeometry(0, 0, 332, 81);
  AlphaImage->setPixmap(banner);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 88, 331, 89);
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Raised);
  Panel1->setLineWidth(2);

  Label1 = new QLabel(Panel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(ArialFont(11));
  Label1->setTextFormat(Qt::PlainText);
  Label1->move(10, 4);

  Edit1 = new QLineEdit(Panel1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(10, 57, 311, 21);
  Edit1->setMaxLength(kMaxLength);

  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(173, 184, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TAlphaCodeBox::Button1Click);

  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(255, 184, 75, 25);
  connect(Button2, &QPushButton::clicked, this, &TAlphaCodeBox::Button2Click);
}

void TAlphaCodeBox::SetText(const QString& text) {
  // A longer stored note is shown whole; the limit holds for typing.
  Edit1->setMaxLength(std::max(kMaxLength, static_cast<int>(text.size())));
  Edit1->setText(text);
}

void TAlphaCodeBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Every showing starts with the typing in the text field, whatever had the focus before.
  Edit1->setFocus(Qt::OtherFocusReason);
  if (Button2->hasFocus() || Button1->hasFocus()) Edit1->setFocus();
}

void TAlphaCodeBox::Button1Click() {
  confirmed_ = true;
  accept();
}

void TAlphaCodeBox::Button2Click() {
  confirmed_ = false;
  reject();
}

void TAlphaCodeBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Button1->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace setrix::app
