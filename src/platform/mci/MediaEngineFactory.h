#pragma once

#include <memory>

class MciEngine;
class ProcessWaveOut;

// The media engine the player runs on: the GStreamer engine when GStreamer
// starts, otherwise the offline engine (every song reads as not playable),
// with a note on standard error. The engine must not outlive waveOut.
std::unique_ptr<MciEngine> createMediaEngine(ProcessWaveOut& waveOut);
