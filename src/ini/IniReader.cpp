#include "ini/IniReader.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <new>
#include <optional>
#include <string_view>

#include "common/Lesedatei.h"
#include "ini/IniErrors.h"
#include "ini/IniLineSplitter.h"
#include "ini/IniText.h"

namespace ini {

namespace {

constexpr std::size_t kChunkSize = 2048;
constexpr std::string_view kLineMarker = " Line";

// Turns lines into sections and items, appended to the store.
class SectionBuilder {
 public:
  explicit SectionBuilder(IniStore& store) : store_(store) {}

  void line(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.front() == ';') return;
    if (text.front() == '[') {
      header(text);
    } else {
      item(text);
    }
  }

 private:
  void header(std::string_view text) {
    const std::size_t close = text.rfind(']');
    if (close == std::string_view::npos || !IsBlankText(text.substr(close + 1))) return;
    const std::string_view name = Trim(text.substr(1, close - 1));
    if (name.empty()) return;
    auto section = std::make_unique<IniSection>();
    section->name = std::string(name);
    section->sorted = store_.automaticSorting;
    store_.sections.push_back(std::move(section));
    current_ = store_.sections.back().get();
  }

  void item(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || !current_) return;
    const std::string_view tag = Trim(text.substr(0, equals));
    std::string_view value = Trim(text.substr(equals + 1));
    if (tag.empty() || value.empty()) return;
    IniItem item;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
      item.quoted = true;
    }
    item.tag = std::string(tag);
    item.value = std::string(value);
    current_->items.push_back(std::move(item));
  }

  IniStore& store_;
  IniSection* current_ = nullptr;
};

struct Continuation {
  std::size_t markerAt;
  std::int32_t number;
};

// A tag such as "Text Line0002": the first " Line" followed only by digits that fit int32.
std::optional<Continuation> ContinuationOf(std::string_view tag) {
  const std::size_t at = tag.find(kLineMarker);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view digits = tag.substr(at + kLineMarker.size());
  if (digits.empty()) return std::nullopt;
  std::int64_t number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
    if (number > INT32_MAX) return std::nullopt;
  }
  return Continuation{at, static_cast<std::int32_t>(number)};
}

// Joins the pieces of long values: a piece numbered 1 starts a run, every following piece
// with another number extends it. Works on copies, so running out of memory loses nothing.
void JoinContinuations(IniSection& section) {
  std::vector<IniItem> joined;
  joined.reserve(section.items.size());  // no reallocation: head stays valid
  IniItem* head = nullptr;
  for (const IniItem& item : section.items) {
    const auto piece = ContinuationOf(item.tag);
    if (piece && piece->number == 1) {
      head = &joined.emplace_back(item);
      std::size_t baseEnd = piece->markerAt;  // the tag is trimmed at its front already
      while (baseEnd > 0 && IsBlank(head->tag[baseEnd - 1])) --baseEnd;
      head->tag.resize(baseEnd);
    } else if (piece && head) {
      head->value.append(item.value);
    } else {
      joined.push_back(item);
      head = nullptr;
    }
  }
  section.items.swap(joined);
}

}  // namespace

int ReadIniFile(IniStore& store, const char* path) {
  // Only a regular file of sane size: a FIFO or a device would hang the start.
  common::Lesedatei file(path ? path : "");
  if (!file) {
    // A folder opens but reads nothing: a read error, as before any check.
    const auto reason = file.Ablehnung();
    return reason == common::Lesedatei::Grund::ZuGross || reason == common::Lesedatei::Grund::Ordner
               ? kErrReadFailed
               : kErrCannotOpen;
  }

  const std::size_t firstNew = store.sections.size();
  SectionBuilder builder(store);
  IniLineSplitter splitter;
  auto onLine = [&builder](std::string_view line) { builder.line(line); };
  char chunk[kChunkSize];
  std::int64_t total = 0;
  int result = 0;
  try {
    for (;;) {
      const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.Datei());
      if (got == 0) {
        if (std::ferror(file.Datei())) result = kErrReadFailed;
        break;
      }
      // A file that grows while it is read stops where no settings file ever ends.
      total += static_cast<std::int64_t>(got);
      if (total > common::kLesedateiHoechstgroesse) {
        result = kErrReadFailed;
        break;
      }
      splitter.feed(chunk, got, onLine);
    }
    if (result == 0) {
      splitter.finish(onLine);
      for (std::size_t i = firstNew; i < store.sections.size(); ++i) {
        JoinContinuations(*store.sections[i]);
      }
    }
  } catch (const std::bad_alloc&) {
    result = kErrNoMemory;
  }
  // Sorted even after a failed read: lookups rely on the order.
  if (store.automaticSorting) store.sort();
  return result;
}

}  // namespace ini
