#include "gui/translation.h"

#include <QFile>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

QString translation_file(const QString &appDir, const QStringList &uiLanguages)
{
    // Now that the file ships with every copy, its presence no longer says
    // that the user reads Japanese: the language does.
    if (uiLanguages.isEmpty() || !uiLanguages.first().startsWith(QLatin1String("ja")))
        return QString();
    for (const char *place : {"/quorvel_jpn.qm", "/../share/quorvel/translations/quorvel_jpn.qm"}) {
        const QString path = appDir + QLatin1String(place);
        if (QFile::exists(path))
            return path;
    }
    return QString();
}

QStringList log_font_substitutes()
{
    // fonts-noto-cjk, then fonts-ipafont-gothic.
    return {QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic")};
}

void substitute_log_font()
{
    QFont::insertSubstitutions(QStringLiteral("Courier"), log_font_substitutes());
}

bool load_qt_translation(QTranslator &translator)
{
    // windeployqt ships only the combined qt_ja.qm.
    const QString dir = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    return translator.load(QStringLiteral("qtbase_ja"), dir) || translator.load(QStringLiteral("qt_ja"), dir);
}
