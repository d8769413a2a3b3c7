#include "activity/activityfile.h"

#include <cstring>

namespace tolvane {

ActivityFileRead readActivityImage(const QByteArray& bytes)
{
    ActivityFileRead read;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype offset = 0;
    int index = 0;
    while (offset < size) {
        // A piece of a record is a cut record wherever it stands, also after
        // a full table.
        if (size - offset < ActivityRecord::Size) {
            read.problem = ActivityFileProblem::Truncated;
            read.problemRecord = index;
            break;
        }
        if (index == MaxActivities) {
            read.problem = ActivityFileProblem::TooMany;
            read.problemRecord = index;
            break;
        }
        if (data[offset] > ActivityRecord::NameCapacity) {
            read.problem = ActivityFileProblem::BadName;
            read.problemRecord = index;
            break;
        }
        ActivityRecord record;
        std::memcpy(record.bytes.data(), data + offset, ActivityRecord::Size);
        read.records.push_back(record);
        offset += ActivityRecord::Size;
        ++index;
    }
    return read;
}

QByteArray activityImage(const std::vector<ActivityRecord>& records)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size()) * ActivityRecord::Size);
    for (const ActivityRecord& record : records)
        bytes.append(reinterpret_cast<const char*>(record.bytes.data()), ActivityRecord::Size);
    return bytes;
}

} // namespace tolvane
