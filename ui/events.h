#pragma once
// Event handler types. Every handler receives the control that fired it as the
// sender, as the class library's handlers do.

#include <functional>
#include <string>
#include <vector>

#include "ui/types.h"

namespace ui {

class TObject;

using TNotifyEvent = std::function<void(TObject* sender)>;
// The key may be changed, or set to 0 to swallow it.
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TKeyEvent = std::function<void(TObject* sender, unsigned short& key, TShiftState shift)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
// The names of files and folders dropped on a form, in the order of the drop.
using TDropFilesEvent = std::function<void(TObject* sender, const std::vector<std::string>& names)>;

}  // namespace ui
