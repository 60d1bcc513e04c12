#pragma once
// TObject: the root of the class library; what an event handler's sender points to.

namespace ui {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

}  // namespace ui
