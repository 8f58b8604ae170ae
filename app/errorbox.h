#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>
#include <string_view>

namespace app {

// A box with the stop icon and one OK button that blocks every other window of the program
// while it is open. Like the message boxes players know from other desktops, it copies its
// caption and text to the clipboard on Ctrl+C, so a message can be passed on exactly.
class ErrorBox : public QMessageBox
{
public:
    ErrorBox(const QString& title, const QString& text);

    // The text Ctrl+C copies: caption, text and button between dashed lines.
    QString copiedText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The application's error box: the application title as caption and the failure's message
// with a full stop as text, added also after a message that already ends with one.
std::unique_ptr<ErrorBox> makeErrorBox(const QString& title, std::string_view message);

// Shows the error box and returns once the player has closed it.
void showErrorBox(const QString& title, std::string_view message);

} // namespace app
