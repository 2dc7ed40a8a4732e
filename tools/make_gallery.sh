#!/bin/bash
# Renders every page of both sheets in English, German and French, the
# Manage Labels dialog and the Color page with changed levels, into
# docs/gallery/<language>/, and the Label page on a 144-dpi screen into
# docs/gallery/144dpi/, and writes docs/gallery/README.md to show them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
gallery=docs/gallery

# Picture file (without .png) and what it shows, in the order of the sheets.
pictures=(
    "preferences-1-Label|Label"
    "preferences-1-ManageLabels|Manage Labels"
    "preferences-2-Halftone|Halftone"
    "preferences-3-IntensitySpeed|Intensity & Speed"
    "preferences-4-Color|Color"
    "preferences-4-ColorAdjusted|Color, changed levels"
    "preferences-5-Layout|Layout"
    "preferences-6-Features|Features"
    "preferences-7-About|About"
    "properties-1-Device|Device (printer properties)"
)
languages=("en|English" "de|Deutsch" "fr|Français")
hidpi_picture=preferences-1-Label

render() {
    env -u DISPLAY "$@" bash tools/demo.sh >/dev/null
}
# A picture whose pixels did not change keeps its file, so that the
# gallery's history shows only real changes.
same_pixels() {
    [ -f "$1" ] && [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}
take_pictures() {
    local into=$gallery/$1 picture
    shift
    mkdir -p "$into"
    for picture in "$into"/*.png; do
        [ -e "$picture" ] || continue
        local wanted=no new
        for new in "$@"; do [ "$(basename "$new")" = "$(basename "$picture")" ] && wanted=yes; done
        [ $wanted = yes ] || rm "$picture"
    done
    for new in "$@"; do
        same_pixels "$into/$(basename "$new")" "$new" || cp "$new" "$into/"
    done
}

for entry in "${languages[@]}"; do
    language=${entry%%|*}
    render PDR_DEMO_LANGUAGE="$language"
    take_pictures "$language" "build/demo/pages/$language"/*.png
done
# Last, so that it shows the pages as they are drawn above 96 dpi now.
render PDR_DEMO_DPI=144
take_pictures 144dpi "build/demo/pages/en-144dpi/$hidpi_picture.png"

# Two pictures a row, each with its caption below.
table_of() {
    local folder=$1 cells=() entry
    for entry in "${pictures[@]}"; do
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
