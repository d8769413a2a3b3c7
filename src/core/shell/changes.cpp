#include "shell/changes.h"

#include <algorithm>
#include <utility>

namespace tolvane {

ImageSplice spliceBetween(const QByteArray& before, const QByteArray& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {head, before.mid(head, before.size() - head - tail), after.mid(head, after.size() - head - tail)};
}

std::optional<QByteArray> spliced(const QByteArray& image, const ImageSplice& splice, bool back)
{
    const QByteArray& from = back ? splice.after : splice.before;
    const QByteArray& to = back ? splice.before : splice.after;
    if (splice.offset + from.size() > image.size() || image.mid(splice.offset, from.size()) != from)
        return std::nullopt;
    QByteArray result = image;
    result.replace(splice.offset, from.size(), to);
    return result;
}

void ImageChange::put(bool back)
{
    if (const std::optional<QByteArray> image = spliced(image_.current(), splice_, back))
        image_.restore(*image);
}

void ChangeHistory::settle()
{
    // A settler keeps its edit through record(), which settles again.
    if (std::exchange(settling_, true))
        return;
    for (const auto& settler : settlers_)
        settler();
    settling_ = false;
}

void ChangeHistory::record(const QString& text, const QByteArray& before, const ChangedImage& image)
{
    if (!recorder_)
        return;
    settle();
    ImageSplice splice = spliceBetween(before, image.current());
    if (!splice.isEmpty())
        recorder_(std::make_unique<ImageChange>(text, std::move(splice), image));
}

void ChangeHistory::record(std::unique_ptr<Change> change)
{
    if (!recorder_)
        return;
    settle();
    recorder_(std::move(change));
}

} // namespace tolvane
