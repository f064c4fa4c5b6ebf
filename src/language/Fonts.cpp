#include "language/Fonts.h"

namespace Fonts {

namespace {

// Noto Sans CJK in the forms the locale's readers learnt; simplified where
// the locale says nothing of Chinese.
QString notoFace(const QLocale &locale)
{
    if (locale.language() != QLocale::Chinese || locale.script() != QLocale::TraditionalHanScript)
        return QStringLiteral("Noto Sans CJK SC");
    if (locale.territory() == QLocale::HongKong)
        return QStringLiteral("Noto Sans CJK HK");
    return QStringLiteral("Noto Sans CJK TC");
}

} // namespace

QString family()
{
    return QStringLiteral("Verdana");
}

QStringList families(const QLocale &locale)
{
    return QStringList{family(), QStringLiteral("DejaVu Sans")} + chineseFamilies(locale);
}

QStringList chineseFamilies(const QLocale &locale)
{
    if (locale.language() == QLocale::Japanese || locale.language() == QLocale::Korean)
        return {};
    return {notoFace(locale), QStringLiteral("WenQuanYi Zen Hei"),
            QStringLiteral("Droid Sans Fallback"), QStringLiteral("WenQuanYi Micro Hei")};
}

} // namespace Fonts
