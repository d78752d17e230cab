#pragma once

#include <QString>

// The browser's own texts.
namespace BrowserTexts {

inline const QString kFolderMissing = QStringLiteral("資料夾不存在!");
inline const QString kDriveUnreadable = QStringLiteral("不能讀取所選取的磁碟或光碟機,請檢查有否插入磁碟或光碟!");
inline const QString kFileMissing = QStringLiteral("檔案不存在，請再輸入有效路徑.");
inline const QString kFilterDefaultAnswer = QStringLiteral("*.");
inline const QString kDirTooltip = QStringLiteral("按『右鍵』可以上移資料夾");
inline const QString kFileTooltip =
    QStringLiteral("按 Alt +『左鍵』可以新增檔案至PlayList, 按Ctrl+Enter可以播放該檔案");
inline const QString kDirDetailsTooltip = QStringLiteral("『左鍵』重新整理、『右鍵』開啟檔案總管");
inline const QString kDirDetailsCaption = QStringLiteral("Directory's details");
inline const QString kSelectAll = QStringLiteral("全選");
inline const QString kInvertSelection = QStringLiteral("反向選擇");

// "總共3個資料夾, 12個檔案"
QString countLabel(int folderCount, int fileCount);
// The filter question, one line per part.
QString filterPrompt();
// The caption of the cancel-filter button: its name over the active pattern.
QString cancelFilterCaption(const QString& pattern);

}  // namespace BrowserTexts
