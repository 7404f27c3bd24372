// Lists where the controls of the program's main window are, as Windows places them, and how much
// room each one's text needs: run under Wine beside parcelio.exe, it finds the window by its
// title and prints one line per visible control, "CLASS LEFT TOP WIDTH HEIGHT NEED_WIDTH
// NEED_HEIGHT", in pixels of the window's client area (the need is 0 0 for a control without
// text), after a first line "CLIENT WIDTH HEIGHT DPI". Exit status 1 when the window is not
// there. The status bar's parts and the hypertext boxes are drawn by the program itself and are
// not measured here.
//
// The text is measured in the font the program gives the control at the window's scale: the
// result pages' Song face at 9 points, the large GB2312 face (21 pixels at 96 dots per inch) of
// the drop-down lists and the number box, else the system's message font for that scale.
#define WINVER 0x0A00
#define _WIN32_WINNT 0x0A00
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "toolkit/control_names.h"

namespace {

HWND g_window = nullptr;
HWND g_pages = nullptr;
UINT g_dpi = 96;

int Scaled(int pixels) {
    return MulDiv(pixels, static_cast<int>(g_dpi), 96);
}

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// The Song face the program picks: SimSun where it is installed, else AR PL UMing.
const wchar_t* SongFace() {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpyW(wanted.lfFaceName, L"SimSun");
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found ? L"SimSun" : L"AR PL UMing CN";
}

HFONT FontOf(HWND control, const char* kind) {
    LOGFONTW font{};
    if (g_pages != nullptr && IsChild(g_pages, control)) {
        font.lfHeight = -MulDiv(9, static_cast<int>(g_dpi), 72);
        font.lfCharSet = GB2312_CHARSET;
        lstrcpyW(font.lfFaceName, SongFace());
    } else if (GetParent(control) == g_window &&
               (lstrcmpA(kind, "ComboBox") == 0 || lstrcmpA(kind, "Edit") == 0)) {
        font.lfHeight = -MulDiv(21, static_cast<int>(g_dpi), 96);
        font.lfCharSet = GB2312_CHARSET;
    } else {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, g_dpi);
        font = metrics.lfMessageFont;
    }
    return CreateFontIndirectW(&font);
}

// The text's size in the control's font; with a width, wrapped at it as a label wraps.
SIZE TextSize(HWND control, const char* kind, const std::wstring& text, int wrap_width) {
    HDC dc = GetDC(nullptr);
    HFONT font = FontOf(control, kind);
    HGDIOBJ old = SelectObject(dc, font);
    RECT area{0, 0, wrap_width > 0 ? wrap_width : 10000, 0};
    UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS;
    format |= wrap_width > 0 ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return SIZE{area.right, area.bottom};
}

std::wstring WindowText(HWND control) {
    wchar_t text[2048] = L"";
    GetWindowTextW(control, text, 2048);
    return text;
}

// The room the control's text needs, as the control lays it out: a push button's frame and
// margins, an option's mark and gap, a drop-down list's arrow, a label wrapped at its width.
SIZE NeededRoom(HWND control, const char* kind, int width) {
    if (lstrcmpA(kind, "ComboBox") == 0) {
        const LRESULT chosen = SendMessageW(control, CB_GETCURSEL, 0, 0);
        wchar_t item[512] = L"";
        if (chosen == CB_ERR || SendMessageW(control, CB_GETLBTEXTLEN, chosen, 0) >= 512 ||
            SendMessageW(control, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(item)) <= 0) {
            return SIZE{0, 0};
        }
        SIZE room = TextSize(control, kind, item, 0);
        room.cx += GetSystemMetricsForDpi(SM_CXVSCROLL, g_dpi) + Scaled(6);
        return room;
    }
    const std::wstring text = WindowText(control);
    if (text.empty() || (lstrcmpA(kind, "Static") != 0 && lstrcmpA(kind, "Button") != 0)) {
        return SIZE{0, 0};
    }
    if (lstrcmpA(kind, "Static") == 0) {
        const SIZE wrapped = TextSize(control, kind, text, width);
        return SIZE{std::min<LONG>(wrapped.cx, width), wrapped.cy};
    }
    SIZE room = TextSize(control, kind, text, 0);
    switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            room.cx += GetSystemMetricsForDpi(SM_CXMENUCHECK, g_dpi) + Scaled(3);
            break;
        case BS_GROUPBOX:
            room.cx += Scaled(16);
            break;
        default:
            room.cx += 2 * GetSystemMetricsForDpi(SM_CXEDGE, g_dpi) + Scaled(4);
            room.cy += 2 * GetSystemMetricsForDpi(SM_CYEDGE, g_dpi);
            break;
    }
    return room;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
    if (!IsWindowVisible(control)) {
        return TRUE;
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, g_window, reinterpret_cast<POINT*>(&rect), 2);
    char kind[64] = "";
    GetClassNameA(control, kind, sizeof kind);
    const SIZE room = NeededRoom(control, kind, rect.right - rect.left);
    std::printf("%s %ld %ld %ld %ld %ld %ld\n", kind, rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top, room.cx, room.cy);
    return TRUE;
}

}  // namespace

int main() {
    g_window = FindWindowW(nullptr, L"Parceliov1.4");
    if (g_window == nullptr) {
        return 1;
    }
    const std::wstring pages(kResultPages.begin(), kResultPages.end());
    g_pages = FindWindowExW(g_window, nullptr, nullptr, pages.c_str());
    g_dpi = GetDpiForWindow(g_window);
    RECT client{};
    GetClientRect(g_window, &client);
    std::printf("CLIENT %ld %ld %u\n", client.right, client.bottom, g_dpi);
    EnumChildWindows(g_window, PrintControl, 0);
    return 0;
}
