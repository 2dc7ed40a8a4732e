/*
 * The scroll requests the pages' sliders and step bars act on, numbered as
 * the platform numbers its scroll-bar codes (dialog_controls.cpp checks
 * that they are), so that the models can decide a bar's next position
 * without Windows.
 */
#ifndef PDR_PAGES_SCROLL_MODEL_H
#define PDR_PAGES_SCROLL_MODEL_H

enum ScrollRequest : int {
    ScrollLineLeft = 0,
    ScrollLineRight = 1,
    ScrollPageLeft = 2,
    ScrollPageRight = 3,
    ScrollThumbTrack = 5,
};

#endif
