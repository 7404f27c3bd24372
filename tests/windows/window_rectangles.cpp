// Lists where the controls of the program's main window are, as Windows places them: run under
// Wine beside parcelio.exe, it finds the window by its title and prints one line per visible
// control, "CLASS LEFT TOP WIDTH HEIGHT", in pixels of the window's client area, after a first
// line "CLIENT WIDTH HEIGHT DPI". Exit status 1 when the window is not there.
#define WINVER 0x0A00
#define _WIN32_WINNT 0x0A00
#include <windows.h>

#include <cstdio>

namespace {

HWND g_window = nullptr;

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
    if (!IsWindowVisible(control)) {
        return TRUE;
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, g_window, reinterpret_cast<POINT*>(&rect), 2);
    char kind[64] = "";
    GetClassNameA(control, kind, sizeof kind);
    std::printf("%s %ld %ld %ld %ld\n", kind, rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    return TRUE;
}

}  // namespace

int main() {
    g_window = FindWindowW(nullptr, L"Parceliov1.4");
    if (g_window == nullptr) {
        return 1;
    }
    RECT client{};
    GetClientRect(g_window, &client);
    std::printf("CLIENT %ld %ld %u\n", client.right, client.bottom, GetDpiForWindow(g_window));
    EnumChildWindows(g_window, PrintControl, 0);
    return 0;
}
