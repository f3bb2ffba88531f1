#!/usr/bin/env bash
# Fails when a source, test, script or document of the project speaks of the documents the
# program was written from instead of the program itself. The patterns are spelt with brackets
# so that this file does not match itself.
# Usage: check_words.sh [project folder, default: the parent of this script's folder]
set -euo pipefail

top=${1:-"$(cd "$(dirname "$0")/.." && pwd)"}
cd "$top"
pattern='\bs[p]ec(ification)?s?\b|\bs[p]ecified\b|\bP[a]rt [0-9]+\.[0-9]+|l[e]ft to the implementer'
hits=$(grep -rn -i -E "$pattern" --include='*.cpp' --include='*.h' --include='*.sh' \
    --include='*.md' --include='*.txt' --include='*.cmake' --include='*.html' \
    src tests bench scripts docs data cmake README.md CMakeLists.txt 2>/dev/null || true)
if [[ -n $hits ]]; then
    printf '%s\n' "$hits"
    exit 1
fi
