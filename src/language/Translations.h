#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The program's catalog for the desktop's language, with Qt's own catalog of
// that language (Debian's qt6-translations-l10n), installed for as long as
// the object lives. Both programs make one right after their application.
//
// The catalog is the first of the desktop's languages (in their order) that
// has one: Chinese goes by its script, so that zh_HK and zh_MO read zh_TW and
// zh_SG reads zh_CN; English, C and POSIX stop the search, since the program's
// own texts are English. With no catalog nothing is installed, not even Qt's:
// the windows stay exactly as they are in English.
class Translations
{
public:
    // The language list the desktop gives; `folders` are searched in order.
    explicit Translations(const QStringList &languages = desktopLanguages(),
                          const QStringList &folders = catalogFolders());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The catalog installed: "zh_CN", "zh_TW"... or empty for English.
    QString catalog() const { return m_catalog; }

    // The desktop's languages in its order (LANGUAGE, else the messages
    // locale), or just "C" where the messages locale is C or POSIX: as the C
    // library does, a script's LC_ALL=C then means English, whatever LANGUAGE says.
    static QStringList desktopLanguages();
    // The catalog names a language may read, nearest first ("zh-HK" gives
    // zh_TW); empty for English, C and POSIX.
    static QStringList catalogNames(const QString &language);
    // The program's catalog file for the first of the languages that has
    // one in `folders`; empty for none.
    static QString catalogFile(const QStringList &languages, const QStringList &folders);

    // Where the catalogs are looked for: "translations" beside the
    // executable (the build tree), then where the package installs them
    // (share/numorra/translations beside bin).
    static QStringList catalogFolders();

    // Installs or removes a translator, and tells the texts built once
    // (see generation) to build themselves again.
    static void install(QTranslator &translator);
    static void remove(QTranslator &translator);
    // Changes each time a translator is installed or removed through this
    // class: texts translated once and kept compare it to know whether they
    // are still in the language in force.
    static int generation();
    // Whether a translator installed through this class is in force, so
    // that the program's texts may not be the English ones.
    static bool translated();

private:
    QString m_catalog;
    QTranslator m_program;
    QTranslator m_qt;
    bool m_qtInstalled = false;
};
