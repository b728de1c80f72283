// The product's name and version, shown in titles and compared with the web
// site's; never translated.
#pragma once

namespace orvelle {

inline constexpr const char* ProductName = "Orvelle";
inline constexpr const char* ProgramVersion = "3.28";

}  // namespace orvelle
