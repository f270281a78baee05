#pragma once
// One JSON value held in a script engine of its own. Every operation composes a short
// script and sends it to the engine; a failure gives the empty answer of its kind.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "base/text.h"
#include "json/script_engine_win.h"

// Type codes of typeOf and reset.
enum JsonType : int {
  kJsonAbsent = 0,
  kJsonBoolean = 1,
  kJsonNumber = 2,
  kJsonObject = 4,
  kJsonArray = 5,
  kJsonString = 6,
  kJsonOther = -1,
};

class JsonDocument {
 public:
  // Construction runs initialise.
  JsonDocument();
  virtual ~JsonDocument();
  JsonDocument(const JsonDocument&) = delete;
  JsonDocument& operator=(const JsonDocument&) = delete;

  // The operations, in the order of the document's operation table.
  virtual void destroy();
  virtual std::unique_ptr<JsonDocument> copy() const;
  virtual void initialise();
  // Parses the text as strict JSON, in a fresh engine; true for an object, array,
  // number, string or truth value. The text is handed over as a string and never run.
  virtual bool parse(const Text& text);
  virtual Text toText() const;
  virtual void setMember(const Text& member, const Text& value, bool asJson = false);
  virtual void setMemberJson(const Text& member, const Text& value);
  virtual void setMemberNumber(const Text& member, double value);
  virtual double getNumber(const Text& member) const;
  virtual Text getMemberJson(const Text& member) const;
  virtual Text getText(const Text& path, bool asJson = false) const;
  virtual std::unique_ptr<JsonDocument> getDocument(const Text& path) const;
  virtual std::int32_t count(const Text& path = {}) const;
  virtual void push(const Text& value, const Text& path = {}, bool asJson = false);
  virtual std::unique_ptr<JsonDocument> getElementDocument(std::int32_t index,
                                                           const Text& path = {}) const;
  virtual Text getElementText(std::int32_t index, const Text& path = {},
                              bool asJson = false) const;
  virtual void setElement(std::int32_t index, const Text& value, bool asJson = false);
  virtual void removeElement(std::int32_t index);
  virtual void removeAt(const Text& path);
  virtual void reset(int typeCode);
  virtual void setRoot(const Text& value, bool asJson = false);
  virtual bool hasMember(const Text& member) const;
  virtual std::int32_t memberNames(std::vector<Text>& names, const Text& path = {}) const;
  virtual int typeOf(const Text& path = {}) const;
  virtual void clear();

 private:
  struct Shared {};
  JsonDocument(Shared, const JsonDocument& original);

  std::optional<Text> evalText(const Text& script) const;
  void run(const Text& script) const;

  Text variableName_ = "da";
  std::optional<ScriptEngine> engine_;
  bool comInitialised_ = false;
};
