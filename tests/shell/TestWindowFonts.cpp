// The windows' faces under the desktop's language. CTest runs this test under
// C, zh_CN and zh_TW with Noto Sans CJK installed, where fontconfig would
// answer "Verdana" with a Chinese face and its taller lines clip the labels.
#include "RecordingPlatform.h"
#include "TestWindows.h"
#include "language/Translations.h"
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
#include <QTextLayout>
#include <QtTest>

namespace {

const QSet<QString> kLatinFaces{"Verdana", "DejaVu Sans"};

// The faces that draw a name of Latin and Chinese letters; "?" for a glyph no face has.
QSet<QString> facesOfName(const QFont &font)
{
    QTextLayout layout(QStringLiteral("Wang \u738B\u5C0F\u660E"), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QSet<QString> faces;
    for (const QGlyphRun &run : layout.glyphRuns())
        faces << (run.glyphIndexes().contains(0) ? "?" : run.rawFont().familyName());
    return faces;
}

// The labels of a window shown that are not in a Latin face, or whose text does not fit.
QStringList wrongLabels(QWidget *window)
{
    window->show();
    QStringList wrong;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        if (label->isVisibleTo(window) && !label->text().isEmpty() &&
            (!kLatinFaces.contains(QFontInfo(label->font()).family()) || needed > label->height()))
            wrong << label->objectName();
    }
    return wrong;
}

} // namespace

class TestWindowFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void latinFacesWithChineseFallback();
};

void TestWindowFonts::latinFacesWithChineseFallback()
{
    // The windows in the desktop's language, as the program shows them.
    const Translations translations(QLocale::system().uiLanguages(), {NUMORRA_CATALOGS});
    RecordingPlatform platform;
    ApplicationShell shell(platform);
    frmMain *main = shell.openMainWindow();
    QCOMPARE(wrongLabels(main), QStringList());
    const QFont nameFont = main->fraDetails->txtName->font();
    const bool traditional = qEnvironmentVariable("LANG").startsWith("zh_TW");
    const QSet<QString> nameFaces{QFontInfo(nameFont).family(),
                                  traditional ? "Noto Sans CJK TC" : "Noto Sans CJK SC"};
    QCOMPARE(facesOfName(nameFont), nameFaces);
    enterDetails(main, "Anna Lee", "5", "March", "1980");
    main->RunCalculation();
    frmNineStar *reading = shell.readingWindow();
    QCOMPARE(wrongLabels(reading), QStringList());
    auto *preview = new frmSave(platform, shell.personalDetails(), reading->results());
    QCOMPARE(wrongLabels(preview), QStringList());
    QTextCursor inName(preview->RTB->document());
    inName.setPosition(1);
    QCOMPARE(facesOfName(inName.charFormat().font()), nameFaces);
    QCOMPARE(facesOfName(PdfFile::reportFont()), nameFaces);
    QCOMPARE(wrongLabels(new frmAbout(platform)), QStringList());
    deleteAllWindows();
}

QTEST_MAIN(TestWindowFonts)
#include "TestWindowFonts.moc"
