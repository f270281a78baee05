#include "app/main_window_layout_win.h"

#include <commctrl.h>

#include "app/hyperlink_win.h"
#include "app/picture_box_win.h"

namespace {

HWND createControl(const MainWindow& main, const char* className, const char* text, DWORD style,
                   DWORD extendedStyle, int id, const Place& place) {
  HINSTANCE instance = instanceOf(main.window);
  HWND control = CreateWindowExA(extendedStyle, className, text, WS_CHILD | style, place.left,
                                 place.top, place.width, place.height, main.window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                 nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(main.font.get()), FALSE);
  return control;
}

HWND createEdit(const MainWindow& main, const char* text, DWORD style, int id, const Place& place) {
  HWND edit = createControl(main, "EDIT", text, style, WS_EX_CLIENTEDGE, id, place);
  if (style & ES_MULTILINE) SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);  // no 32K cap
  return edit;
}

HWND createButton(const MainWindow& main, const char* caption, DWORD style, int id,
                  const Place& place) {
  return createControl(main, "BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON | style, 0, id, place);
}

HWND createUpDown(const MainWindow& main, HWND buddy, const Place& place) {
  HWND upDown = createControl(main, UPDOWN_CLASSA, "", WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                              0, kId编辑框3_调节器, place);
  SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageA(upDown, UDM_SETRANGE32, 1, 9);
  SendMessageA(upDown, UDM_SETPOS32, 0, 5);
  return upDown;
}

}  // namespace

void createMainWindowControls(MainWindow& main) {
  main.font.reset(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_DONTCARE, "宋体"));
  main.darkGround.reset(CreateSolidBrush(kDarkGrey));

  const DWORD multiLine = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  main.编辑框2 = createEdit(main, kUsageNotice, WS_VISIBLE | WS_VSCROLL | multiLine, kId编辑框2,
                            {2, 1, 358, 223});
  main.编辑框1 = createEdit(main, "", WS_VISIBLE | WS_DISABLED | WS_TABSTOP | multiLine,
                            kId编辑框1, {2, 229, 358, 51});
  main.图片框_伸展 = createPictureBox(main.window, kId图片框_伸展, {3, 281, 360, 12}, true, kDarkGrey);
  main.透明标签1 = createControl(main, "STATIC", "显示行数：", WS_VISIBLE | SS_LEFT, 0,
                                 kId透明标签1, {9, 299, 61, 24});
  main.编辑框3 = createEdit(main, "5", WS_VISIBLE | ES_AUTOHSCROLL, kId编辑框3, {77, 299, 22, 16});
  SendMessageA(main.编辑框3, EM_SETLIMITTEXT, 1, 0);
  main.编辑框3_调节器 = createUpDown(main, main.编辑框3, {100, 299, 14, 16});
  main.关于软件 = createButton(main, "关于软件", WS_VISIBLE, kId关于软件, {125, 300, 64, 24});
  main.检索方式 = createButton(main, "自动检索", WS_VISIBLE | WS_DISABLED, kId检索方式,
                               {206, 300, 58, 24});
  main.按钮_截图 = createButton(main, "截图检索", WS_VISIBLE | WS_DISABLED, kId按钮_截图,
                                {282, 300, 58, 24});
  // No word wrap: a bulletin could send one enormous word, which wrapping handles slowly.
  main.公告 = createControl(main, "STATIC", "", WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, kId公告,
                            {5, 356, 237, 24});
  main.广告超级链接框 = createHyperlink(main.window, kId广告超级链接框, {245, 356, 112, 24}, false, "");
  SendMessageA(main.广告超级链接框, WM_SETFONT, reinterpret_cast<WPARAM>(main.font.get()), FALSE);
  main.图片框_图片数据 =
      createPictureBox(main.window, kId图片框_图片数据, {32, 144, 56, 32}, false, kDarkGrey);
  main.编辑框_识别结果 = createEdit(main, "", WS_VSCROLL | multiLine, kId编辑框_识别结果,
                                    {133, 181, 75, 27});
  main.时钟1 = WindowTimer(main.window, kId时钟1);
}
