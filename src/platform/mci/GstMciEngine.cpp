#include "platform/mci/GstMciEngine.h"

#include <QFileInfo>

#include <gst/gst.h>

#include <algorithm>
#include <exception>

#include "platform/ProcessWaveOut.h"
#include "platform/mci/ByteSource.h"
#include "platform/mci/GstInit.h"
#include "platform/mci/GstTypeCheck.h"
#include "platform/mci/MciDevice.h"
#include "platform/mci/MciErrorTexts.h"
#include "platform/mci/MediaSniffer.h"
#include "platform/mci/OutputLevel.h"
#include "platform/mci/PipelineReaper.h"
#include "platform/mci/PlaybinPipeline.h"

namespace {

using K = MciValueKind;

// A reply without text: an error, or a success that answers nothing.
MciReply fail(quint32 code) { return {code, QString()}; }
MciReply done(const QString& text = QString()) { return {0, text}; }

bool isAll(const QString& name) { return name.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0; }

// Exactly one of the keys may be given; which one, or the error.
quint32 pickOne(const MciCommand& command, const QStringList& keys, QString& picked) {
    int given = 0;
    for (const QString& key : keys) {
        if (!command.has(key)) continue;
        picked = key;
        ++given;
    }
    if (given == 0) return MciError::MissingParameter;
    return given == 1 ? 0 : MciError::FlagsNotCompatible;
}

const QStringList kStatusItems{QStringLiteral("mode"),  QStringLiteral("length"),      QStringLiteral("position"),
                               QStringLiteral("speed"), QStringLiteral("time format"), QStringLiteral("ready"),
                               QStringLiteral("volume")};

// The cheap part of opening: the file exists and holds something playbin can
// play. A file of another kind is refused here, with the code that says so,
// rather than opened and then failing in a pipeline where no command hears of it.
quint32 checkSong(const QString& path, MediaKind& kind) {
    if (path.isEmpty() || !QFileInfo::exists(path)) return MciError::FileNotFound;
    FileByteSource source;
    if (!source.open(path)) return MciError::CannotPlay;  // a folder, device or unreadable file
    kind = MediaSniffer::sniff(source);
    // MPEG audio has no signature of its own, and two frame headers in a row
    // turn up by chance in any large file of noise; GStreamer's type finder,
    // which decides what playbin makes of the file, must agree.
    if (kind == MediaKind::Unknown || kind == MediaKind::MpegAudio) {
        if (!gstLooksPlayable(source)) return MciError::CannotPlay;
        if (kind == MediaKind::Unknown) kind = MediaKind::OtherAudio;
    }
    return 0;
}

}  // namespace

const std::vector<GstMciEngine::Command>& GstMciEngine::commands() {
    static const std::vector<Command> table{
        {{"open", MciTarget::Element, {{"alias", K::Word}, {"type", K::Word}, {"shareable"}}}, &GstMciEngine::open},
        {{"close", MciTarget::DeviceOrAll, {}}, &GstMciEngine::close},
        {{"play", MciTarget::Device, {{"from", K::Integer}, {"to", K::Integer}}}, &GstMciEngine::play},
        {{"pause", MciTarget::DeviceOrAll, {}}, &GstMciEngine::pause},
        {{"resume", MciTarget::DeviceOrAll, {}}, &GstMciEngine::resume},
        {{"stop", MciTarget::DeviceOrAll, {}}, &GstMciEngine::stop},
        {{"seek", MciTarget::Device, {{"to start"}, {"to end"}, {"to", K::Integer}}}, &GstMciEngine::seek},
        {{"set", MciTarget::Device, {{"time format", K::Word}, {"speed", K::Integer}}}, &GstMciEngine::set},
        {{"status",
          MciTarget::Device,
          {{"mode"}, {"length"}, {"position"}, {"speed"}, {"time format"}, {"ready"}, {"volume"}}},
         &GstMciEngine::status},
        {{"setaudio", MciTarget::Device, {{"volume to", K::Integer}}}, &GstMciEngine::setaudio},
    };
    return table;
}

QList<MciSyntax> GstMciEngine::syntax() {
    QList<MciSyntax> list;
    for (const Command& command : commands()) list.append(command.syntax);
    return list;
}

bool GstMciEngine::available() {
    if (!ensureGStreamerInitialized()) return false;
    GstElementFactory* factory = gst_element_factory_find("playbin");
    if (!factory) return false;
    gst_object_unref(factory);
    return true;
}

GstMciEngine::GstMciEngine(ProcessWaveOut& waveOut)
    : waveOut_(waveOut), reaper_(std::make_unique<PipelineReaper>()), parser_(syntax()) {
    ensureGStreamerInitialized();
    previousOnChange_ = waveOut_.onChange;
    waveOut_.onChange = [this](quint32 level) {
        applyOutputLevel(level);
        if (previousOnChange_) previousOnChange_(level);
    };
    applyOutputLevel(waveOut_.volume());
}

GstMciEngine::~GstMciEngine() {
    waveOut_.onChange = previousOnChange_;
    devices_.clear();  // hands every pipeline to the reaper...
    reaper_.reset();   // ...which shuts them down before it returns
}

MciReply GstMciEngine::sendString(const QString& command, int replyCapacity) {
    MciReply reply;
    try {
        pollAll();
        reply = run(command);
    } catch (const std::exception&) {
        reply = fail(MciError::Internal);
    }
    if (replyCapacity <= 0)
        reply.text.clear();
    else
        reply.text.truncate(replyCapacity - 1);
    return reply;
}

bool GstMciEngine::errorText(quint32 code, QString& text) const { return mciErrorText(code, text); }

MciReply GstMciEngine::run(const QString& text) {
    const MciParseResult parsed = parser_.parse(text);
    if (parsed.code != 0) return fail(parsed.code);
    const Deadline deadline(kCommandBudgetMs);
    return (this->*commands().at(static_cast<size_t>(parsed.syntaxIndex)).handler)(parsed.command, deadline);
}

void GstMciEngine::pollAll() {
    for (const auto& device : devices_) device->poll();
}

MciDevice* GstMciEngine::find(const QString& name) const {
    for (const auto& device : devices_)
        if (device->name().compare(name, Qt::CaseInsensitive) == 0) return device.get();
    return nullptr;
}

MciReply GstMciEngine::forTarget(const MciCommand& command, const std::function<quint32(MciDevice&)>& action) {
    if (command.all) {
        for (const auto& device : devices_) action(*device);
        return done();
    }
    MciDevice* device = find(command.target);
    if (!device) return fail(MciError::InvalidDevice);
    return fail(action(*device));
}

void GstMciEngine::applyOutputLevel(quint32 level) {
    const OutputLevel output = OutputLevel::fromWaveOut(level);
    outputGain_ = output.gain;
    outputBalance_ = output.balance;
    for (const auto& device : devices_) device->setOutputLevel(outputGain_, outputBalance_);
}

MciReply GstMciEngine::open(const MciCommand& command, const Deadline&) {
    const QString& path = command.target;
    const QString name = command.has(QStringLiteral("alias")) ? command.text(QStringLiteral("alias")) : path;
    if (isAll(name)) return fail(MciError::CannotUseAll);
    if (find(name)) return fail(MciError::DuplicateAlias);

    MediaKind kind = MediaKind::Unknown;
    if (const quint32 code = checkSong(path, kind)) return fail(code);

    const int id = nextDeviceId_++;
    PipelineFactory factory = [this](const QString& file) -> std::unique_ptr<MediaPipeline> {
        return PlaybinPipeline::create(file, nextPipelineId_++, *reaper_);
    };
    auto device = std::make_unique<MciDevice>(name, id, path, kind, std::move(factory));
    device->setOutputLevel(outputGain_, outputBalance_);
    devices_.push_back(std::move(device));
    return done(QString::number(id));  // the device id, as the classic interface answers
}

MciReply GstMciEngine::close(const MciCommand& command, const Deadline&) {
    if (command.all) {
        devices_.clear();
        return done();
    }
    const auto it = std::find_if(devices_.begin(), devices_.end(), [&](const auto& device) {
        return device->name().compare(command.target, Qt::CaseInsensitive) == 0;
    });
    if (it == devices_.end()) return fail(MciError::InvalidDevice);
    devices_.erase(it);
    return done();
}

MciReply GstMciEngine::play(const MciCommand& command, const Deadline& deadline) {
    std::optional<qint64> from;
    std::optional<qint64> to;
    if (command.has(QStringLiteral("from"))) from = command.number(QStringLiteral("from"));
    if (command.has(QStringLiteral("to"))) to = command.number(QStringLiteral("to"));
    return forTarget(command, [&](MciDevice& device) { return device.play(from, to, deadline); });
}

MciReply GstMciEngine::pause(const MciCommand& command, const Deadline&) {
    return forTarget(command, [](MciDevice& device) { return device.pause(); });
}

MciReply GstMciEngine::resume(const MciCommand& command, const Deadline& deadline) {
    return forTarget(command, [&](MciDevice& device) { return device.resume(deadline); });
}

MciReply GstMciEngine::stop(const MciCommand& command, const Deadline&) {
    return forTarget(command, [](MciDevice& device) { return device.stop(); });
}

MciReply GstMciEngine::seek(const MciCommand& command, const Deadline& deadline) {
    MciDevice* device = find(command.target);
    if (!device) return fail(MciError::InvalidDevice);
    QString where;
    const quint32 code = pickOne(command, {QStringLiteral("to start"), QStringLiteral("to end"), QStringLiteral("to")}, where);
    if (code != 0) return fail(code);
    if (where == QLatin1String("to start")) return fail(device->seek(0));
    if (where == QLatin1String("to end")) return fail(device->seek(device->lengthMs(deadline)));
    return fail(device->seek(command.number(where)));
}

MciReply GstMciEngine::set(const MciCommand& command, const Deadline& deadline) {
    const QString format = QStringLiteral("time format");
    const QString speed = QStringLiteral("speed");
    MciDevice* device = find(command.target);
    if (!device) return fail(MciError::InvalidDevice);
    if (!command.has(format) && !command.has(speed)) return fail(MciError::MissingParameter);
    if (command.has(format)) {
        // Positions and lengths are always milliseconds here.
        const QString value = command.text(format).toLower();
        if (value != QLatin1String("milliseconds") && value != QLatin1String("ms")) return fail(MciError::BadTimeFormat);
    }
    if (command.has(speed)) return fail(device->setSpeed(command.number(speed), deadline));
    return done();
}

MciReply GstMciEngine::status(const MciCommand& command, const Deadline& deadline) {
    MciDevice* device = find(command.target);
    if (!device) return fail(MciError::InvalidDevice);
    QString item;
    const quint32 code = pickOne(command, kStatusItems, item);
    if (code != 0) return fail(code);
    if (item == QLatin1String("mode")) return done(mciModeText(device->mode()));
    if (item == QLatin1String("length")) return done(QString::number(device->lengthMs(deadline)));
    if (item == QLatin1String("position")) return done(QString::number(device->positionMs()));
    if (item == QLatin1String("speed")) return done(QString::number(device->speed()));
    if (item == QLatin1String("time format")) return done(QStringLiteral("milliseconds"));
    if (item == QLatin1String("ready"))
        return done(device->mode() == MciMode::NotReady ? QStringLiteral("false") : QStringLiteral("true"));
    return done(QString::number(device->volume()));
}

MciReply GstMciEngine::setaudio(const MciCommand& command, const Deadline&) {
    MciDevice* device = find(command.target);
    if (!device) return fail(MciError::InvalidDevice);
    const QString volume = QStringLiteral("volume to");
    if (!command.has(volume)) return fail(MciError::MissingParameter);
    return fail(device->setVolume(command.number(volume)));
}
