// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace clubdraw::exitStatus {

inline constexpr int success = 0;
// The catalogue cannot be read, a draw cannot be made, check found an error.
inline constexpr int failure = 1;
// Wrong arguments: an unknown option, command or name, a missing or bad value.
inline constexpr int wrongArguments = 2;

} // namespace clubdraw::exitStatus
