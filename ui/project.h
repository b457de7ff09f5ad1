// Facts about the game and its maker that more than one window shows.
#pragma once

namespace quarv {

inline constexpr const char* HomepageUrl = "https://quarv-games.example/tangram";
inline constexpr const char* MailAddress = "tangram@quarv-games.example";

}  // namespace quarv
