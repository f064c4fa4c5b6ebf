#pragma once

#include "details/PersonalDetails.h"
#include "details/PersonalDetailsRules.h"
#include "reading/ReadingFile.h"

#include <QString>

// What the main window's fields hold: the name field's text and the entries
// selected in the day, month and year lists (positions, 0-based).
struct DetailsEntry
{
    // The name field holds no more characters than this (a line edit's maximum).
    static constexpr qsizetype kNameFieldLength = 32767;

    QString nameText;
    int dayIndex = PersonalDetailsRules::kPresetDayIndex;
    int monthIndex = PersonalDetailsRules::kPresetMonthIndex;
    int yearIndex = PersonalDetailsRules::kPresetYearIndex;

    // The fields as opening a saved reading sets them: the name as stored (cut
    // to what the field holds), and each list at the entry equal to its line;
    // a line matching no entry leaves that list at its preset.
    static DetailsEntry fromFile(const ReadingFile::Fields &fields);

    // The program's own message when the entry cannot be calculated.
    std::optional<PersonalDetailsRules::ValidationFailure> failure() const;
    // The record a calculation captures from the fields.
    PersonalDetails capture() const;
};
