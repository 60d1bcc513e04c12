#include "qt/radio_group_peer.h"

#include <QFontMetrics>
#include <QPointer>

#include "qt/group_frame.h"
#include "qt/text.h"

namespace qtui {

RadioGroupPeer::RadioGroupPeer(Renderer& renderer, ui::TRadioGroup& group, QWidget* parent)
    : WidgetPeer(renderer, group, new GroupFrame(parent)) {}

void RadioGroupPeer::Sync() {
  WidgetPeer::Sync();
  ApplyScope scope(*this);
  Changed(ui::Property::Caption);
  MakeButtons();
}

void RadioGroupPeer::Changed(ui::Property property) {
  if (Group() == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  switch (property) {
    case ui::Property::Caption:
      static_cast<GroupFrame*>(Widget())->SetCaption(ToQString(Group()->Caption()));
      break;
    case ui::Property::ItemIndex:
      ApplyChecks();
      break;
    case ui::Property::Columns:
      Arrange();
      break;
    case ui::Property::Bounds:
    case ui::Property::Font:
      WidgetPeer::Changed(property);
      Arrange();
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void RadioGroupPeer::ItemsInserted(int, int) {
  MakeButtons();
}
void RadioGroupPeer::ItemsRemoved(int, int) {
  MakeButtons();
}
void RadioGroupPeer::ItemsReset() {
  MakeButtons();
}

void RadioGroupPeer::ItemChanged(int index) {
  if (Group() == nullptr || index < 0 || index >= static_cast<int>(buttons_.size())) return;
  buttons_[index]->setText(ToQString(Group()->Items()[index]));
}

void RadioGroupPeer::MakeButtons() {
  ApplyScope scope(*this);
  // A button may be the one whose click is being handled: it goes once that is done.
  for (QRadioButton* button : buttons_) {
    button->hide();
    button->deleteLater();
  }
  buttons_.clear();
  const ui::TItems& items = Group()->Items();
  for (int i = 0; i < items.Count(); ++i) {
    auto* button = new QRadioButton(ToQString(items[i]), Widget());
    button->setAutoExclusive(false);
    button->setAcceptDrops(false);
    button->show();
    QObject::connect(button, &QRadioButton::clicked, button, [this, i] {
      if (Applying() || Group() == nullptr) return;
      const QPointer<QWidget> alive(Widget());
      Group()->ClickItem(i);
      // The model decides which button is checked, whatever the click did.
      if (alive != nullptr && Group() != nullptr && !buttons_.empty()) ApplyChecks();
    });
    buttons_.push_back(button);
  }
  Arrange();
  ApplyChecks();
}

void RadioGroupPeer::Arrange() {
  const ui::TRadioGroup& group = *Group();
  const int count = static_cast<int>(buttons_.size());
  if (count == 0) return;
  const int columns = std::max(group.Columns(), 1);
  const int per_column = (count + columns - 1) / columns;
  const int width = (group.Width() - 10) / columns;
  const int text_height = QFontMetrics(Widget()->font()).height();
  const int room = group.Height() - text_height - 5;
  const int height = room / per_column;
  const int top = text_height + 1 + (room % per_column) / 2;
  for (int i = 0; i < count; ++i) {
    buttons_[i]->setGeometry((i / per_column) * width + 8, (i % per_column) * height + top, width,
                             height);
  }
}

void RadioGroupPeer::ApplyChecks() {
  ApplyScope scope(*this);
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    buttons_[i]->setChecked(i == Group()->ItemIndex());
  }
}

}  // namespace qtui
