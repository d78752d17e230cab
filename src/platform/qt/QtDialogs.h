#pragma once

#include "platform/Dialogs.h"

class QWidget;

// Dialogs shown with Qt's standard boxes, parented to the given window.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    int messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer,
                     std::optional<QPoint> positionTwips) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

private:
    QWidget* parent_;
};
