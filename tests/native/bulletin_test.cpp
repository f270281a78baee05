#include "bulletin/bulletin.h"

#include <gtest/gtest.h>

#include "app/web_address.h"

namespace {

TEST(BulletinTest, FieldsBetweenTheirMarkers) {
  Text text =
      "x<公告开始>第一行\r\n第二行<公告结束><公告开始>第二条<公告结束>"
      "<广告标题开始>题库下载<广告标题结束><广告链接开始>http://a.cn/x<广告链接结束>"
      "<最新版本地址开始>http://a.cn/new<最新版本地址结束><最新版本>2.0<最新版本结束>"
      "<更新说明开始> 修复 <更新说明结束><留言地址开始>https://a.cn/msg<留言地址结束>";
  EXPECT_EQ(bulletinNotice(text), "第一行\r\n第二行");
  Bulletin bulletin = parseBulletin(text);
  EXPECT_EQ(bulletin.advertTitle, "题库下载");
  EXPECT_EQ(bulletin.advertLink, "http://a.cn/x");
  EXPECT_EQ(bulletin.latestVersion, "2.0");
  EXPECT_EQ(bulletin.downloadUrl, "http://a.cn/new");
  EXPECT_EQ(bulletin.updateNotes, " 修复 ");
  EXPECT_EQ(bulletin.feedbackUrl, "https://a.cn/msg");
}

TEST(BulletinTest, EndMarkerBeforeItsStartGivesNothing) {
  EXPECT_EQ(bulletinNotice("<公告结束>text<公告开始>"), "");
  EXPECT_EQ(parseBulletin("<最新版本结束>2.0<最新版本>").latestVersion, "");
  EXPECT_EQ(parseBulletin("").feedbackUrl, "");
}

TEST(BulletinTest, VersionTestIsAnInequalityOfTexts) {
  struct Case {
    const char* version;
    bool other;
  };
  for (Case c : {Case{"2.0", true}, Case{"1.0", false}, Case{"0.9", true}, Case{"1.00", true},
                 Case{"1.0 ", true}, Case{"", false}}) {
    Bulletin bulletin;
    bulletin.latestVersion = c.version;
    EXPECT_EQ(announcesOtherVersion(bulletin), c.other) << "[" << c.version << "]";
  }
}

TEST(BulletinTest, AdvertShownUnlessEmptyOrNone) {
  Bulletin bulletin;
  EXPECT_FALSE(showsAdvert(bulletin));
  bulletin.advertTitle = "暂无广告";
  EXPECT_FALSE(showsAdvert(bulletin));
  bulletin.advertTitle = "题库";
  EXPECT_TRUE(showsAdvert(bulletin));
}

TEST(WebAddressTest, OnlyHttpAndHttpsOpen) {
  struct Case {
    const char* address;
    bool opens;
  };
  for (Case c : {Case{"http://a.cn/x", true}, Case{"HTTPS://A.CN", true}, Case{"Http://a", true},
                 Case{"file:///C:/Windows/system32/calc.exe", false},
                 Case{"C:\\Windows\\system32\\calc.exe", false}, Case{"\\\\server\\share\\x.exe", false},
                 Case{"javascript:alert(1)", false}, Case{"", false}, Case{"http:/a", false},
                 Case{" http://a", false}, Case{"mailto:a@b.cn", false}}) {
    EXPECT_EQ(isWebAddress(c.address), c.opens) << c.address;
  }
}

}  // namespace
