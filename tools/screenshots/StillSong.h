#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <list>

#include "app/AppServices.h"
#include "common/DataFolder.h"
#include "id3/Id3Tag.h"
#include "platform/SilentDialogs.h"
#include "platform/mci/MciEngine.h"

// A song that stands still at one position, so every run draws the same
// picture whatever media engine the machine has; the transport timer keeps
// running, as it does while a song plays.
class StillSongEngine final : public MciEngine {
public:
    StillSongEngine(qint32 positionMs, qint32 lengthMs)
        : position_(QString::number(positionMs)), length_(QString::number(lengthMs)) {}
    MciReply sendString(const QString& command, int) override {
        const QString c = command.toLower();
        if (c.endsWith(QLatin1String(" mode"))) return {0, QStringLiteral("playing")};
        if (c.endsWith(QLatin1String(" position"))) return {0, position_};
        if (c.endsWith(QLatin1String(" length"))) return {0, length_};
        if (c.endsWith(QLatin1String(" speed"))) return {0, QStringLiteral("1000")};
        return {};
    }
    bool errorText(quint32, QString&) const override { return false; }

private:
    QString position_, length_;
};

// The scene's services with a still song as the media engine and silent
// dialogs; they last as long as the tool.
inline AppServices& stillSongServices(AppServices& base, qint32 positionMs, qint32 lengthMs) {
    struct Kept {
        Kept(AppServices& b, qint32 p, qint32 l)
            : engine(p, l), services{dialogs, b.clipboard, b.launcher, b.clock, b.screen, engine, b.waveOut, b.files} {}
        StillSongEngine engine;
        SilentDialogs dialogs;
        AppServices services;
    };
    static std::list<Kept> kept;
    return kept.emplace_back(base, positionMs, lengthMs).services;
}

// A tagged MP3 in the data folder, of the size a 128 kbps song of
// `lengthMs` has.
inline QString makeTaggedSong(const QString& title, const QString& comment, qint32 lengthMs) {
    const QString folder = DataFolder::root() + QStringLiteral("Scene songs/");
    QDir().mkpath(folder);
    const QString path = folder + title + QStringLiteral(".mp3");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.resize(qint64(lengthMs) * 16);
    file.close();
    SilentDialogs dialogs;
    WriteID3Tag(dialogs, Id3::Append, path, title, QStringLiteral("Corvane Demo Band"), QStringLiteral("示範歌曲"),
                QStringLiteral("2004"), comment, 13);
    return path;
}
