#pragma once

#include <QString>
#include <QStringList>

class Dialogs;
class Launcher;

// The option checker's work, apart from its window: the lines of
// "Option.ini" as read (ListTMP), the default lines (ListDefault) and the
// lines to be saved (ListCurrent), with the repairs the user can make and
// the first-start setup of the data folder. Every message goes through the
// Dialogs interface.
class OptionChecker {
public:
    // The button the user should press next, shown in red.
    enum class Attention { None, Upgrade, Defaults };

    OptionChecker(Dialogs& dialogs, Launcher& launcher);

    // Opening from the tools menu only loads the lists. Opening after a
    // failed start says what is wrong, and on a first start creates the data
    // folder and its lyric folder.
    Attention Form_Load(bool fromMenu);

    void LoadOptionLists();
    // Writes ListCurrent as it stands, replacing the file in one step; false
    // with the reason when it cannot (the old file is then untouched).
    bool SaveOptionList(QString* error = nullptr);

    void cmdAppDefOpt_Click();   // "載入預設選項"
    void cmdCompareOpt_Click();  // "升級舊的選項"
    void cmdSaveNewOpt_Click();  // "儲存目前選項"
    // "使用新的選項重新執行程式": true when a new copy was started and this
    // one must end now.
    bool cmdAppNewOpt_Click();
    void cmdReloadOpt_Click();   // "重新載入選項"
    // Edits (rows 7-11) or toggles (the Boolean rows) a row of ListCurrent.
    void ListCurrent_DblClick(int row);
    // Copies a row of ListTMP over the selected row of ListCurrent; nothing
    // when no row of ListCurrent is selected (-1).
    void ListTMP_DblClick(int tmpRow, int selectedCurrentRow);

    const QStringList& ListTMP() const { return listTmp_; }
    const QStringList& ListDefault() const { return listDefault_; }
    const QStringList& ListCurrent() const { return listCurrent_; }
    // How many times the buttons saved the option file.
    int savedFiles() const { return savedFiles_; }

private:
    bool countMatchesDefault();
    bool saveWithMessages(const QString& successText);

    Dialogs& dialogs_;
    Launcher& launcher_;
    QStringList listTmp_;
    QStringList listDefault_;
    QStringList listCurrent_;
    int savedFiles_ = 0;
};
