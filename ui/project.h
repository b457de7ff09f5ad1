// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Facts about the game and its maker that more than one window shows. The
// packaging reads the addresses from here too.
#pragma once

namespace quarv {

inline constexpr const char* HomepageUrl = "https://quarvgames.github.io/QuarvTangram/";
inline constexpr const char* MailAddress = "quarvgames@users.noreply.github.com";
// Where anyone who has the game can get its source code.
inline constexpr const char* SourceUrl = "https://github.com/quarvgames/QuarvTangram";

}  // namespace quarv
