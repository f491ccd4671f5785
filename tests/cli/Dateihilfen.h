// Curve, configuration and text files for the tests, made and read with the core's own
// file functions, and raw file contents.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "curves/model/Kurvenmodell.h"
#include "support/Kurvenpunkte.h"

namespace clitest {

curves::Kurvenpunkt P(int y, int laenge, int zeitbasis);

// A curve file whose curve 1 has these points; curves 2..4 are the default curve unless
// given. Cycles and idle state of curve 1 as given.
void KurvendateiAnlegen(const std::string& pfad, const std::vector<curves::Kurvenpunkt>& kurve1,
                        int zyklen = 0, int ruhezustand = 0,
                        const std::vector<curves::Kurvenpunkt>& kurve2 = {});

// The points of curve c (0..3) of a curve file; fails the test when the file is refused.
std::vector<curves::Kurvenpunkt> Kurvenpunkte(const std::string& pfad, int c);

std::string Inhalt(const std::string& pfad);
void Schreiben(const std::string& pfad, const std::string& inhalt);
bool Existiert(const std::string& pfad);

// Point lists compare by value, length and time base.
using testsupport::Gleich;
std::string Text(const std::vector<curves::Kurvenpunkt>& punkte);

}  // namespace clitest
