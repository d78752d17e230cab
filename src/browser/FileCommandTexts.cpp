#include "browser/FileCommandTexts.h"

#include "common/DataFolder.h"

namespace FileCommandTexts {

namespace {
const QString kLineEnd = QStringLiteral("\r\n");
}

QString overwriteQuestion(const QString& name) {
    return QStringLiteral("目的地資料夾已和來源檔相同檔名的檔案存在 (") + name + QStringLiteral(") , 要取代?");
}

QString transferProgress(const QString& name, int number, int total) {
    // One pass: a "%2" in a file name stays as it is.
    return QStringLiteral("複製檔案中...(%1) [%2/%3] 請稍候.").arg(name, QString::number(number), QString::number(total));
}

QString transferSummary(bool move, const QString& destination, int selected, int overwritten, int skipped) {
    const QString head = move ? QStringLiteral("檔案移動成功 [") : QStringLiteral("檔案複製成功 [");
    const QString verb = move ? QStringLiteral("], 移動了共") : QStringLiteral("], 複製了共");
    return head + destination + verb +
           QStringLiteral("%1個檔案, %2個被覆寫, %3個被略過.").arg(selected - skipped).arg(overwritten).arg(skipped);
}

QString renamePrompt(const QString& folderAndName) { return QStringLiteral("請輸入新的檔案名.") + kLineEnd + folderAndName; }

QString renamed(const QString& answer) { return QStringLiteral("檔案成功被重新命名 (") + answer + u')'; }

QString renameFailed() {
    return QStringLiteral("不能重新命名檔案!") + kLineEnd + QStringLiteral("1.可能歌曲正在播放中.") + kLineEnd +
           QStringLiteral("2.可能檔案設定成唯讀狀態.若問題再次發生,請稍後再嘗試.");
}

QString lyricRenameQuestion(const QString& oldLyric, const QString& newLyric) {
    return QStringLiteral("你剛成功更改名稱的檔案的歌詞檔也存在，為了讓你下次播放該檔案時能正確開啟其歌詞檔，"
                          "現在要一併更改其歌詞檔名稱嗎?") +
           kLineEnd + QStringLiteral("來源檔: ") + oldLyric + kLineEnd + QStringLiteral("更改為: ") + newLyric;
}

QString deleteQuestion(const QString& firstName, int count, int untrashable) {
    QString text = count == 1 ? QStringLiteral("是否要刪除選擇的檔案?") + kLineEnd + firstName
                              : QStringLiteral("是否要刪除全部己選擇的檔案?") + kLineEnd + QStringLiteral("共%1個檔案").arg(count);
    text += kLineEnd;
    if (untrashable == 0)
        text += QStringLiteral("(檔案會移至垃圾桶)");
    else if (untrashable == count)
        text += QStringLiteral("(無法移至垃圾桶, 檔案會被永久刪除!)");
    else
        text += QStringLiteral("(其中%1個檔案無法移至垃圾桶, 會被永久刪除!)").arg(untrashable);
    return text;
}

QString deleted(int count) { return QStringLiteral("%1個檔案成功被移除").arg(count); }

QString folderPrompt(const QString& base) {
    return QStringLiteral("請輸入要建立的新資料夾名稱.") + kLineEnd + QStringLiteral("路徑: ") + base;
}

QString folderCreated(const QString& answer) { return QStringLiteral("資料夾 (") + answer + QStringLiteral(") 已建立."); }

QString folderNotCreated(const QString& answer) {
    return QStringLiteral("不能建立資料夾 (") + answer + u')' + kLineEnd +
           QStringLiteral("原因可能是同檔名的資料夾已經存在，或輸入的名稱包含不正確的字元.");
}

QString folderRemoved(const QString& target) { return QStringLiteral("資料夾已被刪除 (") + target + u')'; }

QString folderNotRemoved(const QString& target) {
    return QStringLiteral("不能刪除資料夾!") + kLineEnd + QStringLiteral("路徑: ") + target + kLineEnd +
           QStringLiteral("原因可能是資料夾內含有檔案");
}

QString cannotOpen(const QString& path) { return QStringLiteral("不能開啟檔案 (") + path + u')'; }

QString cannotOpenFolder(const QString& path) {
    return QStringLiteral("(檔案總管) 不能開啟資料夾 [") + path + u']';
}

QString shortcutMissing(const QString& path) { return QStringLiteral("路徑不存在(捷徑) [") + path + u']'; }

QString uninstallInformation() {
    const QString folder = DataFolder::displayName();
    return QStringLiteral("本程式不涉及任何登錄檔(registry)") + kLineEnd + QStringLiteral("而本程式的變數、選項、歌詞都是儲存於[") +
           folder + QStringLiteral("]資料夾內。") + kLineEnd + QStringLiteral("因此，要移除本程式，只需要刪除[") + folder +
           QStringLiteral("]資料夾就行了。");
}

}  // namespace FileCommandTexts
