#pragma once

#include "catalogue/run_error.h"

#include <functional>

namespace clubdraw {

inline constexpr int run_error_exit_status = 1;

// Lets tests answer the modal error box instead of blocking on it.
using error_box_hook = std::function<void(const run_error&)>;
void set_error_box_hook(error_box_hook hook);

// The one place a run-time error reaches the user: a line on stderr, then
// the error box. The caller ends the program.
void report_run_error(const run_error& error);

} // namespace clubdraw
