#!/usr/bin/env bash
# Fails when a translation is not complete: a text in the sources that a .ts file lacks or has not
# translated, or an entry for a text the sources no longer have. lupdate updates copies of the
# .ts files from the sources, so the check always compares against the current code.
# Usage: check_translations.sh [source tree, default: the one holding this script]
set -euo pipefail

root=${1:-"$(cd "$(dirname "$0")/.." && pwd)"}
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[[ -x $lupdate ]] || { echo "check_translations: lupdate not found (qt6-l10n-tools)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shopt -s nullglob
files=("$root"/translations/quiltra_*.ts)
[[ ${#files[@]} -gt 0 ]] || { echo "check_translations: no .ts files" >&2; exit 1; }
copies=()
for f in "${files[@]}"; do
    cp "$f" "$work/"
    copies+=("$work/$(basename "$f")")
done
(cd "$root" && "$lupdate" -silent -locations none \
    -tr-function-alias QT_TRANSLATE_NOOP+=QUILTRA_TRANSLATABLE \
    -extensions cpp,h src -ts "${copies[@]}")

status=0
for f in "${copies[@]}"; do
    name=$(basename "$f")
    # An entry's kind is on its translation line; show the source text above it.
    bad=$(grep -B3 -E '<translation[^>]*type="(unfinished|vanished|obsolete)"' "$f" |
              grep -E '<source>' | sed 's/^ *//' || true)
    if [[ -n $bad ]]; then
        echo "$name: not complete:"
        echo "$bad" | head -20
        echo "  ($(grep -cE 'type="(unfinished|vanished|obsolete)"' "$f") entries; run scripts/update-translations.sh and translate them)"
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "check_translations: ${#files[@]} translations complete"
exit $status
