#include "app/errorbox.h"

#include <QMessageBox>

namespace app {

std::unique_ptr<QMessageBox> makeErrorBox(const QString& title, std::string_view message)
{
    const QString text
        = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())) + u'.';
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, title, text, QMessageBox::Ok);
    // Messages may quote file names; none of them is markup.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void showErrorBox(const QString& title, std::string_view message)
{
    makeErrorBox(title, message)->exec();
}

} // namespace app
