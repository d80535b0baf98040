// SPDX-License-Identifier: GPL-3.0-or-later
#include "consoleencoding.h"

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace clubdraw {

ConsoleEncoding::ConsoleEncoding() : m_oldCodePage(GetConsoleOutputCP()) {
    // Without a console (output piped) there is no code page to set.
    if (m_oldCodePage != 0)
        SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

ConsoleEncoding::~ConsoleEncoding() {
    std::fflush(stdout);
    std::fflush(stderr);
    if (m_oldCodePage != 0)
        SetConsoleOutputCP(m_oldCodePage);
}

} // namespace clubdraw
#endif
