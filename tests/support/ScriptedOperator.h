// An operator interface for tests: answers are queued in advance, every text shown is
// recorded. A message box with no queued answer gets its active button; a file dialog
// with no queued path is cancelled.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/OperatorInterface.h"

namespace testsupport {

class ScriptedOperator : public common::OperatorInterface {
 public:
  // Installs itself as the operator interface; the destructor restores the silent one.
  ScriptedOperator();
  ~ScriptedOperator() override;

  // Queued answers, taken in order.
  void answerMessage(int button) { messageAnswers_.push_back(button); }
  void answerFile(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }

  int message(const common::MessageRequest& request) override;
  std::optional<std::string> selectFile(const common::FileRequest& request) override;
  void progressOpen(const std::string& title, const std::string& label) override;
  void progressSet(int percent) override;
  void progressClose() override;
  void help(const std::string& text) override;
  // The Cancel button, pressed once `cancelAfterSets` progress values have been set (-1:
  // never).
  bool progressCancelled() override {
    return cancelAfterSets >= 0 && static_cast<int>(progressValues.size()) >= cancelAfterSets;
  }
  int cancelAfterSets = -1;

  // What was shown, in order.
  std::vector<common::MessageRequest> messages;
  std::vector<common::FileRequest> fileRequests;
  std::vector<std::string> helpTexts;
  std::vector<std::string> progressTitles;  // one per opened box
  std::vector<int> progressValues;          // every value set
  int progressOpenCount = 0;                // boxes open now (0 or 1 when balanced)

  // The last message's text, or "" when none was shown.
  std::string lastMessageText() const;
  std::string lastMessageTitle() const;

 private:
  std::deque<int> messageAnswers_;
  std::deque<std::optional<std::string>> fileAnswers_;
};

}  // namespace testsupport
