#pragma once

#include "user_prompts.h"

#include <QPointer>
#include <QWidget>

// The seam with real Qt message boxes, file dialogs and the override cursor.
class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* parent) : m_parent(parent) {}

    void error(const QString& text) override;
    void warningYes(const QString& text) override;
    bool confirmYesNo(const QString& text) override;
    void information(const QString& text) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    void setBusyCursor() override;
    void restoreCursor() override;

private:
    QPointer<QWidget> m_parent;
};
