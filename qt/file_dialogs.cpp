#include "qt/file_dialogs.h"

#include <QFileDialog>

#include "qt/text.h"

namespace qtui {

QStringList QtNameFilters(const QString& filter) {
  QStringList filters;
  const QStringList parts = filter.split(u'|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
      const QString trimmed = pattern.trimmed();
      patterns << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
  }
  return filters;
}

bool RunOpenDialog(QWidget* parent, const ui::TOpenDialog& dialog,
                   std::vector<std::string>& files) {
  QFileDialog box(parent);
  box.setAcceptMode(QFileDialog::AcceptOpen);
  const ui::TOpenOptions options = dialog.Options();
  box.setFileMode((options & ui::ofAllowMultiSelect) ? QFileDialog::ExistingFiles
                  : (options & ui::ofFileMustExist)  ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  box.setOption(QFileDialog::HideNameFilterDetails);
  if (!dialog.Title().empty()) box.setWindowTitle(ToQString(dialog.Title()));
  if (!dialog.InitialDir().empty()) box.setDirectory(ToQString(dialog.InitialDir()));
  const QStringList filters = QtNameFilters(ToQString(dialog.Filter()));
  if (!filters.isEmpty()) {
    box.setNameFilters(filters);
    const int index = dialog.FilterIndex() - 1;
    box.selectNameFilter(filters[index >= 0 && index < filters.size() ? index : 0]);
  }
  if (!dialog.FileName().empty()) box.selectFile(ToQString(dialog.FileName()));
  if (box.exec() != QDialog::Accepted) return false;
  files.clear();
  for (const QString& file : box.selectedFiles()) files.push_back(FromQString(file));
  return !files.empty();
}

std::string RunFolderBrowser(QWidget* parent, const std::string& title) {
  QFileDialog box(parent, ToQString(title));
  box.setFileMode(QFileDialog::Directory);
  box.setOption(QFileDialog::ShowDirsOnly);
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return {};
  return FromQString(box.selectedFiles().front());
}

}  // namespace qtui
