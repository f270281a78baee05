#include "bulletin/bulletin.h"

#include "http/url_text.h"

namespace {

Text field(std::string_view text, std::string_view start, std::string_view end) {
  return textBetween(text, start, end);
}

}  // namespace

Bulletin parseBulletin(std::string_view text) {
  Bulletin bulletin;
  bulletin.advertTitle = field(text, "<广告标题开始>", "<广告标题结束>");
  bulletin.advertLink = field(text, "<广告链接开始>", "<广告链接结束>");
  bulletin.latestVersion = field(text, "<最新版本>", "<最新版本结束>");
  bulletin.downloadUrl = field(text, "<最新版本地址开始>", "<最新版本地址结束>");
  bulletin.updateNotes = field(text, "<更新说明开始>", "<更新说明结束>");
  bulletin.feedbackUrl = field(text, "<留言地址开始>", "<留言地址结束>");
  return bulletin;
}

Text bulletinNotice(std::string_view text) { return field(text, "<公告开始>", "<公告结束>"); }

bool showsAdvert(const Bulletin& bulletin) {
  return !bulletin.advertTitle.empty() && bulletin.advertTitle != kNoAdvert;
}

bool announcesOtherVersion(const Bulletin& bulletin) {
  return !bulletin.latestVersion.empty() && bulletin.latestVersion != kOwnVersion;
}
