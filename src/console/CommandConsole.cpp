#include "console/CommandConsole.h"

#include "app/AppState.h"
#include "app/LifecycleWindow.h"
#include "platform/Clock.h"
#include "playback/MultiMedia.h"
#include "playback/Transport.h"

QString CommandConsole::txtCommand_Change(const QString& text) {
    const QString proposal = aliasCompletion(text, previousLength_);
    command_ = text + proposal;
    // Command lines are short; a pasted giant still must not wrap the count.
    previousLength_ = static_cast<qint16>(qMin<qsizetype>(command_.size(), 32767));
    shown_ = splitCommand(command_);
    if (autoAdjustLen_ && !command_.isEmpty())
        replySizeText_ = shown_[0].toLower() == QLatin1String("open") ? QStringLiteral("0") : QStringLiteral("255");
    return proposal;
}

CommandConsole::EnterResult CommandConsole::txtCommand_Enter() {
    if (command_ == QLatin1String("END")) {
        uses_.window.endProgram();
        return EnterResult::ProgramEnded;
    }
    if (command_ == QLatin1String("exit")) return EnterResult::CloseConsole;
    if (shown_[0].toLower() == QLatin1String("set") && shown_[2].toLower() == QLatin1String("speed"))
        switchToSoftwareClock();
    send();
    return EnterResult::Sent;
}

void CommandConsole::switchToSoftwareClock() {
    AppState& s = uses_.state;
    // The clock continues from where the song stands; when it was off its
    // position is stale (a previous speed change, or none at all), so it
    // takes the song's position before the new speed applies.
    if (!s.DoTimeAccumulate) s.AccTimePos = uses_.transport.positionMs();
    s.DoTimeAccumulate = true;
    s.AccLastTime = uses_.clock.secondsSinceMidnight() * 1000.0;
}

void CommandConsole::send() {
    const int replySize = replySizeFromText(replySizeText_);
    replySizeText_ = QString::number(replySize);
    quint32 code = 0;
    const qint32 reply = uses_.media.MMSendCommand(command_, static_cast<quint8>(replySize), &code);
    // A failed command has no reply to show; its error code and the
    // engine's explanation say what went wrong instead of a bare 0 that
    // would read as success.
    const qint32 value = code != 0 ? static_cast<qint32>(code) : reply;
    const QString explanation = uses_.media.MMGetErrorText(value);
    const QString time = uses_.clock.timeOfDayText();
    const QString sentLine = time + QStringLiteral("   已傳送指令: ") + command_;
    const QString replyLine =
        time + QStringLiteral("   傳回值是: ") + QString::number(value) + QStringLiteral("   解釋: ") + explanation;
    log_ = replyLine + QStringLiteral("\n") + sentLine + QStringLiteral("\n") + log_;
}
