#include "widgets/Editorrahmen.h"

#include <qcustomplot.h>

#include <QAction>
#include <QDoubleSpinBox>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>

#include "widgets/Direkthilfe.h"
#include "device/Companel.h"
#include "widgets/Editorhilfetexte.h"
#include "widgets/Fehlerfeldanzeige.h"
#include "widgets/Graphscrollbar.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Verbindungssymbol.h"

namespace widgets {


Editorrahmen::Editorrahmen(QMainWindow* fenster, const Editorfelder& felder, HilfeFilter& hilfe,
                           device::Verbindung& verbindung, Editorrueckrufe rueckrufe)
    : QObject(fenster),
      fenster_(fenster),
      f_(felder),
      verbindung_(verbindung),
      r_(std::move(rueckrufe)),
      grafik_(std::make_unique<Kurvengrafik>(f_.Graph, f_.GraphKlein, f_.YMax)) {
  f_.Symbol->VerbindungSetzen(&verbindung_);
  ScrollbarZeigen(f_.Scrollbar, 100, 0);
  hilfe.Anmelden(f_.Scrollbar, "");
  hilfe.Anmelden(f_.Start, kHilfeStart);
  hilfe.Anmelden(f_.Stopp, kHilfeStopp);
  for (QWidget* w : std::initializer_list<QWidget*>{f_.YZoomMin, f_.YZoomMax})
    hilfe.Anmelden(w, editorhilfe::kYZoom);
  for (QWidget* w : std::initializer_list<QWidget*>{f_.FehlerLampe, f_.FehlerNummer, f_.FehlerText})
    hilfe.Anmelden(w, kHilfeFehleranzeige);
  Verbinden();
  fenster_->installEventFilter(this);
  f_.Graph->installEventFilter(this);
}

Editorrahmen::~Editorrahmen() = default;

void Editorrahmen::Verbinden() {
  auto* bar = f_.Scrollbar;
  connect(bar, &QScrollBar::sliderMoved, this, [this] { scrollbarBewegt_ = true; });
  connect(bar, &QScrollBar::sliderReleased, this, &Editorrahmen::ScrollbarLosgelassen);
  // Clicks on the bar or its arrows move and end at once.
  connect(bar, &QScrollBar::actionTriggered, this, [this](int aktion) {
    if (aktion == QAbstractSlider::SliderMove || aktion == QAbstractSlider::SliderNoAction) return;
    scrollbarBewegt_ = true;
    ScrollbarLosgelassen();
  });
  for (QDoubleSpinBox* feld : {f_.YZoomMin, f_.YZoomMax})
    connect(feld, &QDoubleSpinBox::editingFinished, this, &Editorrahmen::YZoomUebernehmen);
  Knopf(f_.Start, [this] { verbindung_.ComFehlerSetzen(device::StartSenden(verbindung_)); });
  Knopf(f_.Stopp, [this] { verbindung_.ComFehlerSetzen(device::StoppSenden(verbindung_)); });
}

bool Editorrahmen::eventFilter(QObject* objekt, QEvent* ereignis) {
  // The drawing depends on the graph's size (point markers): draw anew once the resizing
  // has settled.
  if (objekt == f_.Graph && ereignis->type() == QEvent::Resize && !neuzeichnenGeplant_) {
    neuzeichnenGeplant_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          neuzeichnenGeplant_ = false;
          if (r_.Bereit()) r_.Zeichnen();
        },
        Qt::QueuedConnection);
  }
  // Another window may have switched direct help meanwhile.
  if (objekt == fenster_ && ereignis->type() == QEvent::Show && direkthilfe_)
    direkthilfe_->setChecked(HilfeAktiv());
  return QObject::eventFilter(objekt, ereignis);
}

int Editorrahmen::WerkzeugleisteAnlegen(const std::vector<Befehlszeile>& befehle, int fehler) {
  if (!leiste_) leiste_ = KompakteWerkzeugleisteAnlegen(fenster_, befehle);
  return leiste_ ? 0 : fehler;
}

void Editorrahmen::WerkzeugleisteEntfernen() {
  if (!leiste_) return;
  fenster_->removeToolBar(leiste_);
  delete leiste_;
  leiste_ = nullptr;
}

void Editorrahmen::FehlerfelderAbonnieren() {
  fehlerAbo_ = FehlerfelderZeigen(verbindung_, f_.FehlerLampe, f_.FehlerText, f_.FehlerNummer);
}

void Editorrahmen::Knopf(QPushButton* knopf, std::function<void()> aktion) {
  connect(knopf, &QPushButton::clicked, this, [aktion = std::move(aktion)] {
    if (!HilfeAktiv()) aktion();
  });
}

void Editorrahmen::ScrollbalkenZeigen() {
  const auto [daumen, position] = r_.Scrollbalken();
  QSignalBlocker sperre(f_.Scrollbar);
  ScrollbarZeigen(f_.Scrollbar, daumen, position);
}

void Editorrahmen::ScrollbarLosgelassen() {
  const bool bewegt = scrollbarBewegt_;
  scrollbarBewegt_ = false;
  // Help mode ignores commits: the bar goes back to the view it shows.
  if (HilfeAktiv()) {
    ScrollbalkenZeigen();
    return;
  }
  if (r_.ScrollbarLosgelassen(ScrollbarPosition(f_.Scrollbar), bewegt)) r_.Zeichnen();
}

void Editorrahmen::YZoomFelderZeigen(double feldMin, double feldMax, double genauMin,
                                     double genauMax) {
  zoomZeigen_ = true;
  f_.YZoomMin->setValue(feldMin);
  f_.YZoomMax->setValue(feldMax);
  zoomZeigen_ = false;
  yZoomMin_ = {f_.YZoomMin->value(), genauMin};
  yZoomMax_ = {f_.YZoomMax->value(), genauMax};
}

void Editorrahmen::YZoomUebernehmen() {
  if (zoomZeigen_ || HilfeAktiv()) return;
  // A field keeps only the decimals it shows; an unchanged field stands for its stored
  // limit, else truncating the rounded value would lower the limit at every commit.
  auto wert = [](const QDoubleSpinBox* feld, const ZoomFeld& f) {
    return feld->value() == f.Gezeigt ? f.Genau : feld->value();
  };
  if (r_.YZoomSetzen(wert(f_.YZoomMin, yZoomMin_), wert(f_.YZoomMax, yZoomMax_)))
    r_.Zeichnen();
  else
    r_.YZoomZeigen();
}

bool Editorrahmen::WerkzeugGewaehlt(QAction* aktion) {
  if (HilfeAktiv()) {
    widgets::Hilfetext(aktion->property("hilfe").toString().toStdString());
    // The tool stays as it was.
    if (letztesWerkzeug_)
      letztesWerkzeug_->setChecked(true);
    else
      aktion->setChecked(false);
    return false;
  }
  letztesWerkzeug_ = aktion;
  return true;
}

void Editorrahmen::DirekthilfeUmschalten() {
  DirekthilfeSchalten(!HilfeAktiv());
  if (direkthilfe_) direkthilfe_->setChecked(HilfeAktiv());
}

}  // namespace widgets
