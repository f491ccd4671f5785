// The curve window's entry points for the shell: loading, start, end, its settings
// section "kurven" and the save question.
#pragma once

class QWidget;
namespace ini {
struct IniStore;
}

namespace curves::gui {

class Kurvenpanel;

// The window of the run; nullptr before it is loaded.
extern Kurvenpanel* gKurvenpanel;

Kurvenpanel* KurvenpanelLaden(QWidget* hauptfenster);
int KurvenpanelInit();
void KurvenpanelClear();
// "darstellung" (1, 2 or 3; anything else gives 3) and "hintergrund1" .. "hintergrund4",
// which only set the check marks of the background buttons.
int ReadIniKurvenpanel(ini::IniStore* ini);
// Writes "darstellung".
int WriteIniKurvenpanel(ini::IniStore* ini);

}  // namespace curves::gui
