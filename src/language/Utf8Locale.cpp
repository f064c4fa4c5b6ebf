#include "language/Utf8Locale.h"

#include <QByteArray>
#include <QtGlobal>

#include <clocale>
#include <langinfo.h>

namespace {

// The categories LC_ALL stands for, in the C library.
const char *const kCategories[] = {
    "LC_CTYPE", "LC_NUMERIC", "LC_TIME",    "LC_COLLATE",   "LC_MONETARY",    "LC_MESSAGES",
    "LC_PAPER", "LC_NAME",    "LC_ADDRESS", "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION"};

bool characterTypeIsUtf8()
{
    const QByteArray codeset = nl_langinfo(CODESET);
    return codeset.compare("UTF-8", Qt::CaseInsensitive) == 0 ||
           codeset.compare("utf8", Qt::CaseInsensitive) == 0;
}

// The UTF-8 form of the character type in force, made the one in force: its
// name without encoding or variant, with ".UTF-8"; else C.UTF-8. Empty when
// the machine has neither.
QByteArray useUtf8Form()
{
    QByteArray name = std::setlocale(LC_CTYPE, nullptr);
    const qsizetype end = name.indexOf('.') >= 0 ? name.indexOf('.') : name.indexOf('@');
    if (end >= 0)
        name.truncate(end);
    for (const QByteArray &form : {name + ".UTF-8", QByteArray("C.UTF-8")}) {
        if (std::setlocale(LC_CTYPE, form.constData()))
            return form;
    }
    return {};
}

} // namespace

void Utf8Locale::choose()
{
    // As Qt does next. A locale the machine has not generated fails here,
    // leaving every category "C", and then fails again in Qt, which keeps
    // the character type chosen below.
    std::setlocale(LC_ALL, "");
    if (characterTypeIsUtf8())
        return;
    const QByteArray form = useUtf8Form();
    if (form.isEmpty())
        return; // no UTF-8 locale at all: Qt says so, and rightly
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty()) {
        for (const char *category : kCategories)
            qputenv(category, all);
        qunsetenv("LC_ALL");
    }
    qputenv("LC_CTYPE", form);
}
