#pragma once
// The Windows script control ("MSScriptControl.ScriptControl") driven through COM
// automation: set its language, add code to its global scope, evaluate expressions.

#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <string>

#include "base/handles_win.h"
#include "base/text.h"

class ScriptEngine {
 public:
  // A new script control with the given language; empty when it cannot be created.
  static std::optional<ScriptEngine> create(const wchar_t* language);

  // Another reference to the same engine.
  ScriptEngine share() const;

  bool addCode(const std::wstring& code) const;
  // The answer converted to text, number or truth value; nothing when evaluation fails.
  std::optional<Text> evalText(const std::wstring& expression) const;
  std::optional<double> evalNumber(const std::wstring& expression) const;
  std::optional<bool> evalBool(const std::wstring& expression) const;

 private:
  explicit ScriptEngine(ComPtr<IDispatch> control) : control_(std::move(control)) {}
  std::optional<VARIANT> call(const wchar_t* method, const std::wstring& argument) const;
  // The answer of Eval converted to the type; nothing when either fails.
  std::optional<VARIANT> evalAs(const std::wstring& expression, VARTYPE type) const;

  ComPtr<IDispatch> control_;
};

// Code page 936 text and UTF-16, for what crosses into the engine.
std::wstring wideOf(const Text& text);
Text textOfWide(const std::wstring& wide);
