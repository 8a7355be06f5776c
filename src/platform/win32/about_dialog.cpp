#include "platform/win32/about_dialog.h"

#include "resources/resource_ids.h"

namespace {

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto& language = *reinterpret_cast<const LanguageTable*>(lParam);
      SetWindowTextA(dialog, language.LookupText("about").c_str());
      for (size_t line = 0; line < LanguageTable::AboutLineCount; ++line)
        SetDlgItemTextA(dialog, IDC_ABOUT_LINE_FIRST + int(line), language.AboutLine(line).c_str());
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void RunAboutBox(HWND owner, const LanguageTable& language) {
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc,
                  reinterpret_cast<LPARAM>(&language));
}
