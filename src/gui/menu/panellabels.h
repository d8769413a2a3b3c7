#pragma once
// The labels of the value panels and the RDA page: placed at the pixel
// positions the page layouts give, right-aligned labels by their right end.

#include "menu/panels.h"
#include "printing/canvas.h"

#include <QFont>
#include <array>

class QLabel;
class QLineEdit;
class QWidget;

namespace tolvane {

class PieWidget;

QFont arialFont(int pixelHeight, bool bold = false);

// A caption with its top-left corner at (x, y).
QLabel* placeLabel(QWidget* parent, const QString& text, int x, int y, const QFont& font);
// A right-aligned value label whose right end stays at `right`, its value
// readable by screen readers (valueLabelName).
QLabel* placeRightLabel(QWidget* parent, const QString& text, int right, int y, const QFont& font,
                        const QString& accessibleName, int width = 64);
// A caption on a coloured ground, the legend of a pie slice.
QLabel* placeLegend(QWidget* parent, const QString& text, Rgb color, int x, int y, const QFont& font);

// The labels and pie of one value panel, filled from the panel's texts.
struct PanelLabels {
    std::array<QLabel*, NutrientCount> values{};
    QLabel* carbohydrate = nullptr;
    QLabel* protein = nullptr;
    QLabel* fat = nullptr;
    PieWidget* pie = nullptr;

    void show(const PanelTexts& texts) const;
};

// Makes a label's value readable by screen readers: its accessible name is
// `name`, a colon and the label's text with its unit ("Menu fat: 12.5 g"), or
// `name` alone while the label is empty. setLabelText keeps it current.
void nameValueLabel(QLabel* label, const QString& name, const QString& unit = {});

// Sets a label's text unless it already shows it.
void setLabelText(QLabel* label, const QString& text);
// Shows the program's text in a field without it counting as the user's
// change of the text (the field's textChanged handlers do not run).
void showFieldText(QLineEdit* edit, const QString& text);
// The fat percentage is red above 30%, black otherwise.
void setFatColor(QLabel* label, bool red);

} // namespace tolvane
