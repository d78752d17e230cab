#pragma once

#include <QStringList>

class Dialogs;

// The eight name functions of the batch renamer's list, in list order.
enum class NameFunction {
    Lower,            // "檔名全部變為小寫"
    Upper,            // "檔名全部變為大寫"
    RemoveExtension,  // "移除全部附檔名"
    AddExtension,     // "全部新增附檔名"
    TextAfterMark,    // "截取[字元]後的字串"
    TextBeforeMark,   // "截取[字元]前的字串"
    Replace,          // "取代檔名(連附檔名)"
    TrimSpaces,       // "移除檔名頭尾空白"
};

inline constexpr int kNameFunctionCount = 8;

// The captions of the function list, in list order.
QStringList nameFunctionCaptions();

// Applies `function` to every entry of `names`, asking the questions it
// needs first. An empty answer leaves the names as they were, and so does
// an empty list (nothing is asked then).
void applyNameFunction(NameFunction function, QStringList& names, Dialogs& dialogs);
