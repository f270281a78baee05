#pragma once
// Where the text-recognition service is and the keys the tool signs in with. Fixed in
// the program; each may be overridden from the environment for tests, or by users who
// bring their own service keys:
//   QUIZ_OCR_BASE_URL    scheme and host, default https://aip.baidubce.com
//   QUIZ_OCR_API_KEY     the API key (client_id)
//   QUIZ_OCR_SECRET_KEY  the secret key (client_secret)

#include "base/text.h"

struct RecognitionService {
  Text baseUrl;
  Text apiKey;
  Text secretKey;
};

RecognitionService recognitionService();

Text tokenUrl(const RecognitionService& service);
Text recognitionUrl(const RecognitionService& service);
// grant_type=client_credentials&client_id=...&client_secret=..., nothing encoded.
Text tokenRequestBody(const RecognitionService& service);
// access_token=...&image=..., the token unchanged.
Text recognitionRequestBody(const Text& accessToken, const Text& encodedImage);

inline constexpr char kRecognitionContentType[] = "Content-Type:application/x-www-form-urlencoded";
