#pragma once

#include <QString>

class BrowserNavigation;
class PlaylistAccess;
class SongStarter;
class Transport;

// The commands a remote caller may give, as "command|parameter". The
// command word is compared without regard to case and both halves lose the
// spaces around them; the answer is always a text for the caller.
class RemoteCommands {
public:
    RemoteCommands(SongStarter& songs, Transport& transport, PlaylistAccess& playlist,
                   BrowserNavigation& browser);

    QString AnalysisResult(const QString& commandText);

private:
    struct Entry;
    static const Entry* find(const QString& command);

    QString play(const QString& parameter);
    QString stop(const QString& parameter);
    QString playItem(const QString& parameter);
    QString echo(const QString& parameter);
    QString listItem(const QString& parameter);
    QString listItemPath(const QString& parameter);
    QString listFileItem(const QString& parameter);

    SongStarter& songs_;
    Transport& transport_;
    PlaylistAccess& playlist_;
    BrowserNavigation& browser_;
};
