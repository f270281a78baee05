// The recognition worker and the token request, against the stand-in recognition
// service on loopback (its port in QUIZ_STAND_IN_PORT).

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/picture_box_win.h"
#include "recognition/access_token_win.h"
#include "recognition/recognition_errors.h"
#include "recognition/recognition_worker_win.h"
#include "search/clipboard_win.h"
#include "tests/support/bmp_pictures.h"

namespace {

void pointAtStandIn() {
  const char* port = std::getenv("QUIZ_STAND_IN_PORT");
  Text setting = Text("QUIZ_OCR_BASE_URL=http://127.0.0.1:") + (port ? port : "1");
  _putenv(setting.c_str());
}

// A disabled window with the two hidden controls the worker uses, on this thread.
class RecognitionTest : public testing::Test {
 protected:
  void SetUp() override {
    pointAtStandIn();
    window_ = CreateWindowExA(0, "STATIC", "recognition test", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                              100, nullptr, nullptr, nullptr, nullptr);
    // Styled as the main window's box: a multi-line box takes more text than it shows.
    resultBox_ = CreateWindowExA(0, "EDIT", "stale",
                                 WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 75,
                                 27, window_, nullptr, nullptr, nullptr);
    pictureBox_ = createPictureBox(window_, 1, {0, 40, 56, 32}, false, RGB(40, 40, 40));
    setPicture(pictureBox_, patternBitmap(64, 32, 32));
  }
  void TearDown() override { DestroyWindow(window_); }

  // Runs the worker and pumps this thread's messages until it enables the window.
  Text recognise(const Text& token) {
    EnableWindow(window_, FALSE);
    setClipboardText("stale");
    EXPECT_TRUE(startRecognitionWorker({window_, resultBox_, pictureBox_, token}));
    for (DWORD waited = 0; !IsWindowEnabled(window_) && waited < 60000; waited += 10) {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      Sleep(10);
    }
    EXPECT_TRUE(IsWindowEnabled(window_)) << token;
    Text box(GetWindowTextLengthA(resultBox_) + 1, '\0');
    box.resize(GetWindowTextA(resultBox_, box.data(), static_cast<int>(box.size())));
    EXPECT_EQ(clipboardText(), box) << "the clipboard holds the box's text";
    return box;
  }

  Text message(const char* code) { return *recognitionMessage(code); }

  HWND window_ = nullptr;
  HWND resultBox_ = nullptr;
  HWND pictureBox_ = nullptr;
};

TEST_F(RecognitionTest, AnswersBecomeTheBoxAndTheClipboard) {
  struct Case {
    const char* token;
    Text expected;
  };
  const Case cases[] = {
      {"lines-ABC", "ABC"},
      {"empty", ""},
      {"error-110", message("110")},
      {"error-110-text", message("110")},
      {"error-5", ""},
      {"error-and-lines", message("17") + "X"},
      {"missing-words", "Y"},
      {"broken", ""},
      {"silent", ""},
      {"", message("110")},  // an empty token is still sent: access_token=&image=
  };
  for (const Case& c : cases) EXPECT_EQ(recognise(c.token), c.expected) << c.token;
}

TEST_F(RecognitionTest, NoPictureSendsAnEmptyImage) {
  setPicture(pictureBox_, {});
  EXPECT_EQ(recognise("lines-ABC"), message("216200"));
}

TEST_F(RecognitionTest, FailedExchangeLeavesTheBoxEmpty) {
  _putenv("QUIZ_OCR_BASE_URL=http://127.0.0.1:1");
  EXPECT_EQ(recognise("lines-ABC"), "");
}

TEST(AccessTokenTest, TokenOfTheClientCredentialsGrant) {
  pointAtStandIn();
  EXPECT_EQ(fetchAccessToken(), "tesseract");
  _putenv("QUIZ_OCR_SECRET_KEY=wrong");
  EXPECT_EQ(fetchAccessToken(), "");
  _putenv("QUIZ_OCR_SECRET_KEY=");
  _putenv("QUIZ_OCR_BASE_URL=http://127.0.0.1:1");
  EXPECT_EQ(fetchAccessToken(), "");
}

// A picture of large, clear Chinese text drawn by Wine, read by Tesseract.
TEST_F(RecognitionTest, RealTextIsRecognised) {
  const Text phrase = "中华人民共和国";
  const int width = 420, height = 80;
  Bytes body = bmpInfoHeader(width, height, 32);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
  RECT all{0, 0, width, height};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HFONT font = CreateFontA(-48, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0,
                           ANTIALIASED_QUALITY, 0, "宋体");
  HGDIOBJ previousFont = SelectObject(memory, font);
  SetTextColor(memory, RGB(0, 0, 0));
  SetBkMode(memory, TRANSPARENT);
  DrawTextA(memory, phrase.c_str(), -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(memory, previousFont);
  SelectObject(memory, previousBitmap);
  body.resize(body.size() + bmpRowStride(width, 32) * height);
  GetDIBits(memory, bitmap, 0, height, body.data() + 40, reinterpret_cast<BITMAPINFO*>(body.data()),
            DIB_RGB_COLORS);
  DeleteObject(font);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  setPicture(pictureBox_, bmpFile(body));

  Text read = recognise(fetchAccessToken());
  // Tesseract gets the odd character wrong: most of the seven must be there.
  int found = 0;
  for (std::size_t i = 0; i + 1 < phrase.size(); i += 2) {
    if (read.find(phrase.substr(i, 2)) != Text::npos) ++found;
  }
  EXPECT_GE(found, 5) << testing::PrintToString(read);
}

}  // namespace
