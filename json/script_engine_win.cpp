#include "json/script_engine_win.h"

#include <oleauto.h>

namespace {

// A BSTR owned for one call.
class OwnedBstr {
 public:
  explicit OwnedBstr(const std::wstring& text)
      : bstr_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  OwnedBstr(const OwnedBstr&) = delete;
  OwnedBstr& operator=(const OwnedBstr&) = delete;
  ~OwnedBstr() { SysFreeString(bstr_); }
  BSTR get() const { return bstr_; }

 private:
  BSTR bstr_;
};

std::optional<DISPID> dispatchId(IDispatch* control, const wchar_t* name) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
    return std::nullopt;
  }
  return id;
}

// Converts an answer to the wanted type; nothing when it does not convert.
std::optional<VARIANT> convert(VARIANT answer, VARTYPE type) {
  VARIANT converted;
  VariantInit(&converted);
  HRESULT result = VariantChangeType(&converted, &answer, 0, type);
  VariantClear(&answer);
  if (FAILED(result)) return std::nullopt;
  return converted;
}

}  // namespace

std::wstring wideOf(const Text& text) {
  if (text.empty()) return {};
  int units = MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(units > 0 ? units : 0, L'\0');
  if (units > 0) {
    MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
  }
  return wide;
}

Text textOfWide(const std::wstring& wide) {
  if (wide.empty()) return {};
  int bytes = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                  nullptr, nullptr);
  Text text(bytes > 0 ? bytes : 0, '\0');
  if (bytes > 0) {
    WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), text.data(), bytes,
                        nullptr, nullptr);
  }
  return text;
}

std::optional<ScriptEngine> ScriptEngine::create(const wchar_t* language) {
  CLSID classId;
  if (FAILED(CLSIDFromProgID(L"MSScriptControl.ScriptControl", &classId))) return std::nullopt;
  ComPtr<IDispatch> control;
  if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(control.put())))) {
    return std::nullopt;
  }
  std::optional<DISPID> languageId = dispatchId(control.get(), L"Language");
  if (!languageId) return std::nullopt;
  OwnedBstr value(language);
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = value.get();
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{&argument, &named, 1, 1};
  if (FAILED(control->Invoke(*languageId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                             &parameters, nullptr, nullptr, nullptr))) {
    return std::nullopt;
  }
  return ScriptEngine(std::move(control));
}

ScriptEngine ScriptEngine::share() const {
  control_->AddRef();
  return ScriptEngine(ComPtr<IDispatch>(control_.get()));
}

std::optional<VARIANT> ScriptEngine::call(const wchar_t* method,
                                          const std::wstring& argument) const {
  std::optional<DISPID> id = dispatchId(control_.get(), method);
  if (!id) return std::nullopt;
  OwnedBstr text(argument);
  VARIANT parameter;
  VariantInit(&parameter);
  parameter.vt = VT_BSTR;
  parameter.bstrVal = text.get();
  DISPPARAMS parameters{&parameter, nullptr, 1, 0};
  VARIANT answer;
  VariantInit(&answer);
  EXCEPINFO exception{};
  HRESULT result = control_->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                    &parameters, &answer, &exception, nullptr);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  if (FAILED(result)) {
    VariantClear(&answer);
    return std::nullopt;
  }
  return answer;
}

bool ScriptEngine::addCode(const std::wstring& code) const {
  std::optional<VARIANT> answer = call(L"AddCode", code);
  if (answer) VariantClear(&*answer);
  return answer.has_value();
}

std::optional<VARIANT> ScriptEngine::evalAs(const std::wstring& expression, VARTYPE type) const {
  std::optional<VARIANT> answer = call(L"Eval", expression);
  return answer ? convert(*answer, type) : std::nullopt;
}

std::optional<Text> ScriptEngine::evalText(const std::wstring& expression) const {
  std::optional<VARIANT> text = evalAs(expression, VT_BSTR);
  if (!text) return std::nullopt;
  Text result = textOfWide(std::wstring(text->bstrVal, SysStringLen(text->bstrVal)));
  VariantClear(&*text);
  return result;
}

std::optional<double> ScriptEngine::evalNumber(const std::wstring& expression) const {
  std::optional<VARIANT> number = evalAs(expression, VT_R8);
  return number ? std::optional<double>(number->dblVal) : std::nullopt;
}

std::optional<bool> ScriptEngine::evalBool(const std::wstring& expression) const {
  std::optional<VARIANT> truth = evalAs(expression, VT_BOOL);
  return truth ? std::optional<bool>(truth->boolVal != VARIANT_FALSE) : std::nullopt;
}
