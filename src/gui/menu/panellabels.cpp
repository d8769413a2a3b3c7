#include "menu/panellabels.h"

#include "menu/piewidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tolvane {

namespace {
const char* const ValueNameProperty = "tolvaneValueName";
const char* const ValueUnitProperty = "tolvaneValueUnit";

void updateValueName(QLabel* label)
{
    const QVariant name = label->property(ValueNameProperty);
    if (!name.isValid())
        return;
    const QString value = label->text().trimmed();
    const QString unit = label->property(ValueUnitProperty).toString();
    QString accessible = name.toString();
    if (!value.isEmpty())
        accessible += QStringLiteral(": ") + value + (unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
    if (label->accessibleName() != accessible)
        label->setAccessibleName(accessible);
}
} // namespace

QFont arialFont(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QLabel* placeLabel(QWidget* parent, const QString& text, int x, int y, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->adjustSize();
    label->move(x, y);
    return label;
}

QLabel* placeRightLabel(QWidget* parent, const QString& text, int right, int y, const QFont& font,
                        const QString& accessibleName, int width)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(right - width, y, width, QFontMetrics(font).height());
    nameValueLabel(label, accessibleName);
    return label;
}

QLabel* placeLegend(QWidget* parent, const QString& text, Rgb color, int x, int y, const QFont& font)
{
    QLabel* label = placeLabel(parent, text, x, y, font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(color.red, color.green, color.blue));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

void nameValueLabel(QLabel* label, const QString& name, const QString& unit)
{
    label->setProperty(ValueNameProperty, name);
    label->setProperty(ValueUnitProperty, unit);
    updateValueName(label);
}

void setLabelText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    updateValueName(label);
}

void showFieldText(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

void setFatColor(QLabel* label, bool red)
{
    const QColor color = red ? QColor(255, 0, 0) : QColor(0, 0, 0);
    if (label->palette().color(QPalette::WindowText) == color)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

void PanelLabels::show(const PanelTexts& texts) const
{
    for (std::size_t n = 0; n < values.size(); ++n)
        setLabelText(values[n], texts.values[n]);
    setLabelText(carbohydrate, texts.carbohydratePercent);
    setLabelText(protein, texts.proteinPercent);
    setLabelText(fat, texts.fatPercent);
    setFatColor(fat, texts.fatRed);
    if (pie)
        pie->setShares(texts.shares);
}

} // namespace tolvane
