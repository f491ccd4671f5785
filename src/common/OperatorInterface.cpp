#include "common/OperatorInterface.h"

namespace common {
namespace {

class SilentOperator final : public OperatorInterface {
 public:
  int message(const MessageRequest& request) override { return request.activeButton; }
  std::optional<std::string> selectFile(const FileRequest&) override { return std::nullopt; }
  void progressOpen(const std::string&, const std::string&) override {}
  void progressSet(int) override {}
  void progressClose() override {}
  void help(const std::string&) override {}
};

SilentOperator silentOperator;
OperatorInterface* current = &silentOperator;

}  // namespace

OperatorInterface& operatorInterface() {
  return *current;
}

void setOperatorInterface(OperatorInterface* ui) {
  current = ui ? ui : &silentOperator;
}

void showMessage(const std::string& title, const std::string& text) {
  operatorInterface().message({title, text, {"OK"}, 1, 1});
}

}  // namespace common
