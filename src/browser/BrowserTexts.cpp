#include "browser/BrowserTexts.h"

namespace BrowserTexts {

QString countLabel(int folderCount, int fileCount) {
    return QStringLiteral("總共") + QString::number(folderCount) + QStringLiteral("個資料夾, ") +
           QString::number(fileCount) + QStringLiteral("個檔案");
}

// Line breaks inside window texts are "\n"; CR LF belongs to files.
QString filterPrompt() {
    return QStringLiteral("請輸入要顯示的檔案類型。\n檔案類型前請加上[*.]，多項檔案類型可以[;]分隔。\ne.g. *.mp3;*.wav");
}

QString cancelFilterCaption(const QString& pattern) { return QStringLiteral("取消過瀘\n") + pattern; }

}  // namespace BrowserTexts
