#pragma once
// ControlPeer: what a renderer attaches to a component so the screen follows the
// model. Setters call Changed with the property that changed; item lists report
// insertions, removals and changes by index so a model-backed view stays cheap.
// The link is safe both ways: destroying the peer detaches it from its
// component, and destroying the component first clears the peer's pointer and
// calls ComponentDestroyed.

namespace ui {

class TComponent;

enum class Property {
  Bounds,
  Visible,
  Enabled,
  Caption,
  Text,
  Hint,
  ShowHint,
  Font,
  Color,
  Cursor,
  TabStop,
  TabOrder,
  Parent,
  Children,  // a child control or menu item was added or removed
  Alignment,
  AutoSize,
  Transparent,
  WordWrap,
  ReadOnly,
  MaxLength,
  Selection,  // the selected part of an edit field
  Checked,
  Down,
  Flat,
  GroupIndex,
  Default,
  Cancel,
  ItemIndex,
  ItemHeight,
  MultiSelect,
  HorizontalExtent,
  Columns,
  Style,
  DropDownCount,
  ScrollBars,
  Bevel,  // BevelInner, BevelOuter, BevelWidth or BorderWidth
  BorderStyle,
  BorderIcons,
  FormStyle,
  Position,  // of a form (placement) or of an up-down (its value)
  Range,     // Min or Max of an up-down
  Associate,
  Constraints,
  Menu,
  ActiveControl,
  ActivePage,
  ModalResult,
  AcceptFiles,
  ShortCut,
};

class ControlPeer {
 public:
  ControlPeer() = default;
  ControlPeer(const ControlPeer&) = delete;
  ControlPeer& operator=(const ControlPeer&) = delete;
  // Detaches from the component, if still attached.
  virtual ~ControlPeer();

  // The component this peer renders; null once it was destroyed or detached.
  TComponent* Component() const { return component_; }

  virtual void Changed(Property) {}
  virtual void ItemsInserted(int /*index*/, int /*count*/) {}
  virtual void ItemsRemoved(int /*index*/, int /*count*/) {}
  virtual void ItemChanged(int /*index*/) {}
  virtual void ItemsReset() {}
  // The selected state of a list entry changed; -1 when many changed at once.
  virtual void ItemSelectionChanged(int /*index*/) {}
  // The component is being destroyed; Component() is already null.
  virtual void ComponentDestroyed() {}

 private:
  friend class TComponent;
  TComponent* component_ = nullptr;
};

}  // namespace ui
