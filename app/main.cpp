#include "app/tabdialog.h"
#include "simulator/setup.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("quorvel %s\n", QUORVEL_VERSION);
            return 0;
        }
    }

    // QUORVEL_SIMULATE runs the program against a simulated reader.
    std::string error;
    if (!sim::install_from_environment(&error) && !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }

    // Both must be set before the application object exists: text and
    // icons then follow the screen's scale instead of staying at 96 dpi.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // The translation lies beside the executable in a build, or in the
    // shared data folder of an installed copy. Now that it ships with the
    // program, it is taken only by users whose language is Japanese.
    QTranslator translator;
    const QString dir = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        dir + QStringLiteral("/quorvel_jpn.qm"),
        dir + QStringLiteral("/../share/quorvel/translations/quorvel_jpn.qm"),
    };
    const QStringList languages = QLocale::system().uiLanguages();
    const bool japanese = !languages.isEmpty() && languages.first().startsWith(QLatin1String("ja"));
    for (const QString &translation : candidates) {
        if (japanese && QFile::exists(translation)) {
            // An unreadable file leaves the translator empty: English texts.
            (void)translator.load(translation);
            app.installTranslator(&translator);
            break;
        }
    }

    TabDialog window;
    window.setWindowFlags(Qt::Window);
    window.show();
    return app.exec();
}
