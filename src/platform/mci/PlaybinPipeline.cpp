#include "platform/mci/PlaybinPipeline.h"

#include <QByteArray>
#include <QFile>

#include <gst/gst.h>

#include "platform/mci/PipelineReaper.h"

namespace {

// playbin's GstPlayFlags: audio and software volume; no video, subtitles or
// visualisation, so a file with pictures never opens a window.
constexpr guint kPlayFlagAudio = 0x02;
constexpr guint kPlayFlagSoftVolume = 0x10;

GstElement* makeBin(const char* description) {
    GError* error = nullptr;
    GstElement* bin = gst_parse_bin_from_description(description, TRUE, &error);
    if (error) {
        g_error_free(error);
        if (bin) gst_object_unref(bin);
        return nullptr;
    }
    return bin;
}

GstElement* makeSink() {
    const QByteArray description = qgetenv("CORVANE_AUDIO_SINK").trimmed();
    if (!description.isEmpty()) {
        if (GstElement* sink = makeBin(description.constData())) return sink;
    }
    return gst_element_factory_make("autoaudiosink", nullptr);
}

// scaletempo keeps the pitch when the rate changes; the panorama stage
// carries the balance of the output level.
GstElement* makeFilter() {
    if (GstElement* full = makeBin("audioconvert ! scaletempo ! audioconvert ! "
                                   "audiopanorama name=balance method=simple ! audioconvert"))
        return full;
    return makeBin("audioconvert ! scaletempo ! audioconvert");
}

std::optional<qint64> toMs(gboolean ok, gint64 ns) {
    if (!ok || ns < 0) return std::nullopt;
    return ns / GST_MSECOND;
}

}  // namespace

std::unique_ptr<PlaybinPipeline> PlaybinPipeline::create(const QString& path, quint64 id, PipelineReaper& reaper) {
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin) return nullptr;
    gst_object_ref_sink(playbin);
    std::unique_ptr<PlaybinPipeline> pipeline(new PlaybinPipeline(id, reaper));
    pipeline->playbin_ = playbin;

    gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), nullptr);
    if (!uri) return nullptr;
    g_object_set(playbin, "uri", uri, "flags", kPlayFlagAudio | kPlayFlagSoftVolume, nullptr);
    g_free(uri);
    if (GstElement* sink = makeSink()) g_object_set(playbin, "audio-sink", sink, nullptr);
    if (GstElement* filter = makeFilter()) {
        pipeline->balance_ = gst_bin_get_by_name(GST_BIN(filter), "balance");
        g_object_set(playbin, "audio-filter", filter, nullptr);
    }
    pipeline->bus_ = gst_element_get_bus(playbin);
    return pipeline;
}

PlaybinPipeline::~PlaybinPipeline() {
    if (balance_) gst_object_unref(balance_);
    if (bus_) gst_object_unref(bus_);
    reaper_.dispose(playbin_);
}

MediaPipeline::Event PlaybinPipeline::nextEvent() {
    while (GstMessage* message = gst_bus_pop(bus_)) {
        Event event = Event::None;
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_EOS:
            if (!endsSegmentBeforeLastSeek(message)) event = Event::EndOfStream;
            break;
        case GST_MESSAGE_ERROR: event = Event::Error; break;
        case GST_MESSAGE_ASYNC_DONE: event = Event::Prerolled; break;
        default: break;
        }
        gst_message_unref(message);
        if (event != Event::None) return event;
    }
    return Event::None;
}

void PlaybinPipeline::play() { gst_element_set_state(playbin_, GST_STATE_PLAYING); }

void PlaybinPipeline::pause() { gst_element_set_state(playbin_, GST_STATE_PAUSED); }

bool PlaybinPipeline::isPrerolled() { return waitPrerolled(0); }

bool PlaybinPipeline::waitPrerolled(int timeoutMs) {
    GstState state = GST_STATE_VOID_PENDING;
    const GstStateChangeReturn result =
        gst_element_get_state(playbin_, &state, nullptr, static_cast<GstClockTime>(timeoutMs) * GST_MSECOND);
    return (result == GST_STATE_CHANGE_SUCCESS || result == GST_STATE_CHANGE_NO_PREROLL) && state >= GST_STATE_PAUSED;
}

std::optional<qint64> PlaybinPipeline::positionMs() {
    gint64 ns = -1;
    const gboolean ok = gst_element_query_position(playbin_, GST_FORMAT_TIME, &ns);
    return toMs(ok, ns);
}

std::optional<qint64> PlaybinPipeline::durationMs() {
    gint64 ns = -1;
    const gboolean ok = gst_element_query_duration(playbin_, GST_FORMAT_TIME, &ns);
    return toMs(ok, ns);
}

bool PlaybinPipeline::seek(qint64 startMs, double rate, std::optional<qint64> stopMs) {
    // A stop of "none" with SET clears the stop of an earlier segment.
    const gint64 stop = stopMs ? *stopMs * GST_MSECOND : static_cast<gint64>(GST_CLOCK_TIME_NONE);
    GstEvent* seek = gst_event_new_seek(rate, GST_FORMAT_TIME,
                                        static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                        GST_SEEK_TYPE_SET, startMs * GST_MSECOND, GST_SEEK_TYPE_SET, stop);
    const guint32 seqnum = gst_event_get_seqnum(seek);
    if (!gst_element_send_event(playbin_, seek)) return false;  // the old segment, and its end, still stand
    lastSeekSeqnum_ = seqnum;
    return true;
}

// A flushing seek does not take back what the bus already holds: an end the
// sinks reached just before the seek (a click at a song's very end) would
// otherwise finish the song that has just started again. The end of the new
// segment carries the seek's number, or a later one where an element makes
// its own; an older number belongs to a segment the seek replaced.
bool PlaybinPipeline::endsSegmentBeforeLastSeek(GstMessage* message) const {
    if (!lastSeekSeqnum_) return false;
    const guint32 seqnum = gst_message_get_seqnum(message);
    return gst_util_seqnum_compare(seqnum, *lastSeekSeqnum_) < 0;
}

void PlaybinPipeline::setLevel(double gain, double balance) {
    g_object_set(playbin_, "volume", gain, nullptr);
    if (balance_) g_object_set(balance_, "panorama", static_cast<gfloat>(balance), nullptr);
}
