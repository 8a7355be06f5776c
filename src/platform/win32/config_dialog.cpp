#include "platform/win32/config_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "platform/win32/about_dialog.h"
#include "platform/win32/display_modes.h"
#include "resources/resource_ids.h"
#include "settings/stored_settings.h"

namespace {

constexpr const char* kModeFormat = "%d x %d %d bits";
constexpr int kPageSize = 10;

struct TextRow {
  int id;
  const char* key;
};

constexpr TextRow kTexts[] = {
    {IDC_VIDEO_GROUP, "video_mode_selection"}, {IDC_USE_DESKTOP, "use_desktop_settings"},
    {IDC_VSYNC, "vsync"},                      {IDC_OPTIONS_GROUP, "options"},
    {IDC_SHOW_TIME, "show_time"},              {IDC_HRS12, "12h_style"},
    {IDC_HRS24, "24h_style"},                  {IDC_SHOW_FPS, "show_fps"},
    {IDC_MOUSE_EXIT, "exit_on_mouse_move"},    {IDC_GAMMA_GROUP, "gamma_control"},
    {IDC_DEF_GAMMA, "use_by_default"},         {IDC_SOUND_GROUP, "sound_control"},
    {IDC_ENABLE_MUSIC, "enable_music"},        {IDC_SCENE_GROUP, "scene_options"},
    {IDC_CAMERA_SPEED_TEXT, "camera_speed"},   {IDC_GALAXY, "enable_galaxy_scenes"},
    {IDC_WIDE_SCREEN, "wide_screen"},          {IDC_PRODUCTS_GROUP, "products"},
    {IDC_WEB_SITE_TEXT, "visit_our_official_web-site"}, {IDC_VISIT, "visit..."},
    {IDC_RESTORE_DEFAULTS, "restore_defaults"}, {IDOK, "ok"},
    {IDCANCEL, "cancel"},
};

struct CheckRow {
  int id;
  bool Settings::*flag;
};

constexpr CheckRow kChecks[] = {
    {IDC_USE_DESKTOP, &Settings::UseDesktop}, {IDC_ENABLE_MUSIC, &Settings::EnableMusic},
    {IDC_DEF_GAMMA, &Settings::DefGamma},     {IDC_SHOW_TIME, &Settings::ShowClock},
    {IDC_SHOW_FPS, &Settings::ShowFPS},       {IDC_VSYNC, &Settings::VSync},
    {IDC_MOUSE_EXIT, &Settings::MouseExit},   {IDC_WIDE_SCREEN, &Settings::WideScreen},
    {IDC_GALAXY, &Settings::Galaxy},
};

ScreensaverApp& AppOf(HWND dialog) {
  return *reinterpret_cast<ScreensaverApp*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

void EnableItem(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled); }

void CheckItem(HWND dialog, int id, bool checked) {
  CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

std::string ModeText(const DisplayMode& mode) {
  char text[64];
  std::snprintf(text, sizeof text, kModeFormat, mode.width, mode.height, mode.bitsPerPixel);
  return text;
}

// Every mode of the primary display from 640 x 480 x 16 on, each once
// (modes that differ only in refresh rate or orientation list alike).
void FillVideoModes(HWND dialog) {
  DisplayMode mode;
  for (DWORD index = 0; ReadDisplayMode(nullptr, index, mode); ++index) {
    if (mode.width < 640 || mode.height < 480 || mode.bitsPerPixel < 16) continue;
    std::string text = ModeText(mode);
    if (SendItem(dialog, IDC_VIDEO_MODE, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str())) != CB_ERR) continue;
    SendItem(dialog, IDC_VIDEO_MODE, CB_ADDSTRING, 0, LPARAM(text.c_str()));
  }
}

// The desktop's current mode with UseDesktop, else the stored one; a mode
// that is not listed leaves no selection.
void SelectVideoMode(HWND dialog, const Settings& settings) {
  DisplayMode mode{settings.Width, settings.Height, settings.Depth};
  if (settings.UseDesktop) ReadDisplayMode(nullptr, ENUM_CURRENT_SETTINGS, mode);
  SendItem(dialog, IDC_VIDEO_MODE, CB_SETCURSEL, WPARAM(-1));
  SendItem(dialog, IDC_VIDEO_MODE, CB_SELECTSTRING, WPARAM(-1), LPARAM(ModeText(mode).c_str()));
  EnableItem(dialog, IDC_VIDEO_MODE, !settings.UseDesktop);
}

void ReadVideoMode(HWND dialog, Settings& settings) {
  LRESULT selected = SendItem(dialog, IDC_VIDEO_MODE, CB_GETCURSEL);
  if (selected == CB_ERR) return;
  char text[64] = {};
  if (SendItem(dialog, IDC_VIDEO_MODE, CB_GETLBTEXTLEN, WPARAM(selected)) >= LRESULT(sizeof text)) return;
  SendItem(dialog, IDC_VIDEO_MODE, CB_GETLBTEXT, WPARAM(selected), LPARAM(text));
  int width = 0, height = 0, bits = 0;
  if (std::sscanf(text, kModeFormat, &width, &height, &bits) != 3) return;
  settings.Width = width;
  settings.Height = height;
  settings.Depth = bits;
}

void ShowLevel(HWND dialog, int id, const std::string& label, int percent) {
  char text[128];
  std::snprintf(text, sizeof text, "%s (%d%%)", label.c_str(), percent);
  SetDlgItemTextA(dialog, id, text);
}

void ShowLevels(HWND dialog, const ScreensaverApp& app) {
  ShowLevel(dialog, IDC_VOLUME_TEXT, app.language.LookupText("volume"), app.settings.Volume);
  ShowLevel(dialog, IDC_GAMMA_TEXT, app.language.LookupText("brightness"), app.settings.Gamma + 50);
}

void ShowEnabling(HWND dialog, const Settings& settings) {
  EnableItem(dialog, IDC_VOLUME, settings.EnableMusic);
  EnableItem(dialog, IDC_VOLUME_TEXT, settings.EnableMusic);
  EnableItem(dialog, IDC_GAMMA, !settings.DefGamma);
  EnableItem(dialog, IDC_GAMMA_TEXT, !settings.DefGamma);
  EnableItem(dialog, IDC_HRS12, settings.ShowClock);
  EnableItem(dialog, IDC_HRS24, settings.ShowClock);
}

void SetUpTrackBar(HWND dialog, int id, int low, int high, int position) {
  SendItem(dialog, id, TBM_SETRANGE, TRUE, MAKELPARAM(low, high));
  SendItem(dialog, id, TBM_SETPOS, TRUE, position);
  SendItem(dialog, id, TBM_SETPAGESIZE, 0, kPageSize);
}

void ShowSettings(HWND dialog, const ScreensaverApp& app) {
  const Settings& settings = app.settings;
  SendItem(dialog, IDC_CAMERA_SPEED, CB_SETCURSEL, WPARAM(settings.TimeScale));  // 3: no entry
  SelectVideoMode(dialog, settings);
  for (const CheckRow& row : kChecks) CheckItem(dialog, row.id, settings.*row.flag);
  CheckItem(dialog, IDC_HRS12, settings.Hrs12);
  CheckItem(dialog, IDC_HRS24, !settings.Hrs12);
  ShowEnabling(dialog, settings);
  ShowLevels(dialog, app);
  SetDlgItemTextA(dialog, IDC_WEB_SITE_TEXT, app.language.LookupText("visit_our_official_web-site").c_str());
  SetUpTrackBar(dialog, IDC_VOLUME, 1, 100, settings.Volume);
  SetUpTrackBar(dialog, IDC_GAMMA, 0, 100, settings.Gamma);
}

void InitDialog(HWND dialog, ScreensaverApp& app) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&app));
  const LanguageTable& language = app.language;
  SetWindowTextA(dialog, language.LookupText("screensaver_configuration").c_str());
  for (const TextRow& row : kTexts) SetDlgItemTextA(dialog, row.id, language.LookupText(row.key).c_str());
  SetDlgItemTextA(dialog, IDC_ABOUT, (language.LookupText("about") + "...").c_str());
  FillVideoModes(dialog);
  for (const char* key : {"speed_0", "speed_1", "speed_2"})
    SendItem(dialog, IDC_CAMERA_SPEED, CB_ADDSTRING, 0, LPARAM(language.LookupText(key).c_str()));
  ShowSettings(dialog, app);
}

void Confirm(HWND dialog, ScreensaverApp& app) {
  Settings& settings = app.settings;
  ReadVideoMode(dialog, settings);
  // With no camera speed chosen (a stored step the list does not offer) the
  // stored step stays.
  LRESULT speed = SendItem(dialog, IDC_CAMERA_SPEED, CB_GETCURSEL);
  if (speed != CB_ERR) settings.TimeScale = int32_t(speed);
  settings.Hrs12 = IsDlgButtonChecked(dialog, IDC_HRS12) == BST_CHECKED;
  SaveSettings(settings, app.platform.Store());
  EndDialog(dialog, 1);
}

void FlipCheck(HWND dialog, Settings& settings, const CheckRow& row) {
  bool& flag = settings.*row.flag;
  flag = !flag;
  CheckItem(dialog, row.id, flag);
  if (row.id == IDC_USE_DESKTOP) {
    // Clearing it enables the list and keeps the desktop mode selected.
    if (flag) SelectVideoMode(dialog, settings);
    EnableItem(dialog, IDC_VIDEO_MODE, !flag);
  }
  ShowEnabling(dialog, settings);
}

bool OnCommand(HWND dialog, int id) {
  ScreensaverApp& app = AppOf(dialog);
  switch (id) {
    case IDOK:
      Confirm(dialog, app);
      return true;
    case IDCANCEL:
      EndDialog(dialog, 2);
      return true;
    case IDC_RESTORE_DEFAULTS:
      app.settings = app.defaultSettings;
      ShowSettings(dialog, app);
      return true;
    case IDC_VISIT: {
      std::string url = app.defaultsTable.LookupDefault("main_web_site_url", app.messages);
      ShellExecuteA(dialog, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      return true;
    }
    case IDC_ABOUT:
      RunAboutBox(dialog, app.language);
      return true;
    default:
      for (const CheckRow& row : kChecks) {
        if (row.id != id) continue;
        FlipCheck(dialog, app.settings, row);
        return true;
      }
      return false;  // the radio buttons switch themselves
  }
}

// Any move of either track bar, by mouse, page, arrow keys or wheel, takes
// both positions, so what OK saves is always what the bars show.
void OnScroll(HWND dialog) {
  ScreensaverApp& app = AppOf(dialog);
  app.settings.Volume = int32_t(SendItem(dialog, IDC_VOLUME, TBM_GETPOS));
  app.settings.Gamma = int32_t(SendItem(dialog, IDC_GAMMA, TBM_GETPOS));
  ShowLevels(dialog, app);
}

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitDialog(dialog, *reinterpret_cast<ScreensaverApp*>(lParam));
      return TRUE;
    case WM_COMMAND:
      return OnCommand(dialog, LOWORD(wParam)) ? TRUE : FALSE;
    case WM_HSCROLL:
      OnScroll(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int RunConfigure(HINSTANCE instance, ScreensaverApp& app) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HWND owner = reinterpret_cast<HWND>(uintptr_t(app.commandLine.parentWindow));
  if (owner && !IsWindow(owner)) owner = nullptr;
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONFIG), owner, ConfigDialogProc, reinterpret_cast<LPARAM>(&app));
  return 0;
}
