#include "recognition/recognition_service.h"

#include <cstdlib>

namespace {

Text setting(const char* variable, const char* fixed) {
  const char* value = std::getenv(variable);
  return value && *value ? value : fixed;
}

}  // namespace

RecognitionService recognitionService() {
  return {setting("QUIZ_OCR_BASE_URL", "https://aip.baidubce.com"),
          setting("QUIZ_OCR_API_KEY", "Qm4tLr8wZp2sKd6vHc3nXy7b"),
          setting("QUIZ_OCR_SECRET_KEY", "Vb5rNe8kTq1wJs4yPf7hMc0xLd3gRa6u")};
}

Text tokenUrl(const RecognitionService& service) { return service.baseUrl + "/oauth/2.0/token"; }

Text recognitionUrl(const RecognitionService& service) {
  return service.baseUrl + "/rest/2.0/ocr/v1/general_basic";
}

Text tokenRequestBody(const RecognitionService& service) {
  return "grant_type=client_credentials&client_id=" + service.apiKey +
         "&client_secret=" + service.secretKey;
}

Text recognitionRequestBody(const Text& accessToken, const Text& encodedImage) {
  return "access_token=" + accessToken + "&image=" + encodedImage;
}
