// The windows' faces under the desktop's language. CTest runs this test under
// C, zh_CN and zh_TW with Noto Sans CJK installed, where fontconfig would
// answer "Verdana" with a Chinese face: Latin text stays in its Latin face,
// so every label shows its text whole, and Chinese characters are drawn in
// the Noto face of the language's script.
#include "RecordingPlatform.h"
#include "TestWindows.h"
#include "printing/PdfFile.h"
#include "readingwindows/RichPaneView.h"
#include "readingwindows/frmNineStar.h"
#include "readingwindows/frmSave.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"

#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QRawFont>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

const QStringList kLatinFaces{"Verdana", "DejaVu Sans"};

// The faces that draw `text` laid out in `font`, "?" for a glyph no face has.
QSet<QString> facesOf(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QSet<QString> faces;
    for (const QGlyphRun &run : layout.glyphRuns())
        faces << (run.glyphIndexes().contains(0) ? "?" : run.rawFont().familyName());
    return faces;
}

// True when `font` draws a name of Latin and Chinese letters in a Latin face and `face`.
bool drawsChineseIn(const QFont &font, const QString &face)
{
    const QSet<QString> faces = facesOf(QStringLiteral("Wang \u738B\u5C0F\u660E"), font);
    return faces.size() == 2 && faces.contains(face) &&
           faces.intersects(QSet<QString>(kLatinFaces.begin(), kLatinFaces.end()));
}

} // namespace

class TestWindowFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelsShowTheirTextWhole_data();
    void labelsShowTheirTextWhole();
    void chineseNameInTheLanguagesFace();

private:
    RecordingPlatform m_platform;
};

void TestWindowFonts::labelsShowTheirTextWhole_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"frmMain", "frmNineStar", "frmSave", "frmAbout"})
        QTest::newRow(window) << window;
}

void TestWindowFonts::labelsShowTheirTextWhole()
{
    QFETCH(QString, window);
    ApplicationShell shell(m_platform);
    frmMain *main = shell.openMainWindow();
    enterDetails(main, "Anna Lee", "5", "March", "1980");
    main->RunCalculation();
    frmNineStar *reading = shell.readingWindow();
    QWidget *shown = main;
    if (window == "frmNineStar")
        shown = reading;
    else if (window == "frmSave")
        shown = new frmSave(m_platform, shell.personalDetails(), reading->results());
    else if (window == "frmAbout")
        shown = new frmAbout(m_platform);
    shown->show();
    for (const QLabel *label : shown->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(shown))
            continue;
        const QString name = label->objectName();
        QVERIFY2(kLatinFaces.contains(QFontInfo(label->font()).family()), qPrintable(name));
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(needed <= label->height(), qPrintable(name));
    }
    deleteAllWindows();
}

void TestWindowFonts::chineseNameInTheLanguagesFace()
{
    const QString face =
        qEnvironmentVariable("LANG").startsWith("zh_TW") ? "Noto Sans CJK TC" : "Noto Sans CJK SC";
    ApplicationShell shell(m_platform);
    frmMain *main = shell.openMainWindow();
    QVERIFY(drawsChineseIn(main->fraDetails->txtName->font(), face));
    enterDetails(main, "Anna Lee", "5", "March", "1980");
    main->RunCalculation();
    auto *preview =
        new frmSave(m_platform, shell.personalDetails(), shell.readingWindow()->results());
    QVERIFY(drawsChineseIn(preview->RTB->document()->begin().charFormat().font(), face));
    QVERIFY(drawsChineseIn(PdfFile::reportFont(), face));
    deleteAllWindows();
}

QTEST_MAIN(TestWindowFonts)
#include "TestWindowFonts.moc"
