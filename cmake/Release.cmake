# SPDX-License-Identifier: GPL-3.0-or-later
# Who the program is and when this release was made, for the code (through
# src/core/version.h) and for the package alike.

# The id of the desktop entry, the metainfo and the icon; Wayland matches
# the window to them by it.
set(CLUBDRAW_APP_ID io.github.clubdraw.clubdraw)

find_package(Git QUIET)
function(clubdraw_git_log format out)
  set(${out} "" PARENT_SCOPE)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 ${format}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    set(${out} "${value}" PARENT_SCOPE)
  endif()
endfunction()

# The release date the changelog, man page and metainfo give: that of the
# latest commit, so the same source gives the same package.
clubdraw_git_log(--format=%aD CLUBDRAW_RELEASE_DATE)
clubdraw_git_log(--format=%as CLUBDRAW_RELEASE_DAY)
if(NOT CLUBDRAW_RELEASE_DATE)
  string(TIMESTAMP CLUBDRAW_RELEASE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
  string(TIMESTAMP CLUBDRAW_RELEASE_DAY "%Y-%m-%d" UTC)
endif()

