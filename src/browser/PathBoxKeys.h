#pragma once

#include <QObject>

class BrowserNavigator;
class QLineEdit;

// The browser's part of the path box (txtFileLink), which the main window
// owns: a double click selects the whole path, and the keys go to the
// navigator first, so Ctrl+Enter opens the path as the file list's does.
// It lives as long as the box it watches.
class PathBoxKeys : public QObject {
    Q_OBJECT
public:
    PathBoxKeys(QLineEdit* box, BrowserNavigator& navigator);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box_;
    BrowserNavigator& navigator_;
};
