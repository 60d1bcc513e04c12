#include "qt/group_frame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace qtui {
namespace {

// The caption's distance from the frame's left edge, and its padding on each side.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

}  // namespace

GroupFrame::GroupFrame(QWidget* parent) : QGroupBox(parent) {}

void GroupFrame::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  setAccessibleName(caption);
  update();
}

int GroupFrame::FrameTop() const {
  return fontMetrics().height() / 2;
}

void GroupFrame::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionGroupBox group;
  initStyleOption(&group);
  QStyleOptionFrame frame;
  frame.QStyleOption::operator=(group);
  frame.features = group.features;
  frame.lineWidth = group.lineWidth;
  frame.midLineWidth = group.midLineWidth;
  frame.rect = rect().adjusted(0, FrameTop(), 0, 0);
  painter.drawPrimitive(QStyle::PE_FrameGroupBox, frame);
  if (caption_.isEmpty()) return;

  // The caption interrupts the edge: the background behind it, then the text.
  const QSize text = fontMetrics().size(Qt::TextShowMnemonic, caption_);
  const QRect caption(kCaptionIndent, 0, text.width() + 2 * kCaptionPadding, text.height());
  painter.fillRect(caption, palette().brush(backgroundRole()));
  painter.drawItemText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                       caption_, QPalette::WindowText);
}

}  // namespace qtui
