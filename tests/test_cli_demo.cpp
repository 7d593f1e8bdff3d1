// Round trips through `auto` with no size or mapper given: the demonstration
// cartridges, and Mega Drive and Master System cartridges that only their
// header or their bus can size.
#include "cli/app.h"
#include "simulator/demo.h"
#include "support/carts.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray sms_cart(int kib, bool header)
{
    const QByteArray rom = random_image(kib * 1024, quint32(kib));
    const char code = kib == 32 ? 0x4C : kib == 128 ? 0x4F : 0x41;
    return header ? sms_image(rom, 0x7FF0, QByteArray("\x99\x98\x00", 3) + code) : rom;
}

} // namespace

class TestCliDemo : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QByteArray>("image");     // empty: the family's demonstration cartridge
        QTest::addColumn<QString>("checksumLine");  // empty: none expected

        for (const char *family : {"md", "sms", "sfc", "gb"})
            QTest::newRow(qPrintable(QStringLiteral("demo %1").arg(family))) << family << QByteArray() << "Header checksum OK.";
        QTest::newRow("demo gba") << "gba" << QByteArray() << "Header checksum OK.";
        QTest::newRow("demo msx") << "msx" << QByteArray() << "";
        for (int kib : {256, 1024, 4096})
            QTest::newRow(qPrintable(QStringLiteral("md %1 KiB").arg(kib))) << "md" << md_image(random_image(kib * 1024, quint32(kib)), quint32(kib * 1024 - 1)) << "Header checksum OK.";
        for (int kib : {32, 128, 512}) {
            QTest::newRow(qPrintable(QStringLiteral("sms %1 KiB, header").arg(kib))) << "sms" << sms_cart(kib, true) << "Header checksum OK.";
            QTest::newRow(qPrintable(QStringLiteral("sms %1 KiB, no header").arg(kib))) << "sms" << sms_cart(kib, false) << "";
        }
    }
    void roundTrip()
    {
        QFETCH(QString, family);
        QFETCH(QByteArray, image);
        QFETCH(QString, checksumLine);

        QTemporaryDir dir;
        QString source = QStringLiteral("demo");
        if (image.isEmpty()) {
            const std::vector<uint8_t> demo = sim::demo_image(family.toStdString());
            image = QByteArray(reinterpret_cast<const char *>(demo.data()), int(demo.size()));
        } else {
            source = dir.filePath("cart.bin");
            QFile f(source);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(image) == image.size());
        }
        const QString target = dir.filePath("out.bin");
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int status = cli::run({"auto", "--console", family, "--simulate", source, target}, outStream, errStream, false);
        outStream.flush();
        errStream.flush();
        QVERIFY2(status == 0, qPrintable(out + err));
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll() == image);
        if (!checksumLine.isEmpty())
            QVERIFY2(out.contains(checksumLine + "\n>Success!"), qPrintable(out));
        QVERIFY2(!out.contains("Warning"), qPrintable(out));
    }

    // Nothing determined at all: `auto` stops before any dump.
    void nothingDetermined()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("cart.bin");
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(random_image(0x20000, 3)) == 0x20000);
        f.close();
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const QString target = dir.filePath("out.md");
        QCOMPARE(cli::run({"auto", "--console", "md", "--simulate", source, target}, outStream, errStream, false), 1);
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(TestCliDemo)
#include "test_cli_demo.moc"
