#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

typedef struct _GstElement GstElement;

// Takes pipelines that are no longer wanted and shuts them down on a thread
// of its own: stopping a pipeline joins its streaming threads, which a
// stuck decoder could drag out, and the window must never wait for that.
// The destructor finishes every pipeline handed over before it returns.
class PipelineReaper {
public:
    PipelineReaper();
    ~PipelineReaper();
    PipelineReaper(const PipelineReaper&) = delete;
    PipelineReaper& operator=(const PipelineReaper&) = delete;

    // Takes over one reference to the pipeline.
    void dispose(GstElement* pipeline);

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<GstElement*> queue_;
    bool stopping_ = false;
    std::thread thread_;
};
