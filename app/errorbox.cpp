#include "app/errorbox.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace app {

ErrorBox::ErrorBox(const QString& title, const QString& text)
    : QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok)
{
    // Messages may quote file names; none of them is markup.
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::ApplicationModal);
}

QString ErrorBox::copiedText() const
{
    const QString line = QStringLiteral("---------------------------\n");
    return line + windowTitle() + u'\n' + line + text() + u'\n' + line
        + button(QMessageBox::Ok)->text().remove(u'&') + u'\n' + line;
}

void ErrorBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(copiedText());
        return;
    }
    QMessageBox::keyPressEvent(event);
}

std::unique_ptr<ErrorBox> makeErrorBox(const QString& title, std::string_view message)
{
    return std::make_unique<ErrorBox>(
        title, QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())) + u'.');
}

void showErrorBox(const QString& title, std::string_view message)
{
    makeErrorBox(title, message)->exec();
}

} // namespace app
