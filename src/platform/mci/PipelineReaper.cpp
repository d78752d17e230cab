#include "platform/mci/PipelineReaper.h"

#include <gst/gst.h>

PipelineReaper::PipelineReaper() : thread_([this] { run(); }) {}

PipelineReaper::~PipelineReaper() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void PipelineReaper::dispose(GstElement* pipeline) {
    if (!pipeline) return;
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(pipeline);
    }
    wake_.notify_one();
}

void PipelineReaper::run() {
    for (;;) {
        GstElement* pipeline = nullptr;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty()) return;  // stopping, and nothing left
            pipeline = queue_.front();
            queue_.pop_front();
        }
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
    }
}
