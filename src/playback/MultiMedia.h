#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class MciEngine;

// The only layer that speaks to the media engine. Every playback action is
// one command text; replies are turned into numbers. It keeps one piece of
// state, the default alias, so the rest of the program addresses the song
// now loaded by passing an empty alias.
//
// Alias arguments: an alias that is empty after trimming is replaced by the
// default alias. Operations marked "gives up" then send nothing when the
// default is empty too.
class MultiMedia {
public:
    // Reply buffer sizes of the command texts.
    static constexpr int kTextReply = 255;
    static constexpr int kNumberReply = 15;
    static constexpr int kModeReply = 10;

    // Device modes as MMGetMode reports them.
    static constexpr quint8 kModeNone = 0;
    static constexpr quint8 kModePlaying = 1;
    static constexpr quint8 kModeStopped = 2;
    static constexpr quint8 kModePaused = 3;

    explicit MultiMedia(MciEngine& engine);

    // Closes the alias, opens the file under it and sets milliseconds; an
    // alias of blanks sends nothing and returns 0. Returns the open's code.
    qint16 MMOpen(const QString& path, const QString& alias, bool makeDefault);
    // position -1 resumes where the device stands. Gives up.
    qint16 MMPlay(const QString& alias, qint32 position);
    qint16 MMPause(const QString& alias);                     // gives up
    // Seeks (leaving the device stopped) then pauses the default alias.
    qint16 MMSeek(const QString& alias, qint32 position);     // gives up
    qint16 MMStop(const QString& alias);                      // gives up
    qint16 MMClose(const QString& alias, bool closeAll);      // gives up unless closeAll
    qint16 MMGetSpeed(const QString& alias);                  // gives up (0)
    qint16 MMSetSpeed(const QString& alias, qint32 speed);    // gives up
    // With a path: measures that file under the temporary alias "tmpFile".
    // Without: the length of the alias. 0 when it cannot be measured.
    qint32 MMGetFileLength(const QString& alias, const QString& path);
    qint32 MMGetPosition(const QString& alias);               // never gives up
    quint8 MMGetMode(const QString& alias);                   // never gives up
    // The engine's explanation, first line trimmed; "沒有相關解釋" on failure.
    QString MMGetErrorText(qint32 code);
    // Sends the command unchanged; returns the reply's leading number. The
    // engine's result code (0 success) goes to resultCode when asked for.
    qint32 MMSendCommand(const QString& command, quint8 replySize, quint32* resultCode = nullptr);

    const QString& MMDefaultAlias() const { return defaultAlias_; }

private:
    // Empty after trimming: the default alias.
    QString resolve(const QString& alias) const;
    QString send(const QString& command, int replySize, quint32* resultCode = nullptr);
    // Sends verb + device + rest to the resolved device and gives the reply;
    // nothing is sent (std::nullopt) when not even a default device exists.
    std::optional<QString> sendToDevice(const QString& verb, const QString& alias, const QString& rest = {},
                                        int replySize = 0);

    MciEngine& engine_;
    QString defaultAlias_;
};

// Reads the leading number of a reply and rounds it (halves to even) into
// the target width; a value out of range reads as 0, as a failed reply does.
qint32 replyToInt32(const QString& reply);
qint16 replyToInt16(const QString& reply);
