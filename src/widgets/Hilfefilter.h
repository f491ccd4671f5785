// Direct help for Qt windows: while direct help is on, a left click on a registered
// control shows its help text and is swallowed, so the control never commits.
#pragma once

#include <QObject>
#include <QString>
#include <map>

class QWidget;

namespace widgets {

// Shared by every window that carries the error fields or the connection symbol.
inline constexpr const char* kHilfeFehleranzeige =
    "Indicates errors that occurred during data transfer\nto the WUN-2. The error display "
    "consists of\nerror LED, error text and error number.";
// The COM window's device commands; the editor windows carry the same buttons.
inline constexpr const char* kHilfeStart = "Sends the Start command to the WUN-2.";
inline constexpr const char* kHilfeStopp = "Sends the Stop command to the WUN-2.";
inline constexpr const char* kHilfeVerbindungssymbol =
    "Opens or disconnects the serial connection to the WUN-2.\nCOM-Port number and device "
    "address must be preset\nin the 'COM Setup' window.";

class HilfeFilter : public QObject {
  Q_OBJECT
 public:
  explicit HilfeFilter(QObject* parent = nullptr);

  // text empty: the click is swallowed and nothing is shown (buttons without help).
  void Anmelden(QWidget* control, const QString& text);
  // The registered text, or an empty string.
  QString Text(const QWidget* control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::map<const QObject*, QString> texte_;
};

}  // namespace widgets
