#pragma once
// FormPeer: renders a form as a top-level window. The model's bounds are the
// outer frame: the window's client area gets the model's client size (with the
// menu bar above it) and its frame goes to the model's position. Border style,
// border icons and stay-on-top become window flags; size constraints become the
// window's limits. Moves and resizes by the person, the close box and dropped
// files flow back into the model.

#include <QEventLoop>
#include <QPointer>
#include <string>
#include <vector>

#include "qt/form_window.h"
#include "qt/widget_peer.h"
#include "ui/form.h"

namespace qtui {

class FormPeer : public WidgetPeer {
 public:
  FormPeer(Renderer& renderer, ui::TForm& form);

  FormWindow* Window() const { return static_cast<FormWindow*>(Widget()); }
  QWidget* Container() const override;
  void Sync() override;
  void Changed(ui::Property property) override;

  // Shows the window, placing it as the form's Position says the first time; a
  // modal window blocks every other window of the program.
  void Show(bool modal);
  void Hide();
  // While a modal loop runs for the form, a nonzero modal result ends it.
  void SetModalLoop(QEventLoop* loop) { modal_loop_ = loop; }

  // What the person did to the window.
  void UserClose();
  void UserGeometry();
  void UserDrop(std::vector<std::string> names);

 protected:
  void ApplyBounds() override;
  // Showing and hiding go through the backend (ShowForm, HideForm, ShowModal).
  void ApplyVisible() override {}

 private:
  ui::TForm* Form() const { return static_cast<ui::TForm*>(Control()); }
  void ApplyFlags();
  void ApplyMenu();
  void ApplyFocus();
  void Place();

  bool placed_ = false;
  QPointer<QEventLoop> modal_loop_;
};

}  // namespace qtui
