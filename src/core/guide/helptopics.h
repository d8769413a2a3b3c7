#pragma once
// The program's help topics: each help context the program opens, with the
// title its topic carries, the page that holds it among the bundled topics and
// the group the topic list shows it in.

#include <QString>
#include <optional>
#include <vector>

namespace tolvane {

// The windows that have no help context of their own in the program's tables.
constexpr int StartingHelpContext = 40;   // the tutor, the information window, the about box
constexpr int UsingHelpHelpContext = 41;  // the help viewer
constexpr int PrintingHelpContext = 42;   // the Menu Title prompt and the Print Preview window
constexpr int CsvHelpContext = 43;

enum class HelpGroup { UsingTheProgram, DietAndHealth };

struct HelpTopic {
    int context;
    QString title;  // the topic's own heading
    QString file;   // page name among the bundled topics
    HelpGroup group = HelpGroup::UsingTheProgram;
};

// Every topic, in the order of their contexts.
const std::vector<HelpTopic>& helpTopics();
std::optional<HelpTopic> helpTopic(int context);
// The heading of a group in the topic list.
QString helpGroupTitle(HelpGroup group);

} // namespace tolvane
