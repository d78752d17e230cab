#include "app/OptionChecker.h"

#include <QDir>
#include <QFileInfo>

#include "app/OptionFile.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kTrue = QStringLiteral("#TRUE#");
const QString kFalse = QStringLiteral("#FALSE#");

// Rows 7-11 hold numbers and texts and are edited in an input box; the
// other rows of the fourteen are Booleans and toggle.
bool isEditedRow(int row) { return row >= 7 && row <= 11; }
bool isBooleanRow(int row) { return (row >= 0 && row <= 6) || row == 12 || row == 13; }
// The start folder and the background tag: the rows read as texts.
bool isTextRow(int row) { return row == 10 || row == 11; }

bool isQuoted(const QString& text) {
    return text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"');
}

// The lists show texts without their quotes, and the file keeps them that
// way; only a text that would not read back as shown (one holding a comma
// or a quotation mark, or blanks at its ends) is written in quotes.
QString fileLine(int row, const QString& text) {
    if (!isTextRow(row) || isQuoted(text)) return text;
    return OptionFile::decodeValue(text) == text ? text : OptionFile::quoted(text);
}

}  // namespace

OptionChecker::OptionChecker(Dialogs& dialogs, Launcher& launcher)
    : dialogs_(dialogs), launcher_(launcher), listDefault_(OptionFile::defaultLines()) {}

OptionChecker::Attention OptionChecker::Form_Load(bool fromMenu) {
    if (fromMenu) {
        LoadOptionLists();
        return Attention::None;
    }
    const QString root = DataFolder::root();
    if (QFileInfo(root).isDir()) {
        if (QFileInfo::exists(DataFolder::optionFile())) {
            dialogs_.messageBox(QStringLiteral("程式的設定檔(Option.ini)可能含有不正確資訊或缺少資訊。") + kCrLf +
                                    QStringLiteral("看來這是升級程式所致，請於按鈕中選擇「升級舊的選項」以載入這程式。"),
                                MsgButtons::Ok, MsgIcon::Information);
            LoadOptionLists();
            return Attention::Upgrade;
        }
        dialogs_.messageBox(QStringLiteral("大慨程式的設定檔(Option.ini)已不存在。") + kCrLf +
                                QStringLiteral("請於按鈕中選擇「使用預設選項」以載入這程式。"),
                            MsgButtons::Ok, MsgIcon::Information);
        return Attention::Defaults;
    }

    dialogs_.messageBox(QStringLiteral("看來你是第一次執行此程式。在此，歡迎你選擇使用這程式！"), MsgButtons::Ok,
                        MsgIcon::Information);
    if (QDir().mkpath(root) && QDir().mkpath(DataFolder::lyricsFolder())) {
        dialogs_.messageBox(QStringLiteral("資料夾已經建立成功{") + root +
                                QStringLiteral("}，請於按鈕中選擇「使用預設選項」載入這程式！"),
                            MsgButtons::Ok, MsgIcon::Information);
    } else {
        // Saying "created" here would send the user into saves that all fail.
        dialogs_.messageBox(QStringLiteral("無法建立資料夾{") + root +
                                QStringLiteral("}，程式的選項將無法儲存。請檢查該位置的權限。"),
                            MsgButtons::Ok, MsgIcon::Critical);
    }
    return Attention::Defaults;
}

void OptionChecker::LoadOptionLists() {
    listCurrent_.clear();
    listTmp_.clear();
    const QString path = DataFolder::optionFile();
    if (!QFileInfo::exists(path)) return;
    QStringList lines;
    if (!TextFile::readLines(path, lines)) return;
    // A blank line left at the end of a hand-edited file is not an option.
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty()) lines.removeLast();
    for (const QString& line : lines) {
        const QString value = OptionFile::decodeValue(line);
        listCurrent_.append(value);
        listTmp_.append(value);
    }
}

bool OptionChecker::SaveOptionList(QString* error) {
    QStringList lines;
    for (int row = 0; row < listCurrent_.size(); ++row) lines.append(fileLine(row, listCurrent_.at(row)));
    return TextFile::writeLines(DataFolder::optionFile(), lines, error);
}

void OptionChecker::cmdAppDefOpt_Click() {
    listCurrent_ = listDefault_;
    dialogs_.messageBox(QStringLiteral("新的選項已經載入，請選擇「使用新的選項執行程式」以套用新的選項！"),
                        MsgButtons::Ok, MsgIcon::Exclamation);
}

void OptionChecker::cmdCompareOpt_Click() {
    if (listCurrent_.size() < listDefault_.size()) {
        for (qsizetype i = listCurrent_.size(); i < listDefault_.size(); ++i) listCurrent_.append(listDefault_.at(i));
    } else if (listCurrent_.size() > listDefault_.size()) {
        dialogs_.messageBox(QStringLiteral("你的選項可能經過自行經改，目前選項數目大於預設選目數目。") + kCrLf +
                                QStringLiteral("請選擇載入預設選項。"),
                            MsgButtons::Ok, MsgIcon::Critical);
    }
}

bool OptionChecker::countMatchesDefault() {
    if (listCurrent_.size() == listDefault_.size()) return true;
    dialogs_.messageBox(QStringLiteral("將要儲存的選項總數與預設的選項總數不相同"), MsgButtons::Ok,
                        MsgIcon::Critical);
    return false;
}

bool OptionChecker::saveWithMessages(const QString& successText) {
    QString error;
    if (!SaveOptionList(&error)) {
        dialogs_.messageBox(QStringLiteral("選項無法儲存，原本的設定檔(Option.ini)保持不變。") + kCrLf + error,
                            MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    ++savedFiles_;
    dialogs_.messageBox(successText, MsgButtons::Ok, MsgIcon::Information);
    return true;
}

void OptionChecker::cmdSaveNewOpt_Click() {
    if (!countMatchesDefault()) return;
    saveWithMessages(QStringLiteral("新的選項已成功被儲存。"));
}

bool OptionChecker::cmdAppNewOpt_Click() {
    if (!countMatchesDefault()) return false;
    if (!saveWithMessages(QStringLiteral("新的選項已成功被儲存，現正重新啟動程式。"))) return false;
    if (!launcher_.restartSelf({})) {
        // Ending now would leave the user with no player at all.
        dialogs_.messageBox(QStringLiteral("無法重新啟動程式，請自行再次執行本程式。"), MsgButtons::Ok,
                            MsgIcon::Critical);
        return false;
    }
    return true;
}

void OptionChecker::cmdReloadOpt_Click() { LoadOptionLists(); }

void OptionChecker::ListCurrent_DblClick(int row) {
    if (row < 0 || row >= listCurrent_.size()) return;
    QString& text = listCurrent_[row];
    if (isEditedRow(row)) {
        const QString answer = dialogs_.inputBox(QStringLiteral("請更改選項項目資料"), QString(), text);
        if (!answer.isEmpty()) text = answer;
    } else if (isBooleanRow(row)) {
        text = text == kFalse ? kTrue : kFalse;
    }
}

void OptionChecker::ListTMP_DblClick(int tmpRow, int selectedCurrentRow) {
    if (tmpRow < 0 || tmpRow >= listTmp_.size()) return;
    if (selectedCurrentRow < 0 || selectedCurrentRow >= listCurrent_.size()) return;
    listCurrent_[selectedCurrentRow] = listTmp_.at(tmpRow);
}
