#include "details/PersonalDetails.h"

#include <QCoreApplication>

namespace {

// The month names, English; the month list shows them translated.
const char *const kMonthNames[12] = {
    QT_TRANSLATE_NOOP("PersonalDetails", "January"),
    QT_TRANSLATE_NOOP("PersonalDetails", "February"),
    QT_TRANSLATE_NOOP("PersonalDetails", "March"),
    QT_TRANSLATE_NOOP("PersonalDetails", "April"),
    QT_TRANSLATE_NOOP("PersonalDetails", "May"),
    QT_TRANSLATE_NOOP("PersonalDetails", "June"),
    QT_TRANSLATE_NOOP("PersonalDetails", "July"),
    QT_TRANSLATE_NOOP("PersonalDetails", "August"),
    QT_TRANSLATE_NOOP("PersonalDetails", "September"),
    QT_TRANSLATE_NOOP("PersonalDetails", "October"),
    QT_TRANSLATE_NOOP("PersonalDetails", "November"),
    QT_TRANSLATE_NOOP("PersonalDetails", "December"),
};

} // namespace

const QStringList &PersonalDetails::monthNames()
{
    static const QStringList names = [] {
        QStringList english;
        for (const char *name : kMonthNames)
            english.append(QString::fromLatin1(name));
        return english;
    }();
    return names;
}

QStringList PersonalDetails::monthCaptions()
{
    QStringList captions;
    for (const char *name : kMonthNames)
        captions.append(QCoreApplication::translate("PersonalDetails", name));
    return captions;
}
