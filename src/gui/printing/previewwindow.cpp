#include "printing/previewwindow.h"

#include "printing/paintercanvas.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tolvane {

namespace {
constexpr int DotsPerMeterAt96Dpi = 3780;
}

QImage PreviewWindow::render(const std::function<void(Canvas&)>& draw)
{
    QImage image(PreviewWidth, PreviewHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.setBrushColor(colors::White);
    draw(canvas);
    return image;
}

PreviewWindow::PreviewWindow(const PreviewRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), page_(render(request.draw))
{
    setWindowTitle(QStringLiteral("Print Preview"));
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    QAction* print = menuBar_->addAction(QStringLiteral("&Print"));
    QAction* setup = menuBar_->addAction(QStringLiteral("Print &Setup"));
    QAction* exit = menuBar_->addAction(QStringLiteral("&Exit"));
    connect(print, &QAction::triggered, this, [this] {
        if (request_.print)
            request_.print();
    });
    connect(setup, &QAction::triggered, this, [this] {
        if (request_.printSetup)
            request_.printSetup();
    });
    connect(exit, &QAction::triggered, this, &QDialog::close);

    auto* scroll = new QScrollArea(this);
    scroll->setAccessibleName(QStringLiteral("Print Preview"));
    auto* holder = new QWidget;
    holder->setFixedSize(7 + PreviewWidth, PreviewHeight - 1);
    auto* image = new QLabel(holder);
    image->setGeometry(7, -1, PreviewWidth, PreviewHeight);
    image->setPixmap(QPixmap::fromImage(page_));
    image->setAccessibleName(QStringLiteral("Preview page"));
    scroll->setWidget(holder);
    layout->addWidget(scroll);
}

} // namespace tolvane
