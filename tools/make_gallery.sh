#!/bin/bash
# Renders every page of both sheets in English, German and French, the
# Manage Labels dialog and the Color page with changed levels, into
# docs/gallery/<language>/ for the README.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
for language in en de fr; do
    env -u DISPLAY PDR_DEMO_LANGUAGE=$language bash tools/demo.sh >/dev/null
    rm -rf "docs/gallery/$language"
    mkdir -p "docs/gallery/$language"
    cp build/demo/pages/$language/*.png "docs/gallery/$language/"
done
ls docs/gallery/*
