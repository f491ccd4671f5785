// The direct-help texts of the direct input/output window's controls.
#pragma once

namespace direct::gui {

inline constexpr const char* kHilfeEingang =
    "Analog input of the WUN-2, shows as a\npointer instrument and a numerical value\nThe "
    "inputs are read if button\n'Read inputs' is pressed.\nThe unit of the numerical value "
    "corresponds to\nthe unit preset in the 'Configuration' window.";
inline constexpr const char* kHilfeMin =
    "Smallest value recorded for this input.\nThe value can be reset using the\n'min/max "
    "Reset' button.";
inline constexpr const char* kHilfeMax =
    "Highest value recorded for this input.\nThe value can be reset using the\n'min/max "
    "Reset' button.";
inline constexpr const char* kHilfeBegrenzung =
    "The outputs are limited to the value entered in this field.\nThis way it can be avoided "
    "that a dangerously high value\nis entered by mistake.";
inline constexpr const char* kHilfeDateispeichern = "Logs the inputs/outputs in a text file.";
inline constexpr const char* kHilfeDateispeichernLed = "LED green -> saving to file is active.";
inline constexpr const char* kHilfeStripchart =
    "Graphic representation of inputs.\nScale: 0 to 100%";
inline constexpr const char* kHilfeAbfragen =
    "Switches on/off the current request for\nthe inputs.";
inline constexpr const char* kHilfeAusgang =
    "The four inputs of the WUN-2 can be preset\nusing the rotary regulators or by "
    "entering\na numerical value.\nThe unit of the numerical value corresponds to\nthe unit "
    "specified in the 'Configuration'\nwindow.";
inline constexpr const char* kHilfeAusgaengeAufNull =
    "All of the four outputs are set to Zero. Zero corresponds to the\nphysical unit and does "
    "not neceserily mean Zero Volt at the\nOutput of the WUN-2.";
inline constexpr const char* kHilfeAbtastzeit =
    "The time interval used for scanning the\ninputs of the WUN-2 if 'Request inputs'\nis "
    "active.";
inline constexpr const char* kHilfePlot =
    "Determines of this input is to be displayed\nas curve diagram.";
inline constexpr const char* kHilfeZoomX =
    "How many scanning points shall be shown\nin the diagram per diagram width?\nLarger "
    "values allow the display of a longer period,\nwhile smaller values will enlarge the "
    "diagram in\nX-direction.";
inline constexpr const char* kHilfeZoomY =
    "The maximum value of the diagram in per cent.\nThe value 100 shows the complete input "
    "voltage\nrange. By using smaller values\nsmaller voltages can be displayed enlarged.";
inline constexpr const char* kHilfeMinMaxReset = "Resets all Min./Max. values.";

}  // namespace direct::gui
