#include "qt/memo_peer.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "qt/text.h"

namespace qtui {
namespace {

QTextCursor StartOfBlock(QTextDocument& document, int block) {
  return QTextCursor(document.findBlockByNumber(block));
}

QTextCursor EndOfBlock(QTextDocument& document, int block) {
  QTextCursor cursor(document.findBlockByNumber(block));
  cursor.movePosition(QTextCursor::EndOfBlock);
  return cursor;
}

}  // namespace

MemoPeer::MemoPeer(Renderer& renderer, ui::TMemo& memo, QWidget* parent)
    : WidgetPeer(renderer, memo, new QPlainTextEdit(parent)) {
  Editor()->setFocusPolicy(Qt::StrongFocus);
  Editor()->viewport()->setAcceptDrops(false);
  Editor()->document()->setUndoRedoEnabled(false);
}

void MemoPeer::Sync() {
  WidgetPeer::Sync();
  Changed(ui::Property::ReadOnly);
  ApplyWrapping();
  ItemsReset();
}

void MemoPeer::Changed(ui::Property property) {
  if (Memo() == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  switch (property) {
    case ui::Property::ReadOnly:
      Editor()->setReadOnly(Memo()->ReadOnly());
      break;
    case ui::Property::ScrollBars:
    case ui::Property::WordWrap:
      ApplyWrapping();
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void MemoPeer::ApplyWrapping() {
  const ui::TScrollStyle bars = Memo()->ScrollBars();
  const bool horizontal = bars == ui::ssHorizontal || bars == ui::ssBoth;
  const bool vertical = bars == ui::ssVertical || bars == ui::ssBoth;
  QPlainTextEdit& editor = *Editor();
  editor.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  editor.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  // A horizontal scroll bar means long lines run on instead of wrapping.
  editor.setLineWrapMode(Memo()->WordWrap() && !horizontal ? QPlainTextEdit::WidgetWidth
                                                           : QPlainTextEdit::NoWrap);
}

void MemoPeer::ItemsInserted(int index, int count) {
  if (count <= 0) return;
  const ui::TItems& lines = Memo()->Lines();
  QStringList texts;
  for (int i = index; i < index + count; ++i) texts << ToQString(lines[i]);
  QTextDocument& document = *Editor()->document();
  QTextCursor cursor;
  QString inserted = texts.join(u'\n');
  if (lines_ == 0) {
    cursor = StartOfBlock(document, 0);
  } else if (index < lines_) {
    cursor = StartOfBlock(document, index);
    inserted += u'\n';
  } else {
    cursor = EndOfBlock(document, lines_ - 1);
    inserted.prepend(u'\n');
  }
  cursor.insertText(inserted);
  lines_ += count;
}

void MemoPeer::ItemsRemoved(int index, int count) {
  if (count <= 0) return;
  QTextDocument& document = *Editor()->document();
  QTextCursor cursor;
  if (index + count < lines_) {
    cursor = StartOfBlock(document, index);
    cursor.setPosition(StartOfBlock(document, index + count).position(), QTextCursor::KeepAnchor);
  } else if (index > 0) {
    cursor = EndOfBlock(document, index - 1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  } else {
    cursor = QTextCursor(&document);
    cursor.select(QTextCursor::Document);
  }
  cursor.removeSelectedText();
  lines_ -= count;
}

void MemoPeer::ItemChanged(int index) {
  QTextCursor cursor = StartOfBlock(*Editor()->document(), index);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.insertText(ToQString(Memo()->Lines()[index]));
}

void MemoPeer::ItemsReset() {
  const ui::TItems& lines = Memo()->Lines();
  QStringList texts;
  texts.reserve(lines.Count());
  for (int i = 0; i < lines.Count(); ++i) texts << ToQString(lines[i]);
  Editor()->setPlainText(texts.join(u'\n'));
  lines_ = lines.Count();
}

}  // namespace qtui
