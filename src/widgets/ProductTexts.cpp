#include "widgets/ProductTexts.h"

#include <QCoreApplication>

namespace ProductTexts {

QString windowCaption()
{
    return QStringLiteral("Numorra v") + QLatin1String(NUMORRA_VERSION);
}

QString introduction()
{
    return QCoreApplication::translate(
        "ProductTexts",
        "Numerology is an age old subject, the origin of which is unknown till date; Chinese "
        "numerology has its roots in the Lo Shu square, a magic square of nine numbers said to "
        "have appeared on the shell of a turtle rising from the River Lo. Its rows read 4 9 2, 3 "
        "5 7 and 8 1 6, and every row, column and diagonal adds up to fifteen. By placing the "
        "digits of your date of birth on this square, Numorra builds your birth chart and finds "
        "your most favourable number, revealing the strengths and the lessons it has for you.");
}

QString instruction()
{
    return QCoreApplication::translate(
        "ProductTexts",
        "Just input your name and date of birth and get to know your lucky Chinese Numerology "
        "Number!");
}

QString about()
{
    return QCoreApplication::translate(
        "ProductTexts",
        "Numorra is an excellent and thought provoking program. From your name and date of birth "
        "it builds your Lo Shu birth chart, finds your most favourable number and direction, and "
        "describes your feng shui element and trigram. You can print a neat report of your "
        "reading and save readings to return to later. Numorra is meant for reflection and "
        "entertainment, a gentle invitation to think about yourself in a new light.");
}

QString mainLinkCaption()
{
    return QCoreApplication::translate("ProductTexts",
                                       "Join our numerology community at numorra.example.org");
}

QString readingLinkCaption()
{
    return QCoreApplication::translate(
        "ProductTexts",
        "Share your reading and meet fellow enthusiasts in our numerology community online");
}

QString previewLinkCaption()
{
    return QCoreApplication::translate("ProductTexts",
                                       "Discuss your report in our numerology community");
}

QString aboutLinkCaption()
{
    return QCoreApplication::translate("ProductTexts", "Visit numorra.example.org");
}

} // namespace ProductTexts
