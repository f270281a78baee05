#pragma once
// A 32-bit DLL image held in memory, mapped into the process without the system loader.

#include <cstdint>

#include "base/text.h"

class MemoryModule {
 public:
  MemoryModule() = default;
  virtual ~MemoryModule() { destroy(); }

  // The operations, in the order of the module's operation table.
  // Leaves a mapped module mapped.
  virtual void destroy() {}
  virtual MemoryModule copy() const { return MemoryModule(handle_); }
  // Maps the image (freeing what was mapped before); false, with nothing mapped, when the
  // image is refused or its entry point refuses to attach. The resolver, when given, is
  // asked first for every import (module name, function name, user value).
  virtual bool load(const Bytes& image, std::uintptr_t importResolver = 0,
                    std::uint32_t userValue = 0);
  virtual bool free();
  virtual std::uintptr_t exportAddress(const Text& name) const;
  virtual std::uintptr_t entryAddress() const;
  virtual std::uintptr_t handle() const { return handle_; }

 private:
  explicit MemoryModule(std::uintptr_t handle) : handle_(handle) {}

  std::uintptr_t handle_ = 0;
};
