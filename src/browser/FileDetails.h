#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// The texts of the file details section: the lines of one file and the
// totals of a selection. Pure formatting; the information area gathers the
// facts from the disk.
namespace FileDetails {

// What the details of one file show.
struct Facts {
    QString path;
    qint64 bytes = 0;
    QDateTime modified;
    int attributes = 0;
    bool isMp3 = false;
    QString tagText;        // the raw ID3v1 fields joined by "|" (MP3 only)
    bool lyricExists = false;
    qint32 lengthMs = 0;    // MP3 only
};

// Attribute bits as the details show them (the Windows numbers): 1 read-only,
// 2 hidden, 16 folder. Archive and system are never set here.
int attributeBits(bool writable, const QString& fileName, bool isFolder);
QString attributeText(int attributes);

// Size in whole KB, rounded halves to even (1,536 bytes: 2; 2,560: 2).
qint32 sizeKb(qint64 bytes);
// The space the file takes with 4 KB clusters, in KB.
qint64 diskKb(qint32 kb);
QString sizeLine(qint32 kb);
QString diskLine(qint32 kb);
// The general date and time of the modification line (2004/6/6 13:30:00).
QString dateText(const QDateTime& when);

// The lyric file name of a path: its title and ".lyr".
QString lyricName(const QString& path);
// Ten lines joined by CR LF; the MP3 lines are empty for other files.
QString singleFileText(const Facts& facts);

// Plain decimal of up to 15 significant digits, no trailing zeros.
QString totalNumber(double value);
// Five lines: count, folder, heading, KB, MB.
QString totalsText(int count, const QString& folder, double totalKb);

}  // namespace FileDetails
