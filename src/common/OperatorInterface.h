// What the core asks of the person at the screen: message boxes, file selection, the
// modal progress box and direct-help popups. Windows implement it with Qt, tests with a
// scripted implementation, the command-line tool with its terminal.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace common {

struct MessageRequest {
  std::string title;
  std::string text;
  std::vector<std::string> buttons;  // one to three labels, left to right
  int activeButton = 1;              // 1-based; has the focus and answers Enter
  int escapeButton = 1;              // 1-based; answers Escape (and closing the box)
};

struct FileRequest {
  enum class Mode { Load, Save };
  std::string title;  // "Load curve"
  // "*.wur": the default name and the only type entry; "*.txt;*.pwl": a type entry each,
  // the first one the default name.
  std::string pattern;
  Mode mode = Mode::Load;
  bool forceExtension = true;  // the chosen name gets the pattern's extension
  std::string confirmButton;   // "Save", "Load"; empty for the dialog's own label
  // The chosen file is extended, not replaced: the dialog does not ask to replace an
  // existing one and says that new data are appended.
  bool appends = false;
};

class OperatorInterface {
 public:
  virtual ~OperatorInterface() = default;

  // Shows a message box and returns the 1-based number of the button pressed.
  virtual int message(const MessageRequest& request) = 0;
  // Shows the file selection dialog; std::nullopt when the operator cancelled.
  virtual std::optional<std::string> selectFile(const FileRequest& request) = 0;

  // The modal progress box, at most one open at a time. Its Cancel button (where the
  // interface has one) only raises a flag: the transfer asks progressCancelled() between
  // two blocks and stops there.
  virtual void progressOpen(const std::string& title, const std::string& label) = 0;
  virtual void progressSet(int percent) = 0;
  virtual void progressClose() = 0;
  // True once the operator has cancelled the open box.
  virtual bool progressCancelled() { return false; }

  // Shows a direct-help text until the operator clicks.
  virtual void help(const std::string& text) = 0;
};

// The operator interface in use. Until one is set, a silent one answers every message
// with its active button, cancels file dialogs and ignores progress and help.
OperatorInterface& operatorInterface();
// Installs an operator interface (not owned); nullptr restores the silent one.
void setOperatorInterface(OperatorInterface* ui);

// One-button message box, the common case.
void showMessage(const std::string& title, const std::string& text);

}  // namespace common
