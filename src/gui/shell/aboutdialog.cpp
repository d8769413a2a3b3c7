#include "shell/aboutdialog.h"

#include "shell/program.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tolvane {

namespace {
constexpr int MinimumWidth = 300;
}

AboutDialog::AboutDialog(const QString& dataFolder, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(ProgramCaption, this);
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(VersionText, this);
    version->setAlignment(Qt::AlignCenter);
    auto* folder = new QLabel(QStringLiteral("Data folder: %1").arg(dataFolder), this);
    folder->setAlignment(Qt::AlignCenter);
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    folder->setVisible(!dataFolder.isEmpty());
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setDefault(true);
    ok->setAccessibleName(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addWidget(folder);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    // The window manager draws the title in its own font beside its icon and
    // buttons, whatever the zoom, and cuts it short in a narrow box.
    setMinimumWidth(std::max(minimumSizeHint().width(), MinimumWidth));
}

} // namespace tolvane
