#!/usr/bin/env bash
# Fails when the program's sources are compiled at another optimisation level than the one the
# build asked for: the last -O of every compile command of src/ must be the last -O of
# CMAKE_CXX_FLAGS followed by the build type's flags (none when they hold none), so that neither
# the build type's nor a packager's choice is overridden behind their back.
# Usage: check_build_flags.sh <build folder>
set -euo pipefail

build=$1
cache="$build/CMakeCache.txt"
commands="$build/compile_commands.json"
[[ -f $cache && -f $commands ]] || { echo "no CMakeCache.txt or compile_commands.json in $build"; exit 1; }

cached() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
last_o() { grep -o -E '(^| )-O[^ ]*' | tail -n 1 | tr -d ' '; }

type=$(cached CMAKE_BUILD_TYPE)
asked="$(cached CMAKE_CXX_FLAGS) $(cached "CMAKE_CXX_FLAGS_${type^^}")"
want=$(printf '%s\n' "$asked" | last_o || true)

checked=0
bad=0
while IFS= read -r line; do
    command=${line#*\"command\": \"}
    command=${command%\",}
    file=${command##* }
    got=$(printf '%s\n' "$command" | last_o || true)
    if [[ $got != "$want" ]]; then
        echo "$file: compiled with '${got:-no -O}', the build asked for '${want:-no -O}'"
        bad=1
    fi
    checked=$((checked + 1))
done < <(grep '"command": ' "$commands" | grep '/src/')

[[ $checked -gt 0 ]] || { echo "no compile command of src/ in $commands"; exit 1; }
[[ $bad -eq 0 ]] || exit 1
echo "$checked sources compiled with '${want:-no -O}' ($type)"
