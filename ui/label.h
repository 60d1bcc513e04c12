#pragma once
// TLabel: a caption drawn on its parent. With AutoSize its size follows its text,
// measured by the backend in its font (a docked side keeps the docked size).

#include "ui/control.h"

namespace ui {

class TLabel : public TControl {
 public:
  // AutoSize on, left-justified, not transparent.
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool word_wrap);

  void SetCaption(const std::string& caption) override;

 protected:
  void FontChanged() override;

 private:
  void AdjustBounds();

  bool auto_size_ = true;
  TAlignment alignment_ = taLeftJustify;
  bool transparent_ = false;
  bool word_wrap_ = false;
};

}  // namespace ui
