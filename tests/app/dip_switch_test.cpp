// The bank widget: drawn by the bank drawing, deaf to the mouse, with its partial redraws.
#include <QTest>

#include "app/dip_switch.h"
#include "app_fixture.h"

using namespace setrix::app;

namespace {

const QRgb kRedLever = qRgb(255, 0, 0);
const QRgb kSlot = qRgb(192, 192, 192);

// 8 switches, upright (Deg_0): slot of switch k spans x 8k-4 .. 8k, y 11 .. 23; ON is the
// upper half.
QRgb Upper(const QImage& img, int k) { return (img.pixel(8 * k - 2, 13) & 0xFFFFFFu) | 0xFF000000u; }
QRgb Lower(const QImage& img, int k) { return (img.pixel(8 * k - 2, 21) & 0xFFFFFFu) | 0xFF000000u; }

QImage Shown(TDIPSwitch& bank) {
  bank.grab();  // paints what is due
  return bank.Picture();
}

}  // namespace

class DipSwitchTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setrix::app::test::SetupOnce(); }

  void SizesOnScreen() {
    QWidget parent;
    TDIPSwitch s1(10, TDIPSwitch::Alignment::Deg_90, &parent);
    TDIPSwitch s3(3, TDIPSwitch::Alignment::Deg_90, &parent);
    TDIPSwitch s8(8, TDIPSwitch::Alignment::Deg_180, &parent);
    QCOMPARE(s1.size(), QSize(39, 87));
    QCOMPARE(s3.size(), QSize(39, 31));
    QCOMPARE(s8.size(), QSize(71, 39));
    QVERIFY(s1.testAttribute(Qt::WA_TransparentForMouseEvents));
  }

  void ValueShowsLeversAsTheBankDrawsThem() {
    QWidget parent;
    TDIPSwitch bank(8, TDIPSwitch::Alignment::Deg_0, &parent);
    bank.SetValue(5);  // before the first paint: shown at the first paint
    QImage img = Shown(bank);
    QCOMPARE(img.size(), QSize(71, 39));
    QCOMPARE(Upper(img, 1), kRedLever);
    QCOMPARE(Lower(img, 1), kSlot);
    QCOMPARE(Upper(img, 2), kSlot);
    QCOMPARE(Lower(img, 2), kRedLever);
    QCOMPARE(Upper(img, 3), kRedLever);

    // The widget's picture is the bank's own drawing, pixel for pixel.
    setrix::raster::Bitmap reference;
    setrix::dipswitch::TDIPSwitch core;
    core.SwitchSettings().SetValue(5);
    struct Target : setrix::dipswitch::DrawTarget {
      QImage image;
      void SetSize(int w, int h) override {
        image = QImage(w, h, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
      }
      void SetPixel(int x, int y, setrix::raster::Color c) override {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) image.setPixel(x, y, 0xFF000000u | c);
      }
    } target;
    core.Paint(target);
    QCOMPARE(img, target.image);
    core.ReleaseCanvas();
  }

  void SetSwitchFromNoSettingShowsOnlyThatSwitchUntilTheNextRepaint() {
    QWidget parent;
    TDIPSwitch bank(8, TDIPSwitch::Alignment::Deg_0, &parent);
    QImage img = Shown(bank);
    for (int k = 1; k <= 8; ++k) QCOMPARE(Lower(img, k), kSlot);  // no setting: empty slots
    bank.SetSwitch(2, true);
    QCOMPARE(bank.Value(), 2);
    img = Shown(bank);
    QCOMPARE(Upper(img, 2), kRedLever);
    QCOMPARE(Lower(img, 1), kSlot);  // the others stay empty
    QCOMPARE(Lower(img, 3), kSlot);
    bank.Repaint();
    img = Shown(bank);
    QCOMPARE(Lower(img, 1), kRedLever);  // now drawn OFF
    QCOMPARE(Upper(img, 2), kRedLever);
  }
};

QTEST_MAIN(DipSwitchTest)
#include "dip_switch_test.moc"
