#!/usr/bin/env python3
"""A stand-in HTTP server for the tests, on 127.0.0.1 only.

Each request is read exactly as it arrives; the answer is chosen by the path:
  /echo...        200, the body is the raw request (request line, header lines, body)
  /cookies        200 with two Set-Cookie lines (a=1 with a path, b=2 HttpOnly)
  /cookie-bare    200 with a Set-Cookie line that has no ";"
  /content-location  200 with a Content-Location line
  /redirect       302 to /echo?redirected, with a body of its own
  /404, /500      that status with a body
  /invalid-utf8, /emoji, /nul, /chinese, /gbk-only   200 with such a UTF-8 body
  /big-headers    200 with a header block of more than 5000 bytes
  /cut            a Content-Length of 100, ten bytes, then the connection closes
  /slow           answers after --slow seconds
  /file, /bulletin  200 with the bytes of --file
  /files/NAME     200 with the bytes of the file NAME in --file-dir
anything else     404.
The server stops after --lifetime seconds or --max-requests requests, whichever comes
first. It writes the port it listens on to --port-file.
"""

import argparse
import os
import re
import socket
import threading
import time


def read_request(connection):
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = connection.recv(65536)
        if not chunk:
            return data
        data += chunk
        if len(data) > 1 << 20:
            return data
    head, _, rest = data.partition(b"\r\n\r\n")
    length = 0
    for line in head.split(b"\r\n")[1:]:
        name, _, value = line.partition(b":")
        if name.strip().lower() == b"content-length":
            length = int(value.strip() or b"0")
    while len(rest) < length:
        chunk = connection.recv(65536)
        if not chunk:
            break
        rest += chunk
    return head + b"\r\n\r\n" + rest[:length]


def response(status, body=b"", headers=()):
    reasons = {200: b"OK", 302: b"Found", 404: b"Not Found", 405: b"Method Not Allowed", 500: b"Internal Server Error"}
    lines = [b"HTTP/1.1 %d %s" % (status, reasons.get(status, b"Status"))]
    lines += list(headers)
    lines += [b"Content-Length: %d" % len(body), b"Connection: close"]
    return b"\r\n".join(lines) + b"\r\n\r\n" + body


def answer(path, raw, options):
    plain = [b"Content-Type: text/plain; charset=utf-8"]
    if path.startswith(b"/echo"):
        return response(200, raw, [b"Content-Type: application/octet-stream"])
    fixed = {
        b"/cookies": response(200, b"ok", plain + [b"Set-Cookie: a=1; Path=/", b"Set-Cookie: b=2; HttpOnly"]),
        b"/cookie-bare": response(200, b"ok", plain + [b"Set-Cookie: c=3"]),
        b"/content-location": response(200, b"ok", plain + [b"Content-Location: /elsewhere"]),
        b"/redirect": response(302, b"moved", plain + [b"Location: /echo?redirected"]),
        b"/404": response(404, b"not here", plain),
        b"/500": response(500, b"broken", plain),
        b"/invalid-utf8": response(200, b"a\xffb", plain),
        b"/emoji": response(200, "a\U0001F600b".encode(), plain),
        b"/nul": response(200, b"ab\x00cd", plain),
        b"/chinese": response(200, "中文内容".encode(), plain),
        b"/gbk-only": response(200, "镕".encode(), plain),
        b"/big-headers": response(200, b"ok", plain + [b"X-Big-%d: " % i + b"x" * 2000 for i in range(3)]),
    }
    if path in fixed:
        return fixed[path]
    if path == b"/cut":
        return b"HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\n0123456789"
    if path == b"/slow":
        time.sleep(options.slow)
        return response(200, b"late", plain)
    if path in (b"/file", b"/bulletin") and options.file:
        with open(options.file, "rb") as source:
            return response(200, source.read(), plain)
    name = path[len(b"/files/"):].decode("ascii", "replace")
    if path.startswith(b"/files/") and options.file_dir and re.fullmatch(r"[A-Za-z0-9._-]+", name):
        try:
            with open(os.path.join(options.file_dir, name), "rb") as source:
                return response(200, source.read(), plain)
        except OSError:
            return response(404, b"no such file", plain)
    return response(404, b"unknown", plain)


def serve(connection, options, answer_request):
    with connection:
        connection.settimeout(options.lifetime)
        try:
            raw = read_request(connection)
            request_line = raw.split(b"\r\n", 1)[0].split(b" ")
            path = request_line[1] if len(request_line) > 1 else b"/"
            reply = answer_request(path.split(b"?", 1)[0], raw, options)
            if reply is not None:
                connection.sendall(reply)
        except OSError:
            pass


def common_options():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--port-file")
    parser.add_argument("--lifetime", type=float, default=600)
    parser.add_argument("--max-requests", type=int, default=10000)
    return parser


def run_server(options, answer_request):
    """Serves on 127.0.0.1 until the lifetime or the request count runs out. answer_request
    (path, raw request, options) returns the bytes to send, or None to close at once."""
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", options.port))
    listener.listen(16)
    if options.port_file:
        with open(options.port_file, "w") as out:
            out.write(str(listener.getsockname()[1]))
    deadline = time.monotonic() + options.lifetime
    served = 0
    while served < options.max_requests:
        left = deadline - time.monotonic()
        if left <= 0:
            break
        listener.settimeout(left)
        try:
            connection, _ = listener.accept()
        except socket.timeout:
            break
        served += 1
        threading.Thread(target=serve, args=(connection, options, answer_request), daemon=True).start()
    listener.close()


def main():
    parser = common_options()
    parser.add_argument("--slow", type=float, default=5)
    parser.add_argument("--file")
    parser.add_argument("--file-dir")
    run_server(parser.parse_args(), answer)


if __name__ == "__main__":
    main()
