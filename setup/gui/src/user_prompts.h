#pragma once

#include <QString>
#include <optional>

// Everything the main window asks or tells the user, and the busy cursor, goes
// through this seam; tests replace it with a recording fake.
class UserPrompts {
public:
    struct FileRequest {
        QString caption;
        QString fileName;          // proposed file name
        QString initialDirectory;
        QString filter;            // Qt filter text, e.g. "Configuration file (*.cnf *.CNF)"
    };

    virtual ~UserPrompts() = default;

    virtual void error(const QString& text) = 0;           // error box, OK
    virtual void warningYes(const QString& text) = 0;      // warning box, a single Yes
    virtual bool confirmYesNo(const QString& text) = 0;    // confirmation, Yes = true
    virtual void information(const QString& text) = 0;     // information box, OK

    // The chosen full path, or nothing when cancelled.
    virtual std::optional<QString> openFile(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest& request) = 0;

    virtual void setBusyCursor() = 0;
    virtual void restoreCursor() = 0;
};
