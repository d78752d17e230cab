#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

// Message boxes, input boxes and the common file dialogs. Results use the
// classic codes so the window code reads like its description.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };

namespace MsgResult {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace MsgResult

struct FileDialogRequest {
    QString title;
    QString initialFolder;
    QString filter;          // e.g. "PlayList (*.ini *.m3u);;All (*)"; empty: all files
    bool multiSelect = false;
    QString suggestedName;   // save dialog only
    // Save dialog only: ask before an existing file is named. Off where the
    // dialog only picks a file to read (a background picture).
    bool confirmOverwrite = true;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Returns MsgResult::Ok, Cancel, Yes or No. An empty title means the
    // application's title.
    virtual int messageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                           const QString& title = {}) = 0;
    // The typed answer, or an empty text when cancelled. The position, when
    // given, is the box's top-left corner in twips from the screen's corner.
    virtual QString inputBox(const QString& prompt, const QString& title = {},
                             const QString& defaultAnswer = {},
                             std::optional<QPoint> positionTwips = std::nullopt) = 0;
    // Chosen files; empty when cancelled.
    virtual QStringList openFiles(const FileDialogRequest& request) = 0;
    // Chosen file; empty when cancelled.
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};
