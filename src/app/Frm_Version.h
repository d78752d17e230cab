#pragma once

#include <QString>
#include <QWidget>

class Clipboard;
class QLabel;
struct AppState;

// The about box: the program's name and build, the last update and memory
// use, with the main window's icon. Clicking the text closes the box;
// clicking the icon copies the text to the clipboard.
class Frm_Version : public QWidget {
    Q_OBJECT
public:
    Frm_Version(const AppState& state, Clipboard& clipboard, QWidget* mainWindow, QWidget* parent = nullptr);

    // The box's one text, lines separated by CR LF.
    static QString versionText(const AppState& state);

    void lblVersion_Click();
    void imgIcon_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Clipboard& clipboard_;
    QString text_;
    QLabel* lblVersion_ = nullptr;
    QLabel* imgIcon_ = nullptr;
};
