# Sourced by tools/demo.sh, tools/make_gallery.sh and the demo's tests: the
# pictures that the preferences host (src/tools/preferences_host.cpp) saves
# with --pictures, and where the demo keeps them.  Paths are relative to the
# repository's root.

# Picture file (without extension) and what it shows, in the order of the sheets.
demo_pictures=(
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

# The folder of one run's pictures: <language>, or <language>-<dpi>dpi
# above 96 dpi, in PDR_DEMO_PAGES (build/demo/pages unless set).
#   demo_pages_folder <language> <dpi>
demo_pages_folder() {
    local folder=${PDR_DEMO_PAGES:-build/demo/pages}/$1
    [ "$2" = 96 ] || folder=$folder-${2}dpi
    echo "$folder"
}

# Prints the expected pictures missing from a folder, one file name a line.
#   missing_pictures <folder> <extension>
missing_pictures() {
    local entry
    for entry in "${demo_pictures[@]}"; do
        [ -s "$1/${entry%%|*}.$2" ] || echo "${entry%%|*}.$2"
    done
}
