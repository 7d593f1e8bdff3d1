#include "cli/app.h"

#include <QCoreApplication>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    cli::install_signal_handlers();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const bool terminal = isatty(fileno(stderr)) != 0;
    return cli::run(QCoreApplication::arguments().mid(1), out, err, terminal);
}
