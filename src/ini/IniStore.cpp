#include "ini/IniStore.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>

#include "ini/IniConvert.h"
#include "ini/IniErrors.h"
#include "ini/IniModel.h"
#include "ini/IniReader.h"
#include "ini/IniText.h"
#include "ini/IniWriter.h"

namespace ini {

namespace {

int Put(IniStore* store, const char* section, const char* tag, std::string value, bool quoted) {
  IniItem item;
  item.tag = std::string(Trim(tag));
  item.value = std::move(value);
  item.quoted = quoted;
  if (IniSection* found = store->findSection(section)) {
    found->put(std::move(item));
    return 0;
  }
  auto made = std::make_unique<IniSection>();
  made->name = std::string(Trim(section));
  made->sorted = store->automaticSorting;
  made->items.push_back(std::move(item));
  store->add(std::move(made));
  return 0;
}

const IniItem* Find(IniStore* store, const char* section, const char* tag) {
  const IniSection* found = store->findSection(section);
  return found ? found->find(tag) : nullptr;
}

}  // namespace

IniStore* Ini_New(int automaticSorting) {
  IniStore* store = new (std::nothrow) IniStore;
  if (store) store->automaticSorting = automaticSorting != 0;
  return store;
}

void Ini_Dispose(IniStore* store) {
  delete store;
}

int Ini_ReadFromFile(IniStore* store, const char* path) {
  if (!store || !path) return kErrMissingArgument;
  try {
    return ReadIniFile(*store, path);
  } catch (const std::bad_alloc&) {
    return kErrNoMemory;
  }
}

int Ini_WriteToFile(IniStore* store, const char* path) {
  if (!store || !path) return kErrMissingArgument;
  try {
    return WriteIniFile(*store, path);
  } catch (const std::bad_alloc&) {
    return kErrNoMemory;
  }
}

int Ini_PutInt(IniStore* store, const char* section, const char* tag, std::int32_t value) {
  if (!store || !section || !tag) return kErrMissingArgument;
  try {
    return Put(store, section, tag, FormatInt(value), false);
  } catch (const std::bad_alloc&) {
    return kErrNoMemory;
  }
}

int Ini_PutDouble(IniStore* store, const char* section, const char* tag, double value) {
  if (!store || !section || !tag) return kErrMissingArgument;
  try {
    return Put(store, section, tag, FormatDouble(value), false);
  } catch (const std::bad_alloc&) {
    return kErrNoMemory;
  }
}

int Ini_PutRawString(IniStore* store, const char* section, const char* tag, const char* text) {
  if (!store || !section || !tag) return kErrMissingArgument;
  try {
    return Put(store, section, tag, std::string(text ? text : ""), true);
  } catch (const std::bad_alloc&) {
    return kErrNoMemory;
  }
}

int Ini_GetInt(IniStore* store, const char* section, const char* tag, std::int32_t* value) {
  if (!store || !section || !tag || !value) return kErrMissingArgument;
  const IniItem* item = Find(store, section, tag);
  return item ? ParseInt(item->value, *value) : 0;
}

int Ini_GetDouble(IniStore* store, const char* section, const char* tag, double* value) {
  if (!store || !section || !tag || !value) return kErrMissingArgument;
  const IniItem* item = Find(store, section, tag);
  return item ? ParseDouble(item->value, *value) : 0;
}

int Ini_GetRawStringIntoBuffer(IniStore* store, const char* section, const char* tag, char* buffer,
                               std::size_t bufferSize) {
  if (!buffer || bufferSize == 0) return kErrMissingArgument;
  buffer[0] = '\0';
  if (!store || !section || !tag) return kErrMissingArgument;
  const IniItem* item = Find(store, section, tag);
  if (!item) return 0;
  const std::size_t length = std::min(item->value.size(), bufferSize - 1);
  std::memcpy(buffer, item->value.data(), length);
  buffer[length] = '\0';
  return 1;
}

}  // namespace ini
