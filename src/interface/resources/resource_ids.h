/*
 * resource_ids.h - resource identifiers of pdr7300ui.dll.
 *
 * Shared by the C++ sources and the resource compiler (windres/rc), so it
 * holds nothing but plain #define lines of decimal numbers.
 *
 * Naming:
 *   IDD_*            dialog templates
 *   IDS_*            string table entries
 *   IDB_*            bitmaps, IDI_* icons
 *   IDC_<DIALOG>_*   controls, one prefix per dialog:
 *                    DEVICE (128), LABEL (142), LAYOUT (143), COLOR (144,
 *                    and the holder templates 153/154), ABOUT (146),
 *                    MANAGE (147), FEATURES (148), HALFTONE (151),
 *                    INTENSITY (152).
 *
 * Control numbers are unique within a dialog only; several numbers are
 * reused across dialogs (for example 1102 is the Label page "Details:"
 * text and the Color page head-2 "Change..." button).  Always use the name
 * with the prefix of the dialog you are talking to.
 */
#ifndef PDR7300UI_RESOURCE_IDS_H
#define PDR7300UI_RESOURCE_IDS_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* ------------------------------------------------------------------ */
/* Icons                                                              */
/* ------------------------------------------------------------------ */
#define IDI_DRIVER 105
#define IDI_DRIVER_DOCUMENT 106
#define IDI_HALFTONE 155

/* ------------------------------------------------------------------ */
/* Bitmaps                                                            */
/* ------------------------------------------------------------------ */
#define IDB_LOGO_STRIP 138 /* 196 x 30, bottom left of every page */
#define IDB_PRINTER 149    /* 242 x 371, right half of document pages */
#define IDB_BADGE 153      /* 90 x 22, not shown */
#define IDB_HALFTONE_FINE 156
#define IDB_HALFTONE_MEDIUM 157
#define IDB_HALFTONE_COARSE 158
#define IDB_HALFTONE_DIFFUSION 159
#define IDB_HALFTONE_PHOTO_LOW 160
#define IDB_HALFTONE_PHOTO_MED 161
#define IDB_HALFTONE_PHOTO_HIGH 162
#define IDB_HALFTONE_SPOT_NOTICE 163
#define IDB_HALFTONE_OPTIMUM 164 /* 154 x 155 */
#define IDB_PREVIEW_SOURCE 165   /* 116 x 108, Color page preview */

/* ------------------------------------------------------------------ */
/* Dialog templates                                                   */
/* ------------------------------------------------------------------ */
#define IDD_DEVICE_PAGE 128 /* device sheet page, 252 x 215 */
#define IDD_LABEL_PAGE 142
#define IDD_LAYOUT_PAGE 143
#define IDD_COLOR_PAGE 144
#define IDD_STATUS_PAGE 145 /* English only, not shown */
#define IDD_ABOUT_PAGE 146
#define IDD_MANAGE_LABELS 147 /* modal dialog, 316 x 230 */
#define IDD_FEATURES_PAGE 148
#define IDD_HALFTONE_PAGE 151
#define IDD_INTENSITY_PAGE 152
#define IDD_COLOR_SPOT_HOLDER 153    /* not shown */
#define IDD_COLOR_PROCESS_HOLDER 154 /* not shown */

/* ------------------------------------------------------------------ */
/* Strings                                                            */
/* ------------------------------------------------------------------ */
#define IDS_TOO_MANY_LABELS 108         /* "Too many labels" */
#define IDS_INVALID_WIDTH 109           /* "Invalid Width" */
#define IDS_INVALID_LENGTH 110          /* "Invalid Length" */
#define IDS_INVALID_FOOTER_MARGIN 111   /* "Invalid Footer Margin" (unused) */
#define IDS_INVALID_HORZ_OFFSET 112     /* "Invalid Horizontal Offset" */
#define IDS_INVALID_VERT_OFFSET 113     /* "Invalid Vertical Offset" */
#define IDS_ERROR_CAPTION 114           /* "Error" */
#define IDS_VALID_RANGE 115             /* "Valid range:" */
#define IDS_INVALID_COPIES 116          /* "Invalid Number of Copies" */
#define IDS_NAME_REQUIRED 117           /* "You must enter a name." */
#define IDS_NAME_ALREADY_USED 118       /* "Name already used." */
#define IDS_SAVE_LABELS_FAILED 119      /* "Could not save the label list. ..." */
#define IDS_ABOUT_TITLE 145             /* "About" */
#define IDS_COLOR_TITLE 146             /* "Color" */
#define IDS_DEVICE_TITLE 147            /* "Device" */
#define IDS_FEATURES_TITLE 148          /* "Features" */
#define IDS_LABEL_TITLE 149             /* "Label" */
#define IDS_LAYOUT_TITLE 150            /* "Layout" */
#define IDS_HALFTONE_TITLE 157          /* "Halftone" */
#define IDS_HALFTONE_INTENSITY_LOW 158  /* "Low" */
#define IDS_HALFTONE_INTENSITY_MED 159  /* "Med" */
#define IDS_HALFTONE_INTENSITY_HIGH 160 /* "High" */
#define IDS_INTENSITY_TITLE 161         /* "Intensity && Speed" */
#define IDS_INVALID_HEAT 162            /* "Invalid Heat settings entered!" */
#define IDS_VALID_PREFIX 163            /* "Valid: " */
#define IDS_VALID_TO 164                /* " to " */
#define IDS_INVALID_CUT_AMOUNT 165      /* "Invalid Cut Amount entered!" */
#define IDS_INVALID_CUT_OFFSET 166      /* "Invalid Cut Offset entered!" */
#define IDS_CUT_WORD_ONE 167            /* "label is printed" */
#define IDS_CUT_WORD_MANY 168           /* "labels are printed" */
#define IDS_BRIGHTNESS 169              /* "Brightness" */
#define IDS_CONTRAST 170                /* "Contrast" */
/* Label page Details: one caption per stock setting, in the order of
 * LabelSettingRules (labels/label_settings.h), then the switch words. */
#define IDS_STOCK_PRINT_SPEED 172    /* "Print speed (in/s): " */
#define IDS_STOCK_HEAD_INTENSITY 173 /* "Head intensity: " */
#define IDS_STOCK_TAPETHRIFT 174     /* "TapeThrift: " */
#define IDS_STOCK_CUTTER 175         /* "Cutter: " */
#define IDS_STOCK_CUT_EVERY 176      /* "Cut after every (labels): " */
#define IDS_STOCK_CUT_OFFSET 177     /* "Cut offset: " */
#define IDS_STOCK_PULLBACK 178       /* "Pullback: " */
#define IDS_STOCK_SWITCH_ON 179      /* "on" */
#define IDS_STOCK_SWITCH_OFF 180     /* "off" */
#define IDS_STOCK_SAVE_FAILED 181    /* "Could not save the settings to the label. ..." */
/* The label list when an administrator manages it (users may only read). */
#define IDS_LABELS_MANAGED 182      /* "The label list is managed by the administrator: ..." */
#define IDS_LABELS_SAVE_REFUSED 183 /* "The label list is managed by the administrator. ..." */

/* ------------------------------------------------------------------ */
/* 128 Device page                                                    */
/* ------------------------------------------------------------------ */
#define IDC_DEVICE_CUTTER_CONNECTED 107    /* check "&Cutter Option connected" */
#define IDC_DEVICE_PRODUCT_NAME 1135       /* text */
#define IDC_DEVICE_VERSION_LABEL 1136      /* text "Version" */
#define IDC_DEVICE_LEGAL_NOTICE 1137       /* text */
#define IDC_DEVICE_VERSION 1138            /* text, version value */
#define IDC_DEVICE_PULLBACK_INSTALLED 1183 /* check "&Pullback Option installed" */

/* ------------------------------------------------------------------ */
/* 142 Label page                                                     */
/* ------------------------------------------------------------------ */
#define IDC_LABEL_COMBO 1098         /* drop-down list of label names */
#define IDC_LABEL_GROUP 1100         /* group "Label" */
#define IDC_LABEL_MANAGE 1101        /* push "Manage Labels..." */
#define IDC_LABEL_DETAILS_LABEL 1102 /* text "Details:" */
#define IDC_LABEL_DETAILS 1103       /* read-only multi-line edit */
#define IDC_LABEL_SAVE_SETTINGS 1104 /* push "Save settings to label" */

/* ------------------------------------------------------------------ */
/* 143 Layout page                                                    */
/* ------------------------------------------------------------------ */
#define IDC_LAYOUT_ORIENTATION_GROUP 1127 /* group "Orientation" */
#define IDC_LAYOUT_PORTRAIT 1128          /* radio "Portrait" */
#define IDC_LAYOUT_LANDSCAPE 1129         /* radio "Landscape" */
#define IDC_LAYOUT_COPIES_GROUP 1132      /* group "Number of Copies" */
#define IDC_LAYOUT_COPIES 1133            /* edit, digits only */
#define IDC_LAYOUT_COPIES_SPIN 1134       /* up-down */
#define IDC_LAYOUT_ALWAYS_USE_DRIVER 1224 /* check "Always Use Driver Setting" */

/* ------------------------------------------------------------------ */
/* 144 Color page (153/154 repeat the spot and process groups)        */
/* ------------------------------------------------------------------ */
#define IDC_COLOR_HEAD2_CHANGE 1102      /* push "Chan&ge..." head 2 */
#define IDC_COLOR_HEAD3_CHANGE 1103      /* push "Chan&ge..." head 3 */
#define IDC_COLOR_HEAD4_CHANGE 1104      /* push "Chan&ge..." head 4 */
#define IDC_COLOR_MODE_GROUP 1143        /* group "Mode" */
#define IDC_COLOR_READOUT 1154           /* centred text, colour read-out */
#define IDC_COLOR_RED_VALUE 1175         /* text "100%" */
#define IDC_COLOR_GREEN_VALUE 1176       /* text "100%" */
#define IDC_COLOR_BLUE_VALUE 1177        /* text "100%" */
#define IDC_COLOR_HEAD1_CHANGE 1178      /* push "Chan&ge..." head 1 */
#define IDC_COLOR_CONTRAST_LABEL 1180    /* text "Contrast (100%)" */
#define IDC_COLOR_BRIGHTNESS_LABEL 1181  /* text "Brightness (100%)" */
#define IDC_COLOR_CMY_ON_BACK 1184       /* check "CMY on back 3 heads" */
#define IDC_COLOR_EXACT_MATCH 1186       /* check "&Use exact RGB match" */
#define IDC_COLOR_RED_SCROLL 1187        /* hscroll */
#define IDC_COLOR_GREEN_SCROLL 1188      /* hscroll */
#define IDC_COLOR_BLUE_SCROLL 1189       /* hscroll */
#define IDC_COLOR_BRIGHTNESS_SCROLL 1190 /* hscroll */
#define IDC_COLOR_CONTRAST_SCROLL 1191   /* hscroll */
#define IDC_COLOR_PROCESS 1167           /* radio "&Process" */
#define IDC_COLOR_SPOT 1168              /* radio "&Spot" */
#define IDC_COLOR_CMY 1169               /* radio "&CMY" */
#define IDC_COLOR_CMYK 1170              /* radio "CMY&K" */
#define IDC_COLOR_HEAD1 1207             /* check "Head &1:" */
#define IDC_COLOR_SPOT_GROUP 1208        /* group "Spot Color Setup" */
#define IDC_COLOR_HEAD2 1209             /* check "Head &2:" */
#define IDC_COLOR_HEAD3 1210             /* check "Head &3:" */
#define IDC_COLOR_HEAD4 1211             /* check "Head &4:" */
#define IDC_COLOR_HEAD1_SWATCH 1212      /* owner-drawn sunken swatch */
#define IDC_COLOR_HEAD2_SWATCH 1213
#define IDC_COLOR_HEAD3_SWATCH 1214
#define IDC_COLOR_HEAD4_SWATCH 1215
#define IDC_COLOR_PROCESS_GROUP 1216 /* group "Process Color Setup" */
#define IDC_COLOR_PREVIEW_FRAME 1217 /* hidden frame, preview top-left */
#define IDC_COLOR_RED_LABEL 1218     /* text "Red" */
#define IDC_COLOR_GREEN_LABEL 1219   /* text "Green" */
#define IDC_COLOR_BLUE_LABEL 1220    /* text "Blue" */
#define IDC_COLOR_SEPARATOR 1221     /* etched separator */

/* ------------------------------------------------------------------ */
/* 146 About page                                                     */
/* ------------------------------------------------------------------ */
#define IDC_ABOUT_PRODUCT_NAME 1139  /* text */
#define IDC_ABOUT_VERSION 1140       /* text, version value */
#define IDC_ABOUT_VERSION_LABEL 1141 /* text "Version" */
#define IDC_ABOUT_LEGAL_NOTICE 1142  /* text */

/* ------------------------------------------------------------------ */
/* 147 Manage Labels dialog                                           */
/* ------------------------------------------------------------------ */
#define IDC_MANAGE_OK 1              /* push "OK" (IDOK), default */
#define IDC_MANAGE_CANCEL 2          /* push "Cancel" (IDCANCEL) */
#define IDC_MANAGE_LIST 1106         /* list box of label names */
#define IDC_MANAGE_ADD 1107          /* push "Add" */
#define IDC_MANAGE_DELETE 1108       /* push "Delete" */
#define IDC_MANAGE_WIDTH 1109        /* edit */
#define IDC_MANAGE_LENGTH 1110       /* edit */
#define IDC_MANAGE_WIDTH_LABEL 1111  /* text "Width:" */
#define IDC_MANAGE_LENGTH_LABEL 1112 /* text "Length:" */
#define IDC_MANAGE_HORZ_OFFSET 1113  /* edit */
#define IDC_MANAGE_VERT_OFFSET 1114  /* edit */
#define IDC_MANAGE_HORZ_LABEL 1116   /* text "Horizontal:" */
#define IDC_MANAGE_VERT_LABEL 1117   /* text "Vertical:" */
#define IDC_MANAGE_IMPORT 1118       /* push "Import..." */
#define IDC_MANAGE_EXPORT 1119       /* push "Export..." */
#define IDC_MANAGE_NAME_LABEL 1120   /* text "Name:" */
#define IDC_MANAGE_NAME 1121         /* edit */
#define IDC_MANAGE_MODIFY 1122       /* push "Modify" */
#define IDC_MANAGE_MM 1124           /* radio "mm" */
#define IDC_MANAGE_INCHES 1125       /* radio "inches" */
#define IDC_MANAGE_WIDTH_RANGE 1146  /* text, width range */
#define IDC_MANAGE_LENGTH_RANGE 1147 /* text, length range */
#define IDC_MANAGE_LOCKED_NOTE 1225  /* text, IDS_LABELS_MANAGED when locked */

/* ------------------------------------------------------------------ */
/* 148 Features page                                                  */
/* ------------------------------------------------------------------ */
#define IDC_FEATURES_CUT_EVERY 1145        /* edit */
#define IDC_FEATURES_CUT_OFFSET 1146       /* edit */
#define IDC_FEATURES_CUT_WORD 1154         /* text "label is printed" */
#define IDC_FEATURES_PULLBACK 1185         /* check "Enable &Pullback" */
#define IDC_FEATURES_TAPETHRIFT 1186       /* check "&Enable TapeThrift" */
#define IDC_FEATURES_CUTTER 1191           /* check "Enable &Cutter" */
#define IDC_FEATURES_CUT_EVERY_SPIN 1192   /* up-down 1..25000 */
#define IDC_FEATURES_CUT_OFFSET_SPIN 1193  /* up-down -1200..1200 */
#define IDC_FEATURES_GROUP 1194            /* group "Printer Features" */
#define IDC_FEATURES_CUT_EVERY_LABEL 1205  /* text "Cut after every" */
#define IDC_FEATURES_CUT_OFFSET_LABEL 1206 /* text "Cut offset:" */
#define IDC_FEATURES_MANUAL 1222           /* radio "Manual" (English set only) */
#define IDC_FEATURES_AUTOMATIC 1223        /* radio "Automatic" (English set only) */

/* ------------------------------------------------------------------ */
/* 151 Halftone page                                                  */
/* ------------------------------------------------------------------ */
#define IDC_HALFTONE_FINE 1155             /* radio "&Fine" */
#define IDC_HALFTONE_MEDIUM 1156           /* radio "&Medium" */
#define IDC_HALFTONE_COARSE 1157           /* radio "&Coarse" */
#define IDC_HALFTONE_SMOOTHING 1158        /* check "&Smoothing filter" */
#define IDC_HALFTONE_DIFFUSION 1159        /* radio "&Error Diffusion" */
#define IDC_HALFTONE_FAST 1160             /* radio "Fa&st" */
#define IDC_HALFTONE_BEST 1161             /* radio "&Best" */
#define IDC_HALFTONE_PHOTOGRAPHIC 1162     /* radio "&Photographic" */
#define IDC_HALFTONE_SHARPNESS_VALUE 1164  /* text "100 %" */
#define IDC_HALFTONE_INTENSITY_VALUE 1165  /* text "Med" */
#define IDC_HALFTONE_OPTIMUM 1166          /* radio "&Optimum" */
#define IDC_HALFTONE_INTENSITY_SCROLL 1188 /* hscroll, steps 0..2 */
#define IDC_HALFTONE_SHARPNESS_SCROLL 1189 /* hscroll, steps 0..4 */
#define IDC_HALFTONE_GROUP 1195            /* group "Halftone" */
#define IDC_HALFTONE_SHARPNESS_LABEL 1196  /* text "Sharpness:" */
#define IDC_HALFTONE_SHARPNESS_MINUS 1197  /* text "-" */
#define IDC_HALFTONE_SHARPNESS_PLUS 1198   /* text "+" */
#define IDC_HALFTONE_INTENSITY_LABEL 1199  /* text "Intensity:" */
#define IDC_HALFTONE_INTENSITY_MINUS 1200  /* text "-" */
#define IDC_HALFTONE_INTENSITY_PLUS 1201   /* text "+" */
#define IDC_HALFTONE_ICON 1202             /* icon IDI_HALFTONE */
#define IDC_HALFTONE_PICTURE 1203          /* bitmap IDB_PRINTER */
#define IDC_HALFTONE_SAMPLE_FRAME 1204     /* hidden frame, sample top-left */

/* ------------------------------------------------------------------ */
/* 152 Intensity & Speed page                                         */
/* ------------------------------------------------------------------ */
#define IDC_INTENSITY_SPEED 1098 /* sorted drop-down list, "2".."7" */
#define IDC_INTENSITY_HEAD1 1145 /* edit */
#define IDC_INTENSITY_HEAD2 1146
#define IDC_INTENSITY_HEAD3 1147
#define IDC_INTENSITY_HEAD4 1148
#define IDC_INTENSITY_HEAD1_SPIN 1182 /* up-down 1..32 */
#define IDC_INTENSITY_HEAD2_SPIN 1183
#define IDC_INTENSITY_HEAD3_SPIN 1184
#define IDC_INTENSITY_HEAD4_SPIN 1185

/* Display names of the print ticket's features, options and parameters. */
#define IDS_TICKET_ORIENTATION 600        /* "Orientation" */
#define IDS_TICKET_PORTRAIT 601           /* "Portrait" */
#define IDS_TICKET_LANDSCAPE 602          /* "Landscape" */
#define IDS_TICKET_COPIES 603             /* "Copies" */
#define IDS_TICKET_OUTPUT_COLOR 604       /* "Output color" */
#define IDS_TICKET_COLOR 605              /* "Color" */
#define IDS_TICKET_LABEL 606              /* "Label" */
#define IDS_TICKET_LABEL_NAME 607         /* "Label name" */
#define IDS_TICKET_HORZ_OFFSET 608        /* "Horizontal offset" */
#define IDS_TICKET_VERT_OFFSET 609        /* "Vertical offset" */
#define IDS_TICKET_PRINT_SPEED 610        /* "Print speed (in/s)" */
#define IDS_TICKET_HEAD1 611              /* "Head 1 intensity" */
#define IDS_TICKET_HEAD2 612              /* "Head 2 intensity" */
#define IDS_TICKET_HEAD3 613              /* "Head 3 intensity" */
#define IDS_TICKET_HEAD4 614              /* "Head 4 intensity" */
#define IDS_TICKET_TAPETHRIFT 615         /* "TapeThrift" */
#define IDS_TICKET_PULLBACK 616           /* "Pullback" */
#define IDS_TICKET_PULLBACK_MODE 617      /* "Pullback mode" */
#define IDS_TICKET_MANUAL 618             /* "Manual" */
#define IDS_TICKET_AUTOMATIC 619          /* "Automatic" */
#define IDS_TICKET_CUTTER 620             /* "Cutter" */
#define IDS_TICKET_CUT_EVERY 621          /* "Cut after every (labels)" */
#define IDS_TICKET_CUT_OFFSET 622         /* "Cut offset" */
#define IDS_TICKET_COLOR_MODE 623         /* "Color mode" */
#define IDS_TICKET_PROCESS 624            /* "Process color" */
#define IDS_TICKET_SPOT 625               /* "Spot color" */
#define IDS_TICKET_INK_SET 626            /* "Process color set" */
#define IDS_TICKET_CMY 627                /* "CMY" */
#define IDS_TICKET_CMYK 628               /* "CMYK" */
#define IDS_TICKET_HALFTONE 629           /* "Halftone" */
#define IDS_TICKET_FINE 630               /* "Fine" */
#define IDS_TICKET_MEDIUM 631             /* "Medium" */
#define IDS_TICKET_COARSE 632             /* "Coarse" */
#define IDS_TICKET_ERROR_DIFFUSION 633    /* "Error diffusion" */
#define IDS_TICKET_PHOTOGRAPHIC 634       /* "Photographic" */
#define IDS_TICKET_OPTIMUM 635            /* "Optimum" */
#define IDS_TICKET_DIFFUSION_QUALITY 636  /* "Error diffusion quality" */
#define IDS_TICKET_FAST 637               /* "Fast" */
#define IDS_TICKET_BEST 638               /* "Best" */
#define IDS_TICKET_SMOOTHING 639          /* "Smoothing filter" */
#define IDS_TICKET_SHARPNESS 640          /* "Sharpness" */
#define IDS_TICKET_SHARPNESS_1 641        /* "1 %" */
#define IDS_TICKET_SHARPNESS_25 642       /* "25 %" */
#define IDS_TICKET_SHARPNESS_50 643       /* "50 %" */
#define IDS_TICKET_SHARPNESS_75 644       /* "75 %" */
#define IDS_TICKET_SHARPNESS_100 645      /* "100 %" */
#define IDS_TICKET_HALFTONE_INTENSITY 646 /* "Halftone intensity" */
#define IDS_TICKET_RED_LEVEL 647          /* "Red level" */
#define IDS_TICKET_GREEN_LEVEL 648        /* "Green level" */
#define IDS_TICKET_BLUE_LEVEL 649         /* "Blue level" */
#define IDS_TICKET_SPOT_HEAD1 650         /* "Spot head 1" */
#define IDS_TICKET_SPOT_HEAD2 651         /* "Spot head 2" */
#define IDS_TICKET_SPOT_HEAD3 652         /* "Spot head 3" */
#define IDS_TICKET_SPOT_HEAD4 653         /* "Spot head 4" */
#define IDS_TICKET_SPOT_COLOR1 654        /* "Spot color of head 1" */
#define IDS_TICKET_SPOT_COLOR2 655        /* "Spot color of head 2" */
#define IDS_TICKET_SPOT_COLOR3 656        /* "Spot color of head 3" */
#define IDS_TICKET_SPOT_COLOR4 657        /* "Spot color of head 4" */
#define IDS_TICKET_EXACT_RGB 658          /* "Exact RGB match" */
#define IDS_TICKET_CMY_BACK 659           /* "CMY on the back three heads" */
#define IDS_TICKET_ALWAYS_DRIVER 660      /* "Always use driver setting" */
#define IDS_TICKET_DRIVER_COPIES 661      /* "Driver copy count" */
#define IDS_TICKET_ON 662                 /* "On" */
#define IDS_TICKET_OFF 663                /* "Off" */
#define IDS_TICKET_RESOLUTION 664         /* "Resolution" */
#define IDS_TICKET_300_DPI 665            /* "300 x 300 dpi" */

#endif /* PDR7300UI_RESOURCE_IDS_H */
