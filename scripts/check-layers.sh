#!/usr/bin/env bash
# Checks that the source folders depend on each other one way only: a folder
# includes headers of its own and of the folders below it, never of a folder
# above it, and a Qt-free folder includes no Qt header. The libraries' link
# graph (CMakeLists.txt) says the same; this check also catches a header used
# without linking its library. Prints every include that breaks the layering
# and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

faults=0

# layer FOLDER qt|no-qt FOLDERS-BELOW...
layer() {
    local folder=$1 qt=$2
    shift 2
    local allowed=" $folder $* "
    local file line target
    for file in "$folder"/*.h "$folder"/*.cpp; do
        [[ -e $file ]] || continue
        while IFS= read -r line; do
            target=${line#*\"}
            target=${target%%\"*}
            [[ $target == */* ]] || continue
            if [[ $allowed != *" ${target%/*} "* ]]; then
                echo "$file: $line (above $folder)"
                faults=$((faults + 1))
            fi
        done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
        if [[ $qt == no-qt ]] && grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
            echo "$file: includes Qt in a Qt-free folder"
            faults=$((faults + 1))
        fi
    done
}

layer platform no-qt
layer platform/qt qt platform
layer engine no-qt platform
layer processor no-qt platform engine
layer tools no-qt platform engine
layer widgets qt platform platform/qt engine
layer games/rules no-qt platform engine processor
layer dialogs/texts no-qt platform engine processor
layer dialogs qt platform platform/qt engine processor widgets dialogs/texts
layer games qt platform platform/qt engine processor widgets games/rules dialogs/texts dialogs
layer mainwindow qt platform platform/qt engine processor widgets games/rules dialogs/texts dialogs games

if ((faults > 0)); then
    echo "check-layers: $faults include(s) break the layering (docs/design.md, \"Folders and libraries\")"
    exit 1
fi
echo "check-layers: every folder includes only itself and the folders below it"
