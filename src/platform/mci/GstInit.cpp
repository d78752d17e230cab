#include "platform/mci/GstInit.h"

#include <gst/gst.h>

bool ensureGStreamerInitialized() {
    static const bool ok = [] {
        GError* error = nullptr;
        const gboolean started = gst_init_check(nullptr, nullptr, &error);
        if (error) g_error_free(error);
        return started == TRUE;
    }();
    return ok;
}
