// The remote bulletin, fetched once while the main window is created.

#include "app/hyperlink_win.h"
#include "app/main_window_handlers_win.h"
#include "app/secondary_windows_win.h"
#include "app/service_addresses.h"
#include "bulletin/bulletin.h"
#include "http/bulletin_request_win.h"

namespace {

void showLink(MainWindow& main, const Text& caption, const Text& address) {
  setControlText(main.广告超级链接框, caption);
  setHyperlinkAddress(main.广告超级链接框, address);
  ShowWindow(main.广告超级链接框, SW_SHOW);
}

}  // namespace

void applyBulletin(MainWindow& main) {
  AppState& state = main.state;
  state.bulletinUrl = bulletinEndpoint();
  state.bulletinText = postText(state.bulletinUrl, {});
  if (state.bulletinText.empty()) {
    showLink(main, "请点击留言", kFeedbackUrl);
    return;
  }
  setControlText(main.公告, bulletinNotice(state.bulletinText));
  state.bulletin = parseBulletin(state.bulletinText);
  if (showsAdvert(state.bulletin)) {
    showLink(main, state.bulletin.advertTitle, state.bulletin.advertLink);
  }
  if (announcesOtherVersion(state.bulletin)) openUpdateWindow(main.window, state);
}
