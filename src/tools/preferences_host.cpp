/*
 * A small Windows program that opens the demo printer's printing
 * preferences as any application would (DocumentProperties, which the
 * spooler routes through the common property-sheet host into the driver),
 * then the printer's properties (the driver's device sheet through the same
 * host), and prints the settings record that comes out.
 *
 *   pdr-preferences [--pictures <folder>]
 *
 * With --pictures it walks every page of both sheets by itself, saves a
 * picture of each (as .bmp files, for a display-less machine) and closes
 * the sheets with OK.
 */
#include <windows.h>
#include <winspool.h>
#include <commctrl.h>
#include <compstui.h>
#include <prsht.h>
#include <stdio.h>

#include "resources/resource_ids.h"
#include "settings/driver_devmode.h"
#include "sheet_context/driver_ui_contract.h"

namespace {

const wchar_t PrinterName[] = L"PDR-7300 Zr";
const int TabControlId = 0x3020;

/* The sheet walker: finds the sheet as it appears and, on a timer, shows
 * and saves one page per tick, then presses OK.  On the printing
 * preferences it also opens the Manage Labels dialog and saves it, and
 * saves the Color page a second time with changed levels. */
struct SheetWalk {
    const wchar_t* folder = nullptr;
    const wchar_t* prefix = nullptr;
    HWND sheet = nullptr;
    HWND dialog = nullptr;
    int page = 0;
    bool pageSaved = false;
    int extraStep = 0;
    bool busy = false;
    UINT_PTR timer = 0;
};

SheetWalk walk;

const int LabelPageIndex = 0;
const int ColorPageIndex = 3;

LRESULT CALLBACK WatchForSheet(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (GetDlgItem(window, TabControlId) != nullptr) {
            if (walk.sheet == nullptr)
                walk.sheet = window;
        } else if (walk.sheet != nullptr && window != walk.sheet) {
            walk.dialog = window;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
void SafeFileWord(const wchar_t* title, wchar_t* word, int capacity)
{
    int length = 0;
    for (const wchar_t* c = title; *c != 0 && length < capacity - 1; ++c) {
        if ((*c >= L'a' && *c <= L'z') || (*c >= L'A' && *c <= L'Z') || (*c >= L'0' && *c <= L'9'))
            word[length++] = *c;
    }
    word[length] = 0;
}

bool SaveWindowPicture(HWND window, const wchar_t* path)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    void* pixels = nullptr;
    HDC windowDc = GetWindowDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateDIBSection(windowDc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                      &pixels, nullptr, 0);
    bool saved = false;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memoryDc, bitmap);
        BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
        GdiFlush();
        const DWORD imageSize = ((width * 24 + 31) / 32) * 4 * height;
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(file) + sizeof(header);
        file.bfSize = file.bfOffBits + imageSize;
        FILE* out = _wfopen(path, L"wb");
        if (out != nullptr) {
            saved = fwrite(&file, sizeof(file), 1, out) == 1 &&
                    fwrite(&header, sizeof(header), 1, out) == 1 && fwrite(pixels, imageSize, 1, out) == 1;
            saved = fclose(out) == 0 && saved;
        }
        SelectObject(memoryDc, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return saved;
}

void RedrawWhole(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void SavePicture(HWND window, int index, const wchar_t* name)
{
    wchar_t word[64];
    SafeFileWord(name, word, 64);
    wchar_t path[MAX_PATH];
    _snwprintf(path, MAX_PATH, L"%ls\\%ls-%d-%ls.bmp", walk.folder, walk.prefix, index + 1, word);
    path[MAX_PATH - 1] = 0;
    RedrawWhole(window);
    if (SaveWindowPicture(window, path))
        wprintf(L"saved %ls\n", path);
    else
        fwprintf(stderr, L"could not save %ls\n", path);
}

bool IsPreferencesSheet()
{
    return lstrcmpW(walk.prefix, L"preferences") == 0;
}

/* Picture names follow the pages, not their titles, so that every language
 * gives the same file names. */
void SaveCurrentPage(int index, const wchar_t* suffix)
{
    static const wchar_t* const documentPages[] = {L"Label",  L"Halftone", L"IntensitySpeed", L"Color",
                                                   L"Layout", L"Features", L"About"};
    const wchar_t* page = L"Device";
    if (IsPreferencesSheet())
        page = index < 7 ? documentPages[index] : L"Page";
    wchar_t name[64];
    _snwprintf(name, 64, L"%ls%ls", page, suffix);
    name[63] = 0;
    SavePicture(walk.sheet, index, name);
}

/* The extra pictures after a page was saved; true while there is more. */
bool WalkExtraStep()
{
    HWND page = reinterpret_cast<HWND>(SendMessageW(walk.sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (walk.page == LabelPageIndex) {
        switch (walk.extraStep++) {
        case 0:
            walk.dialog = nullptr;
            PostMessageW(GetDlgItem(page, IDC_LABEL_MANAGE), BM_CLICK, 0, 0);
            return true;
        case 1:
            if (walk.dialog != nullptr) {
                SavePicture(walk.dialog, walk.page, L"ManageLabels");
                PostMessageW(walk.dialog, WM_COMMAND, IDCANCEL, 0);
            }
            return true;
        default:
            return false;
        }
    }
    if (walk.page == ColorPageIndex && walk.extraStep++ == 0) {
        const struct {
            int scrollBar;
            int position;
        } levels[] = {{IDC_COLOR_RED_SCROLL, 170},
                      {IDC_COLOR_GREEN_SCROLL, 90},
                      {IDC_COLOR_BRIGHTNESS_SCROLL, 115},
                      {IDC_COLOR_CONTRAST_SCROLL, 140}};
        for (const auto& level : levels)
            SendMessageW(page, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, level.position),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, level.scrollBar)));
        SaveCurrentPage(walk.page, L"Adjusted");
        return true;
    }
    return false;
}

void CALLBACK WalkOneStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (walk.busy || walk.sheet == nullptr)
        return;
    walk.busy = true;
    const int pages = static_cast<int>(SendDlgItemMessageW(walk.sheet, TabControlId, TCM_GETITEMCOUNT, 0, 0));
    if (walk.page >= pages) {
        KillTimer(nullptr, walk.timer);
        PostMessageW(walk.sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    } else if (!walk.pageSaved) {
        SendMessageW(walk.sheet, PSM_SETCURSEL, walk.page, 0);
        SaveCurrentPage(walk.page, L"");
        walk.pageSaved = true;
        walk.extraStep = 0;
    } else if (!IsPreferencesSheet() || !WalkExtraStep()) {
        ++walk.page;
        walk.pageSaved = false;
    }
    walk.busy = false;
}

void StartWalk(const wchar_t* folder, const wchar_t* prefix)
{
    walk = SheetWalk();
    walk.folder = folder;
    walk.prefix = prefix;
    // A timer message comes only when the queue holds nothing else, so each
    // step finds the previous one's work done (the page shown and painted,
    // the posted click's dialog open): the interval only paces the walk.
    if (folder != nullptr)
        walk.timer = SetTimer(nullptr, 0, 30, WalkOneStep);
}

void PrintRecord(const DriverDevMode& record)
{
    const PublicDevMode& p = record.Public;
    const DriverExtra& x = record.Extra;
    wprintf(L"\nSettings record (%u + %u bytes, driver version 0x%04X)\n", p.dmSize, p.dmDriverExtra,
            p.dmDriverVersion);
    wprintf(L"  paper size %d, %d x %d tenths of a millimetre, form \"%ls\", label \"%hs\"\n", p.dmPaperSize,
            p.dmPaperWidth, p.dmPaperLength, reinterpret_cast<const wchar_t*>(p.dmFormName), x.LabelName);
    wprintf(L"  offsets %d, %d; orientation %d; copies %d (driver %d, always use driver %u)\n",
            x.HorizontalOffset, x.VerticalOffset, p.dmOrientation, p.dmCopies, x.DriverCopies,
            x.AlwaysUseDriverSetting);
    wprintf(L"  colour mode %u, ink set %u, CMY on back heads %u, levels B%u C%u R%u G%u B%u\n", x.ColorMode,
            x.ProcessColorSet, x.CmyOnBack3Heads, x.Brightness, x.Contrast, x.RedLevel, x.GreenLevel,
            x.BlueLevel);
    wprintf(L"  spot heads on %u %u %u %u, colours %06X %06X %06X %06X, exact RGB %u\n", x.SpotHeadEnabled[0],
            x.SpotHeadEnabled[1], x.SpotHeadEnabled[2], x.SpotHeadEnabled[3], x.SpotHeadColor[0],
            x.SpotHeadColor[1], x.SpotHeadColor[2], x.SpotHeadColor[3], x.ExactRgbMatch);
    wprintf(L"  halftone method %u, quality %u, smoothing %u, sharpness %u, intensity %u\n", x.HalftoneMethod,
            x.DiffusionQuality, x.SmoothingFilter, x.Sharpness, x.HalftoneIntensity);
    wprintf(L"  head heat %u %u %u %u, speed %d in/s\n", x.HeadIntensity[0], x.HeadIntensity[1],
            x.HeadIntensity[2], x.HeadIntensity[3], x.PrintSpeed);
    wprintf(L"  TapeThrift %u, pullback %u (mode %u), cutter %u every %d, cut offset %d\n",
            x.TapeThriftEnabled, x.PullbackEnabled, x.PullbackMode, x.CutterEnabled, x.CutEvery, x.CutOffset);
}

bool RunDocumentSheet(HANDLE printer, const wchar_t* folder)
{
    DriverDevMode record = {};
    StartWalk(folder, L"preferences");
    const LONG result =
        DocumentPropertiesW(nullptr, printer, const_cast<LPWSTR>(PrinterName),
                            reinterpret_cast<DEVMODEW*>(&record), nullptr, DM_IN_PROMPT | DM_OUT_BUFFER);
    if (result != IDOK) {
        wprintf(L"Printing preferences closed without OK (%ld).\n", result);
        return result == IDCANCEL;
    }
    // Wine's spooler answers IDOK for a cancelled sheet too; the record is
    // then still as it was handed over, all zeros, and not worth printing.
    if (record.Public.dmSize == 0) {
        wprintf(L"Printing preferences closed without changes.\n");
        return true;
    }
    PrintRecord(record);
    return true;
}

bool RunDeviceSheet(HANDLE printer, const wchar_t* folder)
{
    DWORD needed = 0;
    GetPrinterDriverW(printer, nullptr, 3, nullptr, 0, &needed);
    auto* driver = static_cast<DRIVER_INFO_3W*>(GlobalAlloc(GPTR, needed));
    if (driver == nullptr ||
        !GetPrinterDriverW(printer, nullptr, 3, reinterpret_cast<LPBYTE>(driver), needed, &needed)) {
        fwprintf(stderr, L"cannot read the printer's driver (%lu)\n", GetLastError());
        GlobalFree(driver);
        return false;
    }
    HMODULE library = LoadLibraryW(driver->pConfigFile);
    GlobalFree(driver);
    auto entry = library != nullptr ? reinterpret_cast<PFNPROPSHEETUI>(reinterpret_cast<void*>(
                                          GetProcAddress(library, "DrvDevicePropertySheets")))
                                    : nullptr;
    if (entry == nullptr) {
        fwprintf(stderr, L"the driver's user interface cannot be loaded\n");
        return false;
    }
    DEVICEPROPERTYHEADER header = {};
    header.cbSize = sizeof(header);
    header.hPrinter = printer;
    header.pszPrinterName = const_cast<LPWSTR>(PrinterName);
    DWORD result = 0;
    StartWalk(folder, L"properties");
    CommonPropertySheetUIW(nullptr, entry, reinterpret_cast<LPARAM>(&header), &result);
    FreeLibrary(library);

    const wchar_t* names[] = {L"Pullback", L"Cutter"};
    wprintf(L"\nInstalled options:");
    for (const wchar_t* name : names) {
        DWORD type = 0, value = 0;
        if (GetPrinterDataW(printer, const_cast<LPWSTR>(name), &type, reinterpret_cast<LPBYTE>(&value),
                            sizeof(value), &needed) == ERROR_SUCCESS)
            wprintf(L" %ls=%lu", name, value);
        else
            wprintf(L" %ls=(not set)", name);
    }
    wprintf(L"\n");
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const wchar_t* folder = nullptr;
    if (argc == 3 && lstrcmpW(argv[1], L"--pictures") == 0)
        folder = argv[2];
    else if (argc != 1) {
        fwprintf(stderr, L"usage: pdr-preferences [--pictures <folder>]\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<LPWSTR>(PrinterName), &printer, nullptr)) {
        fwprintf(stderr, L"printer \"%ls\" not found (%lu)\n", PrinterName, GetLastError());
        return 1;
    }
    HHOOK hook = SetWindowsHookExW(WH_CBT, WatchForSheet, nullptr, GetCurrentThreadId());
    const bool ok = RunDocumentSheet(printer, folder) && RunDeviceSheet(printer, folder);
    UnhookWindowsHookEx(hook);
    ClosePrinter(printer);
    return ok ? 0 : 1;
}
