#pragma once

#include <QChar>
#include <QString>

// The small text and path functions every window uses. Positions follow
// QString (UTF-16 code units). Only kPathSeparator separates folders and only
// "." separates an extension; every separator search is case-sensitive.

inline constexpr QChar kPathSeparator = u'/';

// File name without its folder and without its last extension.
QString GetFileTitle(const QString& path);
// Extension of the file name without the dot, in the case it is written.
QString GetFileExt(const QString& path);
// Folder part including its final separator; empty when there is none.
QString GetParentPath(const QString& path);
// Trims spaces (the space character only) from `path` in place and returns
// it with exactly one separator ensured at the end.
QString AddBackslash(QString& path);
// Text before the first occurrence of `separator`; empty if absent.
QString TextBefore(const QString& text, const QString& separator);
// Text after the first character of the first occurrence of `separator`
// (for one-character separators: everything after it); empty if absent.
QString TextAfter(const QString& text, const QString& separator);
// Text before the last occurrence of `separator`; empty if absent.
QString TextBeforeLast(const QString& text, const QString& separator);
// Replaces every occurrence left to right; matches never overlap and the
// replacement is never searched again.
QString ReplaceText(const QString& text, const QString& find, const QString& replacement, bool matchCase);
// First line (ended by CR LF, CR or LF) without leading and trailing spaces.
QString TrimFirstLine(const QString& text);
// Removes leading and trailing space characters only (not tabs or line ends).
QString TrimSpaces(const QString& text);
