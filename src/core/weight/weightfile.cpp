#include "weight/weightfile.h"

#include "storage/daytext.h"

#include <QDate>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace tolvane {

namespace {
// Years 1 to 9999. The calendar runs in step with the day number, so the
// whole day is compared with the first and last day; no date of each of up to
// 100000 records is built (that was most of a load).
bool usableDate(double day)
{
    static const long double first = dayNumberFromDate(QDate(1, 1, 1));
    static const long double last = dayNumberFromDate(QDate(9999, 12, 31));
    if (!std::isfinite(day))
        return false;
    const long double whole = std::trunc(static_cast<long double>(day));
    return whole >= first && whole <= last;
}
} // namespace

WeightFileProblem checkWeightFileSize(qint64 size)
{
    if (size % WeightRecordSize != 0)
        return WeightFileProblem::PartialRecord;
    if (size / WeightRecordSize > MaxWeightRecords)
        return WeightFileProblem::TooLarge;
    return WeightFileProblem::None;
}

WeightFileRead readWeightImage(const QByteArray& bytes)
{
    WeightFileRead read;
    read.problem = checkWeightFileSize(bytes.size());
    if (read.problem != WeightFileProblem::None)
        return read;
    const qsizetype count = bytes.size() / WeightRecordSize;
    read.records.reserve(static_cast<std::size_t>(count));
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0; i < count; ++i) {
        const unsigned char* at = data + i * WeightRecordSize;
        WeightRecord record;
        const quint64 bits = qFromLittleEndian<quint64>(at);
        std::memcpy(&record.date, &bits, sizeof bits);
        std::memcpy(record.plan.data(), at + 8, 6);
        std::memcpy(record.actual.data(), at + 14, 6);
        if (!usableDate(record.date)) {
            read.problem = WeightFileProblem::BadDate;
            read.record = i + 1;
            read.records.clear();
            return read;
        }
        read.records.push_back(record);
    }
    return read;
}

QByteArray writeWeightImage(const std::vector<WeightRecord>& records)
{
    QByteArray bytes(static_cast<qsizetype>(records.size()) * WeightRecordSize, '\0');
    auto* data = reinterpret_cast<unsigned char*>(bytes.data());
    for (const WeightRecord& record : records) {
        quint64 bits = 0;
        std::memcpy(&bits, &record.date, sizeof bits);
        qToLittleEndian(bits, data);
        std::memcpy(data + 8, record.plan.data(), 6);
        std::memcpy(data + 14, record.actual.data(), 6);
        data += WeightRecordSize;
    }
    return bytes;
}

} // namespace tolvane
