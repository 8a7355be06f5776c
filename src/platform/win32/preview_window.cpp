#include "platform/win32/preview_window.h"

#include "resources/resource_ids.h"

namespace {

constexpr const char* kPreviewClass = "QVSSPreview";
constexpr DWORD kPreviewStyle = WS_CHILD | WS_VISIBLE;

HBITMAP previewBitmap = nullptr;

void PaintPreview(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, previewBitmap);
  BITMAP info{};
  GetObjectA(previewBitmap, sizeof info, &info);
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  EndPaint(window, &paint);
}

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      previewBitmap = LoadBitmapA(reinterpret_cast<CREATESTRUCTA*>(lParam)->hInstance, MAKEINTRESOURCEA(IDB_PREVIEW));
      return 0;
    case WM_DESTROY:
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
    case WM_PAINT:
      PaintPreview(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int RunPreview(HINSTANCE instance, int showCommand, uint32_t parent) {
  WNDCLASSA windowClass{};
  windowClass.style = CS_VREDRAW | CS_HREDRAW;
  windowClass.lpfnWndProc = PreviewProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kPreviewClass;
  RegisterClassA(&windowClass);

  // Handles are 32 bits wide even in 64-bit processes.
  HWND parentWindow = reinterpret_cast<HWND>(uintptr_t(parent));
  RECT area{};
  GetClientRect(parentWindow, &area);
  AdjustWindowRect(&area, kPreviewStyle, FALSE);
  HWND window = CreateWindowExA(0, kPreviewClass, "QVSS", kPreviewStyle, area.left, area.top,
                                area.right - area.left, area.bottom - area.top, parentWindow, nullptr, instance,
                                nullptr);
  if (!window) {
    MessageBoxA(nullptr, "Cannot creat window!", "ERROR", MB_OK);
    return 0;
  }
  ShowWindow(window, showCommand);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (previewBitmap) DeleteObject(previewBitmap);
  previewBitmap = nullptr;
  return 1;
}
