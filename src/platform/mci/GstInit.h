#pragma once

// Initialises GStreamer once per process; safe to call from any engine
// constructor. Returns false when GStreamer cannot start (no plugins).
bool ensureGStreamerInitialized();
