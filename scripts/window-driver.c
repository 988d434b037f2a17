/* Drives the running HushWall from outside, as scripts/screenshots.sh needs it:
 *   window-driver.exe command ID            posts menu command ID to the main window
 *   window-driver.exe click CLASS CAPTION   clicks the visible control of that caption
 *                                           in the top-level window of that class
 *   window-driver.exe place CLASS           prints the window's place as WxH+X+Y
 * Exits 1 when the window or control is not there (yet). */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

struct Search {
  const char* caption;
  HWND found;
};

static BOOL CALLBACK FindCaption(HWND control, LPARAM context) {
  struct Search* search = (struct Search*)context;
  char text[256] = {0};
  GetWindowTextA(control, text, sizeof text);
  if (!IsWindowVisible(control) || strcmp(text, search->caption) != 0) return TRUE;
  search->found = control;
  return FALSE;
}

static int Click(HWND window, const char* caption) {
  struct Search search = {caption, NULL};
  char kind[32] = {0};
  EnumChildWindows(window, FindCaption, (LPARAM)&search);
  if (!search.found) return 1;
  GetClassNameA(search.found, kind, sizeof kind);
  /* A standard button clicks itself; the skinned one answers the mouse alone. */
  if (lstrcmpiA(kind, "Button") == 0) {
    PostMessageA(search.found, BM_CLICK, 0, 0);
  } else {
    PostMessageA(search.found, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(search.found, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  return 0;
}

int main(int argc, char** argv) {
  HWND window = NULL;
  RECT place;
  if (argc == 3 && strcmp(argv[1], "command") == 0) {
    window = FindWindowA("HushWallMain", NULL);
    return window && PostMessageA(window, WM_COMMAND, (WPARAM)atoi(argv[2]), 0) ? 0 : 1;
  }
  if (argc >= 3) window = FindWindowA(argv[2], NULL);
  if (window && !IsWindowVisible(window)) window = NULL;
  if (argc == 4 && strcmp(argv[1], "click") == 0) return window ? Click(window, argv[3]) : 1;
  if (argc == 3 && strcmp(argv[1], "place") == 0) {
    if (!window || !GetWindowRect(window, &place)) return 1;
    printf("%ldx%ld+%ld+%ld\n", place.right - place.left, place.bottom - place.top, place.left, place.top);
    return 0;
  }
  fprintf(stderr, "usage: window-driver.exe command ID | click CLASS CAPTION | place CLASS\n");
  return 2;
}
