#include "ui/main_menu.h"

namespace ui {

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner) {}

}  // namespace ui
