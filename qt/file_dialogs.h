#pragma once
// The file-open dialog and the folder browser in Qt, answering in code page 932 paths.

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "ui/open_dialog.h"

namespace qtui {

// A filter of the open dialog ("description|pattern|…", patterns split by ";")
// as Qt's name filters ("description (patterns)"); "*.*" matches every file, as
// on Windows, also names without a dot.
QStringList QtNameFilters(const QString& filter);

// Runs the open dialog; true with the chosen files, in the dialog's order, when confirmed.
bool RunOpenDialog(QWidget* parent, const ui::TOpenDialog& dialog, std::vector<std::string>& files);
// Runs the folder browser with title; the chosen folder's path, or "" when cancelled.
std::string RunFolderBrowser(QWidget* parent, const std::string& title);

}  // namespace qtui
