#pragma once

#include <QString>
#include <QtGlobal>

// The player's own explanation of a media command result, in Traditional
// Chinese. Returns false (and leaves text alone) for a code it does not know.
bool mciErrorText(quint32 code, QString& text);
