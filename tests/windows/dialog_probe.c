/* dialog_probe: reads and drives the screensaver's configuration dialog (or
   its About box, or a message box) from another process, as the Wine tests need it.
     dialog_probe state TITLE          every control's state, one per line
     dialog_probe modes TITLE          the entries of the video mode list
     dialog_probe click TITLE ID       presses a button
     dialog_probe key TITLE ID VK      a key press sent to a control
   Exit status 2 when no window has the title. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
#include <commctrl.h>

static const int kChecks[] = {1001, 1003, 1004, 1011, 1023, 1027, 1028, 1032, 1036, 1037, 1038};
static const int kTexts[] = {1017, 1030, 1035, 1007, 1008, 1006, 1,
                             1049, 1050, 1051, 1052, 1053, 1054, 1055,
                             0xFFFF /* a message box's text */};

static int Enabled(HWND item) { return IsWindowEnabled(item) ? 1 : 0; }

/* Entry i of a combo box. Asked in UTF-16: only that form crosses process
   boundaries intact under Wine. */
static void ComboText(HWND combo, LRESULT i, char* text, int size) {
  WCHAR wide[256] = {0};
  if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 256) SendMessageW(combo, CB_GETLBTEXT, i, (LPARAM)wide);
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, size, NULL, NULL);
}

static void PrintCombo(HWND dialog, int id) {
  HWND combo = GetDlgItem(dialog, id);
  char text[256] = "-";
  LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected != CB_ERR) ComboText(combo, selected, text, sizeof text);
  printf("combo %d enabled=%d count=%d sel=%s\n", id, Enabled(combo), (int)SendMessageA(combo, CB_GETCOUNT, 0, 0),
         text);
}

static void PrintState(HWND dialog) {
  char text[256];
  GetWindowTextA(dialog, text, sizeof text);
  printf("title %s\n", text);
  for (size_t i = 0; i < sizeof kChecks / sizeof kChecks[0]; ++i) {
    HWND item = GetDlgItem(dialog, kChecks[i]);
    if (item)
      printf("check %d enabled=%d checked=%d\n", kChecks[i], Enabled(item),
             (int)SendMessageA(item, BM_GETCHECK, 0, 0));
  }
  for (int id = 1026; id <= 1029; id += 3) {
    HWND bar = GetDlgItem(dialog, id);
    if (bar)
      printf("track %d enabled=%d pos=%d min=%d max=%d page=%d\n", id, Enabled(bar),
             (int)SendMessageA(bar, TBM_GETPOS, 0, 0), (int)SendMessageA(bar, TBM_GETRANGEMIN, 0, 0),
             (int)SendMessageA(bar, TBM_GETRANGEMAX, 0, 0), (int)SendMessageA(bar, TBM_GETPAGESIZE, 0, 0));
  }
  for (size_t i = 0; i < sizeof kTexts / sizeof kTexts[0]; ++i) {
    HWND item = GetDlgItem(dialog, kTexts[i]);
    if (!item) continue;
    GetWindowTextA(item, text, sizeof text);
    printf("text %d enabled=%d %s\n", kTexts[i], Enabled(item), text);
  }
  if (GetDlgItem(dialog, 1000)) PrintCombo(dialog, 1000);
  if (GetDlgItem(dialog, 1033)) PrintCombo(dialog, 1033);
}

static void PrintModes(HWND dialog) {
  HWND combo = GetDlgItem(dialog, 1000);
  int count = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    ComboText(combo, i, text, sizeof text);
    printf("%s\n", text);
  }
}

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: dialog_probe state|modes|click|key TITLE [ID [VK]]\n");
    return 1;
  }
  HWND dialog = FindWindowA(NULL, argv[2]);
  if (!dialog) {
    fprintf(stderr, "dialog_probe: no window \"%s\"\n", argv[2]);
    return 2;
  }
  const char* command = argv[1];
  if (strcmp(command, "state") == 0) {
    PrintState(dialog);
  } else if (strcmp(command, "modes") == 0) {
    PrintModes(dialog);
  } else if (strcmp(command, "click") == 0 && argc > 3) {
    /* Posted, so a click that opens a modal box does not block the probe. */
    PostMessageA(GetDlgItem(dialog, atoi(argv[3])), BM_CLICK, 0, 0);
  } else if (strcmp(command, "key") == 0 && argc > 4) {
    HWND item = GetDlgItem(dialog, atoi(argv[3]));
    WPARAM key = (WPARAM)atoi(argv[4]);
    PostMessageA(item, WM_KEYDOWN, key, 1);
    PostMessageA(item, WM_KEYUP, key, (LPARAM)0xC0000001);
  } else {
    fprintf(stderr, "dialog_probe: bad command\n");
    return 1;
  }
  fflush(stdout);
  return 0;
}
