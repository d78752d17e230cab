#include "MediaGen.h"

#include <QFile>
#include <QFileInfo>

#include <gst/gst.h>

#include <atomic>

namespace MediaGen {

namespace {

constexpr GstClockTime kEncodeTimeout = 60 * GST_SECOND;
constexpr int kWmaBlockSamples = 2048;

bool gstreamerReady() {
    static const bool ok = gst_init_check(nullptr, nullptr, nullptr) == TRUE;
    return ok;
}

QString takeError(GError* error) {
    const QString text = error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
    if (error) g_error_free(error);
    return text;
}

// Runs "filesrc ! <body> ! filesink" from `source` to `target` until the end
// of the stream, an error, or the timeout.
EncodeResult runPipeline(const QString& source, const QString& target, const char* body) {
    if (!gstreamerReady()) return {false, QStringLiteral("GStreamer cannot start")};
    const QByteArray description =
        QByteArrayLiteral("filesrc name=src ! ") + body + QByteArrayLiteral(" ! filesink name=sink");
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.constData(), &error);
    if (!pipeline) return {false, takeError(error)};
    if (error) g_error_free(error);  // a warning only; the pipeline exists

    GstElement* src = gst_bin_get_by_name(GST_BIN(pipeline), "src");
    GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "sink");
    g_object_set(src, "location", QFile::encodeName(source).constData(), nullptr);
    g_object_set(sink, "location", QFile::encodeName(target).constData(), nullptr);
    gst_object_unref(src);
    gst_object_unref(sink);

    EncodeResult result;
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* message = gst_bus_timed_pop_filtered(
        bus, kEncodeTimeout, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    if (!message) {
        result.error = QStringLiteral("encoding timed out");
    } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
        GError* failure = nullptr;
        gst_message_parse_error(message, &failure, nullptr);
        result.error = takeError(failure);
    } else {
        result.ok = true;
    }
    if (message) gst_message_unref(message);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return result;
}

// Encodes a tone through a temporary WAV next to the target, so the sample
// count is exactly the one the WAV writer made.
EncodeResult encodeTone(const QString& path, const Tone& tone, const char* body) {
    const QString wave = path + QStringLiteral(".source.wav");
    if (!writeWave(wave, tone)) return {false, QStringLiteral("cannot write ") + wave};
    EncodeResult result = runPipeline(wave, path, body);
    QFile::remove(wave);
    return result;
}

GstPadProbeReturn countFrame(GstPad*, GstPadProbeInfo* info, gpointer counter) {
    GstBuffer* buffer = GST_PAD_PROBE_INFO_BUFFER(info);
    // The Xing/Info frame is passed on marked decode-only, with no duration.
    const bool headerFrame = GST_BUFFER_FLAG_IS_SET(buffer, GST_BUFFER_FLAG_DECODE_ONLY) ||
                             GST_BUFFER_DURATION(buffer) == 0;
    if (!headerFrame) static_cast<std::atomic<int>*>(counter)->fetch_add(1);
    return GST_PAD_PROBE_OK;
}

}  // namespace

EncodeResult encodeMp3(const QString& path, const Mp3Song& mp3) {
    QByteArray body = QByteArrayLiteral("wavparse ! audioconvert ! ");
    if (mp3.vbr)
        body += "lamemp3enc target=quality quality=" + QByteArray::number(mp3.vbrQuality);
    else
        body += "lamemp3enc target=bitrate cbr=true bitrate=" + QByteArray::number(mp3.bitrateKbps);
    if (mp3.xingHeader) body += " ! xingmux";
    return encodeTone(path, mp3.tone, body.constData());
}

qint64 wmaLengthMs(const Tone& tone) {
    const qint64 blocks = (toneFrames(tone) + kWmaBlockSamples - 1) / kWmaBlockSamples;
    return (blocks * kWmaBlockSamples * 1000 + tone.sampleRate / 2) / tone.sampleRate;
}

EncodeResult encodeWma(const QString& path, const Tone& tone) {
    Tone whole = tone;
    const qint64 blocks = (toneFrames(tone) + kWmaBlockSamples - 1) / kWmaBlockSamples;
    whole.exactFrames = blocks * kWmaBlockSamples;
    return encodeTone(path, whole, "wavparse ! audioconvert ! avenc_wmav2 ! asfmux");
}

int countMpegAudioFrames(const QString& path) {
    if (!gstreamerReady() || !QFileInfo(path).isFile()) return -1;
    GstElement* pipeline = gst_parse_launch("filesrc name=src ! mpegaudioparse name=parse ! fakesink", nullptr);
    if (!pipeline) return -1;
    GstElement* src = gst_bin_get_by_name(GST_BIN(pipeline), "src");
    g_object_set(src, "location", QFile::encodeName(path).constData(), nullptr);
    gst_object_unref(src);
    GstElement* parse = gst_bin_get_by_name(GST_BIN(pipeline), "parse");
    GstPad* pad = gst_element_get_static_pad(parse, "src");
    std::atomic<int> frames{0};
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, countFrame, &frames, nullptr);
    gst_object_unref(pad);
    gst_object_unref(parse);

    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* message = gst_bus_timed_pop_filtered(
        bus, kEncodeTimeout, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool ok = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    if (message) gst_message_unref(message);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return ok ? frames.load() : -1;
}

}  // namespace MediaGen
