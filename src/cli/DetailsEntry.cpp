#include "cli/DetailsEntry.h"

namespace {

int itemIndex(const QStringList &items, const QString &text, int preset)
{
    const int index = static_cast<int>(items.indexOf(text));
    return index < 0 ? preset : index;
}

} // namespace

DetailsEntry DetailsEntry::fromFile(const ReadingFile::Fields &fields)
{
    DetailsEntry entry;
    entry.nameText = fields.name.left(kNameFieldLength);
    entry.dayIndex = itemIndex(PersonalDetailsRules::dayItems(), fields.day, entry.dayIndex);
    entry.monthIndex =
        itemIndex(PersonalDetailsRules::monthItems(), fields.month, entry.monthIndex);
    entry.yearIndex = itemIndex(PersonalDetailsRules::yearItems(), fields.year, entry.yearIndex);
    return entry;
}

std::optional<PersonalDetailsRules::ValidationFailure> DetailsEntry::failure() const
{
    return PersonalDetailsRules::validate(nameText, dayIndex, monthIndex,
                                          PersonalDetailsRules::yearItems().at(yearIndex));
}

PersonalDetails DetailsEntry::capture() const
{
    return PersonalDetailsRules::capture(nameText, PersonalDetailsRules::dayItems().at(dayIndex),
                                         PersonalDetailsRules::monthItems().at(monthIndex),
                                         PersonalDetailsRules::yearItems().at(yearIndex));
}
