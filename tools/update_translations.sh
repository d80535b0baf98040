#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes translations/*.ts from the texts in src/: new texts come in
# unfinished, texts gone from the code go. With a language code (de, pt_BR)
# it starts translations/clubdraw_LANG.ts for that language first.
# clubdraw_en.ts holds only the English plural forms ("1 club", "2 clubs").
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
if [ $# -gt 0 ]; then
  [ -e "translations/clubdraw_$1.ts" ] ||
    "$lupdate" -silent -locations none -target-language "$1" src -ts "translations/clubdraw_$1.ts"
fi
for ts in translations/clubdraw_*.ts; do
  case "$ts" in
    */clubdraw_en.ts) "$lupdate" -silent -locations none -no-obsolete -pluralonly src -ts "$ts" ;;
    *) "$lupdate" -silent -locations none -no-obsolete src -ts "$ts" ;;
  esac
done
