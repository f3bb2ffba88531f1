#!/usr/bin/env bash
# Fails when a source file includes from a folder later in the layer order
# platform -> game -> pictures, viewer, help -> startup, or from a peer folder of its own layer;
# and when a file outside a ui/ subfolder (the engine) includes Qt, a desktop library or a ui/ file.
# Usage: check_includes.sh [source folder, default: the src/ beside this script]
set -euo pipefail

src=${1:-"$(cd "$(dirname "$0")/.." && pwd)/src"}
[[ -d $src ]] || { echo "check_includes: no folder $src" >&2; exit 2; }

status=0
find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z |
    xargs -0 awk -v src="$src/" '
    BEGIN {
        layer["platform"] = 0; layer["game"] = 1
        layer["pictures"] = 2; layer["viewer"] = 2; layer["help"] = 2
        layer["startup"] = 3
        bad = 0
    }
    FNR == 1 {
        rel = substr(FILENAME, length(src) + 1)
        own = rel; sub(/\/.*/, "", own)
        if (!(own in layer)) {
            printf "%s: folder \"%s\" has no place in the layer order\n", rel, own
            bad = 1
        }
    }
    FNR == 1 { engine = (rel !~ /^[^\/]+\/ui\//) }
    engine && /^[ \t]*#[ \t]*include[ \t]*<(Q|q[a-z]*\/|canberra|alsa\/|jpeglib)/ {
        printf "%s:%d: the engine includes %s: window-side code belongs in a ui/ subfolder\n", rel, FNR, $2
        bad = 1
    }
    engine && /^[ \t]*#[ \t]*include[ \t]*"[^"]*\/ui\// {
        printf "%s:%d: the engine includes the window side: %s\n", rel, FNR, $2
        bad = 1
    }
    /^[ \t]*#[ \t]*include[ \t]*"[^"\/]+\// {
        target = $0
        sub(/^[^"]*"/, "", target)
        to = target; sub(/\/.*/, "", to)
        sub(/".*/, "", target)
        if (!(to in layer)) {
            printf "%s:%d: includes \"%s\" from a folder outside the layer order\n", rel, FNR, target
            bad = 1
        } else if ((own in layer) && (layer[to] > layer[own] || (layer[to] == layer[own] && to != own))) {
            printf "%s:%d: includes \"%s\": %s may include only from itself and earlier folders\n", rel, FNR, target, own
            bad = 1
        }
    }
    END { exit bad }
    ' || status=1
exit $status
