// The sectioned text store behind the settings file: sections of tagged text values,
// read from and written to a plain text file, with integer and floating-point conversion.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ini/IniErrors.h"

namespace ini {

struct IniStore;

// A new empty store; automaticSorting keeps sections and items in case-insensitive order.
// Returns nullptr when memory is exhausted.
IniStore* Ini_New(int automaticSorting);
// Frees the store; nullptr is ignored.
void Ini_Dispose(IniStore* store);

// Adds the file's sections to the store. -5001 when the file cannot be opened, -5002 on a
// read error; lines that cannot be parsed are skipped.
int Ini_ReadFromFile(IniStore* store, const char* path);
// Replaces the file by the store's contents in one step; on failure the previous file is
// left as it was.
int Ini_WriteToFile(IniStore* store, const char* path);

// A put replaces every item of the same tag in the section. Doubles are written with 16
// significant digits, infinities as "Inf" and "-Inf", NaN as "NaN". Raw strings are written
// between double quotes; a null text counts as empty.
int Ini_PutInt(IniStore* store, const char* section, const char* tag, std::int32_t value);
int Ini_PutDouble(IniStore* store, const char* section, const char* tag, double value);
int Ini_PutRawString(IniStore* store, const char* section, const char* tag, const char* text);

// 1 found and converted; 0 not found or blank; negative on failure. The variable is left
// untouched on 0 and -65; GetDouble stores the converted leading part on -5023.
int Ini_GetInt(IniStore* store, const char* section, const char* tag, std::int32_t* value);
int Ini_GetDouble(IniStore* store, const char* section, const char* tag, double* value);
// Clears the buffer, then copies at most bufferSize - 1 characters of the value.
int Ini_GetRawStringIntoBuffer(IniStore* store, const char* section, const char* tag, char* buffer,
                               std::size_t bufferSize);

}  // namespace ini
