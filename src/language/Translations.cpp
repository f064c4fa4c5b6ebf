#include "language/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

const QString kPrefix = QStringLiteral("numorra_");
const QString kSuffix = QStringLiteral(".qm");

int g_generation = 0;
int g_installed = 0;

// The program's texts are English: a desktop in English (or in no language
// at all) reads them as they are, whatever languages follow.
bool readsTheSource(const QString &language)
{
    return language == QLatin1String("C") || language == QLatin1String("POSIX") ||
           QLocale(language).language() == QLocale::English;
}

} // namespace

Translations::Translations(const QStringList &languages, const QStringList &folders)
{
    const QString file = catalogFile(languages, folders);
    if (file.isEmpty() || !m_program.load(file))
        return;
    m_catalog = QFileInfo(file).completeBaseName().mid(kPrefix.size());
    install(m_program);
    // Qt's own buttons and dialogs (Yes, No, the file dialogs) in the same language.
    m_qtInstalled = m_qt.load(QStringLiteral("qtbase_") + m_catalog,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtInstalled)
        install(m_qt);
}

Translations::~Translations()
{
    if (m_qtInstalled)
        remove(m_qt);
    if (!m_catalog.isEmpty())
        remove(m_program);
}

QStringList Translations::desktopLanguages()
{
    QByteArray messages = qgetenv("LC_ALL");
    for (const char *next : {"LC_MESSAGES", "LANG"}) {
        if (messages.isEmpty())
            messages = qgetenv(next);
    }
    // C.UTF-8 is a locale of its own, which LANGUAGE may translate.
    if (messages.isEmpty() || messages == "C" || messages == "POSIX")
        return {QStringLiteral("C")};
    return QLocale::system().uiLanguages();
}

QStringList Translations::catalogNames(const QString &language)
{
    if (readsTheSource(language))
        return {};
    const QLocale locale(language);
    if (locale.language() == QLocale::C)
        return {}; // a language Qt does not know
    if (locale.language() == QLocale::Chinese) {
        // The nearest catalog is the one in the same script.
        const bool traditional = locale.script() == QLocale::TraditionalHanScript;
        return {traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN")};
    }
    const QString name = locale.name();
    const QString bare = name.section(QLatin1Char('_'), 0, 0);
    return name == bare ? QStringList{name} : QStringList{name, bare};
}

QString Translations::catalogFile(const QStringList &languages, const QStringList &folders)
{
    for (const QString &language : languages) {
        if (readsTheSource(language))
            return {};
        for (const QString &name : catalogNames(language)) {
            for (const QString &folder : folders) {
                QString file = QDir(folder).filePath(kPrefix + name + kSuffix);
                if (QFileInfo(file).isFile())
                    return file;
            }
        }
    }
    return {};
}

QStringList Translations::catalogFolders()
{
    const QString programs = QCoreApplication::applicationDirPath();
    return {programs + QStringLiteral("/translations"),
            programs + QStringLiteral("/" NUMORRA_INSTALLED_CATALOGS)};
}

void Translations::install(QTranslator &translator)
{
    QCoreApplication::installTranslator(&translator);
    ++g_generation;
    ++g_installed;
}

void Translations::remove(QTranslator &translator)
{
    QCoreApplication::removeTranslator(&translator);
    ++g_generation;
    --g_installed;
}

int Translations::generation()
{
    return g_generation;
}

bool Translations::translated()
{
    return g_installed > 0;
}
