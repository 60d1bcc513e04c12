#include "qt/form_peer.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "qt/renderer.h"
#include "qt/text.h"
#include "ui/application.h"
#include "ui/dispatch.h"
#include "ui/main_menu.h"

namespace qtui {
namespace {

bool Sizeable(ui::TFormBorderStyle style) {
  return style == ui::bsSizeable || style == ui::bsSizeToolWin;
}

Qt::WindowFlags WindowFlagsOf(const ui::TForm& form) {
  const ui::TFormBorderStyle style = form.BorderStyle();
  const ui::TBorderIcons icons = form.BorderIcons();
  Qt::WindowFlags flags = Qt::Window;
  if (style == ui::bsDialog) flags = Qt::Dialog;
  if (style == ui::bsToolWindow || style == ui::bsSizeToolWin) flags = Qt::Tool;
  if (style == ui::bsNone) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (icons & ui::biSystemMenu) {
      flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      const bool dialog_like =
          style == ui::bsDialog || style == ui::bsToolWindow || style == ui::bsSizeToolWin;
      if ((icons & ui::biMinimize) && !dialog_like) flags |= Qt::WindowMinimizeButtonHint;
      if ((icons & ui::biMaximize) && Sizeable(style)) flags |= Qt::WindowMaximizeButtonHint;
    }
  }
  if (form.FormStyle() == ui::fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

FormPeer::FormPeer(Renderer& renderer, ui::TForm& form)
    : WidgetPeer(renderer, form, new FormWindow(*this)) {
  RelayClicks();
}

QWidget* FormPeer::Container() const {
  return Window() != nullptr ? Window()->Client() : nullptr;
}

void FormPeer::Sync() {
  ApplyFlags();
  ApplyMenu();
  WidgetPeer::Sync();
  Changed(ui::Property::Caption);
  Changed(ui::Property::AcceptFiles);
}

void FormPeer::Changed(ui::Property property) {
  ui::TForm* form = Form();
  FormWindow* window = Window();
  if (form == nullptr || window == nullptr) return;
  ApplyScope scope(*this);
  switch (property) {
    case ui::Property::Caption:
      window->setWindowTitle(ToQString(form->Caption()));
      break;
    case ui::Property::Bounds:
    case ui::Property::Constraints:
      ApplyBounds();
      break;
    case ui::Property::BorderStyle:
    case ui::Property::BorderIcons:
    case ui::Property::FormStyle:
      ApplyFlags();
      ApplyBounds();
      break;
    case ui::Property::Menu:
      ApplyMenu();
      break;
    case ui::Property::ActiveControl:
      if (window->isVisible()) ApplyFocus();
      break;
    case ui::Property::ModalResult:
      if (modal_loop_ != nullptr && form->ModalResult() != ui::mrNone) modal_loop_->quit();
      break;
    case ui::Property::AcceptFiles:
      window->setAcceptDrops(form->AcceptFiles());
      break;
    case ui::Property::Visible:
    case ui::Property::Position:
      break;
    default:
      WidgetPeer::Changed(property);
      break;
  }
}

void FormPeer::ApplyBounds() {
  const ui::TForm& form = *Form();
  FormWindow& window = *Window();
  const int menu = window.MenuHeight();
  const QSize size(form.ClientWidth(), menu + form.ClientHeight());
  if (Sizeable(form.BorderStyle())) {
    // The constraints hold for the outer frame; the window's limits are for its inside.
    const ui::FrameMetrics frame = ui::FrameExtent(form.BorderStyle(), form.Menu() != nullptr);
    const int dx = 2 * frame.border;
    const int dy = 2 * frame.border + frame.caption + frame.menu - menu;
    const ui::TSizeConstraints& limits = form.Constraints();
    window.setMinimumSize(limits.MinWidth > 0 ? limits.MinWidth - dx : 0,
                          limits.MinHeight > 0 ? limits.MinHeight - dy : 0);
    window.setMaximumSize(limits.MaxWidth > 0 ? limits.MaxWidth - dx : QWIDGETSIZE_MAX,
                          limits.MaxHeight > 0 ? limits.MaxHeight - dy : QWIDGETSIZE_MAX);
    window.resize(size);
  } else {
    window.setFixedSize(size);
  }
  if (placed_ || form.Position() == ui::poDesigned) window.move(form.Left(), form.Top());
}

void FormPeer::ApplyFlags() {
  FormWindow& window = *Window();
  const Qt::WindowFlags flags = WindowFlagsOf(*Form());
  if (flags == window.windowFlags()) return;
  const bool shown = window.isVisible();
  window.setWindowFlags(flags);
  if (shown) window.show();
}

void FormPeer::ApplyMenu() {
  ui::TMainMenu* menu = Form()->Menu();
  FormWindow& window = *Window();
  window.MenuBar()->setVisible(menu != nullptr);
  if (menu != nullptr) renderer().RenderMenuBar(menu->Items(), window.MenuBar());
  window.LayOut();
  ApplyBounds();
}

void FormPeer::ApplyFocus() {
  const ui::TWinControl* active = Form()->ActiveControl();
  QWidget* widget = active != nullptr ? RenderedWidget(*active) : nullptr;
  if (widget != nullptr && !widget->hasFocus()) widget->setFocus(Qt::OtherFocusReason);
}

void FormPeer::Show(bool modal) {
  FormWindow& window = *Window();
  window.setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  if (!placed_) Place();
  const bool shown = window.isVisible();
  window.show();
  // A window shown again comes to the front; a new one is there already.
  if (shown) window.raise();
  window.activateWindow();
  ApplyFocus();
}

void FormPeer::Hide() {
  Window()->hide();
}

void FormPeer::Place() {
  ui::TForm& form = *Form();
  placed_ = true;
  const QSize outer(form.Width(), form.Height());
  QPoint origin(form.Left(), form.Top());
  switch (form.Position()) {
    case ui::poScreenCenter:
    case ui::poDesktopCenter:
      if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        origin = screen->availableGeometry().center() - QPoint(outer.width(), outer.height()) / 2;
      }
      break;
    case ui::poMainFormCenter:
    case ui::poOwnerFormCenter:
      if (const ui::TForm* main = ui::Application().MainForm(); main != nullptr && main != &form) {
        const QRect area(main->Left(), main->Top(), main->Width(), main->Height());
        origin = area.center() - QPoint(outer.width(), outer.height()) / 2;
      }
      break;
    case ui::poDefault:
    case ui::poDefaultPosOnly:
      // The window system places the window; its position flows back when shown.
      return;
    case ui::poDesigned:
    case ui::poDefaultSizeOnly:
      break;
  }
  if (origin != QPoint(form.Left(), form.Top())) {
    form.SetBounds(origin.x(), origin.y(), form.Width(), form.Height());
  }
  Window()->move(origin);
}

void FormPeer::UserClose() {
  ui::TForm* form = Form();
  if (form == nullptr || !(form->BorderIcons() & ui::biSystemMenu)) return;
  ui::Dispatch([form] { form->Close(); });
}

void FormPeer::UserGeometry() {
  ui::TForm* form = Form();
  FormWindow* window = Window();
  if (form == nullptr || window == nullptr || Applying()) return;
  const ui::FrameMetrics frame = ui::FrameExtent(form->BorderStyle(), form->Menu() != nullptr);
  const int width = window->width() + 2 * frame.border;
  const int height =
      window->height() - window->MenuHeight() + 2 * frame.border + frame.caption + frame.menu;
  const QPoint origin = window->pos();
  if (origin.x() == form->Left() && origin.y() == form->Top() && width == form->Width() &&
      height == form->Height()) {
    return;
  }
  form->SetBounds(origin.x(), origin.y(), width, height);
}

void FormPeer::UserDrop(std::vector<std::string> names) {
  // Delivered after the drag has finished, as the system's drop message is.
  QTimer::singleShot(0, Window(), [this, names = std::move(names)] {
    if (Form() != nullptr) Form()->DropFiles(names);
  });
}

}  // namespace qtui
