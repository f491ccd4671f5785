// The in-memory shape of a store: sections of tagged text items.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ini/IniStore.h"

namespace ini {

struct IniItem {
  std::string tag;    // trimmed
  std::string value;  // exactly as put or read, without the quotes
  bool quoted = false;
};

struct IniSection {
  std::string name;  // trimmed
  std::vector<IniItem> items;
  bool sorted = false;

  // The first item whose tag equals tag (ignoring case), or nullptr.
  const IniItem* find(std::string_view tag) const;
  // Replaces every item of the same tag by item. When the section is sorted the item goes in
  // tag order, else at the place of the first replaced one or at the end.
  void put(IniItem item);
  // Sorts items by tag; items of equal tags keep their order.
  void sort();
};

struct IniStore {
  // Sections are held by pointer so the cache below stays valid while the list grows.
  std::vector<std::unique_ptr<IniSection>> sections;
  bool automaticSorting = false;
  IniSection* lastFound = nullptr;

  IniSection* findSection(std::string_view name);
  // Takes a new section into the list, in name order when sorting is on.
  IniSection& add(std::unique_ptr<IniSection> section);
  // Sorts sections by name, and the items of every section.
  void sort();
};

}  // namespace ini
