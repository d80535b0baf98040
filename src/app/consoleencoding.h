// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace clubdraw {

// For as long as it lives, the commands' output reaches the terminal as
// UTF-8 with bare LF line ends, the same bytes on every platform. On Windows
// that means a UTF-8 console code page (restored afterwards, as the console
// is cmd's too) and binary stdout and stderr, so the C runtime adds no CR.
// Elsewhere it is empty.
class ConsoleEncoding {
#ifdef _WIN32
public:
    ConsoleEncoding();
    ~ConsoleEncoding();
    ConsoleEncoding(const ConsoleEncoding&) = delete;
    ConsoleEncoding& operator=(const ConsoleEncoding&) = delete;

private:
    unsigned m_oldCodePage = 0;
#endif
};

} // namespace clubdraw
