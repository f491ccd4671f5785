// The characteristic controller window (KENNLPNL): the large graph with its mouse tools,
// the overview, the scroll bar, the menu bar and toolbar sharing one action per command,
// the coordinate, grid, zoom and transfer fields, the comment and the error fields. It
// keeps no characteristic of its own: each command calls the core and redraws.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "characteristic/model/Kennliniensitzung.h"
#include "widgets/Editorfenster.h"
#include "widgets/Editorwerkzeug.h"

class QAction;
class QActionGroup;
class QDoubleSpinBox;
class QToolBar;
namespace Ui {
class KENNLPNL;
}
namespace widgets {
class Editorrahmen;
class Grapheditor;
class Cursorpaar;
class HilfeFilter;
class Kurvengrafik;
}  // namespace widgets

namespace characteristic::gui {

class Kennldialoge;

// The seven tools of the edit menu, the ones both editors have.
using KennlWerkzeug = widgets::Editorwerkzeug;

// Every command of the menus and the toolbar.
struct Kennlaktionen {
  QAction *Neu, *Laden, *Speichern, *SpeichernUnter, *Importieren, *Exportieren, *Beenden;
  QAction *BildSpeichern, *Drucken;  // the graph as a picture file, on paper
  QAction *AllesMarkieren, *Rueckgaengig, *Wiederherstellen;
  QAction* FunktionEinfuegen = nullptr;  // "Insert function…"
  std::array<QAction*, 7> Werkzeuge;
  QAction *ZoomPlus, *ZoomMinus, *ZoomMarkierung, *ZoomVoll;
  // "Linien + Stufen", "Linien", "Stufen": menu item and toolbar button in one.
  std::array<QAction*, 3> Darstellung;
  // "Hauptfenster", "COM-Einstellung", "Konfiguration", "Direkte Ein-/Ausgabe",
  // "Kurvengenerator", "Kennlinienregler".
  std::array<QAction*, 7> Fenster;
  QAction *Direkthilfe, *Pinbelegung;
  QAction* Cursor;  // the measuring cursors on or off
};

class Kennlinienpanel;

// The window's mouse tools over its session, for the shared graph-editor mouse filter
// (Kennlwerkzeuge.cpp).
std::unique_ptr<widgets::Grapheditor> KennlwerkzeugeAnlegen(Kennlinienpanel& fenster,
                                                            Kennliniensitzung& sitzung);

class Kennlinienpanel : public widgets::Editorfenster {
  Q_OBJECT
 public:
  Kennlinienpanel(Kennliniensitzung& sitzung, QWidget* parent,
                  const widgets::Fensterumgebung& umgebung);
  ~Kennlinienpanel() override;

  // The code of a toolbar that cannot be built.
  static constexpr int kFehlerWerkzeugleiste = -653501;
  // Start: toolbar, graphs, the model, scroll bar, first drawing and the output-2 field.
  // 0, -653501 when the toolbar cannot be built, or -600502 when the model cannot be
  // allocated.
  int KennlinienpanelInit();
  // End: the model freed, the toolbar discarded.
  void KennlinienpanelClear();

  // The axes for output index 0 and input index 1 and the output-2 field's label and
  // range for output index 1 (after the configuration changed).
  void Kennlinienpanel_SkaliereYAchse();
  // Full redraw of both graphs.
  void KennlinienpanelZeichnen();
  void ScrollbarAnpassen();
  void ZeichnenMitScrollbar() override;
  // The X and Y displays for the raw position (x, y).
  void KoordinatenAnzeigen(double x, double y) override;

  // The settings key "darstellung": 1 lines, 2 steps, 3 both.
  int Darstellung() const;
  void DarstellungSetzen(int darstellung);

  // Commands, as the menus and buttons run them.
  void KommentarBearbeiten();
  void YZoomKennl_Callback();

  Ui::KENNLPNL& Ui() { return *ui_; }
  Kennliniensitzung& Sitzung() { return sitzung_; }
  const Kennlaktionen& Aktionen() const { return a_; }
  widgets::Cursorpaar& Cursor() { return *cursor_; }
  Kennldialoge& Dialoge() { return *dialoge_; }
  KennlWerkzeug AktivesWerkzeug() const;

 protected:
  // The frame's tool group: the mark goes unless the select tool was chosen.
  void WerkzeugGewaehlt(QAction* aktion) override;

 private:
  // The form and the frame over its graphs, scroll bar and zoom fields.
  void RahmenAnlegen();
  void Einrichten();
  void Verbinden();
  // Every command of the menus and the toolbar (Kennlbefehle.cpp).
  std::vector<widgets::Befehlszeile> Befehlstabelle();

  void DarstellungGewaehlt(int darstellung);
  void Pinbelegung();

  void Neu();
  // A file command: its error in the popup, then with ganzeKennlinie the comment preview
  // and the whole input range, and the redraw.
  void Dateibefehl(int (*befehl)(Kennliniensitzung&), bool ganzeKennlinie);
  void Zoom(void (*zoom)(Kennliniensitzung&));
  void Lesen();
  // The fields the core reads (grids, output 2, rise time, slot) from the controls, and
  // the other way after a command changed them.
  void FelderUebernehmen();
  void FelderZeigen();
  void VorschauAnzeigen();
  void YZoomFelderZeigen();

  Kennliniensitzung& sitzung_;
  std::unique_ptr<::Ui::KENNLPNL> ui_;
  std::unique_ptr<Kennldialoge> dialoge_;
  widgets::Cursorpaar* cursor_ = nullptr;
  Kennlaktionen a_{};
  QActionGroup* darstellungen_ = nullptr;

  bool imAnzeigen_ = false;  // fields being filled by the program, not the operator
  // Subscriptions to the session, ended with the window.
  common::Meldeliste<const KennlBefehlszustand&>::Abo undoAbo_;
};

}  // namespace characteristic::gui
