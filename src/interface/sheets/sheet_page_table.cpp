#include "sheets/sheet_page_table.h"

#include "pages/page_procedures.h"
#include "resources/resource_ids.h"

const SheetPage DocumentSheetPages[DocumentSheetPageCount] = {
    {IDD_LABEL_PAGE, LabelPageProc, IDS_LABEL_TITLE},
    {IDD_HALFTONE_PAGE, HalftonePageProc, IDS_HALFTONE_TITLE},
    {IDD_INTENSITY_PAGE, IntensityPageProc, IDS_INTENSITY_TITLE},
    {IDD_COLOR_PAGE, ColorPageProc, IDS_COLOR_TITLE},
    {IDD_LAYOUT_PAGE, LayoutPageProc, IDS_LAYOUT_TITLE},
    {IDD_FEATURES_PAGE, FeaturesPageProc, IDS_FEATURES_TITLE},
    {IDD_ABOUT_PAGE, AboutPageProc, IDS_ABOUT_TITLE},
};

const SheetPage DeviceSheetPage = {IDD_DEVICE_PAGE, DevicePageProc, IDS_DEVICE_TITLE};
