#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The tag editor's five text fields, by position.
namespace TagField {
enum Index : int { Title = 0, Artist = 1, Album = 2, Year = 3, Comment = 4 };
inline constexpr int kCount = 5;
// The byte limit of a field: 4 for the year, 30 for the others.
inline int limitBytes(int field) { return field == Year ? 4 : 30; }
}  // namespace TagField

using TagTexts = std::array<QString, TagField::kCount>;

// The ten auto-fill commands (listAutoFill). Commands 0..5 read the file's
// name and folders, 6..9 fill from the date, the genre list and the song
// now loaded.
namespace TagAutoFill {

inline constexpr int kCommandCount = 10;
inline constexpr int kPopItem = 13;
inline constexpr int kRockItem = 17;

// What commands read besides the path.
struct Sources {
    int year = 0;            // today's
    QString songLengthText;  // PSongLenS of the song now loaded
};

// The items as the list shows them: the pattern, then an example.
QStringList items();

// Runs command `index` on `fields` (and `genreItem` for 7 and 8) for the
// file at `path`. Fields a command does not name keep their text. False
// when the presets must not run after it: command 1 on a file whose folder
// has no folder above it stops after the album.
bool run(int index, const QString& path, const Sources& sources, TagTexts& fields, int& genreItem);

}  // namespace TagAutoFill

// The five presets and the overwrite switch (listAutoFill2). An item reads
// its field's name padded to 10 characters, "[", the value and "]".
class TagPresets {
public:
    static constexpr int kOverwriteItem = 5;
    static constexpr int kItemCount = 6;
    static constexpr int kNameWidth = 11;  // "Title     ["

    QString itemText(int item) const;
    // The value of preset 0..4: the item's text from its 12th character
    // on, without the last.
    QString value(int preset) const { return values_.at(static_cast<size_t>(preset)); }
    void setValue(int preset, const QString& value) { values_.at(static_cast<size_t>(preset)) = value; }
    bool ticked(int item) const { return ticked_.at(static_cast<size_t>(item)); }
    void setTicked(int item, bool on) { ticked_.at(static_cast<size_t>(item)) = on; }

    // ApplyAutoFill: every ticked preset fills its field when the field is
    // blank, or always while the overwrite switch is ticked.
    void applyTo(TagTexts& fields) const;

private:
    std::array<QString, TagField::kCount> values_{};
    std::array<bool, kItemCount> ticked_{};
};
