// Splits a byte stream, fed in chunks of any size, into the lines of a settings file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ini {

class IniLineSplitter {
 public:
  // Longer lines are cut; the rest of such a line is skipped.
  static constexpr std::size_t kMaxLineLength = 255;

  // Calls onLine(std::string_view) for every line completed by data.
  template <typename OnLine>
  void feed(const char* data, std::size_t size, OnLine&& onLine) {
    for (std::size_t i = 0; i < size; ++i) {
      const char c = data[i];
      if (c == '\r' || c == '\n' || c == '\0') {
        // CR LF and LF CR are one line end; CR CR and LF LF enclose an empty line.
        if (endedBy_ != kNone && c != endedBy_) {
          endedBy_ = kNone;
          continue;
        }
        onLine(std::string_view(line_));
        line_.clear();
        pending_ = false;
        endedBy_ = c;
        continue;
      }
      endedBy_ = kNone;
      pending_ = true;
      if (line_.size() < kMaxLineLength) line_.push_back(c);
    }
  }

  // The last line needs no line end.
  template <typename OnLine>
  void finish(OnLine&& onLine) {
    if (pending_) onLine(std::string_view(line_));
    line_.clear();
    pending_ = false;
    endedBy_ = kNone;
  }

 private:
  static constexpr int kNone = -1;
  std::string line_;
  bool pending_ = false;
  int endedBy_ = kNone;  // the line end character just seen, if it ended a line
};

}  // namespace ini
