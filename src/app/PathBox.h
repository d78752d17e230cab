#pragma once

#include <QString>

// The main window's path box (txtFileLink): the browser and the playlist
// put the clicked file's path there, start-up greets the user there, and
// the open button opens what it holds.
class PathBox {
public:
    virtual ~PathBox() = default;
    virtual QString text() const = 0;
    // Sets the text with the cursor at its end.
    virtual void setText(const QString& text) = 0;
};
