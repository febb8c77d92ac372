#pragma once

#include "user_prompts.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

// Records every message, question and dialog of the window, answers from a script,
// and counts the cursor changes. `snapshot` (optional) is called at every message
// so a test can see, say, what a cell showed at that moment.
class FakePrompts : public UserPrompts {
public:
    struct Entry {
        QString kind;      // "error", "warningYes", "confirm", "information"
        QString text;
        QString snapshot;  // snapshot() at that moment
    };

    QList<Entry> entries;
    std::deque<bool> answers;                         // confirmYesNo; Yes when empty
    QStringList chosenFiles;  // openFile/saveFile answers; an empty text or none left = cancel
    QList<FileRequest> fileRequests;
    std::function<QString()> snapshot;
    std::function<void(const QString&)> onMessage;    // runs inside the message, e.g. a re-entrant click
    std::function<void()> duringFileDialog;           // e.g. a dialog that changes the current directory
    int busy = 0;
    int restored = 0;

    QStringList texts() const
    {
        QStringList out;
        for (const Entry& e : entries)
            out << e.text;
        return out;
    }
    void clear() { entries.clear(); }

    void error(const QString& text) override { record("error", text); }
    void warningYes(const QString& text) override { record("warningYes", text); }
    void information(const QString& text) override { record("information", text); }
    bool confirmYesNo(const QString& text) override
    {
        record("confirm", text);
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> openFile(const FileRequest& request) override { return choose(request); }
    std::optional<QString> saveFile(const FileRequest& request) override { return choose(request); }
    void setBusyCursor() override { ++busy; }
    void restoreCursor() override { ++restored; }

private:
    void record(const char* kind, const QString& text)
    {
        entries.append({QString::fromLatin1(kind), text, snapshot ? snapshot() : QString()});
        if (onMessage)
            onMessage(text);
    }
    std::optional<QString> choose(const FileRequest& request)
    {
        fileRequests.append(request);
        if (duringFileDialog)
            duringFileDialog();
        const QString chosen = chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen;
    }
};
