#include "menu/menufile.h"

namespace tolvane {

namespace {
constexpr int HeaderSize = 6;

int read16(const QByteArray& bytes, int offset)
{
    const auto low = static_cast<std::uint8_t>(bytes[offset]);
    const auto high = static_cast<std::uint8_t>(bytes[offset + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

void write16(QByteArray& bytes, int offset, int value)
{
    const auto v = static_cast<std::uint16_t>(value);
    bytes[offset] = static_cast<char>(v & 0xFF);
    bytes[offset + 1] = static_cast<char>(v >> 8);
}

bool inRange(int value, int count) { return value >= 0 && value < count; }
} // namespace

MenuFileRead readMenuImage(const QByteArray& bytes)
{
    MenuFileRead read;
    if (bytes.size() < MenuFileSize) {
        read.problem = MenuFileProblem::TooShort;
        return read;
    }
    MenuImage& image = read.image;
    image.currentDay = read16(bytes, 0);
    image.currentMeal = read16(bytes, 2);
    image.totalsView = read16(bytes, 4);
    if (!inRange(image.currentDay, DaysPerWeek) || !inRange(image.currentMeal, MealsPerDay) ||
        !inRange(image.totalsView, 4)) {
        read.problem = MenuFileProblem::CurrentValuesOutOfRange;
        return read;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (int k = 0; k < MealsPerWeek; ++k) {
        const std::optional<Meal> meal = Meal::fromBytes(data + HeaderSize + Meal::Size * k);
        if (!meal) {
            read.problem = MenuFileProblem::CountOutOfRange;
            read.badMeal = k;
            return read;
        }
        image.week[static_cast<std::size_t>(k)] = *meal;
    }
    return read;
}

QByteArray writeMenuImage(const MenuImage& image)
{
    QByteArray bytes(MenuFileSize, '\0');
    write16(bytes, 0, image.currentDay);
    write16(bytes, 2, image.currentMeal);
    write16(bytes, 4, image.totalsView);
    auto* data = reinterpret_cast<std::uint8_t*>(bytes.data());
    for (int k = 0; k < MealsPerWeek; ++k)
        image.week[static_cast<std::size_t>(k)].toBytes(data + HeaderSize + Meal::Size * k);
    return bytes;
}

} // namespace tolvane
