#include "shell/toolicons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace tolvane {

namespace {
// A small drawn glyph: a page with a mark, in the colour of its group.
QIcon drawnIcon(const QString& mark, const QColor& colour)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 3, 3);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, mark);
    return QIcon(pixmap);
}
} // namespace

QIcon toolIcon(Command command)
{
    QStyle* style = QApplication::style();
    switch (command) {
    case Command::CopyMeal: return drawnIcon(QStringLiteral("C"), QColor(0xcc, 0xe5, 0xff));
    case Command::PasteMeal: return drawnIcon(QStringLiteral("P"), QColor(0xcc, 0xe5, 0xff));
    case Command::ClearMeal: return drawnIcon(QStringLiteral("X"), QColor(0xcc, 0xe5, 0xff));
    case Command::SaveMenuAs: return style->standardIcon(QStyle::SP_DialogSaveButton);
    case Command::LoadMenu: return style->standardIcon(QStyle::SP_DialogOpenButton);
    case Command::ClearMenu: return drawnIcon(QStringLiteral("W"), QColor(0xff, 0xd6, 0xcc));
    case Command::PrintMenu: return drawnIcon(QStringLiteral("M"), QColor(0xe0, 0xe0, 0xe0));
    case Command::PrintShoppingList: return drawnIcon(QStringLiteral("S"), QColor(0xe0, 0xe0, 0xe0));
    case Command::AddFoodItem: return drawnIcon(QStringLiteral("+"), QColor(0xd4, 0xf5, 0xd4));
    case Command::DeleteFoodItem: return drawnIcon(QStringLiteral("-"), QColor(0xd4, 0xf5, 0xd4));
    case Command::Exit: return style->standardIcon(QStyle::SP_DialogCloseButton);
    default: break;
    }
    return {};
}

} // namespace tolvane
