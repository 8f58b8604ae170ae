#pragma once

#include <QString>

#include <memory>
#include <string_view>

class QMessageBox;

namespace app {

// The application's error box: the stop icon, one OK button, the application title as caption
// and the failure's message with a full stop as text, added also after a message that already
// ends with one. While it is open no other window of the program takes input.
std::unique_ptr<QMessageBox> makeErrorBox(const QString& title, std::string_view message);

// Shows the error box and returns once the player has closed it.
void showErrorBox(const QString& title, std::string_view message);

} // namespace app
