#pragma once
// The Tutor: a small always-on-top window that walks through the main window
// in thirteen steps, moving itself beside what it describes, switching pages
// and demonstrating the menu print preview. After it closes, the information
// window follows.

#include "guide/information.h"

#include <QString>
#include <QStringList>

namespace tolvane {

class GuideWindows;
class MenuPrinting;
class Program;

class Tutor {
public:
    static constexpr int ClientWidth = 250;
    static constexpr int ClientHeight = 174;
    static const QString& caption();
    // The thirteen texts, in the order the steps show them.
    static const QStringList& texts();

    Tutor(Program& program, GuideWindows& windows, MenuPrinting& printing);
    Tutor(const Tutor&) = delete;
    Tutor& operator=(const Tutor&) = delete;

    // "Tutor" and the first start: the tutor, modal, then the information window.
    void open();
    // "&Next".
    void pressNext();
    // "&Cancel".
    void pressCancel() { close(); }
    // Whenever the tutor window closes (also by its close box): the preview
    // demonstration ends, the Menu Planner page shows and "# Servings" has the
    // focus. Does nothing when already closed.
    void close();

    bool isOpen() const { return open_; }
    // The step the next "&Next" runs (TutorStep).
    int step() const { return step_; }
    const QString& text() const { return text_; }
    // The window's place on the screen, from the main window's.
    int top() const { return top_; }
    int left() const { return left_; }
    // Set by the steps after which the tutor takes the focus back; the window
    // clears it once it has.
    bool takeFocusRequest();

    Information& information() { return information_; }

private:
    void place(int top, int left);
    void showPage(int page);

    Program& program_;
    GuideWindows& windows_;
    MenuPrinting& printing_;
    Information information_;
    bool open_ = false;
    int step_ = 2;
    QString text_;
    int top_ = 0;
    int left_ = 0;
    bool focusRequest_ = false;
};

} // namespace tolvane
