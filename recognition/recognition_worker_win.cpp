#include "recognition/recognition_worker_win.h"

#include <system_error>
#include <thread>

#include "app/controls_win.h"
#include "app/picture_box_win.h"
#include "http/web_requester_win.h"
#include "json/json_document_win.h"
#include "recognition/encoders.h"
#include "recognition/picture_converter_win.h"
#include "recognition/recognition_errors.h"
#include "recognition/recognition_service.h"
#include "search/clipboard_win.h"

namespace {

// The edit box's text, asked of its own thread.
Text sentText(HWND edit) {
  LRESULT length = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
  Text text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
  LRESULT copied = SendMessageA(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void sendText(HWND edit, const Text& text) {
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Caret to the end, scrolled into view, the text put in place of the empty selection.
void sendAppend(HWND edit, const Text& text) {
  LRESULT end = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
  SendMessageA(edit, EM_SETSEL, end, end);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

void recognizeRegion(const RecognitionTarget& target) {
  JsonDocument document;
  sendText(target.resultBox, "");
  Bytes picture = pictureBytes(target.pictureBox);
  Bytes jpeg;
  convertPicture(picture, 2, "", jpeg);
  Text image = urlEncode(base64Encode(jpeg), true, true);

  WebExchange exchange;
  exchange.url = recognitionUrl(recognitionService());
  exchange.method = 1;
  exchange.body = recognitionRequestBody(target.accessToken, image);
  exchange.headers = kRecognitionContentType;
  document.parse(requestText(exchange));

  if (std::optional<Text> message = recognitionMessage(document.getText("error_code"))) {
    sendText(target.resultBox, *message);
  }
  std::int32_t lines = document.count("words_result");
  for (std::int32_t i = 1; i <= lines; ++i) {
    sendAppend(target.resultBox,
               document.getText("words_result[" + std::to_string(i - 1) + "].words"));
  }
  setClipboardText(sentText(target.resultBox));
  EnableWindow(target.mainWindow, TRUE);
  document.destroy();
}

bool startRecognitionWorker(const RecognitionTarget& target) {
  try {
    std::thread([target] { recognizeRegion(target); }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}
