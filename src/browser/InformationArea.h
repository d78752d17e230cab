#pragma once

#include <QObject>
#include <QString>

#include <array>

#include "browser/FileDetails.h"
#include "browser/InfoArea.h"

class BrowserNavigation;
class Clipboard;
class Dialogs;
class Launcher;
class LyricEditorOpener;
class MultiMedia;
class PathBox;
class StatusLine;
struct AppState;

// The information area below the browser: three sections stacked one under
// the other (file details, lyric viewer, remote placeholder), at most one
// open, each with a header whose open flag the clicks read. This class keeps
// the open section (FrameState), the flags and the file details section's
// text; the lyric section's contents belong to the lyric display. The panel
// places the headers and frames from sectionPlace() and shows the contents
// by the flags.
class InformationArea : public QObject, public InfoArea {
    Q_OBJECT
public:
    struct Parts {
        AppState& state;
        StatusLine& status;
        PathBox& pathBox;  // txtFileLink
        MultiMedia& media;
        Dialogs& dialogs;  // the tag reader reports unreadable files
        Clipboard& clipboard;
        Launcher& launcher;
        BrowserNavigation& browser;
        LyricEditorOpener& lyricEditor;
    };

    // A section's header top and frame height, in window twips of the full
    // layout; the frame starts kFrameOffset below the header's top.
    struct SectionPlace {
        int headerTop;
        int frameHeight;
    };
    static constexpr int kFrameOffset = 90;
    static constexpr int kSectionCount = 3;

    explicit InformationArea(Parts parts, QObject* parent = nullptr);

    // InfoArea.
    InfoSection section() const override;
    bool isOpen(InfoSection section) const override;
    void SetFrameState(InfoSection section) override;
    // The browser's file click and the playlist's entry click.
    void showFileDetails(const QString& path) override;

    // The lyric-viewing window mode shows the lyric without a section.
    void setLyricFlag(bool open);
    // `section` Details, Lyric or Remote, for the open section now.
    SectionPlace sectionPlace(InfoSection section) const;

    // lblFileDetails and its tag, the lyric file of the last single file.
    QString detailsText() const { return detailsText_; }
    QString detailsTag() const { return detailsTag_; }

    // 0 the path box's file, 1 the song now loaded, 2 the selection's totals.
    void lblLoadDetails_Click(int index);
    void lblDetailsSwt_Click();
    void lblInternetSwt_Click();
    // Left: copy the details; right: open their lyric in the lyric editor.
    void lblFileDetails_MouseUp(Qt::MouseButton button);
    // Left: refresh the browser; right: open its folder in the file manager.
    void lblDirDetails_MouseUp(Qt::MouseButton button);

signals:
    // FrameState or a flag changed: headers, frames and contents move.
    void sectionsChanged();
    void detailsChanged();

private:
    void showSingleFile(const QString& path);
    void showSelectionTotals();
    FileDetails::Facts factsOf(const QString& path);
    void setDetails(const QString& text);

    Parts parts_;
    std::array<bool, kSectionCount> flags_{};
    QString detailsText_ = QStringLiteral("Details");
    QString detailsTag_;
};
