#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "support/QStringPrinter.h"

// A temporary folder for one test, with helpers to make files in it.
class TempDir {
public:
    TempDir();
    bool isValid() const { return dir_.isValid(); }
    // Absolute path of `relative` inside the folder (no trailing separator).
    QString path(const QString& relative = {}) const;
    // Writes bytes to a file (creating parent folders); returns its path.
    QString writeFile(const QString& relative, const QByteArray& bytes) const;
    // Creates a folder (and parents); returns its path.
    QString makeDir(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

QByteArray readWholeFile(const QString& path);
