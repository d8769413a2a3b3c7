#pragma once
// The program and its main window over a temporary working folder, as the
// widget tests build them, and input as the keyboard and the mouse deliver it.

#include "food/foodtableio.h"
#include "app/app.h"
#include "app/mainwindow.h"
#include "scriptedui.h"
#include "testfiles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QAccessible>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tolvane::test {

// What a screen reader reads of a widget: its accessible name and value.
inline QString readName(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

inline QString readValue(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Value) : QString();
}

class WindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedUi ui;
    SettingsStore settings{dir.filePath(QStringLiteral("Tolvane.conf"))};
    std::unique_ptr<App> app;
    std::unique_ptr<MainWindow> window;

    // Writes the food item table beside the files a test wrote already, then
    // makes the program and its window and loads the data as start-up does.
    void openWindow(const std::vector<FoodItem>& foods)
    {
        writeAll(dir.filePath(FoodTableFileName), tableBytes(foods));
        app = std::make_unique<App>(ui, settings, dir.path());
        window = std::make_unique<MainWindow>(*app);
        ASSERT_TRUE(app->program.formCreate().ok);
    }
};

// A key pressed and released.
inline void key(QWidget* target, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// Text typed key by key.
inline void typeText(QWidget* target, const QString& text)
{
    for (const QChar c : text)
        key(target, Qt::Key_unknown, Qt::NoModifier, QString(c));
}

// A left button event at `at`; held while pressed or moved.
inline void mouse(QWidget* target, QEvent::Type type, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A left click: press and release at one point.
inline void click(QWidget* target, QPoint at)
{
    mouse(target, QEvent::MouseButtonPress, at);
    mouse(target, QEvent::MouseButtonRelease, at);
}

} // namespace tolvane::test
