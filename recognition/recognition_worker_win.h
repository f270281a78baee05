#pragma once
// The recognition of a captured region, on a worker thread of its own.

#include <windows.h>

#include "base/text.h"

// What the worker works on: the main window's two hidden controls, the window it
// enables at the end, and the token read when the request is composed.
struct RecognitionTarget {
  HWND mainWindow;
  HWND resultBox;   // 编辑框_识别结果
  HWND pictureBox;  // 图片框_图片数据
  Text accessToken;
};

// Sends the picture to the service and leaves the recognised text (or the service's
// error message) in the result box and on the clipboard; enables the main window at
// the end. Every control operation is a message sent to the control, so it takes
// effect on the user-interface thread while the worker waits.
void recognizeRegion(const RecognitionTarget& target);

// Starts recognizeRegion on a new thread; nobody waits for it.
bool startRecognitionWorker(const RecognitionTarget& target);
