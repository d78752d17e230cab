#pragma once

#include <QString>

// The texts of the file and folder commands and of moving and copying.
namespace FileCommandTexts {

// Moving and copying.
inline const QString kChooseDestination = QStringLiteral("請選擇目的地資料夾 [");
inline const QString kTransferCancelled = QStringLiteral("已取消移動/複製檔案");
inline const QString kNothingSelected = QStringLiteral("沒有選擇檔案或資料夾內沒有檔案");
inline const QString kTransferFailed = QStringLiteral("輸出的路徑不存在或某些檔案正在使用中.");
inline const QString kOverwriteCaption = QStringLiteral("遇到目的地檔案存在時:手動操作");
inline const QString kOverwriteAlways = QStringLiteral("自動覆寫");
inline const QString kOverwriteNever = QStringLiteral("自動略過");
inline const QString kEnterDir = QStringLiteral("複製後進入該資料夾");
inline const QString kNext = QStringLiteral("確定");
inline const QString kCancel = QStringLiteral("取消");
QString overwriteQuestion(const QString& name);
QString transferProgress(const QString& name, int number, int total);
QString transferSummary(bool move, const QString& destination, int selected, int overwritten, int skipped);

// Rename, delete, folders.
inline const QString kNoFileChosen = QStringLiteral("沒有選擇檔案.");
QString renamePrompt(const QString& folderAndName);
QString renamed(const QString& answer);
QString renameFailed();
QString lyricRenameQuestion(const QString& oldLyric, const QString& newLyric);
inline const QString kNothingToDelete = QStringLiteral("沒有選擇檔案或資料夾內沒有檔案.");
inline const QString kDeleteFailed = QStringLiteral("刪除檔案時發生錯誤, 檔案可能正在使用中或被設定成唯讀狀態.");
// The question names the file or the count, then says where the files go.
QString deleteQuestion(const QString& firstName, int count, int untrashable);
QString deleted(int count);
QString folderPrompt(const QString& base);
inline const QString kNewFolderName = QStringLiteral("新資料夾");
QString folderCreated(const QString& answer);
QString folderNotCreated(const QString& answer);
QString folderRemoved(const QString& target);
QString folderNotRemoved(const QString& target);

// Opening.
inline const QString kOpenFileTitle = QStringLiteral("開啟檔案");
// The caption of the classic "all files" entry; the "*" after it also
// matches the files that have no extension.
inline const QString kAllFilesFilter = QStringLiteral("顯示所有檔案(*.*) (*)");
inline const QString kForceMediaQuestion =
    QStringLiteral("程式或許不能開啟這類型的檔案。要強行當作媒體開啟，不利用Window預設的程式開啟嗎?");
QString cannotOpen(const QString& path);
QString cannotOpenFolder(const QString& path);

// Folder shortcuts.
QString shortcutMissing(const QString& path);
inline const QString kShortcutPrompt = QStringLiteral("請輸入要移至的資料夾路徑");
inline const QString kShortcutAsk = QStringLiteral("移動目前資料夾位置至...");
inline const QString kShortcutReload = QStringLiteral("更新資料夾捷徑 (DirFav.ini)");

// Help.
QString uninstallInformation();

}  // namespace FileCommandTexts
