#pragma once
// TMainMenu: a form's menu bar; its top-level menus are the entries of Items().

#include "ui/component.h"
#include "ui/menu_item.h"

namespace ui {

class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* owner);

  TMenuItem& Items() { return items_; }
  const TMenuItem& Items() const { return items_; }

 private:
  TMenuItem items_{nullptr};
};

}  // namespace ui
