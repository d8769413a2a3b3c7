// Every page in US and metric units: each label's text fits its rectangle,
// each grid heading its column, and no two sibling widgets overlap in part.
// ctest runs it under every test locale and once more at twice the scale.

#include "app/mainwindow.h"
#include "shell/pagewidget.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <cmath>

namespace tolvane::test {
namespace {

// The widget as a reader finds it: its page, its box and its name or text.
QString where(const QWidget* widget)
{
    QString path;
    for (const QWidget* w = widget; w && !qobject_cast<const PageWidget*>(w); w = w->parentWidget()) {
        QString name = w->accessibleName();
        if (const auto* label = qobject_cast<const QLabel*>(w); label && name.isEmpty())
            name = QLatin1Char('"') + label->text() + QLatin1Char('"');
        if (name.isEmpty())
            name = QString::fromLatin1(w->metaObject()->className());
        if (w == widget)
            name += QStringLiteral(" at (%1,%2 %3x%4)").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
        path = path.isEmpty() ? name : name + QStringLiteral(" > ") + path;
    }
    return path;
}

// A text's width in the widget's font, rounded up to whole pixels.
int textWidth(const QWidget* widget, const QString& text)
{
    qreal widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, QFontMetricsF(widget->font()).horizontalAdvance(line));
    return static_cast<int>(std::ceil(widest - 0.01));
}

void labelFaults(QWidget* root, QStringList& faults)
{
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(root) || label->wordWrap() || label->text().isEmpty() ||
            Qt::mightBeRichText(label->text()))
            continue;
        QString text = label->text();
        if (label->buddy())
            text.remove(QLatin1Char('&'));
        const QRect room = label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
        const int height = QFontMetrics(label->font()).height() * lines;
        if (textWidth(label, text) > room.width() || height > room.height())
            faults << QStringLiteral("label \"%1\" needs %2 x %3 in %4 x %5 (%6)")
                          .arg(text).arg(textWidth(label, text)).arg(height).arg(room.width()).arg(room.height())
                          .arg(where(label));
    }
    for (QTableView* table : root->findChildren<QTableView*>()) {
        QHeaderView* header = table->horizontalHeader();
        if (!table->isVisibleTo(root) || header->isHidden())
            continue;
        for (int section = 0; section < header->count(); ++section) {
            const QString text = table->model()->headerData(section, Qt::Horizontal).toString();
            // The heading's own margins on both sides, as the style draws it.
            const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            if (textWidth(header, text) + 2 * margin > header->sectionSize(section))
                faults << QStringLiteral("heading \"%1\" needs %2 in %3 (%4)")
                              .arg(text).arg(textWidth(header, text) + 2 * margin).arg(header->sectionSize(section))
                              .arg(where(table));
        }
    }
}

// Where a widget shows something: a label its text's ink, any other widget its
// rectangle less a pixel of border all round, so that tabs joining a notebook
// and frames sharing an edge meet without counting as overlap.
QRect shownArea(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label || label->text().isEmpty() || label->wordWrap() || Qt::mightBeRichText(label->text()))
        return widget->geometry().marginsRemoved(QMargins(1, 1, 1, 1));
    const QFontMetrics metrics(label->font());
    const QRect line = label->style()->itemTextRect(metrics, label->contentsRect(), static_cast<int>(label->alignment()),
                                                    true, label->text());
    QRect ink;
    int baseline = line.top() + metrics.ascent();
    for (const QString& text : label->text().split(QLatin1Char('\n'))) {
        ink |= metrics.tightBoundingRect(text).translated(line.left(), baseline);
        baseline += metrics.lineSpacing();
    }
    return ink.translated(label->pos());
}

// Siblings placed on a page or a group box: one may lie wholly over another
// (a list over a notebook's page area), never in part.
void overlapFaults(QWidget* root, QStringList& faults)
{
    QList<QWidget*> parents = root->findChildren<QWidget*>();
    parents.prepend(root);
    for (QWidget* parent : parents) {
        const bool placed = qobject_cast<PageWidget*>(parent) || qobject_cast<QGroupBox*>(parent) ||
                            parent->metaObject() == &QWidget::staticMetaObject;
        if (!placed || !parent->isVisibleTo(root))
            continue;
        QList<QWidget*> children;
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(root) && !child->isWindow() && !child->objectName().startsWith(QStringLiteral("qt_")))
                children << child;
        for (qsizetype i = 0; i < children.size(); ++i)
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                // Two texts need a pixel between them to read apart.
                const bool texts = qobject_cast<QLabel*>(children[i]) && qobject_cast<QLabel*>(children[j]);
                const QRect a = shownArea(children[i]).adjusted(texts ? -1 : 0, 0, texts ? 1 : 0, 0);
                const QRect b = shownArea(children[j]);
                if (a.intersects(b) && !children[i]->geometry().contains(children[j]->geometry()) &&
                    !children[j]->geometry().contains(children[i]->geometry()))
                    faults << QStringLiteral("%1 and %2 overlap").arg(where(children[i]), where(children[j]));
            }
    }
}

class LabelFit : public WindowTest {};

TEST_F(LabelFit, EveryLabelFitsAndNoSiblingsOverlapInEitherUnits)
{
    ASSERT_NO_FATAL_FAILURE(openWindow({makeItem(QStringLiteral("Apple"), {52, 14, 0, 0, 1, 0})}));
    window->show();
    app->program.formActivate();
    for (const Units units : {Units::Us, Units::Metric}) {
        app->weight.applyUnits(units);
        window->refresh();
        QStringList faults;
        for (int page = 0; page < window->pageControl()->count(); ++page) {
            window->pageControl()->setCurrentIndex(page);
            window->refresh();
            labelFaults(window->page(page), faults);
            overlapFaults(window->page(page), faults);
        }
        EXPECT_EQ(faults.join(QLatin1Char('\n')), QString()) << (units == Units::Metric ? "metric" : "US");
    }
}

} // namespace
} // namespace tolvane::test
