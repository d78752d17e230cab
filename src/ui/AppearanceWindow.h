#pragma once

#include <QString>

// A colour as red, green and blue 0..255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The colours a fixed background gives the browser's folder and file lists,
// the playlist list box and the playlist name label.
struct ListColours {
    Rgb listBackground;
    Rgb listText;
    Rgb nameLabelText;
    friend constexpr bool operator==(const ListColours&, const ListColours&) = default;
};

// The main window as the appearance options change it.
class AppearanceWindow {
public:
    virtual ~AppearanceWindow() = default;
    virtual bool isMaximized() const = 0;
    // Keeps the window above all others, or lets it go back among them.
    virtual void setTopMost(bool on) = 0;
    // Draws the picture at `path` at its own size from the window's top-left
    // corner, behind the controls. False, with nothing changed, when the
    // file cannot be read as a picture.
    virtual bool showBackgroundPicture(const QString& path) = 0;
    virtual void setListColours(const ListColours& colours) = 0;
};
