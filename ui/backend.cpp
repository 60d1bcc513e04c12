#include "ui/backend.h"

#include "ui/scoped_backend.h"
#include "ui/scripted_backend.h"

namespace ui {
namespace {

Backend* installed = nullptr;

}  // namespace

Backend& CurrentBackend() {
  if (installed != nullptr) return *installed;
  static ScriptedBackend fallback;
  return fallback;
}

void SetBackend(Backend* backend) {
  installed = backend;
}

ScopedBackend::ScopedBackend(Backend& backend) : previous_(installed) {
  installed = &backend;
}

ScopedBackend::~ScopedBackend() {
  installed = previous_;
}

}  // namespace ui
