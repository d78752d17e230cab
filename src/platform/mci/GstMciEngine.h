#pragma once

#include <QList>

#include <functional>
#include <memory>
#include <vector>

#include "platform/mci/Deadline.h"
#include "platform/mci/MciCommand.h"
#include "platform/mci/MciEngine.h"
#include "platform/mci/MciParser.h"
#include "platform/mci/MciSyntax.h"

class MciDevice;
class PipelineReaper;
class ProcessWaveOut;

// The media command engine over GStreamer: the command texts of the player
// and of the console, devices kept by alias, one playbin per device. Used
// from the window's thread only. Nothing here runs a GLib main loop: every
// command first reads what the pipelines reported, and no command waits
// longer than kCommandBudgetMs on GStreamer.
class GstMciEngine final : public MciEngine {
public:
    static constexpr int kCommandBudgetMs = 1500;

    // Follows the process-wide output level for every device, open or opened
    // later. The engine must not outlive waveOut.
    explicit GstMciEngine(ProcessWaveOut& waveOut);
    ~GstMciEngine() override;
    GstMciEngine(const GstMciEngine&) = delete;
    GstMciEngine& operator=(const GstMciEngine&) = delete;

    // True when GStreamer starts and can make a playbin; otherwise the
    // player falls back to the offline engine.
    static bool available();

    MciReply sendString(const QString& command, int replyCapacity) override;
    bool errorText(quint32 code, QString& text) const override;

    // The command syntaxes the engine understands, in table order.
    static QList<MciSyntax> syntax();

private:
    using Handler = MciReply (GstMciEngine::*)(const MciCommand&, const Deadline&);
    struct Command {
        MciSyntax syntax;
        Handler handler;
    };
    static const std::vector<Command>& commands();

    MciReply run(const QString& command);
    MciReply open(const MciCommand& command, const Deadline& deadline);
    MciReply close(const MciCommand& command, const Deadline& deadline);
    MciReply play(const MciCommand& command, const Deadline& deadline);
    MciReply pause(const MciCommand& command, const Deadline& deadline);
    MciReply resume(const MciCommand& command, const Deadline& deadline);
    MciReply stop(const MciCommand& command, const Deadline& deadline);
    MciReply seek(const MciCommand& command, const Deadline& deadline);
    MciReply set(const MciCommand& command, const Deadline& deadline);
    MciReply status(const MciCommand& command, const Deadline& deadline);
    MciReply setaudio(const MciCommand& command, const Deadline& deadline);

    MciDevice* find(const QString& name) const;
    // Runs `action` on the named device, or on every device for "all".
    MciReply forTarget(const MciCommand& command, const std::function<quint32(MciDevice&)>& action);
    void pollAll();
    void applyOutputLevel(quint32 level);

    ProcessWaveOut& waveOut_;
    std::function<void(quint32)> previousOnChange_;
    std::unique_ptr<PipelineReaper> reaper_;
    MciParser parser_;
    std::vector<std::unique_ptr<MciDevice>> devices_;
    double outputGain_ = 1.0;
    double outputBalance_ = 0.0;
    int nextDeviceId_ = 1;
    quint64 nextPipelineId_ = 1;
};
