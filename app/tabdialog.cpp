#include "app/tabdialog.h"

#include "workers/registry.h"
#include "gui/console.h"
#include "gui/tababout.h"
#include "gui/tabgui.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

// The icons are compiled into a static library: the linker keeps them only
// when something asks for them by name, from outside any namespace.
static void init_console_icons()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

const char kStyleSheet[] =
    "QToolButton:hover{                         color:rgb(255, 255, 255);                        "
    "min-height:20;                        border-style:solid;                        "
    "border-top-left-radius:2px;                        border-top-right-radius:2px;          "
    "              background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop:0 rgb(226,236,241),"
    "                                                     stop: 0.3 rgb(160,160,160),          "
    "                                            stop: 1 rgb(120,120,120));                        "
    "border:1px;                        border-radius:5px;padding:2px 4px;                        "
    "}QToolButton:pressed{color:rgb(255, 255, 255);min-height:20;border-style:solid;"
    "border-top-left-radius:2px;border-top-right-radius:2px;background: qlineargradient(x1: 0, "
    "y1: 0, x2: 0, y2: 1, stop:0 rgb(226,236,241),                             stop: 0.3 "
    "rgb(190,190,190),                              stop: 1 rgb(160,160,160));border:1px;"
    "border-radius:5px;padding:2px 4px;}";

} // namespace

TabDialog::TabDialog(QWidget *parent)
    : QDialog(parent)
{
    init_console_icons();

    setWindowTitle(tr("Varno Quorvel client build - ") + QStringLiteral(__DATE__));
    setMinimumSize(400, 300);
    // The image the package installs as the program's icon.
    setWindowIcon(QIcon(QStringLiteral(":/images/quorvel.svg")));

    tabs = new QTabWidget(this);
    tabGui = new TabGui;
    tabs->addTab(tabGui, tr("Dump"));
    tabAbout = new TabAbout;
    tabs->addTab(tabAbout, tr("About"));

    auto *mainLayout = new QVBoxLayout;
    auto *consoleBar = new QHBoxLayout;

    for (const Family *family : families()) {
        QToolButton *button = new QToolButton(this);
        button->setIcon(console_icon(family->icon));
        button->setIconSize(QSize(36, 36));
        button->setToolTip(QString::fromLatin1(family->label));
        consoleBar->addWidget(button);
        consoleButtons.append(button);
    }
    consoleBar->setSpacing(2);
    setStyleSheet(QString::fromLatin1(kStyleSheet));
    consoleBar->addStretch();
    mainLayout->addLayout(consoleBar);
    mainLayout->addWidget(tabs);
    setLayout(mainLayout);

    for (QToolButton *button : consoleButtons)
        connect(button, SIGNAL(clicked()), this, SLOT(select_zuvava()));
    // Tab moves top to bottom: the bar, then the tabs and what they hold.
    for (int i = 1; i < consoleButtons.size(); ++i)
        setTabOrder(consoleButtons[i - 1], consoleButtons[i]);
    setTabOrder(consoleButtons.back(), tabs);
    // A family chosen during a run would receive that run's presets.
    connect(tabGui, &TabGui::busyChanged, this, [this](bool busy) {
        for (QToolButton *button : consoleButtons)
            button->setEnabled(!busy);
    });

    tabs->setTabText(0, QString::fromLatin1(families().front()->label));
    tabs->setTabIcon(0, consoleButtons[0]->icon());
}

void TabDialog::select_zuvava()
{
    if (tabs->currentIndex() != 0)
        return;
    auto *button = qobject_cast<QToolButton *>(sender());
    if (!button)
        return;
    const QString tip = button->toolTip();
    for (const Family *family : families()) {
        if (tip == QString::fromLatin1(family->label)) {
            tabs->setTabText(0, QString::fromLatin1(family->label));
            tabs->setTabIcon(0, button->icon());   // drawn once, for the bar
            if (auto *gui = qobject_cast<TabGui *>(tabs->currentWidget()))
                gui->selectConsole(family->code());
            return;
        }
    }
}

void TabDialog::keyPressEvent(QKeyEvent *event)
{
    // The dialog would close on Escape, and with it the program: a stray
    // key must not end a dump.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TabDialog::closeEvent(QCloseEvent *event)
{
    if (tabGui->dumpRunning() || tabGui->saveRunning()) {
        const QString question = tabGui->dumpRunning()
                                     ? tr("A dump is running. Cancel it and close the window?")
                                     : tr("A save memory operation is running. Cancel it and close the window?");
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        tabGui->cancelDump();
    }
    QDialog::closeEvent(event);
}
