// The curve editor window (KURVENPNL): the large graph with its mouse tools, the overview,
// the scroll bar, the menu bar and toolbar sharing one action per command, the coordinate
// and setting fields, the comment, the device buttons and the error fields.
#pragma once

#include <QPoint>
#include <array>
#include <memory>
#include <vector>

#include "common/Grafikinhalt.h"
#include "curves/model/Kurvensitzung.h"
#include "widgets/Editorfenster.h"
#include "widgets/Editorwerkzeug.h"

class QAction;
class QActionGroup;
class QComboBox;
class QMouseEvent;
class QToolBar;
namespace Ui {
class KURVENPNL;
}
namespace widgets {
class Editorrahmen;
class Grapheditor;
class HilfeFilter;
class Kurvengrafik;
}  // namespace widgets

namespace curves {
struct YAchse;
}

namespace curves::gui {

class Kurvendialoge;
class Kurvenmessung;
class Punkttabelle;

// The nine tools of the edit menu in menu order (the seven both editors have, numbered as
// widgets::Editorwerkzeug, then the curve editor's own), then the measuring cursors.
enum class Werkzeug {
  Keins = -1,
  Markieren = 0,
  Zeichnen,
  Verschieben,
  Punktdialog,
  Koordinaten,
  PunktLoeschen,
  Teilen,
  Zeitbasis = widgets::kEditorwerkzeuge,
  Laenge,
  Cursor
};
static_assert(static_cast<int>(Werkzeug::Teilen) ==
              static_cast<int>(widgets::Editorwerkzeug::Teilen));

// Every command of the menus and the toolbar.
struct Kurvenaktionen {
  QAction *Neu, *Oeffnen, *Anhaengen, *Speichern, *SpeichernUnter, *Importieren, *Exportieren,
      *Beenden;
  // Sampled data from CSV, the graph as a picture file and on paper.
  QAction *CsvImportieren, *BildSpeichern, *Drucken;
  QAction *Ausschneiden, *Kopieren, *Einfuegen, *Loeschen, *AllesMarkieren, *Rueckgaengig,
      *Wiederherstellen;
  // Undo and Redo in the toolbar: dimmed apart from the menu items after a curve change.
  QAction *RueckgaengigKnopf, *WiederherstellenKnopf;
  // "Insert shape…" and the point table's dock in the view menu.
  QAction *FormDialog, *PunkttabelleZeigen;
  std::array<QAction*, 9> Werkzeuge;
  QAction* Cursorwerkzeug;
  QAction *ZoomPlus, *ZoomMinus, *ZoomMarkierung, *ZoomVoll;
  // Display types in the view menu (Lines + Steps, Lines, Steps) and the inactive toolbar
  // radio buttons that follow them.
  std::array<QAction*, 3> Darstellung, DarstellungKnopf;
  std::array<QAction*, 4> KurveWaehlen, Hintergrund;
  QAction *Hauptfenster, *ComFenster, *Kurvenfenster;
  // Only when every window is offered (AlleFensterAngeboten), else nullptr.
  QAction *Konfigfenster, *Direktfenster, *Kennlinienfenster, *Leitungslogfenster;
  QAction* Direkthilfe;
};

// Fills a list with the time-base names in list order, each with its code.
void ZeitbasenFuellen(QComboBox* box);

class Kurvenpanel;

// The window's mouse tools over its session, for the shared graph-editor mouse filter
// (Kurvenwerkzeuge.cpp).
std::unique_ptr<widgets::Grapheditor> KurvenwerkzeugeAnlegen(Kurvenpanel& fenster,
                                                             Kurvensitzung& sitzung);

class Kurvenpanel : public widgets::Editorfenster {
  Q_OBJECT
 public:
  Kurvenpanel(Kurvensitzung& sitzung, QWidget* parent, const widgets::Fensterumgebung& umgebung);
  ~Kurvenpanel() override;

  // The code of a toolbar that cannot be built.
  static constexpr int kFehlerWerkzeugleiste = -653401;
  // Start: toolbar, set-up, the model, scroll bar and first drawing. 0, -653401 when the
  // toolbar cannot be built, or the model's allocation code.
  int KurvenpanelInit();
  // End: markers removed, the model freed, the toolbar discarded.
  void KurvenpanelClear();

  // Full redraw with the fields that go with it (memory, cycles, idle state).
  void KurvenpanelZeichnen();
  // The Y axis, the idle-state label and the zoom fields for the current curve.
  void Kurvenpanel_SkaliereYAchse();
  void ScrollbalkenZeigen();
  // Redraw, then the scroll bar, after anything that may move the view or the curve's
  // length.
  void ZeichnenMitScrollbar() override;
  // The coordinate fields for x µs and y raw.
  void KoordinatenAnzeigen(double x, double y) override;
  // While marking: the time fields follow the moving end, the status line names start,
  // end and length of the mark in a fitting unit.
  void MarkierungsstatusAnzeigen();
  void MarkierungsstatusLoeschen();

  // The settings keys of the window ("kurven").
  int Darstellung() const { return darstellung_; }
  void DarstellungSetzen(int darstellung);
  bool HintergrundGewaehlt(int kurve) const;
  void HintergrundSetzen(int kurve, bool an);

  // Commands, as the menus and buttons run them.
  void KommentarBearbeiten();
  void KurveWaehlen(int n);  // 1..4
  // File > "Import CSV...": the file chosen, then the dialog (Kurvenbildbefehle.cpp).
  void CsvImportieren();
  void CsvDialogZeigen(const std::string& pfad);
  // The graph as a picture describes it: what the window shows, or every curve shown
  // over its whole length.
  bool GrafikBeschreiben(bool ganz, common::Grafikinhalt& inhalt);
  void YZoomKurven_Callback();

  Ui::KURVENPNL& Ui() { return *ui_; }
  Kurvensitzung& Sitzung() { return sitzung_; }
  const Kurvenaktionen& Aktionen() const { return a_; }
  QComboBox* Zeitbasisliste() const { return zeitbasisliste_; }
  Kurvendialoge& Dialoge() { return *dialoge_; }
  Kurvenmessung& Messung() { return *messung_; }
  Punkttabelle& Punkte() { return *punkttabelle_; }
  Werkzeug AktivesWerkzeug() const;
  bool ZeitbasenZeigen() const { return zeitbasenZeigen_; }
  // The time base code the toolbar list selects.
  int ListenZeitbasis() const;

 protected:
  // The frame's tool group: the tool chosen (time-base marks, cursors; the mark goes unless
  // the tool selects or measures).
  void WerkzeugGewaehlt(QAction* aktion) override;

 private:
  // The form and the frame over its graphs, scroll bar and zoom fields.
  void RahmenAnlegen();
  void MenueAnlegen();
  void Einrichten();
  void Verbinden();
  // Every command of the menus and the toolbar (Kurvenbefehle.cpp).
  std::vector<widgets::Befehlszeile> Befehlstabelle();

  void DarstellungGewaehlt(int darstellung);

  void Dateibefehl(int (*befehl)(Kurvensitzung&), bool ganzeKurve);
  void Neu();
  void Bearbeitungsbefehl(int (*befehl)(Kurvensitzung&), bool markeAus);
  void Zoom(void (*zoom)(Kurvensitzung&));
  void Senden(int typ);
  void Lesen(int typ);
  void VorschauAnzeigen();
  // The time fields for x µs.
  void ZeitfelderZeigen(double x);
  // "Insert shape…": the dialog over the mark; the curve redrawn when a shape went in.
  void FormdialogOeffnen();
  // The Y zoom limits in the output's unit, remembered as stored as well as shown.
  void YZoomFelderZeigen(const YAchse& a);

  Kurvensitzung& sitzung_;
  std::unique_ptr<::Ui::KURVENPNL> ui_;
  std::unique_ptr<Kurvendialoge> dialoge_;
  Kurvenmessung* messung_ = nullptr;  // the cursors and the mark's readout
  Punkttabelle* punkttabelle_ = nullptr;
  Kurvenaktionen a_{};
  QComboBox* zeitbasisliste_ = nullptr;
  std::array<bool, 4> hintergrund_{};

  int darstellung_ = 3;
  bool zeitbasenZeigen_ = false;
  bool imAnzeigen_ = false;  // fields being filled by the program, not the operator
  // Subscriptions to the session, ended with the window.
  common::Meldeliste<const Befehlszustand&>::Abo undoAbo_;
  common::Meldeliste<>::Abo leseAbo_, skalierungsAbo_;
};

}  // namespace curves::gui
