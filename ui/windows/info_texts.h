#pragma once
// The fixed texts of the About and quick help windows.
#include "hushwall_version.h"

namespace hushwall {

namespace about_texts {
inline constexpr char kCaption[] = "About This Software ...";
inline constexpr char kAppTitle[] = "Vantel HushWall Free";
inline constexpr char kVersionLine[] = "Version " HUSHWALL_VERSION;
inline constexpr char kMailCaption[] = "Email    :";
inline constexpr char kFirstPageCaption[] = "URL1     :";
inline constexpr char kSecondPageCaption[] = "URL2     :";
inline constexpr char kMailAddress[] = "info@example.com";
inline constexpr char kFirstPage[] = "http://www.example.com/";
inline constexpr char kSecondPage[] = "http://www.example.org/";
inline constexpr char kContactLine[] = "Questions and ideas are welcome.";
inline constexpr char kFirstCredit[] = "Written by the HushWall team.";
inline constexpr char kSecondCredit[] = "Free to use and to pass on.";
inline constexpr char kOk[] = "&Ok";
}  // namespace about_texts

namespace help_texts {
inline constexpr char kCaption[] = "Quick Help";
inline constexpr char kVersionLine[] = "Version " HUSHWALL_VERSION;
inline constexpr char kReleaseDate[] = "7th June 2004";
inline constexpr char kEdition[] = "Free edition";
inline constexpr char kOk[] = "Ok";
// The logo: each word's capital large, the rest of the word small.
inline constexpr char kLogoFirstCapital[] = "V";
inline constexpr char kLogoFirstRest[] = "antel";
inline constexpr char kLogoSecondCapital[] = "H";
inline constexpr char kLogoSecondRest[] = "ushwall";
// Paragraphs separated by blank lines; CR LF, as a multi-line edit control wants.
extern const char kHelpText[];
}  // namespace help_texts

}  // namespace hushwall
