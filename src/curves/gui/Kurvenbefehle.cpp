// The curve window's command table: every command of its menus and its toolbar in one
// place, in the order the menus and the toolbar show them, and what the commands do.
#include <QActionGroup>
#include <QComboBox>
#include <QMenuBar>
#include <QToolBar>

#include "common/Direkthilfe.h"
#include "curves/edit/Ansicht.h"
#include "curves/edit/BearbeitenMarkierung.h"
#include "curves/edit/Markierung.h"
#include "curves/files/KurvendateiMenue.h"
#include "curves/gui/Formdialog.h"
#include "curves/gui/Kurvenhilfetexte.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/gui/Kurvenzeichnung.h"
#include "curves/gui/Punkttabelle.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Rueckgaengig.h"
#include "curves/model/Titel.h"
#include "curves/transfer/Kurventransfer.h"
#include "device/Fehler.h"
#include "ui_KURVENPNL.h"
#include "widgets/Editorrahmen.h"
#include "widgets/Grafikbildbefehle.h"
#include "widgets/Hilfefilter.h"
#include "widgets/Navigation.h"

namespace curves::gui {

namespace h = hilfe;
using widgets::Befehlszeile;
using widgets::Leistentrenner;

void ZeitbasenFuellen(QComboBox* box) {
  box->clear();
  for (int code : kZeitbasisListe) box->addItem(QString::fromLatin1(ZeitbasisName(code)), code);
}

std::vector<Befehlszeile> Kurvenpanel::Befehlstabelle() {
  auto melden = [this](int (*befehl)(Kurvensitzung&)) {
    return [this, befehl] {
      if (int fehler = befehl(sitzung_)) device::ZOR_Fehlerpopup(fehler);
    };
  };
  auto undo = [this] {
    Rueckgaengig(sitzung_);
    ZeichnenMitScrollbar();
  };
  auto redo = [this] {
    Wiederherstellen(sitzung_);
    ZeichnenMitScrollbar();
  };
  std::vector<Befehlszeile> t;
  auto zeile = [&t](QAction*& ziel, const char* menue, const QString& text, const char* hilfe,
                    std::function<void()> aktion) -> Befehlszeile& {
    return widgets::BefehlszeileAnhaengen(t, ziel, menue, text, hilfe, std::move(aktion));
  };

  // file
  auto& neu = zeile(a_.Neu, "file", "New", h::kNeu, [this] { Neu(); });
  neu.Bild = "new";
  neu.Kurzwahl = QKeySequence::New;
  auto& oeffnen = zeile(a_.Oeffnen, "file", "Open curves", h::kOeffnen,
                        [this] { Dateibefehl(&KurvenLaden, true); });
  oeffnen.Bild = "open";
  oeffnen.Tipp = "Load curves";
  oeffnen.Kurzwahl = QKeySequence::Open;
  zeile(a_.Anhaengen, "file", "Append curves", h::kAnhaengen,
        [this] { Dateibefehl(&KurvenAnhaengen, true); });
  auto& speichern = zeile(a_.Speichern, "file", "Save curves", h::kSpeichern,
                          melden([](Kurvensitzung& s) { return KurvenSpeichern(s, 0); }));
  speichern.Bild = "save";
  speichern.Kurzwahl = QKeySequence::Save;
  zeile(a_.SpeichernUnter, "file", "Save curves as", h::kSpeichernUnter,
        melden([](Kurvensitzung& s) { return KurvenSpeichern(s, 1); }));
  zeile(a_.Importieren, "file", "Import curves", h::kImportieren,
        [this] { Dateibefehl(&KurvenImportieren, false); });
  zeile(a_.Exportieren, "file", "Export curves", h::kExportieren, melden(&KurvenExportieren));
  zeile(a_.CsvImportieren, "file", "Import CSV\u2026", h::kCsvImportieren, [this] {
    CsvImportieren();
  }).MenueTrenner = true;
  zeile(a_.BildSpeichern, "file", "Save graph as picture\u2026", h::kBildSpeichern, [this] {
    widgets::GrafikbildSpeichernBefehl("Whole curves", [this](bool ganz, common::Grafikinhalt& i) {
      return GrafikBeschreiben(ganz, i);
    });
  });
  zeile(a_.Drucken, "file", "Print graph\u2026", h::kDrucken, [this] {
    widgets::GrafikbildDruckenBefehl(
        this, "Whole curves",
        [this](bool ganz, common::Grafikinhalt& i) { return GrafikBeschreiben(ganz, i); });
  });
  zeile(a_.Beenden, "file", "Exit", nullptr, [this] {
    widgets::ProgrammendeAnfragen(umgebung_);
  }).MenueTrenner = true;

  // edit
  auto& aus = zeile(a_.Ausschneiden, "edit", "Cut", h::kAusschneiden,
                    [this] { Bearbeitungsbefehl(&MarkiertesAusschneiden, true); });
  aus.Bild = "cut";
  aus.Kurzwahl = QKeySequence::Cut;
  aus.Trenner = Leistentrenner::Aktiv;
  auto& kopieren = zeile(a_.Kopieren, "edit", "Copy", h::kKopieren, melden(&MarkierteKopieren));
  kopieren.Bild = "copy";
  kopieren.Kurzwahl = QKeySequence::Copy;
  auto& ein = zeile(a_.Einfuegen, "edit", "Paste", h::kEinfuegen,
                    [this] { Bearbeitungsbefehl(&ZwischenspeicherEinfuegen, false); });
  ein.Bild = "paste";
  ein.Kurzwahl = QKeySequence::Paste;
  auto& loeschen = zeile(a_.Loeschen, "edit", "Delete", h::kLoeschen, [this] {
    Bearbeitungsbefehl(
        [](Kurvensitzung& s) {
          MarkiertesEntfernen(s);
          return 0;
        },
        true);
  });
  loeschen.Bild = "del";
  loeschen.Kurzwahl = QKeySequence::Delete;
  zeile(a_.FormDialog, "edit", "Insert shape…", h::kFormEinfuegen, [this] { FormdialogOeffnen(); });
  zeile(a_.AllesMarkieren, "edit", "Select all", h::kAllesMarkieren, [this] {
    AllesMarkieren(sitzung_);
    MarkierungZeichnen(*grafik_, sitzung_);
    grafik_->Neuzeichnen();
  });
  zeile(a_.Rueckgaengig, "edit", "Undo", h::kRueckgaengig, undo).Kurzwahl = QKeySequence::Undo;
  zeile(a_.Wiederherstellen, "edit", "Redo", h::kWiederherstellen, redo).Kurzwahl =
      QKeySequence::Redo;
  // Undo and redo in the toolbar: dimmed apart from the menu items after a curve change.
  zeile(a_.RueckgaengigKnopf, "", "Undo", h::kRueckgaengig, undo).Bild = "undo";
  zeile(a_.WiederherstellenKnopf, "", "Redo", h::kWiederherstellen, redo).Bild = "redo";

  // The tools: one exclusive group, whose choice WerkzeugGewaehlt handles.
  struct Werkzeugzeile {
    const char *Text, *Tipp, *Hilfe, *Bild;
  };
  static const Werkzeugzeile kWerkzeuge[9] = {
      {"Select", "Select", h::kMarkieren, "mark"},
      {"Draw point", "Draw point", h::kZeichnen, "stift"},
      {"Move point", "Move point", h::kVerschieben, "verschieben"},
      {"Chance point coordinates", "Show/change coordinates of point", h::kPunktdialog,
       "punktinfo"},
      {"Show timebases", "Show coordinates and timebase", h::kKoordinaten, "xyzeigen"},
      {"Ripup point", "Delete point", h::kPunktLoeschen, "punktdel"},
      {"Divide line", "Divide straight line", h::kTeilen, "geradeteilen"},
      {"Change timebase", "Change timebase", h::kZeitbasis, "zeitbasis"},
      {"Changes length of line", "Change length of line", h::kLaenge, "geradenlaenge"}};
  werkzeuge_ = new QActionGroup(this);
  werkzeuge_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (int i = 0; i < 9; ++i) {
    auto& w = zeile(a_.Werkzeuge[i], "edit", kWerkzeuge[i].Text, kWerkzeuge[i].Hilfe, {});
    w.Tipp = kWerkzeuge[i].Tipp;
    w.Bild = kWerkzeuge[i].Bild;
    w.Gruppe = werkzeuge_;
    w.Daten = i;
    if (i == 0) {
      w.MenueTrenner = true;
      w.Trenner = Leistentrenner::Aktiv;
    }
  }
  // The measuring cursors, a tool of the same group.
  auto& cursor = zeile(a_.Cursorwerkzeug, "edit", "Cursors", h::kCursor, {});
  cursor.Tipp = "Measure with two cursors";
  cursor.Gruppe = werkzeuge_;
  cursor.Daten = static_cast<int>(Werkzeug::Cursor);
  // The time base of new points, right of the tools.
  t.push_back({});
  t.back().Leistenelement = [this](QToolBar* leiste) {
    zeitbasisliste_ = new QComboBox(leiste);
    zeitbasisliste_->setObjectName("ZEITBASISLISTE");
    zeitbasisliste_->setToolTip("Timebase");
    ZeitbasenFuellen(zeitbasisliste_);
    zeitbasisliste_->setCurrentIndex(0);
    zeitbasisliste_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    hilfe_->Anmelden(zeitbasisliste_, h::kZeitbasisliste);
    return zeitbasisliste_;
  };

  // view
  auto& plus = zeile(a_.ZoomPlus, "view", "Zoom +", h::kZoomPlus, [this] { Zoom(&ZoomPlus); });
  plus.Bild = "zoomplus";
  plus.Trenner = Leistentrenner::Aktiv;
  zeile(a_.ZoomMinus, "view", "Zoom -", h::kZoomMinus, [this] { Zoom(&ZoomMinus); }).Bild =
      "zoomminus";
  auto& zoomMarke = zeile(a_.ZoomMarkierung, "view", "Zoom to selection", h::kZoomMarkierung,
                          [this] { Zoom([](Kurvensitzung& s) { ZoomAufMarkierung(s); }); });
  zoomMarke.Bild = "zoommark";
  zoomMarke.Tipp = "Zoom selection";
  zeile(a_.ZoomVoll, "view", "Zoom full", h::kZoomVoll, [this] { Zoom(&ZoomVoll); }).Bild =
      "zoomvoll";

  auto& tabelle = zeile(a_.PunkttabelleZeigen, "view", "Point table", h::kPunkttabelle,
                        [this] { punkttabelle_->setVisible(a_.PunkttabelleZeigen->isChecked()); });
  tabelle.Pruefbar = true;

  // Display types in the view menu, and the inactive toolbar radio buttons that follow them.
  static const char* const kTypnamen[3] = {"Lines + Steps", "Lines", "Steps"};
  static const char* const kTyptipps[3] = {"Show curves as lines + steps", "Show curves as lines",
                                           "show curves as steps"};
  static const int kTypwerte[3] = {kDarstellungBeide, kDarstellungLinien, kDarstellungStufen};
  auto* typgruppe = new QActionGroup(this);
  auto* knopfgruppe = new QActionGroup(this);
  for (int i = 0; i < 3; ++i) {
    const int wert = kTypwerte[i];
    auto& m = zeile(a_.Darstellung[i], "view/Display types of curves", kTypnamen[i],
                    h::kDarstellung, [this, wert] { DarstellungGewaehlt(wert); });
    m.Gruppe = typgruppe;
    m.Daten = wert;
    m.MenueTrenner = i == 0;
  }

  // The curve buttons of the toolbar.
  auto* kurvengruppe = new QActionGroup(this);
  for (int n = 1; n <= 4; ++n) {
    static const char* const kBilder[4] = {"k1", "k2", "k3", "k4"};
    auto& k = zeile(a_.KurveWaehlen[n - 1], "", QString("Edit curve %1").arg(n), h::kKurveWaehlen,
                    [this, n] { KurveWaehlen(n); });
    k.Bild = kBilder[n - 1];
    k.Gruppe = kurvengruppe;
    k.Aktiv = false;
    if (n == 1) k.Trenner = Leistentrenner::Gedimmt;
  }
  for (int n = 1; n <= 4; ++n) {
    auto& b = zeile(a_.Hintergrund[n - 1], "", QString("Curve %1 in background").arg(n),
                    h::kHintergrund, [] {});
    b.Bild = "leer";
    b.Pruefbar = true;
    b.Aktiv = false;
    if (n == 1) b.Trenner = Leistentrenner::Gedimmt;
  }
  for (int i = 0; i < 3; ++i) {
    const int wert = kTypwerte[i];
    auto& k = zeile(a_.DarstellungKnopf[i], "", kTypnamen[i], h::kDarstellung,
                    [this, wert] { DarstellungGewaehlt(wert); });
    k.Tipp = kTyptipps[i];
    k.Bild = "leer";
    k.Gruppe = knopfgruppe;
    k.Aktiv = false;
    k.Daten = wert;
    if (i == 0) k.Trenner = Leistentrenner::Gedimmt;
  }

  // windows
  using widgets::Fenster;
  auto zeige = [this](Fenster f) { return [this, f] { widgets::FensterZeigen(umgebung_, f); }; };
  // The windows this build hides only when every window is offered.
  const bool alle = widgets::AlleFensterAngeboten(umgebung_);
  zeile(a_.Hauptfenster, "windows", "Main window", nullptr, zeige(Fenster::Haupt));
  zeile(a_.ComFenster, "windows", "COM settings", nullptr, zeige(Fenster::Com));
  if (alle) {
    zeile(a_.Konfigfenster, "windows", "Configuration", nullptr, zeige(Fenster::Konfig));
    zeile(a_.Direktfenster, "windows", "Direct in-/output", nullptr, zeige(Fenster::Direkt));
  }
  zeile(a_.Kurvenfenster, "windows", "Curve generator", nullptr, zeige(Fenster::Kurven));
  if (alle) {
    zeile(a_.Kennlinienfenster, "windows", "characteristics controller", nullptr,
          zeige(Fenster::Kennlinie));
    zeile(a_.Leitungslogfenster, "windows", "Line log", nullptr, zeige(Fenster::Leitungslog));
  }

  // help
  auto& direkthilfe = zeile(a_.Direkthilfe, "help", "Direct help", nullptr,
                            [this] { rahmen_->DirekthilfeUmschalten(); });
  direkthilfe.Tipp = "Direct help mode";
  direkthilfe.Bild = "help";
  direkthilfe.Pruefbar = true;
  direkthilfe.AuchImHilfemodus = true;
  direkthilfe.Trenner = Leistentrenner::Aktiv;

  // Help mode must not move the check mark of a display type or a curve.
  for (auto* gruppe : {typgruppe, knopfgruppe})
    connect(gruppe, &QActionGroup::triggered, this, [this] {
      if (common::gHilfeAktiv) DarstellungSetzen(darstellung_);
    });
  connect(kurvengruppe, &QActionGroup::triggered, this, [this] {
    if (common::gHilfeAktiv) a_.KurveWaehlen[sitzung_.gKurven.AktuelleKurve]->setChecked(true);
  });
  return t;
}

// ---- What the commands do ----

void Kurvenpanel::Neu() {
  if (AbbruchWeilKurvenNichtGespeichert(sitzung_)) return;
  if (int fehler = KurvenNeu(sitzung_)) device::ZOR_Fehlerpopup(fehler);
  ui_->KOMMENTARVORSCHAU->clear();
  SichtZuruecksetzen(sitzung_);
  ZeichnenMitScrollbar();
}

void Kurvenpanel::Dateibefehl(int (*befehl)(Kurvensitzung&), bool ganzeKurve) {
  if (int fehler = befehl(sitzung_)) device::ZOR_Fehlerpopup(fehler);
  if (ganzeKurve) {
    VorschauAnzeigen();
    ZoomVoll(sitzung_);
    ScrollbalkenZeigen();
  }
  KurvenpanelZeichnen();
}

void Kurvenpanel::Bearbeitungsbefehl(int (*befehl)(Kurvensitzung&), bool markeAus) {
  const int fehler = befehl(sitzung_);
  if (markeAus) MarkierungAufheben(sitzung_);
  if (fehler) device::ZOR_Fehlerpopup(fehler);
  ZeichnenMitScrollbar();
}

void Kurvenpanel::Zoom(void (*zoom)(Kurvensitzung&)) {
  zoom(sitzung_);
  ZeichnenMitScrollbar();
}

void Kurvenpanel::Senden(int typ) {
  if (KurvenlaengenPruefen(sitzung_) != 0) return;
  KurvenSenden(sitzung_, Verbindung(), typ);
}

void Kurvenpanel::Lesen(int typ) {
  const int fehler = KurvenLesen(sitzung_, Verbindung(), typ);
  if (fehler && !Verbindung().InFehlerfeldern(fehler)) device::ZOR_Fehlerpopup(fehler);
  Fenstertitel(sitzung_, "");
  VorschauAnzeigen();
  ZoomVoll(sitzung_);
  ZeichnenMitScrollbar();
}

void Kurvenpanel::FormdialogOeffnen() {
  Formdialog dialog(this, *grafik_, sitzung_);
  if (dialog.Ausfuehren()) ZeichnenMitScrollbar();
}

}  // namespace curves::gui
