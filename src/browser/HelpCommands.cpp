#include "browser/HelpCommands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include "app/AppState.h"
#include "browser/FileCommandTexts.h"
#include "common/PathText.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"

namespace {

const QString kTilde = QStringLiteral("~");

}  // namespace

HelpCommands::HelpCommands(const AppState& state, Dialogs& dialogs, Launcher& launcher, QString readmePath)
    : state_(state), dialogs_(dialogs), launcher_(launcher), readmePath_(std::move(readmePath)) {}

void HelpCommands::mnuHelp_Click(int index) {
    switch (index) {
    case 1:
        dialogs_.messageBox(FileCommandTexts::uninstallInformation(), MsgButtons::Ok, MsgIcon::Information);
        return;
    case 3:
    case 4:
        if (state_.PSongLink.isEmpty()) return;
        launcher_.openUrl(searchAddress(index, searchQuery(state_.VersionH, state_.PSongLink)));
        return;
    case 5: launcher_.openPath(readmePath_); return;
    default: return;
    }
}

QString HelpCommands::searchQuery(const QString& versionH, const QString& songPath) {
    // The caption text ends with the " - " song start puts after it.
    const QString text = versionH.left(std::max<qsizetype>(0, versionH.size() - 3));
    const QString title = TrimSpaces(TextBefore(text, kTilde));
    const QString rest = TrimSpaces(TextAfter(text, kTilde));
    const QString artist = TrimSpaces(TextBefore(rest, kTilde));
    const QString query = artist + QStringLiteral(" - ") + title;
    return TrimSpaces(query) == QLatin1String("-") ? GetFileTitle(songPath) : query;
}

QString HelpCommands::searchAddress(int index, const QString& query) {
    // Encoded as a browser's address bar would send it: a "&" or "+" in a
    // song's name stays part of the query.
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(query));
    const QString address = index == 3
                                ? QStringLiteral("https://hk.search.yahoo.com/search/hk?p=") + encoded +
                                      QStringLiteral("&u=B")
                                : QStringLiteral("https://search.yahoo.com/search?p=") + encoded +
                                      QStringLiteral("&ei=UTF-8&fr=fp-tab-web-t&cop=mss&tab=");
    return QUrl(address).toString(QUrl::FullyEncoded);
}

namespace HomePage {

QString installedReadme(const QString& programFolder) {
    return QFileInfo(programFolder + QStringLiteral("/../" CORVANE_INSTALL_DOCDIR "/README.md")).absoluteFilePath();
}

QString readme() {
    const QString installed = installedReadme(QCoreApplication::applicationDirPath());
    return QFileInfo::exists(installed) ? installed : QStringLiteral(CORVANE_SOURCE_README);
}

}  // namespace HomePage
