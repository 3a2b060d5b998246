#include "app/dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>

#include "app/pictures.h"
#include "texts/texts.h"

namespace setrix::app {

namespace {

void CenterOn(QWidget* w, QWidget* on) {
  const QRect area = on ? on->frameGeometry() : w->screen()->availableGeometry();
  w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}

QFrame* LoweredLine(QWidget* parent, QRect r) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(r);
  return line;
}

}  // namespace

QString FullWebLink(const QString& address) {
  const QString a = address.trimmed();
  if (a.isEmpty() || a.contains(QStringLiteral("://"))) return a;
  return QStringLiteral("https://") + a;
}

// --- credits panel ----------------------------------------------------------------------

TFrm_Gag::TFrm_Gag(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("Frm_Gag"));
  setFixedSize(359, 33);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(11, 28, 49));
  pal.setColor(QPalette::WindowText, QColor(207, 232, 255));
  setPalette(pal);
  label_ = new QLabel(QStringLiteral("Software by Kestrel Softworks"), this);
  label_->setObjectName(QStringLiteral("LabelGag"));
  label_->setFont(ArialFont(24));
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignCenter);
  label_->setGeometry(0, 0, 359, 33);
}

void TFrm_Gag::ShowCentered() {
  CenterOn(this, mainWindow_);
  show();
  raise();
  activateWindow();
}

void TFrm_Gag::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
}

// --- contents box -----------------------------------------------------------------------

SeparatorLine::SeparatorLine(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::HLine);
  setFrameShadow(QFrame::Sunken);
}

void SeparatorLine::mouseDoubleClickEvent(QMouseEvent* event) {
  QFrame::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

TInhaltBox::TInhaltBox(QWidget* mainWindow, TFrm_Gag* credits) : QDialog(mainWindow), credits_(credits) {
  setObjectName(QStringLiteral("InhaltBox"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(488, 349);
  setModal(true);

  Image1 = new PictureLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, 488, 105);
  Image1->setPixmap(pictures::NameLogo(pictures::kContentsLogoSize));

  const char* names[4] = {"ImageInhaltGer", "ImageInhaltGB", "ImageInhaltItal", "ImageInhaltSpain"};
  for (int i = 0; i < 4; ++i) {
    titlePictures[static_cast<std::size_t>(i)] = new QLabel(this);
    titlePictures[static_cast<std::size_t>(i)]->setObjectName(QString::fromLatin1(names[i]));
    titlePictures[static_cast<std::size_t>(i)]->setPixmap(pictures::TitlePicture(i));
    titlePictures[static_cast<std::size_t>(i)]->hide();
  }
  ImageShow = new PictureLabel(this);
  ImageShow->setObjectName(QStringLiteral("ImageShow"));
  ImageShow->setGeometry(85, 69, 409, 27);
  ImageShow->setAttribute(Qt::WA_TranslucentBackground);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("ImageModule"));
  icon->setGeometry(16, 122, 80, 120);
  icon->setPixmap(pictures::ModuleIcon(QSize(80, 120)));

  Comments = new QLabel(this);
  Comments->setObjectName(QStringLiteral("Comments"));
  Comments->setTextFormat(Qt::PlainText);
  Comments->setWordWrap(true);
  Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Comments->setFont(ArialFont(11));
  Comments->setGeometry(115, 120, 366, 153);

  Panel1 = new SeparatorLine(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(71, 287, 410, 2);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(406, 311, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  connect(Image1, &PictureLabel::doubleClicked, this, &TInhaltBox::Image1DblClick);
  connect(Panel1, &SeparatorLine::doubleClicked, this, &TInhaltBox::Panel1DblClick);
  connect(ImageShow, &PictureLabel::doubleClicked, this, &TInhaltBox::ImageShowDblClick);
}

void TInhaltBox::Prepare(int language) {
  if (language < 0 || language > 3) language = 0;
  setWindowTitle(DisplayText(texts::Tx(texts::txContentsTitle, language)));
  ImageShow->setPixmap(titlePictures[static_cast<std::size_t>(language)]->pixmap());
  Comments->setText(DisplayText(texts::Tx(texts::txContentsHelp, language)));
}

void TInhaltBox::Open(int language) {
  Prepare(language);
  CenterOn(this, parentWidget());
  showCredits_ = false;
  exec();
  // The credits panel comes up once the box has gone, so that it keeps the activation.
  if (showCredits_ && credits_) {
    showCredits_ = false;
    credits_->ShowCentered();
  }
}

void TInhaltBox::Image1DblClick() { SpotFound(0); }
void TInhaltBox::Panel1DblClick() { SpotFound(1); }
void TInhaltBox::ImageShowDblClick() { SpotFound(2); }

void TInhaltBox::SpotFound(int spot) {
  flags_[static_cast<std::size_t>(spot)] = true;
  if (flags_[0] && flags_[1] && flags_[2]) {
    flags_ = {false, false, false};
    showCredits_ = true;
    if (isVisible()) {
      reject();
    } else if (credits_) {
      showCredits_ = false;
      credits_->ShowCentered();
    }
  }
}

// --- information box --------------------------------------------------------------------

TAboutBox::TAboutBox(QWidget* mainWindow) : QDialog(mainWindow) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Info"));
  setFixedSize(330, 292);
  setModal(true);

  AboutImage = new QLabel(this);
  AboutImage->setObjectName(QStringLiteral("AboutImage"));
  AboutImage->setGeometry(0, 0, 330, 81);
  AboutImage->setPixmap(pictures::NameLogo(pictures::kAboutLogoSize));

  ProgramIcon = new QLabel(this);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(10, 92, 96, 140);
  ProgramIcon->setPixmap(pictures::ModuleIcon(QSize(96, 140)));

  auto label = [this](const char* name, const QString& text, QPoint at) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->move(at);
    l->adjustSize();
    return l;
  };
  Version = label("Version", QStringLiteral(" Version 1.31"), {123, 84});
  Version->setFont(ArialFont(12, true));
  Version->adjustSize();
  Notice = label("Notice", QStringLiteral("\u00A9 2004\u20132024 Zantrel GmbH"), {123, 104});
  Comments = label("Comments", QString(), {123, 128});
  Comments->setWordWrap(true);
  Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Comments->setGeometry(123, 128, 174, 97);
  Label1 = label("Label1", QStringLiteral(" Internet:"), {123, 228});

  UrlLabel1 = new TUrlLabel(QString(), this);
  UrlLabel1->setObjectName(QStringLiteral("UrlLabel1"));
  UrlLabel1->move(192, 226);

  Panel1 = LoweredLine(this, QRect(112, 250, 208, 2));
  Panel1->setObjectName(QStringLiteral("Panel1"));

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(243, 263, 75, 24);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::Prepare(int language) {
  const QString address = FromUtf8(texts::Tx(texts::txMakerWebAddress));
  UrlLabel1->SetCaption(address);
  UrlLabel1->SetURL(FullWebLink(address));
  // Keep the link on the line of " Internet:" whatever the label's font.
  UrlLabel1->move(192, Label1->y() + Label1->height() - UrlLabel1->height());
  Comments->setText(DisplayText(texts::Tx(texts::txMakerAddressBlock, language)));
}

void TAboutBox::Open(int language) {
  Prepare(language);
  CenterOn(this, parentWidget());
  exec();
}

}  // namespace setrix::app
