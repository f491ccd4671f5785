// The characteristic window's command table: every command of its menus and its toolbar in
// one place, in the order the menus and the toolbar show them.
#include <QActionGroup>

#include "characteristic/edit/KennlAnsicht.h"
#include "characteristic/edit/KennlMarkierung.h"
#include "characteristic/files/KennlDateiMenue.h"
#include "characteristic/gui/Kennlbild.h"
#include "characteristic/gui/Kennlfunktionsdialog.h"
#include "characteristic/gui/Kennlhilfetexte.h"
#include "characteristic/gui/Kennlinienpanel.h"
#include "characteristic/gui/Kennlzeichnung.h"
#include "characteristic/model/KennlRueckgaengig.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "widgets/Direkthilfe.h"
#include "widgets/Cursorpaar.h"
#include "widgets/Editorbefehle.h"
#include "widgets/Editorrahmen.h"
#include "widgets/Grafikbildbefehle.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Navigation.h"

namespace characteristic::gui {

namespace h = hilfe;
using widgets::Befehlszeile;
using widgets::Leistentrenner;

std::vector<Befehlszeile> Kennlinienpanel::Befehlstabelle() {
  using widgets::Gemeldet;
  widgets::Befehlsbau zeile;

  // Datei
  auto& neu = zeile(a_.Neu, "Datei", "Neu", "Deletes the characteristic curve.", [this] { Neu(); });
  neu.Bild = "new";
  neu.Tipp = "New";
  auto& laden =
      zeile(a_.Laden, "Datei", "Kennlinie laden", "Loads a characteristic curve from a file.",
            [this] { Dateibefehl(&KennlinieLaden, true); });
  laden.Bild = "open";
  laden.Tipp = "Load characteristic curve";
  auto& speichern = zeile(a_.Speichern, "Datei", "Kennlinie speichern",
                          "Saves the characteristic curve to a file.",
                          Gemeldet([this] { return KennlinieSpeichern(sitzung_, 0); }));
  speichern.Bild = "save";
  speichern.Tipp = "Save characteristic curve";
  zeile(a_.SpeichernUnter, "Datei", "Kennlinie speichern unter",
        "Saves the characteristic curve under a\nnew file name.",
        Gemeldet([this] { return KennlinieSpeichern(sitzung_, 1); }));
  zeile(a_.Importieren, "Datei", "Kennlinie importieren",
        "Imports the characteristic curve from text format.",
        [this] { Dateibefehl(&KennlinieImportieren, false); });
  zeile(a_.Exportieren, "Datei", "Kennlinie exportieren",
        "Exports the characteristic curve into text format.",
        Gemeldet([this] { return KennlinieExportieren(sitzung_); }));
  zeile(a_.BildSpeichern, "Datei", "Grafik als Bild speichern\u2026", nullptr, [this] {
    widgets::GrafikbildSpeichernBefehl("Whole characteristic",
                                       [this](bool ganz, common::Grafikinhalt& i) {
                                         return KennlGrafikBeschreiben(sitzung_, ganz, i);
                                       });
  }).MenueTrenner = true;
  zeile(a_.Drucken, "Datei", "Grafik drucken\u2026", nullptr, [this] {
    widgets::GrafikbildDruckenBefehl(this, "Whole characteristic",
                                     [this](bool ganz, common::Grafikinhalt& i) {
                                       return KennlGrafikBeschreiben(sitzung_, ganz, i);
                                     });
  });
  zeile(a_.Beenden, "Datei", "Beenden", nullptr, [this] {
    widgets::ProgrammendeAnfragen(umgebung_);
  }).MenueTrenner = true;

  // Bearbeiten
  zeile(a_.AllesMarkieren, "Bearbeiten", "Alles Markieren", nullptr, [this] {
    KennlAllesMarkieren(sitzung_);
    MarkierungZeichnen(sitzung_, *grafik_);
    grafik_->Neuzeichnen();
  });
  zeile(a_.FunktionEinfuegen, "Bearbeiten", "Insert function…",
        "Puts a function y = f(x) (linear, dead band, saturation,\nsquare law or a formula) into "
        "the marked X range.",
        [this] {
          Kennlfunktionsdialog d(this, *grafik_,
                                 {sitzung_.gKennl.Kennl.Punkte, sitzung_.gKennl.Mark,
                                  [this] { RueckgaengigSichern(sitzung_); }});
          if (d.Ausfuehren()) KennlinienpanelZeichnen();
        });
  auto& undo =
      zeile(a_.Rueckgaengig, "Bearbeiten", "Rückgängig", "Undoes the last editing step.", [this] {
        Rueckgaengig(sitzung_);
        ZeichnenMitScrollbar();
      });
  undo.Bild = "undo";
  undo.Tipp = "Undo";
  undo.Aktiv = false;
  undo.Trenner = Leistentrenner::Aktiv;
  auto& redo =
      zeile(a_.Wiederherstellen, "Bearbeiten", "Wiederherstellen", h::kWiederherstellen, [this] {
        Wiederherstellen(sitzung_);
        ZeichnenMitScrollbar();
      });
  redo.Bild = "redo";
  redo.Tipp = "Redo";
  redo.Aktiv = false;

  // The tools: one exclusive group, whose choice WerkzeugGewaehlt handles.
  werkzeuge_ = widgets::WerkzeugeAnhaengen(
      zeile, this, a_.Werkzeuge.data(), "Bearbeiten",
      {{"Markieren", "Selection", "Marks curve section.", "mark"},
       {"Punkt zeichnen", "Draw point", "Draws an new curve point at the end of the current curve.",
        "stift"},
       {"Punkt verschieben", "Move point",
        "Shifts an existing curve point.\nA point can only be shifted within the previous and "
        "next\nstraight line.",
        "verschieben"},
       {"Punktkoordinaten ändern", "Show/change coordinates of point", h::kPunktdialog,
        "punktinfo"},
       {"Koordinaten anzeigen", "Show coordinates",
        "If the mouse pointer is moved over the curve graphic with\npressed left mouse button the "
        "coordinates\nare shown at the mouse position.",
        "xyzeigen2"},
       {"Punkt auflösen", "Delete point", "Deletes a curve point.", "punktdel"},
       {"Gerade teilen", "Divide line", h::kTeilen, "geradeteilen"}});
  auto& plus =
      zeile(a_.ZoomPlus, "Bearbeiten", "Zoom +", h::kZoomPlus, [this] { Zoom(&KennlZoomPlus); });
  plus.Bild = "zoomplus";
  plus.MenueTrenner = true;
  plus.Trenner = Leistentrenner::Aktiv;
  zeile(a_.ZoomMinus, "Bearbeiten", "Zoom -", h::kZoomMinus, [this] {
    Zoom(&KennlZoomMinus);
  }).Bild = "zoomminus";
  auto& zoomMarke =
      zeile(a_.ZoomMarkierung, "Bearbeiten", "Zoom Markierung", h::kZoomMarkierung, [this] {
        if (KennlZoomAufMarkierung(sitzung_)) ZeichnenMitScrollbar();
      });
  zoomMarke.Bild = "zoommark";
  zoomMarke.Tipp = "Zoom selection";
  auto& voll = zeile(
      a_.ZoomVoll, "Bearbeiten", "Zoom Gesammtkurve",
      "Enlarges or reduces the graphic so the\ncharacteristic curve fits into the graphic\nwindow.",
      [this] { Zoom(&KennlZoomVoll); });
  voll.Bild = "zoomvoll";
  voll.Tipp = "Zoom full";

  // Ansicht: the display types, menu item and toolbar button in one.
  static const char* const kTypnamen[3] = {"Linien + Stufen", "Linien", "Stufen"};
  static const char* const kTyptipps[3] = {"Show curves as lines + steps", "Show curves as lines",
                                           "Show curves as steps"};
  static const int kTypwerte[3] = {kDarstellungBeide, kDarstellungLinien, kDarstellungStufen};
  darstellungen_ = widgets::DarstellungenAnhaengen(
      zeile, this, a_.Darstellung.data(), "Ansicht/Kurvendarstellung", kTypnamen, kTypwerte,
      [this](int wert) { DarstellungGewaehlt(wert); },
      [](Befehlszeile& d, int i) {
        d.Tipp = kTyptipps[i];
        d.Bild = "leer";
        if (i == 0) d.Trenner = Leistentrenner::Aktiv;
      });
  // Help mode must not move the check mark away from the display type shown.
  connect(darstellungen_, &QActionGroup::triggered, this, [this] {
    if (widgets::HilfeAktiv()) DarstellungSetzen(sitzung_.gKennl.Darstellung);
  });

  // The measuring cursors, over whatever tool is chosen.
  auto& cursor = zeile(a_.Cursor, "Ansicht", "Cursor", nullptr,
                       [this] { cursor_->WerkzeugSetzen(a_.Cursor->isChecked()); });
  cursor.Pruefbar = true;
  cursor.MenueTrenner = true;

  // Fenster
  using widgets::Fenster;
  static const std::pair<const char*, Fenster> kFenster[7] = {
      {"Hauptfenster", Fenster::Haupt},     {"COM-Einstellung", Fenster::Com},
      {"Konfiguration", Fenster::Konfig},   {"Direkte Ein-/Ausgabe", Fenster::Direkt},
      {"Kurvengenerator", Fenster::Kurven}, {"Kennlinienregler", Fenster::Kennlinie},
      {"Line log", Fenster::Leitungslog}};
  for (int i = 0; i < 7; ++i) {
    const Fenster f = kFenster[i].second;
    zeile(a_.Fenster[i], "Fenster", kFenster[i].first, nullptr,
          [this, f] { widgets::FensterZeigen(umgebung_, f); });
  }

  // Hilfe
  widgets::DirekthilfeAnhaengen(zeile, a_.Direkthilfe, "Hilfe", "Direkthilfe", *rahmen_);
  zeile(a_.Pinbelegung, "Hilfe", "WUN-2 Pinbelegung", nullptr, [this] { Pinbelegung(); });
  return zeile.Zeilen;
}

}  // namespace characteristic::gui
