#include "vorn_application.h"

#include <QMessageBox>
#include <exception>

VornApplication::VornApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The application name, not the display name: Qt appends the display name to
    // every window title.
    setApplicationName("Vorn");
    m_reportError = [](const QString& text) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text,
                              QMessageBox::Ok);
    };
}

void VornApplication::setErrorReporter(std::function<void(const QString&)> reporter)
{
    m_reportError = std::move(reporter);
}

bool VornApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        m_reportError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        m_reportError(QStringLiteral("Unknown error"));
    }
    return false;
}
