#include "support/ScriptedOperator.h"

namespace testsupport {

ScriptedOperator::ScriptedOperator() {
  common::setOperatorInterface(this);
}

ScriptedOperator::~ScriptedOperator() {
  common::setOperatorInterface(nullptr);
}

int ScriptedOperator::message(const common::MessageRequest& request) {
  messages.push_back(request);
  if (messageAnswers_.empty()) return request.activeButton;
  int answer = messageAnswers_.front();
  messageAnswers_.pop_front();
  return answer;
}

std::optional<std::string> ScriptedOperator::selectFile(const common::FileRequest& request) {
  fileRequests.push_back(request);
  if (fileAnswers_.empty()) return std::nullopt;
  auto answer = fileAnswers_.front();
  fileAnswers_.pop_front();
  return answer;
}

void ScriptedOperator::progressOpen(const std::string& title, const std::string&) {
  progressTitles.push_back(title);
  ++progressOpenCount;
}

void ScriptedOperator::progressSet(int percent) {
  progressValues.push_back(percent);
}

void ScriptedOperator::progressClose() {
  --progressOpenCount;
}

void ScriptedOperator::help(const std::string& text) {
  helpTexts.push_back(text);
}

std::string ScriptedOperator::lastMessageText() const {
  return messages.empty() ? std::string() : messages.back().text;
}

std::string ScriptedOperator::lastMessageTitle() const {
  return messages.empty() ? std::string() : messages.back().title;
}

}  // namespace testsupport
