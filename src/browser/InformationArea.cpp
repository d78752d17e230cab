#include "browser/InformationArea.h"

#include <QFileInfo>

#include "app/AppState.h"
#include "app/PathBox.h"
#include "app/StatusLine.h"
#include "browser/BrowserNavigation.h"
#include "common/DataFolder.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "lyrics/LyricEditorOpener.h"
#include "platform/Clipboard.h"
#include "platform/Launcher.h"
#include "playback/MultiMedia.h"

namespace {

// Header tops and frame heights (details, lyric, remote) for each FrameState.
// The open section's frame is 3255 twips high and pushes the headers after
// it down; a closed section is its header and a 255-twips strip.
struct SectionRow {
    int headerTop[InformationArea::kSectionCount];
    int frameHeight[InformationArea::kSectionCount];
};
constexpr SectionRow kSectionRows[] = {
    {{1470, 1950, 2430}, {255, 255, 255}},
    {{1470, 4950, 5430}, {3255, 255, 255}},
    {{1470, 1950, 5430}, {255, 3255, 255}},
    {{1470, 1950, 2430}, {255, 255, 3255}},
};

int indexOf(InfoSection section) { return static_cast<int>(section) - 1; }

}  // namespace

InformationArea::InformationArea(Parts parts, QObject* parent) : QObject(parent), parts_(parts) {}

InfoSection InformationArea::section() const { return static_cast<InfoSection>(parts_.state.FrameState); }

bool InformationArea::isOpen(InfoSection section) const {
    return section != InfoSection::None && flags_[indexOf(section)];
}

void InformationArea::SetFrameState(InfoSection section) {
    const quint8 state = static_cast<quint8>(section);
    if (state > 3 || parts_.state.FrameState == state) return;
    parts_.state.FrameState = state;
    for (int i = 0; i < kSectionCount; ++i) flags_[i] = (i == indexOf(section));
    emit sectionsChanged();
}

void InformationArea::setLyricFlag(bool open) {
    if (flags_[indexOf(InfoSection::Lyric)] == open) return;
    flags_[indexOf(InfoSection::Lyric)] = open;
    emit sectionsChanged();
}

InformationArea::SectionPlace InformationArea::sectionPlace(InfoSection section) const {
    const SectionRow& row = kSectionRows[parts_.state.FrameState];
    const int i = indexOf(section);
    return {row.headerTop[i], row.frameHeight[i]};
}

void InformationArea::showFileDetails(const QString& path) {
    if (section() == InfoSection::Details) showSingleFile(path);
}

void InformationArea::lblDetailsSwt_Click() {
    if (isOpen(InfoSection::Details)) {
        SetFrameState(InfoSection::None);
        return;
    }
    SetFrameState(InfoSection::Details);
    lblLoadDetails_Click(1);
}

void InformationArea::lblInternetSwt_Click() {
    SetFrameState(isOpen(InfoSection::Remote) ? InfoSection::None : InfoSection::Remote);
}

void InformationArea::lblLoadDetails_Click(int index) {
    if (index == 2)
        showSelectionTotals();
    else
        showSingleFile(index == 0 ? parts_.pathBox.text() : parts_.state.PSongLink);
}

void InformationArea::showSingleFile(const QString& path) {
    if (TrimSpaces(path).isEmpty() || !QFileInfo(path).isFile()) {
        parts_.status.setStatus(QStringLiteral("沒有路徑可供載入或路徑不存在."));
        return;
    }
    const FileDetails::Facts facts = factsOf(path);
    detailsTag_ = DataFolder::lyricFileFor(GetFileTitle(path));
    setDetails(FileDetails::singleFileText(facts));
}

FileDetails::Facts InformationArea::factsOf(const QString& path) {
    const QFileInfo info(path);
    FileDetails::Facts facts;
    facts.path = path;
    facts.bytes = info.size();
    facts.modified = info.lastModified();
    facts.attributes = FileDetails::attributeBits(info.isWritable(), info.fileName(), info.isDir());
    facts.isMp3 = GetFileExt(path).toLower() == QLatin1String("mp3");
    facts.lyricExists = QFileInfo(DataFolder::lyricFileFor(GetFileTitle(path))).isFile();
    if (facts.isMp3) {
        facts.tagText = ReadID3Tag(parts_.dialogs, path, 0);
        // The song now loaded has its length measured already.
        facts.lengthMs = path == parts_.state.PSongLink ? parts_.state.PSongLenL
                                                         : parts_.media.MMGetFileLength(QString(), path);
    }
    return facts;
}

void InformationArea::showSelectionTotals() {
    const QStringList paths = parts_.browser.selectedFilePaths();
    if (paths.isEmpty()) {
        parts_.status.setStatus(QStringLiteral("沒有選擇任何檔案"));
        return;
    }
    double totalKb = 0.0;
    int missing = 0;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isFile()) {
            ++missing;
            continue;
        }
        totalKb += double(info.size()) / 1024.0;
    }
    setDetails(FileDetails::totalsText(int(paths.size()), parts_.browser.currentFolder(), totalKb));
    // A file removed since the list was read would otherwise count as empty
    // without a word.
    if (missing > 0)
        parts_.status.setStatus(QStringLiteral("有") + QString::number(missing) +
                                QStringLiteral("個選擇的檔案已不存在, 沒有計算在總共檔案大小內."));
}

void InformationArea::lblFileDetails_MouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        parts_.clipboard.clear();
        parts_.clipboard.setText(detailsText_);
    } else if (button == Qt::RightButton) {
        parts_.state.OpenLyricLink = detailsTag_;
        parts_.lyricEditor.showLyricEditor();
    }
}

void InformationArea::lblDirDetails_MouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        parts_.browser.refresh();
    else if (button == Qt::RightButton)
        parts_.launcher.openPath(parts_.browser.currentFolder());  // a failure is ignored, as asked
}

void InformationArea::setDetails(const QString& text) {
    detailsText_ = text;
    emit detailsChanged();
}
