#pragma once
// TControl: a visible element inside a parent window: bounds relative to the
// parent's client area, docking, visibility, enabled state, caption, hint, font,
// colour, cursor, tab order and the mouse and keyboard events. The user-input
// methods (Click, MouseDown, MouseUp, KeyDown, KeyPress) are what a backend calls
// when a person acts; each runs its handler through Dispatch.

#include <string>

#include "ui/component.h"
#include "ui/events.h"
#include "ui/font.h"
#include "ui/types.h"

namespace ui {

class TWinControl;
class TForm;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  // Moves the control to another parent (appended after its other children).
  void SetParent(TWinControl* parent);
  // The form this control lies on (the control itself for a form), or null.
  TForm* ParentForm() const;

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  // Sets all four at once, applies the constraints, and realigns what depends on it.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return bounds_; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  const TSizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const TSizeConstraints& constraints);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to the form visible too.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const std::string& Caption() const { return caption_; }
  virtual void SetCaption(const std::string& caption);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  // Whether the hint is shown as a tool tip; taken from the parent while
  // ParentShowHint is set (the default), which an explicit SetShowHint clears.
  bool ShowHint() const;
  void SetShowHint(bool show);
  bool ParentShowHint() const { return parent_show_hint_; }
  void SetParentShowHint(bool parent_show_hint);

  // The font; taken from the parent while ParentFont is set (the default). A
  // change made through Font() clears ParentFont.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parent_font);

  // The background colour; taken from the parent while ParentColor is set.
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool parent_color);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop);
  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int tab_order);

  // Makes this control the active control of its form.
  void SetFocus();
  bool Focused() const;

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;

  // User input, each through Dispatch. Click does what a click on the control
  // does (kinds override it: a check box toggles, a button sets the form's modal
  // result); disabled controls ignore input.
  virtual void Click();
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Runs OnKeyDown; returns the key as the handler left it (0 when swallowed).
  unsigned short KeyDown(unsigned short key, TShiftState shift);
  // Runs OnKeyPress; returns the character as the handler left it (0 when swallowed).
  char KeyPress(char key);

 protected:
  // Fires OnClick directly (the caller is already inside a dispatch or a handler).
  void FireClick();
  // Called after the bounds changed; a window realigns its children here.
  virtual void BoundsChanged() {}
  // Sets the font from the parent without clearing ParentFont, and the colour likewise.
  void InheritFont(const TFont& font);
  void InheritColor(TColor color);
  // Asks the parent to dock its children again.
  void RequestParentRealign() const;
  // Called after the font changed, from the parent or directly.
  virtual void FontChanged();
  virtual void ColorChanged();
  // Enabled, and every parent enabled too: whether user input reaches the control.
  bool AcceptsInput() const;

 private:
  friend class TWinControl;
  void SetBoundsRaw(const TRect& bounds);

  TWinControl* parent_ = nullptr;
  TRect bounds_;
  TAlign align_ = alNone;
  TSizeConstraints constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  std::string hint_;
  bool show_hint_ = false;
  bool parent_show_hint_ = true;
  TFont font_;
  bool parent_font_ = true;
  bool inheriting_font_ = false;
  TColor color_ = clBtnFace;
  bool parent_color_ = true;
  TCursor cursor_ = crDefault;
  bool tab_stop_ = false;
  int tab_order_ = -1;
};

}  // namespace ui
