#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// What the lyric editor window shows, as the editor decides it: the lyric
// folder's files, the current and target paths, the auto box, the text
// (lines joined by CR LF) and the title bar. The window draws it on
// changed() and carries out the selection and focus requests.
class LyricEditorModel : public QObject {
    Q_OBJECT
public:
    explicit LyricEditorModel(QObject* parent = nullptr) : QObject(parent) {}

    // File1: the files of the lyric folder.
    QStringList fileNames() const { return fileNames_; }
    void setFileNames(const QStringList& names) { assign(fileNames_, names); }

    // txtLyricLink: the path the text was loaded from.
    QString lyricLink() const { return lyricLink_; }
    void setLyricLink(const QString& path) { assign(lyricLink_, path); }
    // txtFinalLink: the path the text will be saved to.
    QString finalLink() const { return finalLink_; }
    void setFinalLink(const QString& path) { assign(finalLink_, path); }
    // chkAutoCorrect.
    bool autoCorrect() const { return autoCorrect_; }
    void setAutoCorrect(bool on) { assign(autoCorrect_, on); }

    // txtLyricBox.
    QString text() const { return text_; }
    void setText(const QString& text) { assign(text_, text); }
    // The text rewritten by an editing command (a line command, a
    // conversion, a replace): the window applies it as one step the user
    // can undo, where a loaded file starts the area afresh.
    void editText(const QString& text) {
        if (text_ == text) return;
        text_ = text;
        emit textEdited();
        emit changed();
    }

    // The title bar, which doubles as the window's status line.
    QString title() const { return title_; }
    void setTitle(const QString& text) { assign(title_, text); }

    // The last selection asked of the text area (start from 0, length).
    int selectionStart() const { return selectionStart_; }
    int selectionLength() const { return selectionLength_; }
    void select(int start, int length) {
        selectionStart_ = start;
        selectionLength_ = length;
        emit selectionRequested(start, length);
    }

signals:
    void changed();
    void textEdited();
    void selectionRequested(int start, int length);
    void selectAllRequested();
    void focusTextRequested();

private:
    template <typename T>
    void assign(T& target, const T& value) {
        if (target == value) return;
        target = value;
        emit changed();
    }

    QStringList fileNames_;
    QString lyricLink_;
    QString finalLink_;
    bool autoCorrect_ = false;
    QString text_;
    QString title_ = QStringLiteral("歌詞編輯器");
    int selectionStart_ = 0;
    int selectionLength_ = 0;
};
