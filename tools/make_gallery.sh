#!/bin/bash
# Renders every page of both sheets in English, German and French, the
# Manage Labels dialog and the Color page with changed levels, into
# docs/gallery/<language>/, and the Label page on a 144-dpi screen into
# docs/gallery/144dpi/, and writes docs/gallery/README.md to show them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
gallery=docs/gallery

source tools/demo/pages.sh
languages=("en|English" "de|Deutsch" "fr|Français")
hidpi_picture=preferences-1-Label

# The demo fails, saying why, when a page was not saved.
render() {
    env -u DISPLAY "$@" bash tools/demo.sh >/dev/null
}
# A picture whose pixels did not change keeps its file, so that the
# gallery's history shows only real changes.
same_pixels() {
    [ -f "$1" ] && [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}
# Copies the pictures given from a run's folder into the gallery's folder
# and removes the gallery's other pictures there, once the run's folder is
# known to hold every page.
#   take_pictures <gallery folder> <run folder> <picture>...
take_pictures() {
    local into=$gallery/$1 from=$2 picture missing
    shift 2
    missing=$(missing_pictures "$from" png)
    if [ -n "$missing" ]; then
        echo "The gallery's $1 pictures are left as they were: $from lacks ${missing//$'\n'/ }" >&2
        exit 1
    fi
    mkdir -p "$into"
    for picture in "$into"/*.png; do
        [ -e "$picture" ] || continue
        [[ " $* " == *" $(basename "$picture" .png) "* ]] || rm "$picture"
    done
    for picture in "$@"; do
        same_pixels "$into/$picture.png" "$from/$picture.png" || cp "$from/$picture.png" "$into/"
    done
}

all_pictures=()
for entry in "${demo_pictures[@]}"; do
    all_pictures+=("${entry%%|*}")
done
for entry in "${languages[@]}"; do
    language=${entry%%|*}
    render PDR_DEMO_LANGUAGE="$language"
    take_pictures "$language" "$(demo_pages_folder "$language" 96)" "${all_pictures[@]}"
done
# Last, so that it shows the pages as they are drawn above 96 dpi now.
render PDR_DEMO_DPI=144
take_pictures 144dpi "$(demo_pages_folder en 144)" "$hidpi_picture"

# Two pictures a row, each with its caption below.
table_of() {
    local folder=$1 cells=() entry
    for entry in "${demo_pictures[@]}"; do
        cells+=("![${entry#*|}]($folder/${entry%%|*}.png)<br>${entry#*|}")
    done
    echo "| | |"
    echo "|---|---|"
    for ((i = 0; i < ${#cells[@]}; i += 2)); do
        echo "| ${cells[i]} | ${cells[i + 1]:-} |"
    done
}
{
    echo "# Gallery"
    echo
    echo "Every page of the printing preferences and the printer properties, as"
    echo "Wine draws them headless, made by \`tools/make_gallery.sh\`."
    for entry in "${languages[@]}"; do
        echo
        echo "## ${entry#*|}"
        echo
        table_of "${entry%%|*}"
    done
    echo
    echo "## A 144-dpi screen"
    echo
    echo "The Label page with \`PDR_DEMO_DPI=144\`: the dialog grows by half, and its pictures are"
    echo "drawn to the frames they belong in."
    echo
    echo "![Label at 144 dpi](144dpi/$hidpi_picture.png)"
} >"$gallery/README.md"
ls "$gallery"/*
