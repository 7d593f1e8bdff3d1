// The demonstration cartridges: sound headers, and no claim to be a real game.
#include "cli/app.h"
#include "simulator/demo.h"
#include "workers/verify/verify.h"

#include <QtTest>

namespace {

QByteArray demo(const QString &family)
{
    const std::vector<uint8_t> image = sim::demo_image(family.toStdString());
    return QByteArray(reinterpret_cast<const char *>(image.data()), int(image.size()));
}

} // namespace

class TestCliDemo : public QObject {
    Q_OBJECT
private slots:
    void headerChecksumsHold_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("console");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("headerByte");   // a byte the checksum covers

        QTest::newRow("gb") << "gb" << 2 << 131072 << 0x134;
        QTest::newRow("gba") << "gba" << 3 << 1048576 << 0xA0;
        QTest::newRow("sfc") << "sfc" << 15 << 524288 << 0x7FC0;
        QTest::newRow("md") << "md" << 19 << 524288 << 0x200;
    }

    void headerChecksumsHold()
    {
        QFETCH(QString, family);
        QFETCH(int, console);
        QFETCH(int, size);
        QFETCH(int, headerByte);

        QByteArray image = demo(family);
        QCOMPARE(image.size(), size);
        QCOMPARE(verify::check_header(console, image), verify::HeaderCheck::Ok);
        // The same image stays the same: the demos are made, not drawn at random.
        QCOMPARE(demo(family), image);
        image[headerByte] = char(image[headerByte] ^ 0x20);
        QCOMPARE(verify::check_header(console, image), verify::HeaderCheck::Mismatch);
    }

    // No title table knows a demo, and there is none for an unknown family.
    void noTitleTableKnowsThem()
    {
        for (const char *family : {"md", "sms"}) {
            QString out, err;
            QTextStream outStream(&out), errStream(&err);
            const int status = cli::run({"info", "--console", family, "--simulate", "demo"}, outStream, errStream, false);
            outStream.flush();
            QCOMPARE(status, 0);
            QVERIFY2(out.contains(QStringLiteral("Can not auto detect cartridge information\n")), family);
        }
        int mapper = 7;
        QVERIFY(sim::demo_image("nes", &mapper).empty());
        QCOMPARE(mapper, -1);
    }
};

QTEST_GUILESS_MAIN(TestCliDemo)
#include "test_cli_demo.moc"
