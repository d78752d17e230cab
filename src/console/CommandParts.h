#pragma once

#include <QString>

#include <array>

// The command line split for the four read-only boxes: 0 the command word,
// 1 the alias, 2 the item, 3 the data. An open command names its alias
// after the keyword "alias", so its alias comes from the fourth word and
// its file from the second; a close command has only an alias.
using CommandParts = std::array<QString, 4>;

CommandParts splitCommand(const QString& command);

// The alias the console proposes while typing.
inline constexpr const char* kConsoleAlias = "ZELSong";

// What to append to a command of exactly one blank whose word after the
// blank starts the alias "ZELSong" (case-sensitive); empty when nothing is
// proposed. Deleting (the text shorter than before) never proposes.
QString aliasCompletion(const QString& command, int previousLength);

// The reply size for the typed text, held to 0..255; no number reads as 0.
int replySizeFromText(const QString& text);
