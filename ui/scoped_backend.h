#pragma once
// ScopedBackend: installs a backend for the lifetime of this object and restores
// the previous one afterwards.

#include "ui/backend.h"

namespace ui {

class ScopedBackend {
 public:
  explicit ScopedBackend(Backend& backend);
  ~ScopedBackend();
  ScopedBackend(const ScopedBackend&) = delete;
  ScopedBackend& operator=(const ScopedBackend&) = delete;

 private:
  Backend* previous_;
};

}  // namespace ui
