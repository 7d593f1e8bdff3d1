// Which translation file the windowed program installs at start.
#pragma once

#include <QString>
#include <QStringList>

// The Japanese translation beside the executable in `appDir`, else in the
// shared data folder of an installed copy; empty when neither exists or the
// user's first language (`uiLanguages`, most wanted first) is not Japanese.
QString translation_file(const QString &appDir, const QStringList &uiLanguages);
