#pragma once
// WidgetPeer: the base of every control's peer. It owns the control's widget and
// applies what all controls share (bounds, visibility, enabled state, hint,
// font, colours, cursor, focus policy, parent and children); each kind of
// control adds its own properties and feeds its user input back into the model.

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include "ui/control.h"
#include "ui/peer.h"

namespace qtui {

class Renderer;

class WidgetPeer : public ui::ControlPeer {
 public:
  WidgetPeer(Renderer& renderer, ui::TControl& control, QWidget* widget);
  // Deletes the widget (and so the widgets of its children) if it is still there.
  ~WidgetPeer() override;

  QWidget* Widget() const { return widget_; }
  // Where the widgets of child controls go; their bounds are relative to it.
  virtual QWidget* Container() const { return widget_; }
  ui::TControl* Control() const;

  // Applies every property of the control to the widget.
  virtual void Sync();
  void Changed(ui::Property property) override;
  void ComponentDestroyed() override;

  // The peer rendering widget or the nearest widget holding it within one
  // window; null when there is none.
  static WidgetPeer* Of(const QWidget* widget);

 protected:
  Renderer& renderer() const { return renderer_; }
  // True while the model's state is being applied: signals that the widget
  // emits then are not user input.
  bool Applying() const { return applying_ > 0; }
  class ApplyScope {
   public:
    explicit ApplyScope(WidgetPeer& peer) : peer_(peer) { ++peer_.applying_; }
    ~ApplyScope() { --peer_.applying_; }
    ApplyScope(const ApplyScope&) = delete;
    ApplyScope& operator=(const ApplyScope&) = delete;

   private:
    WidgetPeer& peer_;
  };

  // Turns a left click on the widget (or on a child widget that leaves mouse
  // input alone) into a click on the control, for kinds whose widget has no
  // click of its own (panels, group boxes, static texts, forms).
  void RelayClicks();

  virtual void ApplyBounds();
  // How wide the control may grow from its left edge without covering its
  // parent's frame or a sibling to its right on the same rows; at least its width.
  int RoomToTheRight() const;
  // Places a button's widget (check box, radio button, speed button) at its
  // designed bounds, with the room its caption needs (FitCaption).
  void PlaceCaptionedButton();
  virtual void ApplyVisible();
  // The role the control's colour paints, and the colour that needs no painting.
  virtual QPalette::ColorRole BackgroundRole() const { return QPalette::Window; }
  virtual ui::TColor NaturalColor() const { return ui::clBtnFace; }
  // The font and the text and background colours.
  virtual void ApplyFont();
  void ApplyHint();

 private:
  void ApplyPalette();
  void ApplyParent();

  Renderer& renderer_;
  QPointer<QWidget> widget_;
  int applying_ = 0;
};

// The widget rendering a control (or a form's window), or null when it is not rendered.
QWidget* RenderedWidget(const ui::TComponent& component);

}  // namespace qtui
