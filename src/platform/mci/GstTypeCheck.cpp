#include "platform/mci/GstTypeCheck.h"

#include <gst/base/gsttypefindhelper.h>
#include <gst/gst.h>

#include <cstring>

#include "platform/mci/ByteSource.h"

namespace {

constexpr qint64 kTypeFindBytes = 64 * 1024;

constexpr const char* kContainers[] = {
    "application/ogg",  "application/x-id3",  "application/x-apetag", "video/x-ms-asf",  "video/quicktime",
    "video/x-matroska", "video/webm",         "video/x-msvideo",      "application/x-3gp", "video/x-flv",
};

bool playableType(const char* name) {
    if (std::strncmp(name, "audio/", 6) == 0) return true;
    for (const char* container : kContainers)
        if (std::strcmp(name, container) == 0) return true;
    return false;
}

}  // namespace

bool gstLooksPlayable(ByteSource& source) {
    const auto head = source.view(0, kTypeFindBytes);
    if (head.empty()) return false;
    GstTypeFindProbability probability = GST_TYPE_FIND_NONE;
    GstCaps* caps = gst_type_find_helper_for_data(nullptr, head.data(), head.size(), &probability);
    if (!caps) return false;
    bool playable = false;
    if (!gst_caps_is_empty(caps) && !gst_caps_is_any(caps))
        playable = playableType(gst_structure_get_name(gst_caps_get_structure(caps, 0)));
    gst_caps_unref(caps);
    return playable && probability >= GST_TYPE_FIND_POSSIBLE;
}
