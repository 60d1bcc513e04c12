// Scaling of the item lists behind the log memo and the file list: newest-first
// log lines inserted at consecutive rows near the top of a long log, and a whole
// site of entries appended to a list box, then every other entry removed by the
// forward walk of the list commands. Each size is ten times the last, so linear
// work shows as a tenfold time.
#include <cstdio>
#include <string>

#include "bench/seconds.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/memo.h"

namespace {

template <typename Work>
void Measure(const char* name, int count, Work work) {
  std::printf("%-28s %8d  %9.3f ms\n", name, count, SecondsOf(work) * 1000);
}

}  // namespace

int main() {
  const std::string line = "/home/site/public_html/section/page.html : 3";
  for (int count : {10000, 100000, 1000000}) {
    ui::TForm form(nullptr);
    auto* memo = new ui::TMemo(&form);
    for (int i = 0; i < count; ++i) memo->Lines().Add(line);
    Measure("memo insert at rows 0,1,2,...", count, [&] {
      for (int row = 0; row < count; ++row) memo->Lines().Insert(row, line);
    });

    auto* list = new ui::TListBox(&form);
    list->SetMultiSelect(true);
    Measure("list box append", count, [&] {
      for (int i = 0; i < count; ++i) list->Items().Add(line);
    });
    for (int i = 0; i < count; i += 2) list->SetSelected(i, true);
    Measure("list box remove selected", count, [&] {
      for (int i = 0; i < list->Items().Count();) {
        if (list->Selected(i)) {
          list->Items().Delete(i);
        } else {
          ++i;
        }
      }
    });
  }
}
