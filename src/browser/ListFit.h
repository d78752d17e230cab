#pragma once

#include <QString>

// How the folder and file lists share the browser column.
enum class FitMethod {
    Fixed,  // the fixed layout: fitting is off, or neither list can be favoured
    Both,   // Method I: both lists get the height their rows need
    Dir,    // Method II: the folder list first, the file list scrolls
    File,   // Method III: the file list first, the folder list scrolls
};

// Tops and heights of Dir1 and File1 in twips for a number of folder rows
// and files. The constants are the row heights of the two lists, so a list
// fitted this way shows every row without a scroll bar.
struct ListFit {
    static constexpr int kDirTopTwips = 360;
    static constexpr int kAreaBottomTwips = 7200;  // both lists end here
    static constexpr int kGapTwips = 100;          // between the two lists
    static constexpr int kFolderRowTwips = 210;
    static constexpr int kFileRowTwips = 180;
    static constexpr int kFixedDirHeightTwips = 2190;
    static constexpr int kFixedFileTopTwips = 2640;
    static constexpr int kFixedFileHeightTwips = 4590;

    FitMethod method = FitMethod::Fixed;
    int dirTopTwips = kDirTopTwips;
    int dirHeightTwips = kFixedDirHeightTwips;
    int fileTopTwips = kFixedFileTopTwips;
    int fileHeightTwips = kFixedFileHeightTwips;

    // Rows the folder list needs: the level rows (root down to the current
    // folder), the subfolders and the spare rows the option asks for.
    static int folderRows(int levelRows, int listCount, int spareRows);
    // `folderRows` is the counted number of rows (never -1 here).
    static ListFit compute(int folderRows, int fileCount, bool fitOn);
    // Dir1's tooltip naming the method and the heights the lists report.
    static QString tooltip(FitMethod method, int dirHeightTwips, int fileHeightTwips);

    // Heights the rows need, in twips.
    static qint64 neededDirHeight(int folderRows);
    static qint64 neededFileHeight(int fileCount);
};
