#pragma once
// The look shared by every window: style, fonts and colours.
#include <QColor>
#include <QString>

class QApplication;
class QWidget;
class QLabel;

namespace setrix::app {

inline const QColor kWhite(255, 255, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kSilver(192, 192, 192);

// Style, palette and the default font (Liberation Sans for Arial).
void SetupApplication(QApplication& app);
// A light panel with rounded corners on the dark background of the screens.
void MakeCard(QWidget* frame);
// A translucent band behind a group of labels on the selection screens.
void MakeGlass(QWidget* frame);
void SetTextColor(QWidget* w, const QColor& color);
// A label on the dark background.
QLabel* WhiteLabel(QWidget* parent, const char* name, const QString& text, int pixelSize, bool bold = false,
                   bool underline = false);

}  // namespace setrix::app
