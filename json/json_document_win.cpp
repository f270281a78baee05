#include "json/json_document_win.h"

#include <objbase.h>

#include <cmath>

#include "json/json_prelude.h"
#include "json/json_scripts.h"

namespace js = json_scripts;

namespace {

// Larger answers than this are refused before the engine sees them.
constexpr std::size_t kLargestJsonText = 16u << 20;

std::wstring wideScript(const Text& script) { return wideOf(script); }

}  // namespace

JsonDocument::JsonDocument() { initialise(); }

// A copy holds a second reference to the same engine; it initialises COM on its own
// account so that its destroy leaves the thread's COM count as it found it.
JsonDocument::JsonDocument(Shared, const JsonDocument& original)
    : variableName_(original.variableName_) {
  comInitialised_ = SUCCEEDED(CoInitialize(nullptr));
  if (original.engine_) engine_ = original.engine_->share();
}

JsonDocument::~JsonDocument() { destroy(); }

void JsonDocument::destroy() {
  engine_.reset();
  if (comInitialised_) CoUninitialize();
  comInitialised_ = false;
}

std::unique_ptr<JsonDocument> JsonDocument::copy() const {
  return std::unique_ptr<JsonDocument>(new JsonDocument(Shared{}, *this));
}

void JsonDocument::initialise() {
  // Each initialise is balanced by one CoUninitialize, in destroy or before the next.
  if (comInitialised_) CoUninitialize();
  comInitialised_ = SUCCEEDED(CoInitialize(nullptr));
  engine_ = ScriptEngine::create(L"JavaScript");
  if (!engine_) return;
  engine_->addCode(wideOf(kJsonPrelude));
  engine_->evalNumber(wideScript(js::declareEmpty(variableName_)));
}

bool JsonDocument::parse(const Text& text) {
  engine_.reset();
  initialise();
  if (!engine_) return false;
  run(js::declareNull(variableName_));
  if (text.size() > kLargestJsonText || jsonNestingDepth(text) > kJsonMaxDepth) return false;
  // wchar_t is UTF-16 on Windows.
  std::wstring wide = wideOf(text);
  std::u16string literal = scriptStringLiteral(
      std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
  engine_->addCode(L"var " + wideOf(variableName_) + L"=JSON.parse(\"" +
                   std::wstring(literal.begin(), literal.end()) + L"\")");
  return engine_->evalBool(wideScript(js::isNotNull(variableName_))).value_or(false);
}

Text JsonDocument::toText() const { return evalText(js::toText(variableName_)).value_or(""); }

void JsonDocument::setMember(const Text& member, const Text& value, bool asJson) {
  run(js::setMember(variableName_, member, value, asJson));
}

void JsonDocument::setMemberJson(const Text& member, const Text& value) {
  run(js::setMemberJson(variableName_, member, value));
}

void JsonDocument::setMemberNumber(const Text& member, double value) {
  run(js::setMemberNumber(variableName_, member, value));
}

double JsonDocument::getNumber(const Text& member) const {
  if (!engine_) return 0;
  return engine_->evalNumber(wideScript(js::getNumber(variableName_, member))).value_or(0);
}

Text JsonDocument::getMemberJson(const Text& member) const {
  return evalText(js::getMemberJson(variableName_, member)).value_or("");
}

Text JsonDocument::getText(const Text& path, bool asJson) const {
  if (asJson) return evalText(js::stringifyJoined(variableName_, path)).value_or("");
  if (!engine_) return {};
  if (typeOf(path) == kJsonNumber) return numberText(getNumber(path));
  return evalText(js::joined(variableName_, path)).value_or("");
}

std::unique_ptr<JsonDocument> JsonDocument::getDocument(const Text& path) const {
  auto document = std::make_unique<JsonDocument>();
  document->parse(evalText(js::stringifyJoined(variableName_, path)).value_or(""));
  return document;
}

std::int32_t JsonDocument::count(const Text& path) const {
  if (!engine_) return 0;
  double value = engine_->evalNumber(wideScript(js::count(variableName_, path))).value_or(0);
  return std::isfinite(value) ? static_cast<std::int32_t>(std::trunc(value)) : 0;
}

void JsonDocument::push(const Text& value, const Text& path, bool asJson) {
  run(js::push(variableName_, value, path, asJson));
}

std::unique_ptr<JsonDocument> JsonDocument::getElementDocument(std::int32_t index,
                                                               const Text& path) const {
  auto document = std::make_unique<JsonDocument>();
  document->parse(evalText(js::stringifyElement(variableName_, index, path)).value_or(""));
  return document;
}

Text JsonDocument::getElementText(std::int32_t index, const Text& path, bool asJson) const {
  return evalText(asJson ? js::stringifyElement(variableName_, index, path)
                         : js::elementText(variableName_, index, path))
      .value_or("");
}

void JsonDocument::setElement(std::int32_t index, const Text& value, bool asJson) {
  run(js::setElement(variableName_, index, value, asJson));
}

void JsonDocument::removeElement(std::int32_t index) {
  run(js::removeElement(variableName_, index));
}

void JsonDocument::removeAt(const Text& path) {
  ElementPath element = splitElementPath(path);
  JsonDocument list;
  list.parse(getText(element.base, true));
  list.removeElement(element.index);
  setMemberJson(element.base, list.toText());
}

void JsonDocument::reset(int typeCode) {
  if (typeCode == kJsonAbsent || typeCode == kJsonObject) run(js::declareEmpty(variableName_));
  if (typeCode == kJsonArray) run(js::declareArray(variableName_));
}

void JsonDocument::setRoot(const Text& value, bool asJson) {
  run(js::setRoot(variableName_, value, asJson));
}

bool JsonDocument::hasMember(const Text& member) const {
  if (!engine_) return false;
  return engine_->evalBool(wideScript(js::hasMember(variableName_, member))).value_or(false);
}

std::int32_t JsonDocument::memberNames(std::vector<Text>& names, const Text& path) const {
  Text answer = evalText(js::memberList(variableName_, path)).value_or("");
  run("ary=null");
  names = memberNamesOf(answer);
  return static_cast<std::int32_t>(names.size());
}

int JsonDocument::typeOf(const Text& path) const {
  if (!engine_) return kJsonOther;
  Text expression = js::dotted(variableName_, path);
  if (engine_->evalBool(wideScript(js::isNull(expression))).value_or(false)) return kJsonAbsent;
  Text type = evalText(js::typeOf(expression)).value_or("");
  if (type == "string") return kJsonString;
  if (type == "number") return kJsonNumber;
  if (type == "boolean") return kJsonBoolean;
  if (type == "object") return getText(path, true).starts_with("[") ? kJsonArray : kJsonObject;
  return kJsonOther;
}

void JsonDocument::clear() { run(js::clear(variableName_)); }

std::optional<Text> JsonDocument::evalText(const Text& script) const {
  if (!engine_) return std::nullopt;
  return engine_->evalText(wideScript(script));
}

void JsonDocument::run(const Text& script) const {
  if (engine_) engine_->evalText(wideScript(script));
}
