#pragma once

#include <QWidget>

#include "console/CommandConsole.h"

class QCheckBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

// The media command console: the command line, its four parts, the reply
// size with its automatic switch, and the log. It copies what the user
// types into the console's logic and draws what the logic holds.
class Frm_Command : public QWidget {
    Q_OBJECT
public:
    Frm_Command(CommandConsole::Parts parts, QWidget* parent = nullptr);

    // Adds "命令提示字元" to the tools menu; one console at a time, the entry
    // brings the open one forward. It opens without blocking the main window.
    static void addMenuEntry(QMenu* menu, CommandConsole::Parts parts, QWidget* mainWindow);

    CommandConsole& console() { return console_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCommandRow();
    void buildParts();
    void buildReplySize();
    void buildLog();
    void buildLabels();
    QLineEdit* addBox(const char* objectName, const QString& name);

    void commandEdited(const QString& text);
    void enterPressed();
    void showConsole();

    CommandConsole console_;
    QLineEdit* txtCommand_ = nullptr;
    QLineEdit* Text1_[4] = {};
    QLineEdit* txtReturnLen_ = nullptr;
    QCheckBox* chkAutoAdjustLen_ = nullptr;
    QPlainTextEdit* txtReturn_ = nullptr;
    bool showing_ = false;
};
