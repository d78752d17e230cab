#pragma once

#include <QString>
#include <QtGlobal>

#include "console/CommandParts.h"

class Clock;
class LifecycleWindow;
class MultiMedia;
class Transport;
struct AppState;

// The media command console's decisions: what the typed line completes to
// and splits into, the reply size it asks for, and what Enter does (end the
// program, close the console, or send the line to the media layer and log
// the answer). The window copies the typed text in and draws what this
// holds.
class CommandConsole {
public:
    // What Enter asks of the window.
    enum class EnterResult { Sent, CloseConsole, ProgramEnded };

    // The parts the console drives: the media layer it sends through, the
    // shared state and the transport for the software clock, the clock for
    // the log's times and the main window to end the program.
    struct Parts {
        MultiMedia& media;
        AppState& state;
        Transport& transport;
        Clock& clock;
        LifecycleWindow& window;
    };

    explicit CommandConsole(Parts parts) : uses_(parts) {}

    // The typed text changed. Returns the alias proposal appended to the
    // text (the window selects it so typing on replaces it); then the parts
    // and, with automatic size, the reply size follow the text.
    QString txtCommand_Change(const QString& text);
    EnterResult txtCommand_Enter();
    // txtReturn_DblClick
    void clearLog() { log_.clear(); }

    void setReplySizeText(const QString& text) { replySizeText_ = text; }
    void setAutoAdjustLen(bool on) { autoAdjustLen_ = on; }

    const QString& command() const { return command_; }
    const CommandParts& parts() const { return shown_; }
    const QString& replySizeText() const { return replySizeText_; }
    bool autoAdjustLen() const { return autoAdjustLen_; }
    // Newest entries first, one entry a line.
    const QString& log() const { return log_; }

private:
    void switchToSoftwareClock();
    void send();

    Parts uses_;
    QString command_;
    CommandParts shown_;
    QString replySizeText_ = QStringLiteral("255");
    bool autoAdjustLen_ = false;
    QString log_;
    // The text's length after the previous change, to tell typing from deleting.
    qint16 previousLength_ = 0;
};
