#pragma once
// TUpDown: a pair of arrows bound to an edit field (its associate). The arrows
// step the position by 1 between Min and Max and stop at the ends (no wrap-around)
// and write the position into the edit field as a plain decimal. The edit field's
// text stays free: Position reads it back when it holds a whole number within
// range, and otherwise keeps the last position.

#include "ui/control.h"

namespace ui {

class TEdit;

class TUpDown : public TControl {
 public:
  // Min 0, Max 100, position 0, increment 1, no wrap-around.
  explicit TUpDown(TComponent* owner);
  ~TUpDown() override;

  TEdit* Associate() const { return associate_; }
  // Binds the edit field and writes the position into it.
  void SetAssociate(TEdit* edit);
  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Increment() const { return increment_; }
  void SetIncrement(int increment) { increment_ = increment; }
  bool Wrap() const { return wrap_; }
  void SetWrap(bool wrap) { wrap_ = wrap; }

  int Position() const;
  // Clamped to Min..Max; writes the associate's text.
  void SetPosition(int position);

  // User input, through Dispatch: an arrow pressed; fires OnClick.
  void Click(TUDBtnType button);
  using TControl::Click;

 protected:
  void Notification(TComponent* component) override;

 private:
  TEdit* associate_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int increment_ = 1;
  bool wrap_ = false;
  int position_ = 0;
};

}  // namespace ui
