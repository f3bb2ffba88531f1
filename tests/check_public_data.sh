#!/usr/bin/env bash
# Fails when a class whose state only the game itself may change has a public data member: the
# window and the other windows read such a class through its const accessors and change it only
# by calling its handlers. Uses universal-ctags to list the classes' members.
# Usage: check_public_data.sh [source folder, default: the src/ beside this script]
set -euo pipefail

src=${1:-"$(cd "$(dirname "$0")/.." && pwd)/src"}
[[ -d $src ]] || { echo "check_public_data: no folder $src" >&2; exit 2; }
command -v ctags >/dev/null || { echo "check_public_data: universal-ctags is not installed" >&2; exit 2; }

# class name and the header that declares it
classes=(
    "Game game/game.h"
    "Board game/board.h"
    "GameMenus game/game_menus.h"
)

status=0
for entry in "${classes[@]}"; do
    read -r name header <<<"$entry"
    [[ -f $src/$header ]] || { echo "$header: not found"; status=1; continue; }
    # A class that is no longer where it is listed must fail here, not pass unseen.
    if ! ctags --language-force=C++ --kinds-C++=cs -x --_xformat='%N' "$src/$header" |
            grep -qx "$name"; then
        echo "$header: no class $name"
        status=1
        continue
    fi
    # A public nested struct's fields are as open as the class's own, a private one's are not.
    scopes=("quiltra::$name")
    while read -r nested; do
        scopes+=("quiltra::$name::$nested")
    done < <(ctags --language-force=C++ --kinds-C++=cs --fields=+aKs -x \
                 --_xformat='%{scope} %{access} %N' "$src/$header" |
             awk -v cls="quiltra::$name" '$1 == cls && $2 == "public" { print $3 }')
    while read -r member line; do
        echo "$header:$line: $name has the public data member $member"
        status=1
    done < <(ctags --language-force=C++ --kinds-C++=m --fields=+aKsn -x \
                 --_xformat='%{scope} %{access} %N %n' "$src/$header" |
             awk -v scopes="${scopes[*]}" '
                 BEGIN { n = split(scopes, list, " "); for (i = 1; i <= n; ++i) open[list[i]] = 1 }
                 ($1 in open) && $2 == "public" { print $3, $4 }')
done
exit $status
