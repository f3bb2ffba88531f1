#!/usr/bin/env bash
# Brings translations/quiltra_*.ts up to date with the texts in the sources (new texts come in
# unfinished, texts no longer used are dropped). Run after adding or changing a shown text, then
# translate the unfinished entries (Qt Linguist, or by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
# The engine marks its texts with translate(...) calls and QUILTRA_TRANSLATABLE(...) tables.
"$lupdate" -silent -no-obsolete -locations none \
  -tr-function-alias QT_TRANSLATE_NOOP+=QUILTRA_TRANSLATABLE \
  -extensions cpp,h src -ts translations/quiltra_de.ts translations/quiltra_fr.ts translations/quiltra_es.ts "$@"
