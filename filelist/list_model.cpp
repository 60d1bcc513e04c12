// The refreshes after a list command: the list's horizontal extent and the file
// count in the window's caption.

#include <algorithm>

#include "app/Pfmain.h"
#include "platform/text.h"

void TMainForm::UpdateListExtent() {
  int widest = 0;
  const ui::TItems& items = ListBox1->Items();
  for (int i = 0; i < items.Count(); ++i) {
    widest = std::max(widest, ui::Application().TextWidth(Font(), items[i]));
  }
  ListBox1->SetHorizontalExtent(widest + 5);
}

void TMainForm::UpdateFileCount() {
  std::string caption = Caption();
  const std::size_t count_at = caption.find(" - ");
  if (count_at != std::string::npos) caption.erase(count_at);
  SetCaption(caption + " - " + platform::IntToStr(ListBox1->Items().Count()) + " file(s)");
}
