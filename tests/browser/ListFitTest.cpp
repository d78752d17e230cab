#include <gtest/gtest.h>

#include "browser/ListFit.h"

namespace {

using enum FitMethod;

// Every worked example of the layout rules, plus the edges between methods.
TEST(ListFitTest, ExamplesAndEdges) {
    const struct { const char* name; int folderRows, fileCount; bool fitOn; FitMethod method;
                   int dirHeight, fileTop, fileHeight; } cases[] = {
        {"20 rows, 5 files: both fit", 20, 5, true, Both, 4290, 4750, 2450},
        {"30 rows, 30 files: fixed", 30, 30, true, Fixed, 2190, 2640, 4590},
        {"8 rows, 40 files: folders first", 8, 40, true, Dir, 1770, 2230, 4970},
        {"12 rows, 6 files: both fit", 12, 6, true, Both, 2610, 3070, 4130},
        {"40 rows, 6 files: files first", 40, 6, true, File, 5730, 6090, 1110},
        {"0 files, 3 rows", 3, 0, true, Both, 720, 1180, 6020},
        {"0 files, 3 rows and the spare row", 4, 0, true, Both, 930, 1390, 5810},
        {"option off, 20 rows 5 files", 20, 5, false, Fixed, 2190, 2640, 4590},
        // 4290 + 2370 = 6660 fits the 6740 of room; 4290 + 2550 = 6840 does not.
        {"20 rows, 13 files: just fits", 20, 13, true, Both, 4290, 4750, 2450},
        {"20 rows, 14 files: just misses", 20, 14, true, Fixed, 2190, 2640, 4590},
        {"9 rows, 40 files: neither favoured", 9, 40, true, Fixed, 2190, 2640, 4590},
        {"40 rows, 10 files: files first", 40, 10, true, File, 5010, 5370, 1830},
        {"40 rows, 11 files: fixed", 40, 11, true, Fixed, 2190, 2640, 4590},
        {"more files than 16 bits hold", 5, 40000, true, Dir, 1140, 1600, 5600},
    };
    for (const auto& c : cases) {
        const ListFit fit = ListFit::compute(c.folderRows, c.fileCount, c.fitOn);
        EXPECT_EQ(fit.method, c.method) << c.name;
        EXPECT_EQ(fit.dirTopTwips, 360) << c.name;
        EXPECT_EQ(fit.dirHeightTwips, c.dirHeight) << c.name;
        EXPECT_EQ(fit.fileTopTwips, c.fileTop) << c.name;
        EXPECT_EQ(fit.fileHeightTwips, c.fileHeight) << c.name;
    }
    EXPECT_EQ(ListFit::folderRows(3, 5, 1), 9) << "levels, subfolders and the spare row";
}

TEST(ListFitTest, TooltipNamesTheMethodAndHeights) {
    const struct { FitMethod method; const char16_t* text; } cases[] = {
        {Both, u"Method I (4290 ; 2450)"}, {Dir, u"Method II (Dir Preference) (4290 ; 2450)"},
        {File, u"Method III (File Preference) (4290 ; 2450)"}, {Fixed, u"No Method (Fixed Size)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListFit::tooltip(c.method, 4290, 2450), QString::fromUtf16(c.text)) << static_cast<int>(c.method);
}

}  // namespace
