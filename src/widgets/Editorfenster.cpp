#include "widgets/Editorfenster.h"

#include <QActionGroup>
#include <QMenuBar>

#include "device/Fehler.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Hinweiszeile.h"

namespace widgets {

Editorfenster::Editorfenster(QWidget* parent, const Fensterumgebung& umgebung)
    : QMainWindow(parent), umgebung_(umgebung), hilfe_(new HilfeFilter(this)) {}

void Editorfenster::RahmenAnlegen(const Editorfelder& felder, Editorrueckrufe rueckrufe,
                                  common::Meldeliste<>& neuskalierungen) {
  neuskalierungAbo_ = neuskalierungen.Abonnieren([bereit = rueckrufe.Bereit,
                                                  zeichnen = rueckrufe.Zeichnen] {
    if (bereit()) zeichnen();
  });
  rahmen_ = new Editorrahmen(this, felder, *hilfe_, Verbindung(), std::move(rueckrufe));
  grafik_ = &rahmen_->Grafik();
}

QToolBar* Editorfenster::Werkzeugleiste() const {
  return rahmen_->Werkzeugleiste();
}

void Editorfenster::BefehleAnlegen(std::vector<Befehlszeile> befehle, QAction* direkthilfe) {
  befehle_ = std::move(befehle);
  widgets::BefehleAnlegen(this, befehle_);
  MenuesAnlegen(menuBar(), befehle_);
  connect(werkzeuge_, &QActionGroup::triggered, this,
          [this](QAction* aktion) { WerkzeugGewaehlt(aktion); });
  rahmen_->DirekthilfeAktionSetzen(direkthilfe);
}

int Editorfenster::Werkzeugnummer() const {
  QAction* a = werkzeuge_->checkedAction();
  return a ? a->data().toInt() : -1;
}

int Editorfenster::WerkzeugleisteAnlegen(int fehler) {
  return rahmen_->WerkzeugleisteAnlegen(befehle_, fehler);
}

void Editorfenster::TitelAbonnieren(common::Meldeliste<const std::string&>& titel,
                                    const std::string& jetzt) {
  const auto zeigen = [this](const std::string& t) { setWindowTitle(QString::fromLatin1(t)); };
  titelAbo_ = titel.Abonnieren(zeigen);
  zeigen(jetzt);
}

void Editorfenster::MeldungenAbonnieren() {
  rahmen_->FehlerfelderAbonnieren();
  hinweisAbo_ = HinweiseZeigen(Verbindung(), this);
}

void Editorfenster::Knopf(QPushButton* knopf, std::function<void()> aktion) {
  rahmen_->Knopf(knopf, std::move(aktion));
}

void Editorfenster::GeraetefehlerMelden(int fehler) {
  if (fehler && !Verbindung().InFehlerfeldern(fehler)) device::ZOR_Fehlerpopup(fehler);
}

}  // namespace widgets
