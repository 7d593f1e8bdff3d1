// The main window with its console bar and tabs, the About page and the
// firmware update page.
#include "app/tabdialog.h"
#include "gui/about_info.h"
#include "gui/console.h"
#include "gui/settings.h"
#include "gui/tababout.h"
#include "gui/tabgui.h"
#include "gui/tabupdate.h"
#include "simulator/simulated_reader.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

namespace {

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(36, 36).toImage().convertToFormat(QImage::Format_ARGB32);
}

QStringList paragraphs(const Console *console)
{
    QStringList out;
    for (QTextBlock b = console->document()->begin(); b.isValid(); b = b.next())
        out << (b.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)
                    ? QStringLiteral("<hr>")
                    : b.text());
    return out;
}

const char *const kLabels[] = {"MD/GEN", "SMS", "MSX/MSX2", "SFC/SNES", "GB/GBC", "GBA"};
const char *const kIcons[] = {":/images/md.png",  ":/images/sms.png", ":/images/msx.png",
                              ":/images/sfc.png", ":/images/gb.png",  ":/images/gba.png"};
const int kCodes[] = {19, 18, 21, 15, 2, 3};

// Runs the update sequence without its 300 ms steps.
class QuickUpdate : public UpdateThread {
public:
    std::atomic<int> steps{0};

protected:
    void waitStep(const QElapsedTimer &stepClock) override
    {
        if (stepClock.isValid())
            ++steps;
    }
};

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void titleSizeAndTabs();
    void consoleBarOrderAndIcons();
    void consoleButtonSelectsFamily_data();
    void consoleButtonSelectsFamily();
    void consoleButtonIgnoredOnAboutTab();
    void aboutPage();
    void updatePageStartState();
    void updatePageStatus_data();
    void updatePageStatus();
    void updateSequence();

private:
    sim::SimulatedReader reader_;
    std::unique_ptr<sim::ScopedPlatform> scope_;
};

void TestWindow::initTestCase()
{
    scope_ = std::make_unique<sim::ScopedPlatform>(reader_);
}

void TestWindow::titleSizeAndTabs()
{
    TabDialog window;
    const QString title = window.windowTitle();
    QVERIFY2(title.startsWith(QStringLiteral("Varno Quorvel client build - ")), qPrintable(title));
    QVERIFY(title.endsWith(QStringLiteral(__DATE__)));
    QCOMPARE(window.minimumSize(), QSize(400, 300));

    QCOMPARE(window.tabs->count(), 2);
    QVERIFY(qobject_cast<TabGui *>(window.tabs->widget(0)));
    QVERIFY(qobject_cast<TabAbout *>(window.tabs->widget(1)));
    QCOMPARE(window.tabs->tabText(0), QStringLiteral("MD/GEN"));
    QCOMPARE(window.tabs->tabText(1), QStringLiteral("About"));
    QCOMPARE(iconImage(window.tabs->tabIcon(0)), iconImage(QIcon(kIcons[0])));
    QCOMPARE(window.tabs->currentIndex(), 0);
}

void TestWindow::consoleBarOrderAndIcons()
{
    TabDialog window;
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QList<QImage> seen;
    for (int i = 0; i < 6; ++i) {
        QToolButton *button = window.consoleButtons[i];
        QCOMPARE(button->toolTip(), QString::fromLatin1(kLabels[i]));
        QVERIFY(button->text().isEmpty());
        QCOMPARE(button->iconSize(), QSize(36, 36));
        const QImage image = iconImage(button->icon());
        QVERIFY2(!image.isNull(), kIcons[i]);
        QCOMPARE(image, iconImage(QIcon(kIcons[i])));
        QVERIFY2(!seen.contains(image), "every family has its own icon");
        seen << image;
        if (i > 0) {
            const QToolButton *left = window.consoleButtons[i - 1];
            QCOMPARE(button->y(), left->y());
            QCOMPARE(button->x() - (left->x() + left->width()), 2);
        }
    }
    // Packed to the left: the row ends well before the window's edge.
    QVERIFY(window.consoleButtons[5]->geometry().right() < window.width() / 2);
    QVERIFY(window.consoleButtons[0]->y() < window.tabs->y());
}

void TestWindow::consoleButtonSelectsFamily_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < 6; ++i)
        QTest::newRow(kLabels[i]) << i;
}

void TestWindow::consoleButtonSelectsFamily()
{
    QFETCH(int, row);
    TabDialog window;
    // Start from another family so that every row shows a change.
    QTest::mouseClick(window.consoleButtons[row == 1 ? 2 : 1], Qt::LeftButton);
    QTest::mouseClick(window.consoleButtons[row], Qt::LeftButton);

    QCOMPARE(window.tabs->tabText(0), QString::fromLatin1(kLabels[row]));
    QCOMPARE(iconImage(window.tabs->tabIcon(0)), iconImage(QIcon(kIcons[row])));
    QCOMPARE(window.tabGui->consoleCode, kCodes[row]);
    QCOMPARE(window.tabGui->settings->currentConsole, kCodes[row]);
    QCOMPARE(paragraphs(window.tabGui->console).last(),
             QStringLiteral("Select : ") + QLatin1String(kLabels[row]));
}

void TestWindow::consoleButtonIgnoredOnAboutTab()
{
    TabDialog window;
    window.tabs->setCurrentIndex(1);
    const QString log = window.tabGui->console->toHtml();
    QTest::mouseClick(window.consoleButtons[5], Qt::LeftButton);   // GBA
    QCOMPARE(window.tabs->tabText(0), QStringLiteral("MD/GEN"));
    QCOMPARE(iconImage(window.tabs->tabIcon(0)), iconImage(QIcon(kIcons[0])));
    QCOMPARE(window.tabGui->console->toHtml(), log);
    QCOMPARE(window.tabGui->consoleCode, 19);
    QCOMPARE(window.tabGui->settings->currentConsole, 19);
    QCOMPARE(window.tabs->currentIndex(), 1);
}

void TestWindow::aboutPage()
{
    TabAbout page;
    QCOMPARE(page.windowTitle(), QStringLiteral("About"));
    auto *group = page.findChild<QGroupBox *>();
    QVERIFY(group);
    QCOMPARE(group->title(), QStringLiteral("Varno Cartridge Driver/Zuvava"));

    const QString credits = page.creditsLabel->text();
    QVERIFY(credits.startsWith(QStringLiteral("* Squirrel 3.1 stable")));
    QVERIFY(credits.contains(QStringLiteral("\n\n* Qt 5.12.9")));
    QCOMPARE(page.productLabel->text(), QStringLiteral("Varno Cartridge Zuvava"));
    QCOMPARE(page.copyrightLabel->text(), QString::fromUtf8(about::kMakerCopyright));

    struct Link {
        QLabel *label;
        QString prefix, target;
    } links[] = {
        {page.webLabel, "Web site: ", about::kWebSite},
        {page.forumLabel, "Support BBS : ", about::kSupportForum},
        {page.emailLabel, "Email: ", QStringLiteral("mailto:") + about::kSupportEmail},
    };
    for (const Link &l : links) {
        QVERIFY(l.label->openExternalLinks());
        QVERIFY(l.label->text().startsWith(l.prefix));
        QVERIFY2(l.label->text().contains(QStringLiteral("href=\"%1\"").arg(l.target)),
                 qPrintable(l.label->text()));
    }
}

void TestWindow::updatePageStartState()
{
    TabUpdate page;
    QCOMPARE(page.updateButton->text(), QStringLiteral("Update Firmware"));
    QVERIFY(page.updateButton->isEnabled());
    QCOMPARE(page.updateProgress->maximum(), 1);
    QCOMPARE(page.updateProgress->value(), 0);
    const QStringList lines = paragraphs(page.updateLog);
    QCOMPARE(lines.mid(0, 2),
             (QStringList{"First turn off anti-virus software.",
                          "Next press \"Update Firmware\" to update firmware."}));
    QVERIFY(lines.size() > 2);
    QVERIFY(lines.last().isEmpty());
    QVERIFY(page.updateLog->isReadOnly());
    QVERIFY(!page.updateThread->isRunning());
}

void TestWindow::updatePageStatus_data()
{
    QTest::addColumn<int>("err");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("failure") << 0 << QStringList{">Operation failure.", "<hr>"};
    QTest::newRow("success") << 1 << QStringList{">Success!", "<hr>"};
    QTest::newRow("other") << 2 << QStringList{"<hr>"};
}

void TestWindow::updatePageStatus()
{
    QFETCH(int, err);
    QFETCH(QStringList, lines);
    TabUpdate page;
    page.updateButton->setEnabled(false);
    page.setProgress(40, 100);
    QCOMPARE(page.updateProgress->value(), 40);

    QStringList before = paragraphs(page.updateLog);
    page.print_error(err);
    QStringList after;
    for (const QString &line : paragraphs(page.updateLog).mid(before.size()))
        if (!line.trimmed().isEmpty())
            after << line;
    QCOMPARE(after, lines);
    QCOMPARE(page.updateProgress->maximum(), 1);
    QCOMPARE(page.updateProgress->value(), 0);
    QVERIFY(page.updateButton->isEnabled());
}

void TestWindow::updateSequence()
{
    QuickUpdate thread;
    QStringList trace;
    QObject receiver;
    connect(&thread, &UpdateThread::log, &receiver,
            [&](const QString &t) { trace << QStringLiteral("log ") + t; });
    connect(&thread, &UpdateThread::set_progress, &receiver,
            [&](int a, int b) { trace << QStringLiteral("progress %1 %2").arg(a).arg(b); });
    connect(&thread, &UpdateThread::error, &receiver,
            [&](int e) { trace << QStringLiteral("error %1").arg(e); });
    thread.start();
    QVERIFY(thread.wait(120000));
    QCoreApplication::processEvents();

    QStringList expected{"log Start update."};
    for (int i = 0; i < 100; ++i)
        expected << QStringLiteral("progress %1 100").arg(i);
    expected << "progress 1 1"
             << "error 1";
    QCOMPARE(trace, expected);
    QCOMPARE(thread.steps.load(), 100);
}

QTEST_MAIN(TestWindow)
#include "test_gui_window.moc"
