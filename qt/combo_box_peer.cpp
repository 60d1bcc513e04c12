#include "qt/combo_box_peer.h"

#include <QLineEdit>
#include <QPointer>

#include "qt/text.h"

namespace qtui {

ComboBoxPeer::ComboBoxPeer(Renderer& renderer, ui::TComboBox& combo, QWidget* parent)
    : WidgetPeer(renderer, combo, new QComboBox(parent)) {
  QComboBox& box = *Combo();
  box.setFocusPolicy(Qt::StrongFocus);
  QObject::connect(&box, &QComboBox::activated, &box, [this](int index) {
    if (Applying() || Model() == nullptr) return;
    const QPointer<QWidget> alive(Widget());
    Model()->SelectItem(index);
    if (alive != nullptr && Model() != nullptr) ApplyText();
  });
}

void ComboBoxPeer::Sync() {
  WidgetPeer::Sync();
  ApplyScope scope(*this);
  ApplyStyle();
  ItemsReset();
  Changed(ui::Property::DropDownCount);
}

void ComboBoxPeer::Changed(ui::Property property) {
  if (Model() == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  switch (property) {
    case ui::Property::Style:
      ApplyStyle();
      break;
    case ui::Property::Text:
    case ui::Property::ItemIndex:
      ApplyText();
      break;
    case ui::Property::Selection:
      ApplySelection();
      break;
    case ui::Property::DropDownCount:
      Combo()->setMaxVisibleItems(std::max(Model()->DropDownCount(), 1));
      break;
    case ui::Property::Font:
    case ui::Property::Color:
      WidgetPeer::Changed(property);
      if (QLineEdit* edit = Combo()->lineEdit()) edit->setFont(Combo()->font());
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void ComboBoxPeer::ItemsInserted(int index, int count) {
  ApplyScope scope(*this);
  const ui::TItems& items = Model()->Items();
  for (int i = index; i < index + count; ++i) Combo()->insertItem(i, ToQString(items[i]));
  ApplyText();
}

void ComboBoxPeer::ItemsRemoved(int index, int count) {
  ApplyScope scope(*this);
  for (int i = 0; i < count; ++i) Combo()->removeItem(index);
  ApplyText();
}

void ComboBoxPeer::ItemChanged(int index) {
  ApplyScope scope(*this);
  Combo()->setItemText(index, ToQString(Model()->Items()[index]));
  ApplyText();
}

void ComboBoxPeer::ItemsReset() {
  ApplyScope scope(*this);
  QStringList texts;
  const ui::TItems& items = Model()->Items();
  for (int i = 0; i < items.Count(); ++i) texts << ToQString(items[i]);
  Combo()->clear();
  Combo()->addItems(texts);
  ApplyText();
}

void ComboBoxPeer::ApplyStyle() {
  QComboBox& box = *Combo();
  const bool editable = Model()->Style() == ui::csDropDown;
  if (box.isEditable() != editable || (editable && !wired_edit_)) {
    box.setEditable(editable);
    wired_edit_ = false;
    if (QLineEdit* edit = box.lineEdit()) {
      box.setInsertPolicy(QComboBox::NoInsert);
      box.setCompleter(nullptr);
      edit->setAcceptDrops(false);
      QObject::connect(edit, &QLineEdit::textEdited, edit,
                       [this](const QString& text) { UserTyped(text); });
      QObject::connect(edit, &QLineEdit::selectionChanged, edit, [this, edit] {
        if (Applying() || Model() == nullptr) return;
        ApplyScope scope(*this);
        const QString text = edit->text();
        const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        const int end = start + static_cast<int>(edit->selectedText().size());
        const int byte_start = ByteOffset(text, start);
        Model()->SetSelection(byte_start, ByteOffset(text, end) - byte_start);
      });
      wired_edit_ = true;
    }
  }
  ApplyText();
}

void ComboBoxPeer::ApplyText() {
  ApplyScope scope(*this);
  QComboBox& box = *Combo();
  const ui::TComboBox& model = *Model();
  QLineEdit* edit = box.lineEdit();
  const int cursor = edit != nullptr ? edit->cursorPosition() : 0;
  if (box.currentIndex() != model.ItemIndex()) box.setCurrentIndex(model.ItemIndex());
  if (edit == nullptr) return;
  const QString text = ToQString(model.Text());
  if (edit->text() != text) {
    edit->setText(text);
    edit->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
  }
}

void ComboBoxPeer::ApplySelection() {
  QLineEdit* edit = Combo()->lineEdit();
  if (edit == nullptr) return;
  const ui::TComboBox& model = *Model();
  const int start = UnitOffset(model.Text(), model.SelStart());
  const int end = UnitOffset(model.Text(), model.SelStart() + model.SelLength());
  if (end > start) {
    edit->setSelection(start, end - start);
  } else {
    edit->setCursorPosition(start);
  }
}

void ComboBoxPeer::UserTyped(const QString& text) {
  if (Applying() || Model() == nullptr) return;
  const QPointer<QWidget> alive(Widget());
  QLineEdit* edit = Combo()->lineEdit();
  const int cursor = edit->cursorPosition();
  Model()->TypeText(FromQString(text));
  if (alive == nullptr || Model() == nullptr) return;
  // The model may hold less than was typed ("?" for what code page 932 lacks).
  ApplyText();
  if (edit->cursorPosition() != cursor) {
    edit->setCursorPosition(std::min<int>(cursor, static_cast<int>(edit->text().size())));
  }
}

}  // namespace qtui
