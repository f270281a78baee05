#include "app/hyperlink_win.h"

#include <shellapi.h>

#include "app/web_address.h"
#include "base/handles_win.h"

namespace {

constexpr char kClassName[] = "QuizHyperlink";
constexpr COLORREF kLinkColour = RGB(0, 0, 238);

struct Hyperlink {
  Text address;
  HFONT font = nullptr;  // owned by whoever set it
};

Hyperlink* linkOf(HWND window) {
  return reinterpret_cast<Hyperlink*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT onPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  LOGFONTA look{};
  const Hyperlink* link = linkOf(window);
  GetObjectA(link && link->font ? link->font : GetStockObject(DEFAULT_GUI_FONT), sizeof look,
             &look);
  look.lfUnderline = TRUE;
  UniqueFont font(CreateFontIndirectA(&look));
  SelectedObject selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kLinkColour);
  Text caption = controlText(window);
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &client,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  EndPaint(window, &paint);
  return 0;
}

LRESULT onClick(HWND window) {
  const Hyperlink* link = linkOf(window);
  // Only web pages: the handler would also start programs and open local files.
  if (link && isWebAddress(link->address)) {
    ShellExecuteA(nullptr, "open", link->address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
  return 0;
}

LRESULT CALLBACK hyperlinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Hyperlink));
      break;
    case WM_NCDESTROY:
      delete linkOf(window);
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_SETFONT:
      if (Hyperlink* link = linkOf(window)) link->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT: {
      const Hyperlink* link = linkOf(window);
      return reinterpret_cast<LRESULT>(link ? link->font : nullptr);
    }
    case WM_PAINT:
      return onPaint(window);
    case WM_LBUTTONUP:
      return onClick(window);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND createHyperlink(HWND parent, int id, const Place& place, bool visible, const Text& caption) {
  HINSTANCE instance = instanceOf(parent);
  registerControlClass(instance, kClassName, hyperlinkProc, 0, IDC_HAND);
  return CreateWindowExA(0, kClassName, caption.c_str(), WS_CHILD | (visible ? WS_VISIBLE : 0),
                         place.left, place.top, place.width, place.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void setHyperlinkAddress(HWND link, const Text& address) {
  if (Hyperlink* data = linkOf(link)) data->address = address;
}

Text hyperlinkAddress(HWND link) {
  const Hyperlink* data = linkOf(link);
  return data ? data->address : Text();
}
