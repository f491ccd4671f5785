// The sectioned text store behind the settings file: sections of tagged text values,
// read from and written to a plain text file, with integer and floating-point conversion.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ini {

struct IniStore;

// A new empty store; automaticSorting keeps sections and items in case-insensitive order.
// Returns nullptr when memory is exhausted.
IniStore* Ini_New(int automaticSorting);
// Frees the store; nullptr is ignored.
void Ini_Dispose(IniStore* store);

int Ini_ReadFromFile(IniStore* store, const char* path);
int Ini_WriteToFile(IniStore* store, const char* path);

int Ini_PutInt(IniStore* store, const char* section, const char* tag, std::int32_t value);
int Ini_PutDouble(IniStore* store, const char* section, const char* tag, double value);
int Ini_PutRawString(IniStore* store, const char* section, const char* tag, const char* text);

// 1 found and converted; 0 not found or blank; negative on failure.
int Ini_GetInt(IniStore* store, const char* section, const char* tag, std::int32_t* value);
int Ini_GetDouble(IniStore* store, const char* section, const char* tag, double* value);
int Ini_GetRawStringIntoBuffer(IniStore* store, const char* section, const char* tag,
                               char* buffer, std::size_t bufferSize);

}  // namespace ini
