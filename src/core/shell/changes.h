#pragma once
// Changes the user made to the program's data, kept so that they can be taken
// back (undo) and made again (redo). Each change holds only the bytes that
// differ between the data's stored images before and after it; taking it back
// or making it again puts that image back through the same load and the same
// atomic save as the change itself, so the files always match the screen.

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tolvane {

class Change {
public:
    explicit Change(QString text) : text_(std::move(text)) {}
    virtual ~Change() = default;
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

    // What the change did, as "U&ndo"/"Re&do" name it ("Remove Banana from Monday Breakfast").
    const QString& text() const { return text_; }
    virtual void undo() = 0;
    virtual void redo() = 0;
    // The bytes kept for both sides.
    virtual qsizetype heldBytes() const = 0;

private:
    QString text_;
};

// Where the part of an image that a change touched lies, and its bytes on
// each side (the common beginning and end are not kept).
struct ImageSplice {
    qsizetype offset = 0;
    QByteArray before;
    QByteArray after;
    bool isEmpty() const { return before == after; }
};

ImageSplice spliceBetween(const QByteArray& before, const QByteArray& after);

// `image` with the splice's other side put in: its `after` bytes replaced by
// `before` (back) or the reverse (forward). Nothing when the image does not
// hold the side it should replace: the data changed in some other way.
std::optional<QByteArray> spliced(const QByteArray& image, const ImageSplice& splice, bool back);

// One stored image that the user changes: the image as it is now, and how the
// data takes another image (loaded, shown and saved as the change itself did).
struct ChangedImage {
    std::function<QByteArray()> current;
    std::function<void(const QByteArray&)> restore;
};

// A change to one image.
class ImageChange : public Change {
public:
    ImageChange(QString text, ImageSplice splice, ChangedImage image)
        : Change(std::move(text)), splice_(std::move(splice)), image_(std::move(image)) {}
    void undo() override { put(true); }
    void redo() override { put(false); }
    qsizetype heldBytes() const override { return splice_.before.size() + splice_.after.size(); }

private:
    void put(bool back);
    ImageSplice splice_;
    ChangedImage image_;
};

// Changes as they are made, for the window's undo stack. Nothing is kept
// while no history is plugged in (tests of one part, the kill driver).
class ChangeHistory {
public:
    using Recorder = std::function<void(std::unique_ptr<Change>)>;
    void setRecorder(Recorder recorder) { recorder_ = std::move(recorder); }
    // Keeps a change of `image` from `before` to its current bytes, named
    // `text`; nothing when the bytes are the same.
    void record(const QString& text, const QByteArray& before, const ChangedImage& image);
    void record(std::unique_ptr<Change> change);
    // The data was replaced from outside the history (a restored backup): the
    // kept changes no longer fit it.
    std::function<void()> forgetAll;
    void forget()
    {
        if (forgetAll)
            forgetAll();
    }
    bool recording() const { return static_cast<bool>(recorder_); }
    // Before an undo or redo, and before any other change is kept: edits that
    // are not kept one by one (typed texts) become a change of their own, so
    // that the history keeps the order in which the user made them.
    void addSettler(std::function<void()> settler) { settlers_.push_back(std::move(settler)); }
    void settle();

private:
    Recorder recorder_;
    std::vector<std::function<void()>> settlers_;
    bool settling_ = false;
};

} // namespace tolvane
