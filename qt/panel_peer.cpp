#include "qt/panel_peer.h"

#include <QFrame>
#include <QPainter>

#include "qt/text.h"

namespace qtui {
namespace {

// A frame that paints a caption, aligned as the panel says.
class PanelFrame : public QFrame {
 public:
  using QFrame::QFrame;
  void SetCaption(const QString& caption, Qt::Alignment alignment) {
    caption_ = caption;
    alignment_ = alignment;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    // A panel is opaque: one laid over others (the patch panel) hides them.
    painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.end();
    QFrame::paintEvent(event);
    if (caption_.isEmpty()) return;
    painter.begin(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), static_cast<int>(alignment_ | Qt::AlignVCenter), caption_);
  }

 private:
  QString caption_;
  Qt::Alignment alignment_ = Qt::AlignHCenter;
};

Qt::Alignment ToAlignment(ui::TAlignment alignment) {
  switch (alignment) {
    case ui::taLeftJustify:
      return Qt::AlignLeft;
    case ui::taRightJustify:
      return Qt::AlignRight;
    case ui::taCenter:
      break;
  }
  return Qt::AlignHCenter;
}

}  // namespace

PanelPeer::PanelPeer(Renderer& renderer, ui::TPanel& panel, QWidget* parent)
    : WidgetPeer(renderer, panel, new PanelFrame(parent)) {
  RelayClicks();
}

void PanelPeer::Sync() {
  WidgetPeer::Sync();
  ApplyScope scope(*this);
  ApplyBevel();
  Changed(ui::Property::Caption);
}

void PanelPeer::Changed(ui::Property property) {
  const auto* panel = static_cast<const ui::TPanel*>(Control());
  if (panel == nullptr || Widget() == nullptr) return;
  switch (property) {
    case ui::Property::Bevel:
      ApplyBevel();
      break;
    case ui::Property::Caption:
    case ui::Property::Alignment:
      static_cast<PanelFrame*>(Widget())->SetCaption(PlainCaption(ToQString(panel->Caption())),
                                                     ToAlignment(panel->Alignment()));
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void PanelPeer::ApplyBevel() {
  const auto& panel = static_cast<const ui::TPanel&>(*Control());
  auto& frame = static_cast<PanelFrame&>(*Widget());
  const int bevels =
      (panel.BevelOuter() != ui::bvNone ? 1 : 0) + (panel.BevelInner() != ui::bvNone ? 1 : 0);
  if (bevels == 0) {
    frame.setFrameStyle(QFrame::NoFrame);
    return;
  }
  const ui::TBevelCut outer =
      panel.BevelOuter() != ui::bvNone ? panel.BevelOuter() : panel.BevelInner();
  frame.setFrameStyle(QFrame::Panel | (outer == ui::bvLowered  ? QFrame::Sunken
                                       : outer == ui::bvRaised ? QFrame::Raised
                                                               : QFrame::Plain));
  frame.setLineWidth(bevels * panel.BevelWidth());
}

}  // namespace qtui
