#pragma once
// Texts that several windows show about the program itself.

namespace strelvan {

inline constexpr const char* kProgramName = "Strelvan";
// The long title; the splash and the About window show it in capitals.
inline constexpr const char* kLongTitle =
    "Interpretation of Cone Penetration Test Data and Soil Classification";
// Who wrote the program (the splash) and for whom (the About window).
inline constexpr const char* kMakerName = "Strelvan Geotechnical Software";
inline constexpr const char* kUsersName =
    "FOR GEOTECHNICAL ENGINEERS\nAND SITE INVESTIGATION TEAMS";

inline constexpr const char* kDisclaimer =
    "This program is provided as it is, without warranty of any kind, express or implied. "
    "You use the program and its results at your own risk. Its makers, and those for whom "
    "it was made, are not liable for any loss or damage arising from its use. Every result "
    "is an estimate and must be checked by a qualified engineer.";

} // namespace strelvan
