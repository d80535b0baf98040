// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/runerror.h"

#include <functional>

namespace clubdraw {

// The one place a run-time error reaches the user: a line on stderr, then
// the modal error box. The caller ends the program.
class ErrorBox {
public:
    static void report(const RunError& error);

    // Lets tests answer the box instead of blocking on it; an empty hook
    // shows the real box again.
    using Hook = std::function<void(const RunError&)>;
    static void setHook(Hook hook);

    // Puts a hook in place for as long as it lives, then the one before it,
    // even when a test fails half-way.
    class ScopedHook {
    public:
        explicit ScopedHook(Hook hook);
        ~ScopedHook();
        ScopedHook(const ScopedHook&) = delete;
        ScopedHook& operator=(const ScopedHook&) = delete;

    private:
        Hook m_previous;
    };
};

} // namespace clubdraw
