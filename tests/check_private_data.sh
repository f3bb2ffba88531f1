#!/usr/bin/env bash
# Fails when one of the classes the game alone may change has a public data member: everyone
# else reads them through const accessors. Uses Universal Ctags; without it the check is skipped
# (exit 77).
# Usage: check_private_data.sh [source folder, default: the src/ beside this script]
set -euo pipefail

src=${1:-"$(cd "$(dirname "$0")/.." && pwd)/src"}
[[ -d $src ]] || { echo "check_private_data: no folder $src" >&2; exit 2; }
command -v ctags >/dev/null || { echo "check_private_data: ctags not found, skipped" >&2; exit 77; }

# Class and the header that declares it.
checked=(
    "Board game/board.h"
)

status=0
for entry in "${checked[@]}"; do
    read -r class header <<<"$entry"
    [[ -f $src/$header ]] || { echo "check_private_data: no file $src/$header" >&2; exit 2; }
    public=$(ctags -f - --sort=no --fields=+aKs --kinds-C++=m --language-force=C++ "$src/$header" |
        awk -F'\t' -v scope="quiltra::$class" '
            { owner = ""; access = "" }
            { for (i = 4; i <= NF; ++i) {
                  if ($i ~ /^(class|struct):/) { owner = $i; sub(/^[^:]*:/, "", owner) }
                  if ($i ~ /^access:/) access = substr($i, 8)
              } }
            owner == scope && access == "public" { print $1 }')
    if [[ -n $public ]]; then
        echo "$header: $class has public data members: $(echo $public)" >&2
        status=1
    fi
done
exit $status
