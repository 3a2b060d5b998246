#include "app/style.h"

#include <QApplication>
#include <QLabel>
#include <QStyleFactory>

#include "app/widgets.h"

namespace setrix::app {

void SetupApplication(QApplication& app) {
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QPalette pal = app.style()->standardPalette();
  pal.setColor(QPalette::Window, QColor(236, 239, 242));
  // Disabled menus and controls stay readable on the silver window.
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    pal.setColor(QPalette::Disabled, role, QColor(112, 112, 112));
  app.setPalette(pal);
  app.setFont(ArialFont(12));
  app.setApplicationName(QStringLiteral("SETRIX"));
  app.setOrganizationName(QStringLiteral("Zantrel"));
}

void MakeCard(QWidget* frame) {
  frame->setAttribute(Qt::WA_StyledBackground);
  frame->setStyleSheet(
      QStringLiteral("#%1 { background: #f4f6f8; border: 1px solid #b9c3cd; border-radius: 8px; }")
          .arg(frame->objectName()));
}

void MakeGlass(QWidget* frame) {
  frame->setAttribute(Qt::WA_StyledBackground);
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  frame->setStyleSheet(
      QStringLiteral(
          "#%1 { background: rgba(255,255,255,22); border: 1px solid rgba(255,255,255,40); border-radius: 10px; }")
          .arg(frame->objectName()));
}

void SetTextColor(QWidget* w, const QColor& color) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, color);
  w->setPalette(pal);
}

QLabel* WhiteLabel(QWidget* parent, const char* name, const QString& text, int pixelSize, bool bold,
                   bool underline) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setTextFormat(Qt::PlainText);
  l->setFont(ArialFont(pixelSize, bold, underline));
  SetTextColor(l, kWhite);
  l->adjustSize();
  return l;
}

}  // namespace setrix::app
