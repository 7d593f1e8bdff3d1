// Which translation file the windowed program installs at start.
#pragma once

#include <QString>
#include <QStringList>

// The Japanese translation beside the executable in `appDir`, else in the
// shared data folder of an installed copy; empty when neither exists or the
// user's first language (`uiLanguages`, most wanted first) is not Japanese.
QString translation_file(const QString &appDir, const QStringList &uiLanguages);

class QTranslator;
// Loads Qt's own Japanese texts (qtbase_ja.qm, or the combined qt_ja.qm,
// of Qt's translation folder).
bool load_qt_translation(QTranslator &translator);

// The faces that stand in for the characters the log's "Courier" lacks
// (Japanese), most wanted first: monospaced, from the packages the program
// depends on.
QStringList log_font_substitutes();
// Registers them for "Courier" with the font database.
void substitute_log_font();
