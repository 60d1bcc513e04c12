#include "qt/static_text_peer.h"

#include <QLabel>

#include "qt/text.h"

namespace qtui {

StaticTextPeer::StaticTextPeer(Renderer& renderer, ui::TStaticText& text, QWidget* parent)
    : WidgetPeer(renderer, text, new QLabel(parent)) {
  auto* label = static_cast<QLabel*>(Widget());
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  RelayClicks();
}

void StaticTextPeer::Sync() {
  WidgetPeer::Sync();
  Changed(ui::Property::Caption);
  Changed(ui::Property::Alignment);
  Changed(ui::Property::BorderStyle);
}

void StaticTextPeer::Changed(ui::Property property) {
  const auto* text = static_cast<const ui::TStaticText*>(Control());
  if (text == nullptr || Widget() == nullptr) return;
  ApplyScope scope(*this);
  auto* label = static_cast<QLabel*>(Widget());
  switch (property) {
    case ui::Property::Caption: {
      QString caption = PlainCaption(ToQString(text->Caption()));
      caption.remove(u'\r');
      label->setText(caption);
      break;
    }
    case ui::Property::Alignment: {
      const Qt::Alignment horizontal = text->Alignment() == ui::taCenter         ? Qt::AlignHCenter
                                       : text->Alignment() == ui::taRightJustify ? Qt::AlignRight
                                                                                 : Qt::AlignLeft;
      label->setAlignment(horizontal | Qt::AlignTop);
      break;
    }
    case ui::Property::BorderStyle:
      label->setFrameStyle(text->BorderStyle() == ui::sbsSunken   ? QFrame::Panel | QFrame::Sunken
                           : text->BorderStyle() == ui::sbsSingle ? QFrame::Box | QFrame::Plain
                                                                  : QFrame::NoFrame);
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

}  // namespace qtui
