#pragma once
// The program's help topics: each help context the program opens, with the
// title its topic carries and the page that holds it among the bundled topics.

#include <QString>
#include <optional>
#include <vector>

namespace tolvane {

struct HelpTopic {
    int context;
    QString title;  // the topic's own heading
    QString file;   // page name among the bundled topics
};

// Every topic, in the order of their contexts.
const std::vector<HelpTopic>& helpTopics();
std::optional<HelpTopic> helpTopic(int context);

} // namespace tolvane
