#pragma once

#include <QString>
#include <QtGlobal>

// The media command-string interface: every playback action is one text
// command ("open \"path\" alias a", "play a from 0", "status a mode"), and
// every reply is a short text. Result codes are 0 for success or the classic
// error numbers of MciError.
struct MciReply {
    quint32 code = 0;
    QString text;
};

namespace MciError {
inline constexpr quint32 UnrecognizedKeyword = 259;
inline constexpr quint32 UnrecognizedCommand = 261;
inline constexpr quint32 InvalidDevice = 263;     // alias not open / unknown
inline constexpr quint32 MissingCommandString = 267;  // nothing but blanks
inline constexpr quint32 BadInteger = 270;
inline constexpr quint32 MissingParameter = 273;
inline constexpr quint32 UnsupportedFunction = 274;   // a command this engine does not do
inline constexpr quint32 FileNotFound = 275;
inline constexpr quint32 Internal = 277;
inline constexpr quint32 CannotUseAll = 279;      // "all" where one device is needed
inline constexpr quint32 OutOfRange = 282;        // parameter out of range
inline constexpr quint32 FlagsNotCompatible = 284;
inline constexpr quint32 DuplicateAlias = 289;
inline constexpr quint32 MissingDeviceName = 292;
inline constexpr quint32 BadTimeFormat = 293;
inline constexpr quint32 CannotPlay = 296;        // file cannot be played
inline constexpr quint32 NoClosingQuote = 294;
inline constexpr quint32 DuplicateFlags = 295;    // the same keyword twice
}  // namespace MciError

class MciEngine {
public:
    virtual ~MciEngine() = default;
    // Runs one command. The reply text is cut to replyCapacity - 1 characters
    // (a capacity of 0 returns no text), as a fixed reply buffer would.
    virtual MciReply sendString(const QString& command, int replyCapacity) = 0;
    // The explanation of an error code; ok is false for unknown codes.
    virtual bool errorText(quint32 code, QString& text) const = 0;
};
