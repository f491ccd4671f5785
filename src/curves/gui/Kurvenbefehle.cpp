// The curve window's command table: every command of its menus and its toolbar in one
// place, in the order the menus and the toolbar show them, and what the commands do.
#include <QActionGroup>
#include <QComboBox>
#include <QMenuBar>
#include <QToolBar>

#include "widgets/Direkthilfe.h"
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
#include "widgets/Editorbefehle.h"
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
    return widgets::Gemeldet([this, befehl] { return befehl(sitzung_); });
  };
  auto undo = [this] {
    Rueckgaengig(sitzung_);
    ZeichnenMitScrollbar();
  };
  auto redo = [this] {
    Wiederherstellen(sitzung_);
    ZeichnenMitScrollbar();
  };
  widgets::Befehlsbau zeile;

  // file
  auto& neu = zeile(a_.Neu, "file", "New", "Deletes all curves.", [this] { Neu(); });
  neu.Bild = "new";
  neu.Kurzwahl = QKeySequence::New;
  auto& oeffnen = zeile(a_.Oeffnen, "file", "Open curves", "Loads curves from a file.",
                        [this] { Dateibefehl(&KurvenLaden, true); });
  oeffnen.Bild = "open";
  oeffnen.Tipp = "Load curves";
  oeffnen.Kurzwahl = QKeySequence::Open;
  zeile(a_.Anhaengen, "file", "Append curves",
        "Loads curves from a file and appends them to\nexisting curves.",
        [this] { Dateibefehl(&KurvenAnhaengen, true); });
  auto& speichern = zeile(a_.Speichern, "file", "Save curves", "Saves the curve to a file.",
                          melden([](Kurvensitzung& s) { return KurvenSpeichern(s, 0); }));
  speichern.Bild = "save";
  speichern.Kurzwahl = QKeySequence::Save;
  zeile(a_.SpeichernUnter, "file", "Save curves as", "Saves the curve under a\nnew file name.",
        melden([](Kurvensitzung& s) { return KurvenSpeichern(s, 1); }));
  zeile(a_.Importieren, "file", "Import curves", "Imports the curves from text format.",
        [this] { Dateibefehl(&KurvenImportieren, false); });
  zeile(a_.Exportieren, "file", "Export curves", "Exports the curves into text format.",
        melden(&KurvenExportieren));
  zeile(a_.CsvImportieren, "file", "Import CSV\u2026",
        "Reads sampled data from a CSV file (oscilloscope,\ndata logger, spreadsheet) and shows "
        "the fewest\nlines that follow them before they replace the\ncurve or the mark.",
        [this] { CsvImportieren(); })
      .MenueTrenner = true;
  zeile(a_.BildSpeichern, "file", "Save graph as picture\u2026",
        "Saves the graph, as shown or the whole curves,\nas a PNG, SVG or PDF picture.", [this] {
          widgets::GrafikbildSpeichernBefehl(
              "Whole curves",
              [this](bool ganz, common::Grafikinhalt& i) { return GrafikBeschreiben(ganz, i); });
        });
  zeile(a_.Drucken, "file", "Print graph\u2026", "Prints the graph, as shown or the whole curves.",
        [this] {
          widgets::GrafikbildDruckenBefehl(
              this, "Whole curves",
              [this](bool ganz, common::Grafikinhalt& i) { return GrafikBeschreiben(ganz, i); });
        });
  zeile(a_.Beenden, "file", "Exit", nullptr, [this] {
    widgets::ProgrammendeAnfragen(umgebung_);
  }).MenueTrenner = true;

  // edit
  auto& aus = zeile(a_.Ausschneiden, "edit", "Cut",
                    "Deletes the marked curve section and stores it\nin the intermediate memory.",
                    [this] { Bearbeitungsbefehl(&MarkiertesAusschneiden, true); });
  aus.Bild = "cut";
  aus.Kurzwahl = QKeySequence::Cut;
  aus.Trenner = Leistentrenner::Aktiv;
  auto& kopieren = zeile(a_.Kopieren, "edit", "Copy",
                         "Copies the marked curve section\ninto the intermediate memory.",
                         melden(&MarkierteKopieren));
  kopieren.Bild = "copy";
  kopieren.Kurzwahl = QKeySequence::Copy;
  auto& ein =
      zeile(a_.Einfuegen, "edit", "Paste",
            "Inserts the curve section in the intermediate memory\ninto the curve at the mark.\nIf "
            "the marking marks one or several curve sections\nthese sections will be deleted\n",
            [this] { Bearbeitungsbefehl(&ZwischenspeicherEinfuegen, false); });
  ein.Bild = "paste";
  ein.Kurzwahl = QKeySequence::Paste;
  auto& loeschen = zeile(
      a_.Loeschen, "edit", "Delete",
      "Deletes the marked curve section.\nThe length of the total curve is changed here.", [this] {
        Bearbeitungsbefehl(
            [](Kurvensitzung& s) {
              MarkiertesEntfernen(s);
              return 0;
            },
            true);
      });
  loeschen.Bild = "del";
  loeschen.Kurzwahl = QKeySequence::Delete;
  zeile(a_.FormDialog, "edit", "Insert shape…",
        "Puts a standard shape (step, ramp, pulse train, sine, formula ...)\ninto the marked "
        "section of the current curve, or before its closing\nline when nothing is marked.",
        [this] { FormdialogOeffnen(); });
  zeile(a_.AllesMarkieren, "edit", "Select all", "Marks the complete curve.", [this] {
    AllesMarkieren(sitzung_);
    MarkierungZeichnen(*grafik_, sitzung_);
    grafik_->Neuzeichnen();
  });
  zeile(a_.Rueckgaengig, "edit", "Undo", "Undoes the last edting step.", undo).Kurzwahl =
      QKeySequence::Undo;
  zeile(a_.Wiederherstellen, "edit", "Redo", h::kWiederherstellen, redo).Kurzwahl =
      QKeySequence::Redo;
  // Undo and redo in the toolbar: dimmed apart from the menu items after a curve change.
  zeile(a_.RueckgaengigKnopf, "", "Undo", "Undoes the last edting step.", undo).Bild = "undo";
  zeile(a_.WiederherstellenKnopf, "", "Redo", h::kWiederherstellen, redo).Bild = "redo";

  // The tools: one exclusive group, whose choice WerkzeugGewaehlt handles.
  werkzeuge_ = widgets::WerkzeugeAnhaengen(
      zeile, this, a_.Werkzeuge.data(), "edit",
      {{"Select", "Select", "Mark curve section.", "mark"},
       {"Draw point", "Draw point",
        "Draws an new curve point at the end of the current curve.\nThe time base of the new "
        "curve section corresponds to\nthe time base selected in the list.",
        "stift"},
       {"Move point", "Move point",
        "Shifts an existing curve point.\nA point can only be shifted within the previous and "
        "next\nstraight line, and only in steps that correspond to the larger\ntime grid of the "
        "neighboring straight lines.",
        "verschieben"},
       {"Chance point coordinates", "Show/change coordinates of point", h::kPunktdialog,
        "punktinfo"},
       {"Show timebases", "Show coordinates and timebase",
        "If the mouse pointer is moved over the curve graphic with\npressed left mouse button the "
        "coordinates and the time base\nare shown at the mouse position.\nAt the same time lines "
        "are drawn in the curve graphic indicating\nthe transition area from one time base to "
        "the other.",
        "xyzeigen"},
       {"Ripup point", "Delete point",
        "Deletes a curve point.\nThe total length of the curve remains unchanged.", "punktdel"},
       {"Divide line", "Divide straight line", h::kTeilen, "geradeteilen"},
       {"Change timebase", "Change timebase",
        "For the curve section that you click with the mouse\na new time base can be "
        "selected.\nThe length of the straight line is not changed (except\nlast straight "
        "section).\nThe new time base must be an integer factor of the\nline length (except the "
        "last straight section).",
        "zeitbasis"},
       {"Changes length of line", "Change length of line",
        "Changes the length of a straight line without changing its time base.\nThe length of "
        "the total curve is changed here.",
        "geradenlaenge"}});
  // The measuring cursors, a tool of the same group.
  auto& cursor =
      zeile(a_.Cursorwerkzeug, "edit", "Cursors",
            "Places two cursors on the curve graph and reads\nthe output at each, their distance, "
            "frequency,\nlevel difference and slope.\nClick to place or grab a cursor, drag it or "
            "move\nthe chosen one with the arrow keys; with Shift\nit snaps to the points.",
            {});
  cursor.Tipp = "Measure with two cursors";
  cursor.Gruppe = werkzeuge_;
  cursor.Daten = static_cast<int>(Werkzeug::Cursor);
  // The time base of new points, right of the tools.
  zeile.Zeilen.emplace_back().Leistenelement = [this](QToolBar* leiste) {
    zeitbasisliste_ = new QComboBox(leiste);
    zeitbasisliste_->setObjectName("ZEITBASISLISTE");
    zeitbasisliste_->setToolTip("Timebase");
    ZeitbasenFuellen(zeitbasisliste_);
    zeitbasisliste_->setCurrentIndex(0);
    zeitbasisliste_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    hilfe_->Anmelden(
        zeitbasisliste_,
        "The time base used to create a new point.\nSmaller time bases allow faster signal "
        "changes, and\ninclined straight lines have a finer resolution.\nLarger time bases allow "
        "signal characteristics\nover long periods.");
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
  zeile(a_.ZoomVoll, "view", "Zoom full",
        "Enlarges or reduces the graphic so the currently\nactive curve fits into the graphic "
        "window.",
        [this] { Zoom(&ZoomVoll); })
      .Bild = "zoomvoll";

  auto& tabelle = zeile(a_.PunkttabelleZeigen, "view", "Point table",
                        "Shows or hides the table of the current curve's points\nbeside the graph.",
                        [this] { punkttabelle_->setVisible(a_.PunkttabelleZeigen->isChecked()); });
  tabelle.Pruefbar = true;

  // Display types in the view menu, and the inactive toolbar radio buttons that follow them.
  static const char* const kTypnamen[3] = {"Lines + Steps", "Lines", "Steps"};
  static const char* const kTyptipps[3] = {"Show curves as lines + steps", "Show curves as lines",
                                           "show curves as steps"};
  static const int kTypwerte[3] = {kDarstellungBeide, kDarstellungLinien, kDarstellungStufen};
  const auto waehlen = [this](int wert) { DarstellungGewaehlt(wert); };
  auto* typgruppe = widgets::DarstellungenAnhaengen(
      zeile, this, a_.Darstellung.data(), "view/Display types of curves", kTypnamen, kTypwerte,
      waehlen, [](Befehlszeile& m, int i) { m.MenueTrenner = i == 0; });

  // The curve buttons of the toolbar.
  auto* kurvengruppe = new QActionGroup(this);
  for (int n = 1; n <= 4; ++n) {
    static const char* const kBilder[4] = {"k1", "k2", "k3", "k4"};
    auto& k = zeile(a_.KurveWaehlen[n - 1], "", QString("Edit curve %1").arg(n),
                    "Selects a curve for editing.", [this, n] { KurveWaehlen(n); });
    k.Bild = kBilder[n - 1];
    k.Gruppe = kurvengruppe;
    k.Aktiv = false;
    if (n == 1) k.Trenner = Leistentrenner::Gedimmt;
  }
  for (int n = 1; n <= 4; ++n) {
    auto& b = zeile(a_.Hintergrund[n - 1], "", QString("Curve %1 in background").arg(n),
                    "Selects the curves (except the current curve)\nto be displayed in the graphic "
                    "background.",
                    [] {});
    b.Bild = "leer";
    b.Pruefbar = true;
    b.Aktiv = false;
    if (n == 1) b.Trenner = Leistentrenner::Gedimmt;
  }
  auto* knopfgruppe =
      widgets::DarstellungenAnhaengen(zeile, this, a_.DarstellungKnopf.data(), "", kTypnamen,
                                      kTypwerte, waehlen, [](Befehlszeile& k, int i) {
                                        k.Tipp = kTyptipps[i];
                                        k.Bild = "leer";
                                        k.Aktiv = false;
                                        if (i == 0) k.Trenner = Leistentrenner::Gedimmt;
                                      });

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
  widgets::DirekthilfeAnhaengen(zeile, a_.Direkthilfe, "help", "Direct help", *rahmen_);

  // Help mode must not move the check mark of a display type or a curve.
  for (auto* gruppe : {typgruppe, knopfgruppe})
    connect(gruppe, &QActionGroup::triggered, this, [this] {
      if (widgets::HilfeAktiv()) DarstellungSetzen(darstellung_);
    });
  connect(kurvengruppe, &QActionGroup::triggered, this, [this] {
    if (widgets::HilfeAktiv()) a_.KurveWaehlen[sitzung_.gKurven.AktuelleKurve]->setChecked(true);
  });
  return zeile.Zeilen;
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
  KurvenpanelZeichnen();  // marks what the device holds otherwise
}

void Kurvenpanel::Lesen(int typ) {
  GeraetefehlerMelden(KurvenLesen(sitzung_, Verbindung(), typ));
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
