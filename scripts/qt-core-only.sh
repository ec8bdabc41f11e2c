#!/usr/bin/env bash
# Fails when the rules (kotebu_core: core/ without core/ui and core/startup)
# or the store (kotebu_store: store/ without store/folder_setup) include a
# Qt Gui or Qt Widgets header. Their targets link Qt Core alone, but Qt Core's
# include path still lets <QtWidgets/...> and <QtGui/...> through.
# Usage: scripts/qt-core-only.sh   (from anywhere; checks this source tree)
set -euo pipefail
cd "$(dirname "$0")/.."

headers=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
names=()
for module in QtGui QtWidgets; do
    if [ ! -d "$headers/$module" ]; then
        echo "qt-core-only: no $headers/$module to take the header names from" >&2
        exit 1
    fi
    names+=("$module")
    # Class headers (QImage) and their lower-case files (qimage.h).
    while IFS= read -r name; do names+=("$name"); done < <(find "$headers/$module" -maxdepth 1 -type f -printf '%f\n')
done

# One alternation of every name, dots escaped: <QImage>, <QtGui/QImage>,
# <qimage.h>, <QtWidgets/qwidget.h>, <QtGui> ...
pattern=$(printf '%s\n' "${names[@]}" | sed 's/[.]/\\./g' | paste -sd'|')
regex="^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]((QtGui|QtWidgets)/)?($pattern)[>\"]"

mapfile -t files < <(find core store -type f \( -name '*.h' -o -name '*.cpp' \) \
    -not -path 'core/ui/*' -not -path 'core/startup/*' -not -path 'store/folder_setup/*' | sort)
if found=$(grep -nE "$regex" "${files[@]}"); then
    echo "The rules and the store must stay Qt Core only; these include Qt Gui or Qt Widgets:" >&2
    echo "$found" >&2
    echo "Move the widget part to core/ui, core/startup or store/folder_setup." >&2
    exit 1
fi
