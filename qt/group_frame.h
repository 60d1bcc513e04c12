#pragma once
// GroupFrame: the widget of a group box or radio group. The style draws the
// frame, and the caption sits on the frame's top edge, where the designed
// layout expects it: children placed just below the caption line are inside
// the frame. (The group box's own title would push the frame below it, so the
// caption is kept here and drawn over the edge.)

#include <QGroupBox>

namespace qtui {

class GroupFrame : public QGroupBox {
 public:
  explicit GroupFrame(QWidget* parent);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  // Where the frame's top edge runs: through the middle of the caption's line.
  int FrameTop() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

}  // namespace qtui
