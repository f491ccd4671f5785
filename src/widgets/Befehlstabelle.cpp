#include "widgets/Befehlstabelle.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <map>

#include "widgets/Direkthilfe.h"
#include "ui/Knopfbild.h"

namespace widgets {

void BefehleAnlegen(QObject* besitzer, const std::vector<Befehlszeile>& zeilen) {
  for (const Befehlszeile& z : zeilen) {
    if (!z.Ziel) continue;
    auto* a = new QAction(z.Text, besitzer);
    if (!z.Tipp.isEmpty()) a->setToolTip(z.Tipp);
    const QString hilfe = QString::fromUtf8(z.Hilfe ? z.Hilfe : "");
    a->setProperty("hilfe", hilfe);
    if (z.Bild) a->setIcon(ui::Knopfbild(z.Bild));
    a->setCheckable(z.Pruefbar || z.Gruppe);
    a->setEnabled(z.Aktiv);
    if (!z.Kurzwahl.isEmpty()) a->setShortcut(z.Kurzwahl);
    if (z.Daten.isValid()) a->setData(z.Daten);
    if (z.Aktion) {
      QObject::connect(a, &QAction::triggered, besitzer,
                       [hilfe, aktion = z.Aktion, immer = z.AuchImHilfemodus] {
                         if (widgets::HilfeAktiv() && !immer) {
                           if (!hilfe.isEmpty()) widgets::Hilfetext(hilfe.toStdString());
                           return;
                         }
                         aktion();
                       });
    }
    if (z.Gruppe) z.Gruppe->addAction(a);
    *z.Ziel = a;
  }
}

void MenuesAnlegen(QMenuBar* leiste, const std::vector<Befehlszeile>& zeilen) {
  leiste->clear();
  std::map<QString, QMenu*> menues;
  for (const Befehlszeile& z : zeilen) {
    if (z.Menue.isEmpty() || !z.Ziel) continue;
    const qsizetype schnitt = z.Menue.indexOf('/');
    const QString oben = schnitt < 0 ? z.Menue : z.Menue.left(schnitt);
    QMenu*& obermenue = menues[oben];
    if (!obermenue) obermenue = leiste->addMenu(oben);
    QMenu* menue = obermenue;
    if (schnitt >= 0) {
      QMenu*& unter = menues[z.Menue];
      if (!unter) {
        if (z.MenueTrenner) obermenue->addSeparator();
        unter = obermenue->addMenu(z.Menue.mid(schnitt + 1));
      } else if (z.MenueTrenner) {
        unter->addSeparator();
      }
      menue = unter;
    } else if (z.MenueTrenner) {
      menue->addSeparator();
    }
    menue->addAction(*z.Ziel);
  }
}

void WerkzeugleisteFuellen(QToolBar* leiste, const std::vector<Befehlszeile>& zeilen) {
  for (const Befehlszeile& z : zeilen) {
    const bool knopf = z.Ziel && *z.Ziel && z.Bild;
    if (!knopf && !z.Leistenelement) continue;
    if (z.Trenner != Leistentrenner::Keiner)
      leiste->addSeparator()->setEnabled(z.Trenner == Leistentrenner::Aktiv);
    if (knopf) {
      (*z.Ziel)->setToolTip(z.Tipp.isEmpty() ? z.Text : z.Tipp);
      leiste->addAction(*z.Ziel);
    } else {
      leiste->addWidget(z.Leistenelement(leiste));
    }
  }
}

Befehlszeile& BefehlszeileAnhaengen(std::vector<Befehlszeile>& zeilen, QAction*& ziel,
                                    const char* menue, const QString& text, const char* hilfe,
                                    std::function<void()> aktion) {
  Befehlszeile& z = zeilen.emplace_back();
  z.Ziel = &ziel;
  z.Menue = menue;
  z.Text = text;
  z.Hilfe = hilfe;
  z.Aktion = std::move(aktion);
  return z;
}

QToolBar* KompakteWerkzeugleisteAnlegen(QMainWindow* fenster,
                                        const std::vector<Befehlszeile>& zeilen) {
  auto* leiste = new QToolBar("Toolbar", fenster);
  leiste->setObjectName("WERKZEUGLEISTE");
  leiste->setMovable(false);
  leiste->setIconSize(QSize(16, 16));
  leiste->setStyleSheet("QToolBar { spacing: 0px; } QToolButton { padding: 0px; }");
  leiste->setToolButtonStyle(Qt::ToolButtonIconOnly);
  WerkzeugleisteFuellen(leiste, zeilen);
  fenster->addToolBar(Qt::TopToolBarArea, leiste);
  return leiste;
}

}  // namespace widgets
