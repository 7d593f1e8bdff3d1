#include "app/tabdialog.h"
#include "simulator/setup.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <QTranslator>

#include <cstdio>
#include <string>

int main(int argc, char *argv[])
{
    // QUORVEL_SIMULATE runs the program against a simulated reader.
    std::string error;
    if (!sim::install_from_environment(&error) && !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QTranslator translator;
    const QString translation = QCoreApplication::applicationDirPath()
        + QStringLiteral("/quorvel_jpn.qm");
    if (QFile::exists(translation)) {
        // An unreadable file leaves the translator empty: English texts.
        (void)translator.load(translation);
        app.installTranslator(&translator);
    }

    TabDialog window;
    window.setWindowFlags(Qt::Window);
    window.show();
    return app.exec();
}
