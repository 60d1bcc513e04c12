#pragma once
// TMenuItem: an entry of a menu, or a submenu holding entries. A caption of "-"
// makes a separator. ShortCut is the stored value (key code + 8192 Shift +
// 16384 Ctrl + 32768 Alt; 0 none).

#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/events.h"
#include "ui/types.h"

namespace ui {

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  // Destroys the entries too.
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == "-"; }
  TShortCut ShortCut() const { return short_cut_; }
  void SetShortCut(TShortCut short_cut);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int group_index);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  TMenuItem* Parent() const { return parent_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_[index]; }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int IndexOf(const TMenuItem* item) const;
  // The enabled, visible entry at any depth below with that shortcut, or null.
  TMenuItem* FindShortCut(TShortCut short_cut) const;

  TNotifyEvent OnClick;

  // User input, through Dispatch: fires OnClick when the item is enabled.
  void Click();

 private:
  std::string caption_;
  TShortCut short_cut_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  int group_index_ = 0;
  std::string hint_;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
};

}  // namespace ui
