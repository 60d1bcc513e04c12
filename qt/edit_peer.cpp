#include "qt/edit_peer.h"

#include <QPointer>

#include "qt/text.h"

namespace qtui {

EditPeer::EditPeer(Renderer& renderer, ui::TEdit& edit, QWidget* parent)
    : WidgetPeer(renderer, edit, new QLineEdit(parent)) {
  QLineEdit& line = *Line();
  line.setFocusPolicy(Qt::StrongFocus);
  QObject::connect(&line, &QLineEdit::textEdited, &line,
                   [this](const QString& text) { UserTyped(text); });
  QObject::connect(&line, &QLineEdit::selectionChanged, &line, [this] {
    if (Applying() || Model() == nullptr) return;
    ApplyScope scope(*this);
    const QLineEdit& field = *Line();
    const int start = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
    const int end = start + static_cast<int>(field.selectedText().size());
    const int byte_start = ByteOffset(field.text(), start);
    Model()->SetSelection(byte_start, ByteOffset(field.text(), end) - byte_start);
  });
}

void EditPeer::Sync() {
  WidgetPeer::Sync();
  Changed(ui::Property::ReadOnly);
  Changed(ui::Property::Text);
}

void EditPeer::Changed(ui::Property property) {
  if (Model() == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  const ui::TEdit& model = *Model();
  switch (property) {
    case ui::Property::Text:
      ApplyText();
      break;
    case ui::Property::ReadOnly:
      Line()->setReadOnly(model.ReadOnly());
      break;
    case ui::Property::Selection: {
      const int start = UnitOffset(model.Text(), model.SelStart());
      const int end = UnitOffset(model.Text(), model.SelStart() + model.SelLength());
      if (end > start) {
        Line()->setSelection(start, end - start);
      } else {
        Line()->setCursorPosition(start);
      }
      break;
    }
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void EditPeer::ApplyText() {
  QLineEdit& line = *Line();
  const QString text = ToQString(Model()->Text());
  if (line.text() == text) return;
  const int cursor = line.cursorPosition();
  line.setText(text);
  if (line.hasFocus()) line.setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
}

void EditPeer::UserTyped(const QString& text) {
  if (Applying() || Model() == nullptr) return;
  const QPointer<QWidget> alive(Widget());
  Model()->TypeText(FromQString(text));
  if (alive == nullptr || Model() == nullptr) return;
  // The model may hold less than was typed: what MaxLength cuts, "?" for what
  // code page 932 lacks, or nothing at all when read-only.
  ApplyScope scope(*this);
  ApplyText();
}

}  // namespace qtui
