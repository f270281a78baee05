#!/usr/bin/env python3
"""A stand-in for the cloud text-recognition service, on 127.0.0.1 only.

POST /oauth/2.0/token checks the client-credentials body and hands out --token.
POST /rest/2.0/ocr/v1/general_basic checks the request as the tool composes it (the
header line "Content-Type:application/x-www-form-urlencoded", which WinInet may send
with a space after the colon, the body
"access_token=...&image=..." in that order, the image a URL-encoded Base64 JPEG) and
answers by the access token it carries:
  lines-ABC        three lines A, B, C
  empty            an empty words_result
  error-110        error_code 110 as a number; error-110-text as a string
  error-5          a code the tool does not know
  error-and-lines  error_code 17 and one line X
  missing-words    a line without "words", then a line Y
  broken           text that is not JSON
  silent           no answer at all (the connection is closed)
  (empty)          error_code 110, as the real service answers an empty token
  anything else    the lines Tesseract reads in the image (tesseract-ocr, chi_sim)
A request that is not as composed gets error_code 216100; an empty image 216200.
The server stops after --lifetime seconds; it writes its port to --port-file.
"""

import base64
import json
import os
import re
import subprocess
import tempfile
import urllib.parse

from stand_in_http import common_options, response, run_server

API_KEY = os.environ.get("QUIZ_OCR_API_KEY", "Qm4tLr8wZp2sKd6vHc3nXy7b")
SECRET_KEY = os.environ.get("QUIZ_OCR_SECRET_KEY", "Vb5rNe8kTq1wJs4yPf7hMc0xLd3gRa6u")

SCRIPTED = {
    "lines-ABC": {"words_result_num": 3, "words_result": [{"words": "A"}, {"words": "B"}, {"words": "C"}]},
    "empty": {"words_result_num": 0, "words_result": []},
    "error-110": {"error_code": 110, "error_msg": "Access token invalid or no longer valid"},
    "error-110-text": {"error_code": "110", "error_msg": "Access token invalid or no longer valid"},
    "error-5": {"error_code": 5, "error_msg": "unknown"},
    "error-and-lines": {"error_code": 17, "words_result": [{"words": "X"}]},
    "missing-words": {"words_result": [{"location": {}}, {"words": "Y"}]},
    "": {"error_code": 110, "error_msg": "Access token invalid or no longer valid"},
}


def tesseract_lines(jpeg):
    with tempfile.NamedTemporaryFile(suffix=".jpg") as image:
        image.write(jpeg)
        image.flush()
        try:
            done = subprocess.run(["tesseract", image.name, "stdout", "-l", "chi_sim+eng", "--psm", "6"],
                                  capture_output=True, timeout=60)
        except (OSError, subprocess.TimeoutExpired):
            return None
    text = done.stdout.decode("utf-8", "replace")
    # Tesseract puts spaces between Chinese characters; words of Latin letters keep theirs.
    han = "[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]"
    return [re.sub("(?<=%s) +| +(?=%s)" % (han, han), "", line).strip()
            for line in text.splitlines() if line.strip()]


def json_answer(document):
    body = document if isinstance(document, bytes) else json.dumps(document, ensure_ascii=False).encode()
    return response(200, body, [b"Content-Type: application/json;charset=utf-8"])


def recognition_answer(head, body):
    # WinInet may write the header line it is given with a space after the colon.
    lines = [line.replace(b": ", b":", 1) for line in head.split(b"\r\n")[1:]]
    if b"Content-Type:application/x-www-form-urlencoded" not in lines:
        return {"error_code": 216100, "error_msg": "invalid param: content type"}
    text = body.decode("latin-1")
    if not text.startswith("access_token=") or "&image=" not in text:
        return {"error_code": 216100, "error_msg": "invalid param: body"}
    token, _, image = text[len("access_token="):].partition("&image=")
    if token == "silent":
        return None
    if token == "broken":
        return b'{"words_result":[{"words":'
    if not image:
        return {"error_code": 216200, "error_msg": "empty image"}
    if any(c in image for c in "+/="):
        return {"error_code": 216100, "error_msg": "image not URL-encoded"}
    try:
        jpeg = base64.b64decode(urllib.parse.unquote(image), validate=True)
    except ValueError:
        jpeg = b""
    if not jpeg.startswith(b"\xff\xd8"):
        return {"error_code": 216201, "error_msg": "image format error"}
    if token in SCRIPTED:
        return SCRIPTED[token]
    lines = tesseract_lines(jpeg)
    if lines is None:
        return {"error_code": 282000, "error_msg": "internal error: no tesseract"}
    return {"words_result_num": len(lines), "words_result": [{"words": line} for line in lines]}


def answer(path, raw, options):
    head, _, body = raw.partition(b"\r\n\r\n")
    if not head.startswith(b"POST "):
        return response(405, b"POST only")
    if path == b"/oauth/2.0/token":
        expected = "grant_type=client_credentials&client_id=%s&client_secret=%s" % (API_KEY, SECRET_KEY)
        if body.decode("latin-1") == expected:
            return json_answer({"access_token": options.token, "expires_in": 2592000})
        return json_answer({"error": "invalid_client", "error_description": "unknown client id"})
    if path == b"/rest/2.0/ocr/v1/general_basic":
        document = recognition_answer(head, body)
        return None if document is None else json_answer(document)
    return response(404, b"unknown")


def main():
    parser = common_options()
    parser.add_argument("--token", default="tesseract")
    run_server(parser.parse_args(), answer)


if __name__ == "__main__":
    main()
