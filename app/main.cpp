#include "app/tabdialog.h"
#include "gui/translation.h"
#include "simulator/setup.h"

#include "quorvel_version.h"

#include <QApplication>
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

    QTranslator translator;
    const QString translation = translation_file(QCoreApplication::applicationDirPath(),
                                                 QLocale::system().uiLanguages());
    if (!translation.isEmpty()) {
        // An unreadable file leaves the translator empty: English texts.
        (void)translator.load(translation);
        app.installTranslator(&translator);
    }

    TabDialog window;
    window.setWindowFlags(Qt::Window);
    window.show();
    return app.exec();
}
