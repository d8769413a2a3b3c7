#include "menu/nutrientwindow.h"

#include "menu/nutrientview.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tolvane {

namespace {

constexpr int BarRole = Qt::UserRole;       // the bar's length in percent
constexpr int AboveRole = Qt::UserRole + 1; // above the upper limit: drawn red

// The share as a bar; its text is the share, for screen readers.
class BarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        QStyledItemDelegate::paint(painter, plain, QModelIndex());
        const QRect frame = option.rect.adjusted(2, 3, -2, -3);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawRect(frame.adjusted(0, 0, -1, -1));
        QRect bar = frame.adjusted(1, 1, -1, -1);
        bar.setWidth(bar.width() * index.data(BarRole).toInt() / 100);
        painter->fillRect(bar,
                          index.data(AboveRole).toBool() ? QColor(Qt::red) : option.palette.color(QPalette::Highlight));
        painter->restore();
    }
};

} // namespace

NutrientWindow::NutrientWindow(NutrientView& view, QWidget* parent)
    : QDialog(parent), view_(view), heading_(new QLabel(this)), subjects_(new QButtonGroup(this)),
      condition_(new QComboBox(this)), intakeNote_(new QLabel(this)), status_(new QLabel(this)),
      list_(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Nutrients"));
    setAccessibleName(QStringLiteral("Nutrients"));
    setModal(false);
    resize(620, 640);

    auto* subjectRow = new QHBoxLayout;
    for (int s = 0; s < NutrientView::SubjectNames.size(); ++s) {
        auto* button = new QRadioButton(NutrientView::SubjectNames[s], this);
        subjects_->addButton(button, s);
        subjectRow->addWidget(button);
    }
    subjectRow->addStretch();
    condition_->addItems({QStringLiteral("None"), QStringLiteral("Pregnancy"), QStringLiteral("Lactation")});
    condition_->setAccessibleName(QStringLiteral("Pregnancy or lactation"));
    for (QLabel* label : {heading_, intakeNote_, status_}) {
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        label->setWordWrap(true);
    }
    heading_->setAccessibleName(QStringLiteral("Shown"));
    intakeNote_->setAccessibleName(QStringLiteral("Reference intakes"));
    list_->setColumnCount(ColumnCount);
    list_->setHeaderLabels({QStringLiteral("Nutrient"), QStringLiteral("Amount"), QStringLiteral("Unit"),
                            QStringLiteral("Of reference"), QString(), QStringLiteral("Note")});
    list_->setRootIsDecorated(false);
    list_->setAccessibleName(QStringLiteral("Nutrients"));
    list_->setItemDelegateForColumn(BarColumn, new BarDelegate(list_));
    // Widths follow the first texts shown (the user may widen them): fitting them at each refresh
    // would cost more than the whole refresh.
    list_->header()->setSectionResizeMode(QHeaderView::Interactive);
    list_->header()->resizeSection(BarColumn, 90);
    list_->header()->setStretchLastSection(true);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Show:"), subjectRow);
    auto* conditionLabel = new QLabel(QStringLiteral("&Pregnancy or lactation:"), this);
    conditionLabel->setBuddy(condition_);
    form->addRow(conditionLabel, condition_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(form);
    layout->addWidget(intakeNote_);
    layout->addWidget(status_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(subjects_, &QButtonGroup::idClicked, this, [this](int id) {
        view_.setSubject(static_cast<NutrientView::Subject>(id));
        showView(view_);
    });
    connect(condition_, &QComboBox::activated, this, [this](int index) {
        view_.setCondition(static_cast<IntakeCondition>(index));
        showView(view_);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    showView(view_);
}

void NutrientWindow::refresh()
{
    view_.refresh();
    showView(view_);
}

void NutrientWindow::showView(const NutrientView& view)
{
    heading_->setText(view.heading());
    intakeNote_->setText(view.intakeNote());
    status_->setText(view.status());
    status_->setVisible(!view.status().isEmpty());
    subjects_->button(view.subject())->setChecked(true);
    condition_->setCurrentIndex(static_cast<int>(view.condition()));
    const std::vector<NutrientRow>& rows = view.rows();
    const int current = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : 0;
    const bool first = list_->topLevelItemCount() == 0;
    while (list_->topLevelItemCount() < static_cast<int>(rows.size()))
        list_->addTopLevelItem(new QTreeWidgetItem);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const NutrientRow& row = rows[r];
        QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(r));
        QString note = row.completeness;
        if (row.aboveUpperLimit)
            note += (note.isEmpty() ? QString() : QStringLiteral("; ")) + QStringLiteral("above the upper limit");
        const QStringList texts = {row.name, row.amount, row.unit, row.share, row.share, note};
        for (int c = 0; c < ColumnCount; ++c) {
            if (item->text(c) != texts[c])
                item->setText(c, texts[c]);
            const QString spoken = c == NameColumn ? row.spoken : texts[c];
            if (item->data(c, Qt::AccessibleTextRole).toString() != spoken)
                item->setData(c, Qt::AccessibleTextRole, spoken);
        }
        item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(ShareColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(BarColumn, BarRole, row.barPercent);
        item->setData(BarColumn, AboveRole, row.aboveUpperLimit);
        item->setForeground(NoteColumn, row.aboveUpperLimit ? QBrush(Qt::red) : QBrush());
    }
    for (int c = 0; first && c < ColumnCount; ++c)
        if (c != BarColumn)
            list_->resizeColumnToContents(c);
    if (!list_->currentItem() && list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(current));
}

} // namespace tolvane
