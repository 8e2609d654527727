#pragma once

namespace renkalo {

// The program's web site, opened by the web button and by the About page's link.
inline constexpr char WebSiteAddress[] = "https://renkalo.example.org/";

} // namespace renkalo
