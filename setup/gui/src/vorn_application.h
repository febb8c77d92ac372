#pragma once

#include <QApplication>
#include <functional>

// The application object: title "Vorn", and no exception leaves an event
// handler: it is shown in an error box and the event loop goes on.
class VornApplication : public QApplication {
public:
    VornApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Where a caught exception's text goes; an error box by default.
    void setErrorReporter(std::function<void(const QString&)> reporter);

private:
    std::function<void(const QString&)> m_reportError;
};
