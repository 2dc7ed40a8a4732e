/* Two catalogue texts of one length that a 64-bit digest taking eight bytes
 * at a time with one multiply takes for one: each edit sits in the top byte
 * of a word, where such a digest lets two edits cancel.  A 4 x 6 stock's
 * length goes from 6.00 to 6.50 and a vial's width from 127.0 to 117.0 mm. */
#ifndef PDR_TESTS_COMMON_COLLIDING_CATALOGUES_H
#define PDR_TESTS_COMMON_COLLIDING_CATALOGUES_H

#include <string>

#include "label_fixtures.h"
#include "labels/catalogue_json.h"

/* The paper sizes of the labels, in tenths of a millimetre, before and after. */
constexpr int CollidingStockLength[2] = {1524, 1651};
constexpr int CollidingVialWidth[2] = {1270, 1170};

/* The text before the edits, or after them; empty if the renderer no longer
 * puts the edited digits where the digest collides. */
inline std::string CollidingCatalogueText(bool edited)
{
    const LabelEntry labels[3] = {MakeLabel("Shipping 4x6", "4.00", "6.00", Inches, 257),
                                  MakeLabel("Barcode 2x1", "2.00", "1.00", Inches, 258),
                                  MakeLabel("Vial", "127.0", "25.4", Millimetres, 259)};
    char* rendered = RenderLabelCatalogue(labels, 3);
    std::string text = rendered != nullptr ? rendered : "";
    ReleaseLabelCatalogueText(rendered);
    const size_t stockDigit = 63, vialDigit = 311; /* both 7 modulo 8 */
    if (text.size() != 409 || text.compare(stockDigit - 2, 4, "6.00") != 0 ||
        text.compare(vialDigit - 1, 3, "127") != 0)
        return "";
    if (edited) {
        text[stockDigit] = '5';
        text[vialDigit] = '1';
    }
    return text;
}

#endif
