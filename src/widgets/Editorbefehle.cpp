#include "widgets/Editorbefehle.h"

#include <QActionGroup>

#include "device/Fehler.h"
#include "widgets/Editorhilfetexte.h"
#include "widgets/Editorrahmen.h"

namespace widgets {

Befehlszeile& Befehlsbau::operator()(QAction*& ziel, const char* menue, const QString& text,
                                     const char* hilfe, std::function<void()> aktion) {
  return BefehlszeileAnhaengen(Zeilen, ziel, menue, text, hilfe, std::move(aktion));
}

std::function<void()> Gemeldet(std::function<int()> befehl) {
  return [befehl = std::move(befehl)] {
    if (int fehler = befehl()) device::ZOR_Fehlerpopup(fehler);
  };
}

QActionGroup* WerkzeugeAnhaengen(Befehlsbau& zeile, QObject* besitzer, QAction** ziele,
                                 const char* menue, std::initializer_list<Werkzeugzeile> tools) {
  auto* gruppe = new QActionGroup(besitzer);
  gruppe->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  int i = 0;
  for (const Werkzeugzeile& w : tools) {
    auto& z = zeile(ziele[i], menue, QString::fromUtf8(w.Text), w.Hilfe, {});
    z.Tipp = w.Tipp;
    z.Bild = w.Bild;
    z.Gruppe = gruppe;
    z.Daten = i;
    if (i == 0) {
      z.MenueTrenner = true;
      z.Trenner = Leistentrenner::Aktiv;
    }
    ++i;
  }
  return gruppe;
}

QActionGroup* DarstellungenAnhaengen(Befehlsbau& zeile, QObject* besitzer, QAction** ziele,
                                     const char* menue, const char* const (&namen)[3],
                                     const int (&werte)[3], const std::function<void(int)>& waehlen,
                                     const std::function<void(Befehlszeile&, int)>& anpassen) {
  auto* gruppe = new QActionGroup(besitzer);
  for (int i = 0; i < 3; ++i) {
    const int wert = werte[i];
    auto& z = zeile(ziele[i], menue, namen[i], editorhilfe::kDarstellung,
                    [waehlen, wert] { waehlen(wert); });
    z.Gruppe = gruppe;
    z.Daten = wert;
    anpassen(z, i);
  }
  return gruppe;
}

Befehlszeile& DirekthilfeAnhaengen(Befehlsbau& zeile, QAction*& ziel, const char* menue,
                                   const char* text, Editorrahmen& rahmen) {
  auto& z = zeile(ziel, menue, text, nullptr, [&rahmen] { rahmen.DirekthilfeUmschalten(); });
  z.Tipp = "Direct help mode";
  z.Bild = "help";
  z.Pruefbar = true;
  z.AuchImHilfemodus = true;
  z.Trenner = Leistentrenner::Aktiv;
  return z;
}

}  // namespace widgets
