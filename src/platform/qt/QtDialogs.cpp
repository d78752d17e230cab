#include "platform/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "common/Twips.h"

namespace {

QString titleOr(const QString& title) {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

int fromQtButton(int button, MsgButtons shown) {
    switch (button) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    default: break;
    }
    // Closing the box with Escape or the title bar's button.
    return shown == MsgButtons::YesNo ? MsgResult::No
           : shown == MsgButtons::Ok  ? MsgResult::Ok
                                      : MsgResult::Cancel;
}

}  // namespace

int QtDialogs::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    QMessageBox box(toQtIcon(icon), titleOr(title), text, toQtButtons(buttons), parent_);
    return fromQtButton(box.exec(), buttons);
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer,
                            std::optional<QPoint> positionTwips) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(titleOr(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultAnswer);
    if (positionTwips) dialog.move(Twips::toPx(*positionTwips));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue();
}

QStringList QtDialogs::openFiles(const FileDialogRequest& request) {
    if (request.multiSelect)
        return QFileDialog::getOpenFileNames(parent_, request.title, request.initialFolder, request.filter);
    const QString file = QFileDialog::getOpenFileName(parent_, request.title, request.initialFolder, request.filter);
    return file.isEmpty() ? QStringList() : QStringList{file};
}

QString QtDialogs::saveFile(const FileDialogRequest& request) {
    QString start = request.initialFolder;
    if (!request.suggestedName.isEmpty()) start += QLatin1Char('/') + request.suggestedName;
    const QFileDialog::Options options =
        request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(parent_, request.title, start, request.filter, nullptr, options);
}
