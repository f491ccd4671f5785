// The "Line log" window: the connection's frame log as it grows, narrowed to one command
// if the operator likes, saved to a text file or cleared. A window of its own beside the
// main window; it redraws at most a few times a second however fast the frames come.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

#include "device/Leitungslog.h"
#include "widgets/Fensterumgebung.h"

class QComboBox;
class QPlainTextEdit;
class QTimer;
class QLabel;

namespace device::gui {

class LeitungslogFenster : public QWidget {
  Q_OBJECT
 public:
  LeitungslogFenster(QWidget* parent, const widgets::Fensterumgebung& umgebung);
  ~LeitungslogFenster() override;

  // The whole log (not only what the filter shows) into a file, written safely; 0 or
  // the code of the failure.
  int LogSpeichern(const std::string& pfad);
  // What the list shows now, after any pending redraw.
  QString Angezeigt();

 private:
  void Nachtragen();   // the entries that came since the last redraw
  void Neuaufbauen();  // all entries again, after a filter change or a clearing
  bool Passt(const Leitungseintrag& e) const;
  void BefehlAnbieten(const Leitungseintrag& e);
  void Speichern();  // "Save log…": asks for the file

  widgets::Fensterumgebung umgebung_;
  Leitungslog& log_;
  QComboBox* filter_;
  QPlainTextEdit* liste_;
  QLabel* anzahl_;
  QTimer* takt_;
  std::uint64_t gezeigt_ = 0;    // number of the newest entry looked at
  std::uint64_t leerungen_ = 0;  // the log's clearings the list has followed
  Leitungslog::Abo abo_;
};

}  // namespace device::gui
