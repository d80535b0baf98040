// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/runerror.h"

#include <functional>

namespace clubdraw {

inline constexpr int runErrorExitStatus = 1;

// The one place a run-time error reaches the user: a line on stderr, then
// the modal error box. The caller ends the program.
class ErrorBox {
public:
    static void report(const RunError& error);

    // Lets tests answer the box instead of blocking on it; an empty hook
    // shows the real box again.
    using Hook = std::function<void(const RunError&)>;
    static void setHook(Hook hook);
};

} // namespace clubdraw
