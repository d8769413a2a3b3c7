#include "guide/informationwindow.h"

#include "guide/information.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tolvane {

namespace {
constexpr int Width = 400;
// Room for the zoom note under the data folder, when the first start chose a zoom.
constexpr int ZoomNoteHeight = 48;
} // namespace

InformationWindow::InformationWindow(Information& information, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      information_(information), text_(new QPlainTextEdit(this)), folder_(new QPlainTextEdit(this)),
      exit_(new QPushButton(QStringLiteral("E&xit"), this))
{
    setWindowTitle(Information::caption());
    setAccessibleName(Information::caption());
    const int note = information_.chosenZoom() > 0 ? ZoomNoteHeight : 0;
    setFixedSize(Width, 268 + note);

    // Wide enough for the whole text in the space above the first label.
    const auto readOnly = [](QPlainTextEdit* edit, const QString& text, const QString& name) {
        edit->setReadOnly(true);
        edit->setPlainText(text);
        edit->setAccessibleName(name);
        edit->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // a long folder name too
    };
    text_->setGeometry(8, 8, Width - 16, 76);
    readOnly(text_, Information::text(), QStringLiteral("Information"));
    folder_->setGeometry(8, 186, Width - 16, 42 + note);
    readOnly(folder_, information_.dataFolderText(), QStringLiteral("Data folder"));

    QWidget* previous = text_;
    for (int i = 0; i < Information::LabelCount; ++i) {
        const Information::Label& label = Information::labels()[static_cast<std::size_t>(i)];
        // A flat button looks like the label and is reached by Tab and read as
        // something to press.
        auto* button = new QPushButton(label.text, this);
        button->setFlat(true);
        button->setAutoDefault(false);
        button->setCursor(Qt::PointingHandCursor);
        button->setGeometry(label.x, label.y, 250, 20);
        button->setAccessibleName(label.text);
        connect(button, &QPushButton::clicked, this, [this, i] {
            information_.clickLabel(i);
            showLabel(i);
        });
        labels_[static_cast<std::size_t>(i)] = button;
        showLabel(i);
        setTabOrder(previous, button);  // the topics, then the folder, then "E&xit"
        previous = button;
    }
    setTabOrder(previous, folder_);
    setTabOrder(folder_, exit_);
    exit_->setGeometry((Width - 75) / 2, 234 + note, 75, 25);
    exit_->setAccessibleName(QStringLiteral("Exit"));
    exit_->setDefault(true);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
}

void InformationWindow::showLabel(int index)
{
    QPushButton* button = labels_[static_cast<std::size_t>(index)];
    const bool read = information_.visited(index);
    QPalette palette = button->palette();
    const QColor colour = read ? QColor(Qt::magenta) : QColor(Qt::blue);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    button->setPalette(palette);
    button->setStyleSheet(QStringLiteral("text-align: left; border: none; padding: 0; color: %1;").arg(colour.name()));
    button->setAccessibleDescription(read ? QStringLiteral("read") : QStringLiteral("not read yet"));
}

} // namespace tolvane
