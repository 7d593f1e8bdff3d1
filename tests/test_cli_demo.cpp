// Round trips through `auto` with no size or mapper given: the demonstration
// cartridges, and Mega Drive and Master System cartridges that only their
// header or their bus can size.
#include "cli/app.h"
#include "simulator/demo.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray patterned(int size, quint32 seed)
{
    QByteArray image(size, '\0');
    quint32 x = seed;
    for (char &b : image) {
        x = x * 1103515245u + 12345u;
        b = char(x >> 16);
    }
    return image;
}

void put_be32(QByteArray &image, int pos, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        image[pos + i] = char(v >> (24 - 8 * i));
}

// A Mega Drive header declaring the image's size, with its checksum.
QByteArray md_cart(int size)
{
    QByteArray rom = patterned(size, quint32(size));
    rom.replace(0x100, 16, "SEGA GENESIS    ");
    rom.replace(0x110, 16, "(C)T-99 1994.MAR");
    rom.replace(0x180, 14, "GM T-99999 -00");
    put_be32(rom, 0x1A0, 0);
    put_be32(rom, 0x1A4, quint32(size - 1));
    quint16 sum = 0;
    for (int i = 0x200; i < size; i += 2)
        sum = quint16(sum + (quint8(rom[i]) << 8 | quint8(rom[i + 1])));
    rom[0x18E] = char(sum >> 8);
    rom[0x18F] = char(sum);
    return rom;
}

// With `header`, a "TMR SEGA" header at 0x7FF0 whose size code says the size.
QByteArray sms_cart(int size, bool header)
{
    QByteArray rom = patterned(size, quint32(size) + 7);
    if (!header)
        return rom;
    const int code = size == 32768 ? 0xC : size == 131072 ? 0xF : 0x1;
    rom.replace(0x7FF0, 8, "TMR SEGA");
    rom[0x7FFC] = 0x99;
    rom[0x7FFD] = 0x98;
    rom[0x7FFE] = 0x00;
    rom[0x7FFF] = char(0x40 | code);
    quint16 sum = 0;
    for (int i = 0; i < size; ++i)
        if (i < 0x7FF0 || i >= 0x8000)
            sum = quint16(sum + quint8(rom[i]));
    rom[0x7FFA] = char(sum);
    rom[0x7FFB] = char(sum >> 8);
    return rom;
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
        for (int kib : {256, 1024, 4096})
            QTest::newRow(qPrintable(QStringLiteral("md %1 KiB").arg(kib))) << "md" << md_cart(kib * 1024) << "Header checksum OK.";
        for (int kib : {32, 128, 512}) {
            QTest::newRow(qPrintable(QStringLiteral("sms %1 KiB, header").arg(kib))) << "sms" << sms_cart(kib * 1024, true) << "Header checksum OK.";
            QTest::newRow(qPrintable(QStringLiteral("sms %1 KiB, no header").arg(kib))) << "sms" << sms_cart(kib * 1024, false) << "";
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
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(patterned(0x20000, 3)) == 0x20000);
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
