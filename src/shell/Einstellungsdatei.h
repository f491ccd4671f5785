// The settings file: read once at start before the windows are initialised, written once
// at the normal end. Each window reads and puts its own section.
#pragma once

#include <string>
#include <vector>

#include "shell/Fenstermodul.h"

namespace shell {

inline constexpr const char* kEinstellungsdatei = "miv3XKurvengenerator.ini";

inline constexpr int kIniNichtGefunden = -802201;
inline constexpr int kIniNichtLesbar = -801202;
inline constexpr int kIniNichtSchreibbar = -800203;

// Reads the file; then the windows of the list read their sections (configuration, COM,
// direct, curves, characteristic). -802201 when the file cannot be opened, -801202 when
// reading fails otherwise; then no window reads anything.
int ReadIni(const std::vector<Fenstermodul>& module, const std::string& pfad = kEinstellungsdatei);

// The windows put their sections into a fresh sorted store, which then replaces the file.
// -800203 when the file cannot be written.
int WriteIni(const std::vector<Fenstermodul>& module, const std::string& pfad = kEinstellungsdatei);

}  // namespace shell
