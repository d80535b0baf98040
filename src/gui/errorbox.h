// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/runerror.h"

#include <QString>

#include <functional>
#include <utility>

namespace clubdraw {

// The one place a run-time error reaches the user: a line on stderr, then
// the modal error box. The caller ends the program.
class ErrorBox {
public:
    static void report(const RunError& error);
    // Something the user should know that ends nothing: a line on stderr,
    // then a modal warning box.
    static void warn(const QString& text);

    // Let tests answer the boxes instead of blocking on them; an empty hook
    // shows the real box again.
    using Hook = std::function<void(const RunError&)>;
    using WarningHook = std::function<void(const QString&)>;
    static void setHook(Hook hook) { slot<Hook>() = std::move(hook); }
    static void setWarningHook(WarningHook hook) { slot<WarningHook>() = std::move(hook); }

    // Puts a hook in place for as long as it lives, then the one before it,
    // even when a test fails half-way.
    template <typename H> class Scoped {
    public:
        explicit Scoped(H hook) : m_previous(std::exchange(slot<H>(), std::move(hook))) {}
        ~Scoped() { slot<H>() = std::move(m_previous); }
        Scoped(const Scoped&) = delete;
        Scoped& operator=(const Scoped&) = delete;

    private:
        H m_previous;
    };
    using ScopedHook = Scoped<Hook>;
    using ScopedWarningHook = Scoped<WarningHook>;

private:
    template <typename H> static H& slot() {
        static H hook;
        return hook;
    }
};

} // namespace clubdraw
