#pragma once
// WinInet handles, each closed once, and reading a request's whole body.

#include <windows.h>
#include <wininet.h>

#include "base/handles_win.h"
#include "base/text.h"

inline void closeInternetHandle(HINTERNET handle) { InternetCloseHandle(handle); }
using InternetHandle = Owned<HINTERNET, closeInternetHandle>;

// Reads the body 1024 bytes at a time until a read gives nothing (or fails).
inline Bytes readWholeBody(HINTERNET request) {
  Bytes body;
  char buffer[1024];
  DWORD read = 0;
  while (InternetReadFile(request, buffer, sizeof buffer, &read) && read > 0) {
    body.insert(body.end(), buffer, buffer + read);
  }
  return body;
}
