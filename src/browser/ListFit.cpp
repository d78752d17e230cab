#include "browser/ListFit.h"

#include <algorithm>

namespace {

// Lists with at most this many folder rows may take their full height
// before the file list; lists with at most this many files likewise.
constexpr int kFewFolderRows = 8;
constexpr int kFewFiles = 10;

}  // namespace

int ListFit::folderRows(int levelRows, int listCount, int spareRows) {
    return std::max(0, levelRows) + std::max(0, listCount) + std::max(0, spareRows);
}

// 64-bit so that no folder, however full, can overflow the arithmetic.
qint64 ListFit::neededDirHeight(int folderRows) {
    return (static_cast<qint64>(folderRows) - 1) * kFolderRowTwips + 300;
}

qint64 ListFit::neededFileHeight(int fileCount) {
    if (fileCount <= 0) return 210;
    return (static_cast<qint64>(fileCount) - 1) * kFileRowTwips + 210;
}

ListFit ListFit::compute(int folderRows, int fileCount, bool fitOn) {
    ListFit fit;  // the fixed layout
    if (!fitOn) return fit;
    const qint64 dirH = neededDirHeight(folderRows);
    const qint64 fileH = neededFileHeight(fileCount);
    const qint64 room = kAreaBottomTwips - kDirTopTwips - kGapTwips;
    if (dirH + fileH <= room)
        fit.method = FitMethod::Both;
    else if (folderRows <= kFewFolderRows)
        fit.method = FitMethod::Dir;
    else if (fileCount <= kFewFiles)
        fit.method = FitMethod::File;
    else
        return fit;

    fit.dirTopTwips = kDirTopTwips;
    if (fit.method == FitMethod::File) {
        fit.fileHeightTwips = static_cast<int>(fileH);
        fit.fileTopTwips = kAreaBottomTwips - fit.fileHeightTwips;
        fit.dirHeightTwips = fit.fileTopTwips - kDirTopTwips;
    } else {
        // Both and Dir share one geometry; under Dir the file list simply
        // gets less than it needs and scrolls.
        fit.dirHeightTwips = static_cast<int>(dirH);
        fit.fileTopTwips = fit.dirHeightTwips + kDirTopTwips + kGapTwips;
        fit.fileHeightTwips = kAreaBottomTwips - fit.fileTopTwips;
    }
    return fit;
}

QString ListFit::tooltip(FitMethod method, int dirHeightTwips, int fileHeightTwips) {
    QString name;
    switch (method) {
    case FitMethod::Fixed: return QStringLiteral("No Method (Fixed Size)");
    case FitMethod::Both: name = QStringLiteral("Method I ("); break;
    case FitMethod::Dir: name = QStringLiteral("Method II (Dir Preference) ("); break;
    case FitMethod::File: name = QStringLiteral("Method III (File Preference) ("); break;
    }
    return name + QString::number(dirHeightTwips) + QStringLiteral(" ; ") + QString::number(fileHeightTwips) +
           QStringLiteral(")");
}
