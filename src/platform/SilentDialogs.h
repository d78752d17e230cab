#pragma once

#include "platform/Dialogs.h"

// Dialogs for unattended runs (benchmarks, the screenshot tool): nothing is
// shown, every box answers OK and every question is cancelled, so a run can
// never stop on a question.
class SilentDialogs final : public Dialogs {
public:
    int messageBox(const QString&, MsgButtons, MsgIcon, const QString&) override { return MsgResult::Ok; }
    QString inputBox(const QString&, const QString&, const QString&, std::optional<QPoint>) override { return {}; }
    QStringList openFiles(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
};
