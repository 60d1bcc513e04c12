#pragma once
// EditPeer: an edit field as a QLineEdit. Typing goes into the model's text
// (which fires OnChange and keeps MaxLength in bytes); the model's text,
// read-only state and selection show in the widget.

#include <QLineEdit>

#include "qt/widget_peer.h"
#include "ui/edit.h"

namespace qtui {

class EditPeer : public WidgetPeer {
 public:
  EditPeer(Renderer& renderer, ui::TEdit& edit, QWidget* parent);

  QLineEdit* Line() const { return static_cast<QLineEdit*>(Widget()); }
  void Sync() override;
  void Changed(ui::Property property) override;

 protected:
  QPalette::ColorRole BackgroundRole() const override { return QPalette::Base; }
  ui::TColor NaturalColor() const override { return ui::clWindow; }

 private:
  ui::TEdit* Model() const { return static_cast<ui::TEdit*>(Control()); }
  void ApplyText();
  void UserTyped(const QString& text);
};

}  // namespace qtui
