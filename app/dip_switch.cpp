#include "app/dip_switch.h"

#include <algorithm>
#include <cmath>

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>

#include <QPainter>

namespace setrix::app {

// The drawing target over the widget's picture.
class TDIPSwitch::ImageTarget : public dipswitch::DrawTarget {
 public:
  explicit ImageTarget(TDIPSwitch& owner) : owner_(owner) {}

  void SetSize(int width, int height) override {
    QImage& img = owner_.image_;
    if (img.width() != width || img.height() != height) {
      img = QImage(width, height, QImage::Format_ARGB32);
      img.fill(Qt::transparent);
    }
    owner_.setFixedSize(width, height);
  }
  void SetPixel(int x, int y, dipswitch::Color c) override {
    QImage& img = owner_.image_;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    img.setPixel(x, y, 0xFF000000u | c);
  }
  void FillRect(int l, int t, int r, int b, dipswitch::Color c) override {
    QImage& img = owner_.image_;
    l = std::max(l, 0);
    t = std::max(t, 0);
    r = std::min(r, img.width());
    b = std::min(b, img.height());
    const QRgb rgb = 0xFF000000u | c;
    for (int y = t; y < b; ++y) {
      auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
      for (int x = l; x < r; ++x) line[x] = rgb;
    }
  }

 private:
  TDIPSwitch& owner_;
};

TDIPSwitch::TDIPSwitch(int count, Alignment alignment, QWidget* parent)
    : QWidget(parent),
      bank_(std::make_unique<dipswitch::TDIPSwitch>()),
      target_(std::make_unique<ImageTarget>(*this)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);  // deaf to the mouse
  dipswitch::TDIPSwitchObject& s = bank_->SwitchSettings();
  s.SetCount(count);
  s.SetAlignment(static_cast<dipswitch::TDIPAlignment>(static_cast<int>(alignment)));
  s.SetBMP_BW(true);
  s.SetValue(-1);
  const dipswitch::Size size = bank_->ScreenSize();
  setFixedSize(size.width, size.height);
  bank_->OnRepaintNeeded = [this] { Repaint(); };
  bank_->OnSwitchDrawn = [this](int) { update(); };
}

TDIPSwitch::~TDIPSwitch() {
  bank_->OnRepaintNeeded = nullptr;
  bank_->OnSwitchDrawn = nullptr;
  bank_->ReleaseCanvas();
}

void TDIPSwitch::Repaint() {
  fullDrawingDue_ = true;
  update();
}

void TDIPSwitch::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The control is painted anew whenever it comes into view again.
  Repaint();
}

void TDIPSwitch::paintEvent(QPaintEvent*) {
  if (fullDrawingDue_) {
    fullDrawingDue_ = false;
    bank_->Paint(*target_);
  }
  QPainter p(this);
  // The bank is drawn pixel by pixel at its own size. Under a zoom, the pixels are first
  // multiplied by a whole factor (edges stay hard), then fitted smoothly to the zoomed size.
  qreal scale = p.deviceTransform().m11();
  // Inside the zoomable view the painter may not carry the view's scale itself.
  if (const QGraphicsProxyWidget* proxy = window()->graphicsProxyWidget())
    if (proxy->scene() != nullptr && !proxy->scene()->views().isEmpty())
      scale = std::max(scale, proxy->scene()->views().constFirst()->transform().m11());
  scale *= devicePixelRatioF();
  const int factor = static_cast<int>(std::ceil(scale - 0.01));
  if (factor <= 1 || image_.isNull()) {
    p.drawImage(0, 0, image_);
    return;
  }
  QImage big = image_.scaled(image_.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  big.setDevicePixelRatio(factor);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(0, 0, big);
}

}  // namespace setrix::app
