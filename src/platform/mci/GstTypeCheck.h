#pragma once

class ByteSource;

// For a file none of the signatures knows: asks GStreamer's type finders
// about its first bytes and says whether it looks like something playable
// (audio, or a container that may hold audio). Text, pictures and unknown
// data are not.
bool gstLooksPlayable(ByteSource& source);
