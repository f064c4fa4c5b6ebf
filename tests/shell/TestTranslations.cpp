// The program in Chinese: which catalog each desktop language reads; every
// text of every window, menu, message and numorra-report output goes through
// a catalog (a marking translator shows any that does not); what stays
// English in every language; and that the Chinese texts fit their controls.
#include "RecordingPlatform.h"
#include "TestWindows.h"
#include "cli/ReportCommand.h"
#include "details/PersonalDetailsRules.h"
#include "fengshui/ElementDescriptions.h"
#include "language/Translations.h"
#include "qtdesktop/FileDialog.h"
#include "reading/ReadingFile.h"
#include "reading/ReadingResults.h"
#include "readingwindows/ElementPane.h"
#include "readingwindows/PictureHolder.h"
#include "readingwindows/RichPaneView.h"
#include "readingwindows/frmNineStar.h"
#include "readingwindows/frmSave.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/ShortDate.h"
#include "support/modHelp.h"
#include "widgets/ProductTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <stdexcept>

namespace {

const QStringList kFolders = {QStringLiteral(NUMORRA_CATALOGS)};

QString catalogPath(const QString &catalog)
{
    return QStringLiteral(NUMORRA_CATALOGS "/numorra_%1.qm").arg(catalog);
}

// Puts every text it knows from a catalog between ⟦ and ⟧, and leaves any
// other text alone: an unmarked text went past the catalogs.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const QString &catalog) { m_loaded = m_catalog.load(catalog); }

    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override
    {
        if (m_catalog.translate(context, source, disambiguation, n).isEmpty())
            return {};
        return u'⟦' + QString::fromUtf8(source) + u'⟧';
    }
    bool isEmpty() const override { return false; }
    bool m_loaded = false;

private:
    QTranslator m_catalog;
};

// What a text holds beyond its marked parts, the data given (names, paths)
// and digits, blanks and the punctuation around them: empty when the whole
// text came through the catalogs.
QString unmarked(QString text, const QStringList &data = {})
{
    static const QRegularExpression innermost(QStringLiteral("⟦[^⟦⟧]*⟧"));
    while (text.contains(innermost))
        text.remove(innermost);
    for (const QString &datum : data)
        text.remove(datum);
    static const QRegularExpression neutral(QStringLiteral("[\\s\\d\\[\\]/.,:-]"));
    return text.remove(neutral);
}

// Every text a window shows or says, as "object: text".
QStringList textsOf(QWidget *window)
{
    QStringList texts;
    const auto add = [&texts](const QObject *object, const QString &text) {
        if (!text.isEmpty())
            texts << object->objectName() + QStringLiteral(": ") + text;
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        if (widget->objectName().startsWith(QLatin1String("Scroll")))
            continue; // the tab strip's scroll buttons: Qt's own, in Qt's catalog
        add(widget, widget->accessibleName());
        add(widget, widget->toolTip());
        if (const auto *label = qobject_cast<QLabel *>(widget))
            add(label, label->text());
        if (const auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button, button->text());
        if (const auto *box = qobject_cast<QGroupBox *>(widget))
            add(box, box->title());
        if (const auto *pane = qobject_cast<RichPaneView *>(widget))
            add(pane, pane->toPlainText());
        if (const auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int index = 0; index < tabs->count(); ++index)
                add(tabs, tabs->tabText(index));
        }
        if (const auto *list = qobject_cast<QComboBox *>(widget)) {
            for (int index = 0; index < list->count(); ++index)
                add(list, list->itemText(index));
        }
        if (const auto *menu = qobject_cast<QMenu *>(widget))
            add(menu, menu->title());
        for (const QAction *action : widget->actions())
            add(action, action->text());
    }
    return texts;
}

// The controls of a window whose text is too long for them, as "object:
// needed > room": a one-line text by its width, a wrapping one by its lines.
// (A line's height is the font's matter, not the text's: a Chinese line is
// taller than a line of the window font, and is counted as one line.)
QStringList overflowsIn(QWidget *window)
{
    QStringList overflows;
    const auto check = [&overflows](const QWidget *widget, const QString &what, int needed,
                                    int room) {
        if (needed > room)
            overflows << QStringLiteral("%1 %2: %3 > %4")
                             .arg(widget->objectName(), what)
                             .arg(needed)
                             .arg(room);
    };
    const auto checkLines = [&check](const QWidget *widget, const QString &text, QRect room) {
        const QFontMetrics metrics(widget->font());
        const int line = metrics.boundingRect(QRect(0, 0, 100000, 1000), 0, text).height();
        const int height =
            metrics.boundingRect(room.adjusted(0, 0, 0, 1000), Qt::TextWordWrap, text).height();
        check(widget, QStringLiteral("lines"), height / line,
              qMax(1, room.height() / metrics.lineSpacing()));
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QFontMetrics metrics(widget->font());
        if (const auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            if (label->wordWrap())
                checkLines(label, label->text(), label->contentsRect());
            else
                check(label, QStringLiteral("width"), metrics.horizontalAdvance(label->text()),
                      label->contentsRect().width());
        } else if (const auto *button = qobject_cast<QPushButton *>(widget)) {
            const QString caption = QString(button->text()).remove(QLatin1Char('&'));
            if (widget->inherits("WrappingButton")) // its own margins
                checkLines(button, caption, button->rect().adjusted(4, 2, -4, -2));
            else // inside the frame
                check(button, QStringLiteral("width"), metrics.horizontalAdvance(caption),
                      button->width() - 6);
        } else if (const auto *box = qobject_cast<QGroupBox *>(widget)) {
            check(box, QStringLiteral("title"), metrics.horizontalAdvance(box->title()),
                  box->width() - 16);
        } else if (const auto *list = qobject_cast<QComboBox *>(widget)) {
            for (int index = 0; index < list->count(); ++index)
                check(list, list->itemText(index), metrics.horizontalAdvance(list->itemText(index)),
                      list->width() - 24);
        }
    }
    return overflows;
}

struct Run
{
    int status;
    QString out;
    QString err;
};

Run report(const QStringList &arguments, ReportCommand::EngineSteps steps = {})
{
    Run run{-1, {}, {}};
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    ReportCommand command(steps ? steps : CalculationSteps::engineSteps);
    qint64 now = 0;
    command.setProgressTerminal(true, [&now] { return now += 700; });
    run.status = command.run(arguments, out, err);
    return run;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogOfTheDesktopsLanguages_data();
    void catalogOfTheDesktopsLanguages();
    void everyTextGoesThroughTheCatalogs_data();
    void everyTextGoesThroughTheCatalogs();
    void keysAndFilesStayEnglish_data();
    void keysAndFilesStayEnglish();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void catalogsAreCompleteAndCurrent_data();
    void catalogsAreCompleteAndCurrent();
    void cleanup() { deleteAllWindows(); }

private:
    QTemporaryDir m_files;
};

void TestTranslations::catalogOfTheDesktopsLanguages_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("catalog");
    QTest::newRow("zh_CN") << QStringList{"zh-CN", "zh-Hans-CN", "zh"} << "zh_CN";
    QTest::newRow("zh_TW") << QStringList{"zh-TW", "zh-Hant-TW"} << "zh_TW";
    QTest::newRow("zh_HK: Traditional") << QStringList{"zh-HK", "zh-Hant-HK"} << "zh_TW";
    QTest::newRow("zh_SG: Simplified") << QStringList{"zh-SG", "zh-Hans-SG"} << "zh_CN";
    QTest::newRow("zh_MO: Traditional") << QStringList{"zh-MO"} << "zh_TW";
    QTest::newRow("C") << QStringList{"C"} << "";
    QTest::newRow("en_US") << QStringList{"en-US", "en"} << "";
    QTest::newRow("de_DE: no catalog") << QStringList{"de-DE", "de"} << "";
    QTest::newRow("LANGUAGE=fr:zh_TW") << QStringList{"fr-FR", "fr", "zh-TW"} << "zh_TW";
    QTest::newRow("LANGUAGE=en:zh_CN") << QStringList{"en-GB", "zh-CN"} << "";
}

void TestTranslations::catalogOfTheDesktopsLanguages()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, catalog);
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    const Translations translations(languages, kFolders);
    QCOMPARE(translations.catalog(), catalog);
    // Qt's own buttons come in the same language, or stay English with the program.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") != yes, !catalog.isEmpty());
}

void TestTranslations::everyTextGoesThroughTheCatalogs_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::newRow("zh_CN") << "zh_CN";
    QTest::newRow("zh_TW") << "zh_TW";
}

void TestTranslations::everyTextGoesThroughTheCatalogs()
{
    QFETCH(QString, catalog);
    MarkingTranslator marking(catalogPath(catalog));
    QVERIFY(marking.m_loaded);
    Translations::install(marking);
    const auto uninstall = qScopeGuard([&marking] { Translations::remove(marking); });
    QStringList untranslated;
    const auto check = [&untranslated](const QStringList &texts, const QStringList &data = {}) {
        for (const QString &text : texts) {
            if (const QString rest = unmarked(text.section(QStringLiteral(": "), 1), data);
                !rest.isEmpty())
                untranslated << text.left(80) + QStringLiteral(" -> ") + rest;
        }
    };
    const QStringList exempt = {ProductTexts::windowCaption(), QStringLiteral("Numorra"),
                                QStringLiteral("Anna Lee"), QStringLiteral("\u738b"),
                                ShortDate::toText(QDate(1980, 3, 5))};

    // The windows, each in every state it has.
    RecordingPlatform platform;
    ApplicationShell shell(platform);
    frmMain *main = shell.openMainWindow();
    check(textsOf(main), exempt);
    main->RunCalculation(); // no name
    enterDetails(main, "Anna Lee", "30", "February", "1980");
    main->RunCalculation();
    enterDetails(main, "Anna Lee", "31", "April", "1980");
    main->RunCalculation();
    platform.chosenFiles.enqueue(m_files.filePath("missing.qnr"));
    main->OpenReadingFile();
    enterDetails(main, "Anna Lee", "5", "March", "1980");
    main->RunCalculation();
    frmNineStar *reading = shell.readingWindow();
    check(textsOf(reading), exempt);
    auto *preview = new frmSave(platform, shell.personalDetails(), reading->results(), reading);
    check(textsOf(preview), exempt);
    for (const auto outcome :
         {Platform::PrintOutcome::QueuedWhileStopped, Platform::PrintOutcome::NoPrintSystem,
          Platform::PrintOutcome::NoPrintServer, Platform::PrintOutcome::NoPrinter,
          Platform::PrintOutcome::Refused, Platform::PrintOutcome::DocumentNotMade}) {
        platform.printOutcome = outcome;
        preview->PrintReport();
    }
    platform.chosenFiles << m_files.filePath("no folder/a.qnr")
                         << m_files.filePath("no folder/a.pdf") << m_files.filePath("missing.qfs");
    preview->SaveReading();
    preview->exportPdf();
    preview->OpenNineStarFile();
    check(textsOf(new frmAbout(platform, reading)), exempt);
    PersonalDetails chinese = shell.personalDetails();
    chinese.Name = QStringLiteral("\u738b");
    frmSave(platform, chinese, reading->results()).SaveReading(); // the name warning

    // The messages and dialogs of the start, the reminder and the file dialogs.
    modHelp::RemindUpdate(platform);
    platform.todayDate = platform.todayDate.addDays(20);
    modHelp::RemindUpdate(platform);
    platform.otherInstanceRunning = true;
    ApplicationShell(platform).StartApplication();
    QFile readOnly(m_files.filePath("read-only.qnr"));
    QVERIFY(readOnly.open(QIODevice::WriteOnly));
    readOnly.setPermissions(QFileDevice::ReadOwner);
    const FileDialog dialog(Platform::FileDialogRequest::toSave({}, {}, {}),
                            QFileDialog::AcceptSave);
    QStringList messages = {dialog.refusal(readOnly.fileName()),
                            dialog.refusal(m_files.filePath("no folder/a.qnr"))};
    for (const RecordingPlatform::Message &message : std::as_const(platform.messages))
        messages << message.text;
    QCOMPARE(messages.size(), 18);
    // The titles and filters of the file dialogs, but for the program's own
    // name in the dialogs of reading files.
    for (const Platform::FileDialogRequest &request : std::as_const(platform.fileDialogs))
        messages << request.title << request.filter;
    messages.removeAll(Platform::applicationTitle());
    messages.removeAll(QStringLiteral("Numorra (*.qnr)|*.qnr"));
    messages.removeAll(QStringLiteral("Numorra | *.qnr"));
    check(messages.replaceInStrings(QRegularExpression(QStringLiteral("^")), QStringLiteral(": ")),
          {m_files.path(), QStringLiteral("\u738b"), QDir::tempPath()});

    // numorra-report: help, usage errors, file problems, a failed step, progress, report.
    const QString saved = m_files.filePath("anna.qnr");
    QVERIFY(ReadingFile::write(saved, shell.personalDetails(), nullptr));
    QFile text(m_files.filePath("a.txt"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.close();
    const QString bad = m_files.filePath("bad.qnr");
    QFile badFile(bad);
    QVERIFY(badFile.open(QIODevice::WriteOnly) && badFile.write("\x01") == 1);
    badFile.close();
    const QString february = m_files.filePath("february.qnr");
    QVERIFY(ReadingFile::write(february, {"Anna Lee", "30", "February", "1980", {}}, nullptr));
    const auto failing = [](const PersonalDetails &details, ReadingResults &results) {
        CalculationStepList steps = CalculationSteps::engineSteps(details, results);
        steps.front().run = [] {
            throw std::runtime_error("made to fail");
        };
        return steps;
    };
    QStringList output;
    for (const QStringList &arguments : QList<QStringList>{
             {"--help"},
             {"--name", "Anna Lee", "--month", "Foo"},
             {"--name", "Anna Lee", "--day", "40"},
             {"--name", "Anna Lee", "--year", "3000"},
             {"--name", "Anna Lee", "--date", "1980"},
             {"--colour"},
             {"--pdf"},
             {"--json", "--pdf", "-", saved},
             {"--name", "Anna Lee", "--date", "1980-03-05", "--day", "5"},
             {"--name", "Anna Lee", saved},
             {},
             {"--name", "Anna Lee", "--name", "Bo"},
             {"--name", "Anna\nLee"},
             {"--name", QString(40000, u'x')},
             {saved, m_files.filePath("missing.qnr"), m_files.path(), m_files.filePath("a.txt"),
              bad, february, "--pdf", m_files.filePath("no folder/a.pdf")},
             {"--pdf", "-", saved},
             {saved, saved}}) {
        const Run run = report(arguments);
        output << run.out.split(u'\f') << run.err;
    }
    output << report({"--name", "Anna Lee"}, failing).err;
    check(output.replaceInStrings(QRegularExpression(QStringLiteral("^")), QStringLiteral(": ")),
          {QStringLiteral("numorra-report: "), m_files.path(), QStringLiteral("missing.qnr"),
           QStringLiteral("a.txt"), QStringLiteral("bad.qnr"), QStringLiteral("february.qnr"),
           QStringLiteral("Anna Lee"), ShortDate::toText(QDate(1980, 3, 5)),
           QStringLiteral("made to fail"),
           // The options of the help as they are typed, in any language
           QStringLiteral("--name NAME"), QStringLiteral("--date YYYY-MM-DD"),
           QStringLiteral("--day D"), QStringLiteral("--month MONTH"),
           QStringLiteral("--year YYYY"), QStringLiteral("--list LIST.csv"),
           QStringLiteral("--json"), QStringLiteral("--pdf OUT.pdf"),
           QStringLiteral("--save FOLDER"), QStringLiteral("--verbose"),
           QStringLiteral("-h, --help"), QStringLiteral("--version"),
           // Qt's own, in Qt's catalog
           QCoreApplication::translate("QCommandLineParser", "Missing value after '%1'.")
               .arg(QStringLiteral("--pdf"))});
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestTranslations::keysAndFilesStayEnglish_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::newRow("zh_CN") << "zh_CN";
    QTest::newRow("zh_TW") << "zh_TW";
}

// Under Chinese, a reading looks its pictures and description up by the
// English keys, the month list shows Chinese but captures, saves and reopens
// the English month, and numorra-report takes English month names and gives
// English JSON: the files and settings hold what they hold in English.
void TestTranslations::keysAndFilesStayEnglish()
{
    QFETCH(QString, catalog);
    const PersonalDetails anna = PersonalDetailsRules::capture("Anna Lee", "5", "March", "1980");
    const QString written = m_files.filePath("written in English.qnr");
    QVERIFY(ReadingFile::write(written, anna, nullptr));
    QMap<QString, QString> englishSettings;
    for (const QString &language : {QStringLiteral("C"), catalog}) {
        const Translations translations({language}, kFolders);
        RecordingPlatform platform;
        ApplicationShell shell(platform);
        shell.openMainWindow()->openReadingFile(written);
        QCOMPARE(shell.personalDetails().BirthMonth, QStringLiteral("March"));
        QCOMPARE(shell.personalDetails().BirthDate, anna.BirthDate);
        const QString saved = m_files.filePath(language + QStringLiteral(".qnr"));
        platform.chosenFiles << saved;
        frmSave(platform, shell.personalDetails(), shell.readingWindow()->results()).SaveReading();
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ReadingFile::compose(anna));
        modHelp::RemindUpdate(platform);
        if (language == QLatin1String("C"))
            englishSettings = platform.settings;
        QCOMPARE(platform.settings, englishSettings);
    }

    const Translations translations({catalog}, kFolders);
    RecordingPlatform platform;
    ApplicationShell shell(platform);
    frmMain *main = shell.openMainWindow();
    enterDetails(main, "Anna Lee", "5", "March", "1980");
    QCOMPARE(main->fraDetails->cboMonth->currentText(),
             QCoreApplication::translate("PersonalDetails", "March"));
    QVERIFY(main->fraDetails->cboMonth->currentText() != QLatin1String("March"));
    main->RunCalculation();
    frmNineStar *reading = shell.readingWindow();
    const ReadingResults &results = reading->results();
    QCOMPARE(results.lblFengShuiElement, QStringLiteral("Earth"));
    QCOMPARE(results.imgElement, QStringLiteral("Earth"));
    QCOMPARE(results.imgTrigram, QStringLiteral("Kun"));
    const ElementPane *pane = reading->picNineStar;
    QVERIFY(!pane->imgElement->picture().isNull());
    QVERIFY(!pane->imgTrigram->picture().isNull());
    QCOMPARE(pane->lblFengShuiElement->text(), ReadingResults::caption("Earth"));
    QVERIFY(pane->lblFengShuiElement->text() != QLatin1String("Earth"));
    const QString description = pane->lblElementDesc->text();
    QVERIFY(description.startsWith(QCoreApplication::translate(
        "ElementDescriptions", modFengShui::ElementDescriptions().at(1).paragraph.toLatin1())));
    QVERIFY(!description.contains(QLatin1String("Element")));

    // numorra-report: English month names on the command line, English JSON.
    const Run json = report(
        {"--json", "--name", "Anna Lee", "--month", "march", "--day", "5", "--year", "1980"});
    QCOMPARE(json.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(
        object.value("fengShui").toObject(),
        QJsonObject({{"number", 2}, {"group", "West"}, {"element", "Earth"}, {"trigram", "Kun"}}));
    QCOMPARE(object.value("favourable").toArray().at(0).toObject().value("direction"), "North");
    const Run files = report({"--json", written, m_files.filePath("none.qnr")});
    QVERIFY(files.out.contains("\"error\": \"no such file\""));
    QVERIFY(!files.err.contains("no such file"));
}

void TestTranslations::textsFitTheirControls_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::newRow("zh_CN") << "zh_CN";
    QTest::newRow("zh_TW") << "zh_TW";
    QTest::newRow("English, the design") << "C";
}

void TestTranslations::textsFitTheirControls()
{
    QFETCH(QString, catalog);
    if (catalog != QLatin1String("C") &&
        QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        QSKIP("No font has Chinese characters (fonts-noto-cjk): they cannot be measured.");
    const Translations translations({catalog}, kFolders);
    // NUMORRA_SHOTS=folder keeps a picture of each window there.
    const QString shots = qEnvironmentVariable("NUMORRA_SHOTS");
    QStringList clipped;
    const auto look = [&](QWidget *window, const QString &name) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        clipped << overflowsIn(window);
        if (!shots.isEmpty())
            window->grab().save(QStringLiteral("%1/%2-%3.png").arg(shots, catalog, name));
    };
    RecordingPlatform platform;
    ApplicationShell shell(platform);
    frmMain *main = shell.openMainWindow();
    enterDetails(main, "Anna Lee", "5", "March", "1980");
    look(main, QStringLiteral("main"));
    main->RunCalculation();
    frmNineStar *reading = shell.readingWindow();
    look(reading, QStringLiteral("reading"));
    reading->resize(reading->width(), 930); // the tab strip and the panes below
    for (int tab = 1; tab < 3; ++tab) {
        reading->TS->setCurrentIndex(tab);
        look(reading, QStringLiteral("reading-tab%1").arg(tab + 1));
    }
    look(new frmSave(platform, shell.personalDetails(), reading->results(), reading),
         QStringLiteral("preview"));
    look(new frmAbout(platform, reading), QStringLiteral("about"));
    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

void TestTranslations::catalogsAreCompleteAndCurrent_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::newRow("zh_CN") << "zh_CN";
    QTest::newRow("zh_TW") << "zh_TW";
}

// lupdate, run over the sources on a copy of the catalog, finds no text the
// catalog lacks and no entry whose text is gone; no entry is unfinished, and
// each translation keeps the source's %1, %2... and its access key.
void TestTranslations::catalogsAreCompleteAndCurrent()
{
    QFETCH(QString, catalog);
    const QString copy = m_files.filePath(QStringLiteral("numorra_%1.ts").arg(catalog));
    QFile::remove(copy);
    QVERIFY(QFile::copy(
        QStringLiteral(NUMORRA_SOURCE_DIR "/translations/numorra_%1.ts").arg(catalog), copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(NUMORRA_LUPDATE),
                  {"-silent", "-locations", "none", NUMORRA_SOURCE_DIR "/src", "-ts", copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList faults;
    QString context, source;
    int messages = 0;
    static const QRegularExpression placeholders(QStringLiteral("%\\d"));
    static const QRegularExpression accessKey(QStringLiteral("&([^&])"));
    const auto found = [](const QString &text, const QRegularExpression &pattern) {
        QStringList all;
        for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
            all << match.captured().toUpper();
        all.sort();
        return all;
    };
    // A line end in a text is an element of its own (<byte value="xd"/>).
    const auto text = QXmlStreamReader::IncludeChildElements;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText(text);
        else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString translation = xml.readElementText(text);
            const QString where = context + QStringLiteral(": ") + source.left(50);
            if (!type.isEmpty() || translation.isEmpty())
                faults << where + QStringLiteral(" is ") + (type.isEmpty() ? "empty" : type);
            else if (found(translation, placeholders) != found(source, placeholders) ||
                     found(translation, accessKey) != found(source, accessKey))
                faults << where + QStringLiteral(" -> ") + translation;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 150);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslations)
#include "TestTranslations.moc"
