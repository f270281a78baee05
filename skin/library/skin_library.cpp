// The tool's skin library: a DLL without the C runtime that the tool maps from memory.
// SkinH_AttachRes reads a skin file and, through a thread hook, subclasses every window
// of the calling thread, existing and later ones, so that window grounds, edit boxes,
// labels, buttons and hyperlink boxes are drawn with the skin's colours and font.

#include <windows.h>

#include "skin/skin_format.h"

namespace {

using namespace skin_format;

constexpr char kOriginalProc[] = "QuizSkinOriginalProc";

struct Attached {
  bool active;
  COLORREF colours[kColourCount];
  HBRUSH windowBrush, editBrush, buttonBrush;
  HPEN borderPen;
  HFONT font;
  HHOOK hook;
} skin;

COLORREF colourOf(Colour which) { return skin.colours[which]; }

bool classIs(HWND window, const char* name) {
  char found[32];
  return GetClassNameA(window, found, sizeof found) && lstrcmpiA(found, name) == 0;
}

LRESULT callOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kOriginalProc));
  return original ? CallWindowProcA(original, window, message, wParam, lParam)
                  : DefWindowProcA(window, message, wParam, lParam);
}

void drawCaption(HWND window, HDC dc, const RECT& area, COLORREF colour, UINT format,
                 bool underline) {
  char caption[256];
  int length = GetWindowTextA(window, caption, sizeof caption);
  LOGFONTA look;
  GetObjectA(skin.font, sizeof look, &look);
  look.lfUnderline = underline;
  HFONT font = CreateFontIndirectA(&look);
  HGDIOBJ previous = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(window) ? colour : RGB(150, 150, 150));
  RECT box = area;
  DrawTextA(dc, caption, length, &box, format | DT_NOPREFIX);
  SelectObject(dc, previous);
  DeleteObject(font);
}

LRESULT paintButton(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, skin.buttonBrush);
  HGDIOBJ previousPen = SelectObject(dc, skin.borderPen);
  HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
  Rectangle(dc, client.left, client.top, client.right, client.bottom);
  SelectObject(dc, previousBrush);
  SelectObject(dc, previousPen);
  drawCaption(window, dc, client, colourOf(buttonText), DT_CENTER | DT_VCENTER | DT_SINGLELINE,
              false);
  EndPaint(window, &paint);
  return 0;
}

LRESULT paintLink(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, skin.windowBrush);
  drawCaption(window, dc, client, colourOf(link), DT_LEFT | DT_VCENTER | DT_SINGLELINE, true);
  EndPaint(window, &paint);
  return 0;
}

LRESULT colourControl(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (message == WM_CTLCOLOREDIT || (message == WM_CTLCOLORSTATIC && classIs(control, "Edit"))) {
    SetTextColor(dc, colourOf(editText));
    SetBkColor(dc, colourOf(editGround));
    return reinterpret_cast<LRESULT>(skin.editBrush);
  }
  if (message == WM_CTLCOLORSTATIC) {
    SetTextColor(dc, colourOf(text));
    SetBkColor(dc, colourOf(Colour::window));
    return reinterpret_cast<LRESULT>(skin.windowBrush);
  }
  if (message == WM_CTLCOLORBTN) return reinterpret_cast<LRESULT>(skin.buttonBrush);
  return callOriginal(window, message, wParam, lParam);
}

LRESULT CALLBACK skinnedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return colourControl(window, message, wParam, lParam);
    case WM_SETFONT:
      return callOriginal(window, message, reinterpret_cast<WPARAM>(skin.font), lParam);
    case WM_ERASEBKGND:
      if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, skin.windowBrush);
        return 1;
      }
      break;
    case WM_PAINT: {
      LONG style = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
      if (classIs(window, "Button") && (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON)) {
        return paintButton(window);
      }
      if (classIs(window, "QuizHyperlink")) return paintLink(window);
      break;
    }
    case WM_ENABLE:
    case WM_SETTEXT: {
      LRESULT result = callOriginal(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_NCDESTROY: {
      LRESULT result = callOriginal(window, message, wParam, lParam);
      RemovePropA(window, kOriginalProc);
      return result;
    }
  }
  return callOriginal(window, message, wParam, lParam);
}

void subclass(HWND window) {
  if (GetPropA(window, kOriginalProc)) return;
  LONG_PTR original = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(skinnedProc));
  SetPropA(window, kOriginalProc, reinterpret_cast<HANDLE>(original));
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(skin.font), TRUE);
  InvalidateRect(window, nullptr, TRUE);
}

BOOL CALLBACK subclassChild(HWND window, LPARAM) {
  subclass(window);
  return TRUE;
}

BOOL CALLBACK subclassTree(HWND window, LPARAM) {
  subclass(window);
  EnumChildWindows(window, subclassChild, 0);
  return TRUE;
}

LRESULT CALLBACK creationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) subclass(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(skin.hook, code, wParam, lParam);
}

COLORREF toColorref(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

}  // namespace

extern "C" {

// Attaches the skin to the calling thread's windows. The password is not used; hue,
// saturation and brightness adjust every colour of the skin. Returns 1 when attached.
int __stdcall SkinH_AttachRes(const unsigned char* data, int length, const char* /*password*/,
                              int hue, int saturation, int brightness) {
  Skin parsed;
  if (skin.active || length <= 0 || !parseSkin(data, static_cast<unsigned>(length), parsed)) {
    return 0;
  }
  for (int i = 0; i < kColourCount; ++i) {
    skin.colours[i] = toColorref(adjust(parsed.colours[i], hue, saturation, brightness));
  }
  skin.windowBrush = CreateSolidBrush(colourOf(Colour::window));
  skin.editBrush = CreateSolidBrush(colourOf(editGround));
  skin.buttonBrush = CreateSolidBrush(colourOf(buttonFace));
  skin.borderPen = CreatePen(PS_SOLID, 1, colourOf(border));
  skin.font = CreateFontA(-parsed.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, parsed.face);
  skin.hook = SetWindowsHookExA(WH_CBT, creationHook, nullptr, GetCurrentThreadId());
  skin.active = true;
  EnumThreadWindows(GetCurrentThreadId(), subclassTree, 0);
  return 1;
}

BOOL WINAPI SkinEntry(HINSTANCE, DWORD, LPVOID) { return TRUE; }

}  // extern "C"
