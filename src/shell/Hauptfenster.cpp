#include "shell/Hauptfenster.h"

#include <QCloseEvent>
#include <QResizeEvent>

#include "ui_MAINPANEL.h"
#include "widgets/Hilfefilter.h"

namespace shell {

namespace {
constexpr int kChildOben = 17;
constexpr int kChildLinks = 1;
}  // namespace

Hauptfenster::Hauptfenster(QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::MAINPANEL>()),
      hilfe_(new widgets::HilfeFilter(this)) {
  ui_->setupUi(this);
  QFont titel = ui_->TITEL->font();
  titel.setPointSize(titel.pointSize() + 12);
  titel.setBold(true);
  ui_->TITEL->setFont(titel);
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::ZeigeChildpanel(QWidget* panel) {
  if (aktuell_ != nullptr) {
    aktuell_->removeEventFilter(this);
    aktuell_->hide();
    aktuell_ = nullptr;
    MainbuttonsDimmen(false);
  }
  if (panel == nullptr) {
    TitelZeigen();
    return;
  }
  MainbuttonsDimmen(true);
  panel->move(kChildLinks, kChildOben);
  aktuell_ = panel;
  ChildGroesseAnpassen();
  panel->show();
  panel->raise();
  // The child has no title bar of its own: its title (the curve file's name) shows in ours.
  panel->installEventFilter(this);
  TitelZeigen();
}

void Hauptfenster::TitelZeigen() {
  if (grundtitel_.isNull()) grundtitel_ = windowTitle();
  const QString kind = aktuell_ ? aktuell_->windowTitle() : QString();
  setWindowTitle(kind.isEmpty() ? grundtitel_ : grundtitel_ + " - " + kind);
}

bool Hauptfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == aktuell_ && ereignis->type() == QEvent::WindowTitleChange) TitelZeigen();
  return QWidget::eventFilter(objekt, ereignis);
}

void Hauptfenster::MainbuttonsDimmen(bool an) {
  auto& u = *ui_;
  for (QWidget* b : {u.COM, u.KONFIG, u.DIREKT, u.KURVEN, u.KENNLINIE, u.INFO, u.ENDE})
    b->setEnabled(!an);
}

void Hauptfenster::PanelgroesseAendern(int init) {
  if (init != 0) {
    referenz_ = size();
    return;
  }
  if (referenz_.isEmpty()) return;
  const double w0 = referenz_.width();
  const double h0 = referenz_.height();
  const double rx = width() / w0;
  const double ry = height() / h0;
  double s;
  QSize neu = size();
  if (ry < rx) {
    s = ry;
    neu.setWidth(static_cast<int>(w0 * s + 0.5));
  } else {
    s = rx;
    neu.setHeight(static_cast<int>(h0 * s + 0.5));
  }
  if (s < 1.0) neu = referenz_;
  if (neu != size()) {
    imAnpassen_ = true;
    resize(neu);
    imAnpassen_ = false;
  }
}

void Hauptfenster::ChildGroesseAnpassen() {
  if (aktuell_ == nullptr) return;
  aktuell_->resize(width() - kChildLinks - 1, height() - kChildOben - 1);
}

void Hauptfenster::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!imAnpassen_) PanelgroesseAendern(0);
  ChildGroesseAnpassen();
}

void Hauptfenster::closeEvent(QCloseEvent* event) {
  // The window stays; the shell quits the event loop when every editor agrees.
  event->ignore();
  if (schliessenAngefragt) schliessenAngefragt();
}

}  // namespace shell
