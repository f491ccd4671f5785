// The windows that show values in the configured units join here; leaving the
// configuration window rescales them all, in the order they joined.
#pragma once

#include <functional>

namespace config::gui {

// Returns a ticket for NeuskalierungAbmelden.
int NeuskalierungAnmelden(std::function<void()> neuskalieren);
void NeuskalierungAbmelden(int ticket);
void AlleFensterNeuskalieren();

}  // namespace config::gui
