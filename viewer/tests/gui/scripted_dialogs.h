#pragma once
// A dialog seam for headless tests: file dialogs answer from a queue, message boxes are
// recorded, modal forms are answered by a callback.

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

#include "viewer/gui/user_dialogs.h"

namespace vorn::viewer::test {

class ScriptedDialogs : public UserDialogs {
public:
    std::deque<FileChoice> files;      // answers of the next file dialogs
    std::vector<FileDialogSpec> asked;  // every file dialog shown
    QStringList errors;
    QStringList questions;
    bool answerYes = true;
    bool printAccepted = false;
    std::function<int(QDialog&)> onExec = [](QDialog&) { return 0; };

    void queueFile(const QString& path, int filter) { files.push_back({true, path, filter}); }

    FileChoice openFile(QWidget*, const FileDialogSpec& request) override { return next(request); }
    FileChoice saveFile(QWidget*, const FileDialogSpec& request) override { return next(request); }
    void error(QWidget*, const QString& text) override { errors.append(text); }
    bool question(QWidget*, const QString& text) override {
        questions.append(text);
        return answerYes;
    }
    bool print(QWidget*, QPrinter&, QAbstractPrintDialog::PrintDialogOptions) override {
        return printAccepted;
    }
    int exec(QDialog& dialog) override { return onExec(dialog); }

private:
    FileChoice next(const FileDialogSpec& request) {
        asked.push_back(request);
        if (files.empty()) return {};
        FileChoice c = files.front();
        files.pop_front();
        return c;
    }
};

}  // namespace vorn::viewer::test
