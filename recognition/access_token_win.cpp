#include "recognition/access_token_win.h"

#include <memory>
#include <system_error>
#include <thread>

#include "http/web_requester_win.h"
#include "json/json_document_win.h"
#include "recognition/recognition_service.h"

Text fetchAccessToken() {
  JsonDocument document;
  RecognitionService service = recognitionService();
  WebExchange exchange;
  exchange.url = tokenUrl(service);
  exchange.method = 1;
  exchange.body = tokenRequestBody(service);
  document.parse(requestText(exchange));
  return document.getText("access_token");
}

void startTokenFetch(HWND window, UINT message) {
  try {
    std::thread([window, message] {
      auto token = std::make_unique<Text>(fetchAccessToken());
      if (PostMessageA(window, message, 0, reinterpret_cast<LPARAM>(token.get()))) token.release();
    }).detach();
  } catch (const std::system_error&) {
  }
}
