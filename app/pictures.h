#pragma once
// The pictures of the windows, drawn by code: the screen background, the circuit boards
// with the places of their switch banks, the terminal plans, the name logo, the maker's
// logo, the title pictures of the contents box and the five RTD wiring pictures.
#include <QPixmap>
#include <QPoint>
#include <QSize>

#include <functional>

class QLabel;

namespace setrix::app::pictures {

// The screens' pictures are drawn for the window's resolution, device pixels per picture
// pixel: the zoom times the screen's pixel ratio (the screen's pixel ratio until the window sets it). Drawn at
// that size they stay sharp at every zoom without being held larger than the screen shows them. The pictures of
// the dialogs, which are not zoomed, are drawn at twice their size.
qreal WindowResolution();
// Draws the window's pictures anew for another resolution and puts them on every label
// that shows one (see Show); pictures drawn for the old one are let go.
void SetWindowResolution(qreal devicePixelsPerPixel);
// Shows a window picture on label: drawn when the label is on screen (at once, or when it is
// first shown) and again whenever the resolution changes; the last picture given counts.
void Show(QLabel& label, std::function<QPixmap()> picture);

// The client area of the main window.
inline constexpr QSize kScreenSize{751, 518};

QPixmap Background();

// DC board: 447 x 210 with the three banks S1 (10 switches, vertical), S2 (5, horizontal),
// S3 (3, vertical), the terminal strip 1..8 and the ZERO and SPAN potentiometers.
inline constexpr QSize kDcBoardSize{447, 210};
inline constexpr QPoint kDcBankS1{46, 30};
inline constexpr QPoint kDcBankS2{136, 40};
inline constexpr QPoint kDcBankS3{232, 40};
QPixmap DcBoard();

// Thermocouple board (shared with the RTD screen): two horizontal 8-switch banks.
inline constexpr QSize kThermoBoardSize{340, 150};
inline constexpr QPoint kThermoBankS1{58, 40};
inline constexpr QPoint kThermoBankS2{200, 40};
QPixmap ThermoBoard();
// Terminal plan of the thermocouple and RTD converters (terminals 1 to 12).
inline constexpr QSize kThermoPlanSize{375, 128};
QPixmap ThermoTerminalPlan();

// Frequency board: two horizontal 8-switch banks one above the other.
inline constexpr QSize kFrqBoardSize{150, 190};
inline constexpr QPoint kFrqBankS1{40, 28};
inline constexpr QPoint kFrqBankS2{40, 108};
QPixmap FrqBoard();
// Terminal plan of the frequency converter (terminals 1 to 8).
inline constexpr QSize kFrqPlanSize{182, 190};
QPixmap FrqTerminalPlan();

// The program's name logo on a header band (contents box 488 x 105, info box 330 x 81).
inline constexpr QSize kContentsLogoSize{488, 105};
inline constexpr QSize kAboutLogoSize{330, 81};
QPixmap NameLogo(QSize size);
// The maker's logo for the instruction panels.
inline constexpr QSize kMakerLogoSize{112, 30};
QPixmap MakerLogo();
// One-line slogan of the contents box, per language (0..3), 409 x 27, transparent.
inline constexpr QSize kTitleSize{409, 27};
QPixmap TitlePicture(int language);
// Small picture of the information box: a module with its switch banks.
QPixmap ModuleIcon(QSize size);

// RTD wiring pictures: 2-wire, 3-wire, 4-wire sensor, 2-wire resistor, 3-wire potentiometer.
enum class Wiring { TwoWire, ThreeWire, FourWire, Resistor, Potentiometer };
inline constexpr QSize kWiringSize{150, 112};
QPixmap WiringPicture(Wiring wiring);

}  // namespace setrix::app::pictures
