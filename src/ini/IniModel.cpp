#include "ini/IniModel.h"

#include <algorithm>
#include <iterator>

#include "ini/IniText.h"

namespace ini {

namespace {

bool ItemLess(const IniItem& item, std::string_view tag) {
  return LessNoCase(item.tag, tag);
}

bool SectionLess(const std::unique_ptr<IniSection>& section, std::string_view name) {
  return LessNoCase(section->name, name);
}

}  // namespace

const IniItem* IniSection::find(std::string_view tag) const {
  tag = Trim(tag);
  if (sorted) {
    auto it = std::lower_bound(items.begin(), items.end(), tag, ItemLess);
    return (it != items.end() && EqualNoCase(it->tag, tag)) ? &*it : nullptr;
  }
  auto it = std::find_if(items.begin(), items.end(),
                         [tag](const IniItem& item) { return EqualNoCase(item.tag, tag); });
  return it != items.end() ? &*it : nullptr;
}

void IniSection::put(IniItem item) {
  // Reserve first: once old items are gone, inserting must not fail for lack of memory.
  items.reserve(items.size() + 1);
  std::size_t firstRemoved = items.size();
  std::size_t kept = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (EqualNoCase(items[i].tag, item.tag)) {
      if (firstRemoved == items.size()) firstRemoved = kept;
      continue;
    }
    if (kept != i) items[kept] = std::move(items[i]);
    ++kept;
  }
  const bool removedAny = firstRemoved != items.size();
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept), items.end());

  auto at = items.end();
  if (sorted) {
    at = std::lower_bound(items.begin(), items.end(), std::string_view(item.tag), ItemLess);
  } else if (removedAny) {
    at = items.begin() + static_cast<std::ptrdiff_t>(firstRemoved);
  }
  items.insert(at, std::move(item));
}

void IniSection::sort() {
  std::stable_sort(items.begin(), items.end(),
                   [](const IniItem& a, const IniItem& b) { return LessNoCase(a.tag, b.tag); });
}

IniSection* IniStore::findSection(std::string_view name) {
  name = Trim(name);
  if (lastFound && EqualNoCase(lastFound->name, name)) return lastFound;
  IniSection* found = nullptr;
  if (automaticSorting) {
    auto it = std::lower_bound(sections.begin(), sections.end(), name, SectionLess);
    if (it != sections.end() && EqualNoCase((*it)->name, name)) found = it->get();
  } else {
    auto it = std::find_if(sections.begin(), sections.end(),
                           [name](const auto& s) { return EqualNoCase(s->name, name); });
    if (it != sections.end()) found = it->get();
  }
  if (found) lastFound = found;
  return found;
}

IniSection& IniStore::add(std::unique_ptr<IniSection> section) {
  auto at = automaticSorting ? std::upper_bound(sections.begin(), sections.end(), section,
                                                [](const auto& a, const auto& b) {
                                                  return LessNoCase(a->name, b->name);
                                                })
                             : sections.end();
  IniSection& added = **sections.insert(at, std::move(section));
  lastFound = &added;
  return added;
}

void IniStore::sort() {
  std::stable_sort(sections.begin(), sections.end(),
                   [](const auto& a, const auto& b) { return LessNoCase(a->name, b->name); });
  for (auto& section : sections) section->sort();
}

}  // namespace ini
