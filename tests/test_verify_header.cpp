#include "device/checksum.h"
#include "simulator/gbc_cartridge.h"
#include "support/carts.h"
#include "workers/types.h"
#include "support/harness.h"
#include "workers/gbc/gbc_threads.h"
#include "workers/verify/verify.h"

#include <QtTest>
#include <cstring>

using verify::HeaderCheck;

Q_DECLARE_METATYPE(verify::HeaderCheck)
Q_DECLARE_METATYPE(DumpOutcome)

namespace {

quint8 at(const QByteArray &image, int i) { return quint8(image[i]); }

QByteArray bumped(QByteArray image, int i, int delta = 1)
{
    image[i] = char(at(image, i) + delta);
    return image;
}

QByteArray gb_image(QByteArray image)
{
    quint8 header = 0;
    for (int i = 0x134; i < 0x14D; ++i)
        header = quint8(header - at(image, i) - 1);
    image[0x14D] = char(header);
    quint32 global = 0;
    for (int i = 0; i < image.size(); ++i)
        global += (i == 0x14E || i == 0x14F) ? 0 : at(image, i);
    image[0x14E] = char(global >> 8);
    image[0x14F] = char(global);
    return image;
}

QByteArray gba_image(QByteArray image)
{
    int sum = 0;
    for (int i = 0xA0; i < 0xBD; ++i)
        sum += at(image, i);
    image[0xBD] = char(-(sum + 0x19));
    return image;
}

// The image as the console sees it: the part past the largest power of two
// repeated until it fills the next one.
QByteArray snes_address_space(const QByteArray &image)
{
    int head = 1;
    while (head * 2 <= image.size())
        head *= 2;
    if (head == image.size())
        return image;
    const QByteArray tail = snes_address_space(image.mid(head));
    QByteArray out = image.left(head);
    while (out.size() < 2 * head)
        out += tail;
    return out;
}

void snes_put_pair(QByteArray &image, int base, quint16 checksum, quint16 complement)
{
    image[base + 0x1C] = char(complement);
    image[base + 0x1D] = char(complement >> 8);
    image[base + 0x1E] = char(checksum);
    image[base + 0x1F] = char(checksum >> 8);
}

QByteArray snes_image(QByteArray image, int base, quint8 mode)
{
    image[base + 0x15] = char(mode);
    // A complementary pair adds 0x1FE whatever its value, so the sum can be
    // taken with a placeholder pair in place.
    snes_put_pair(image, base, 0x0000, 0xFFFF);
    quint32 sum = 0;
    for (char c : snes_address_space(image))
        sum += quint8(c);
    snes_put_pair(image, base, quint16(sum), quint16(~sum));
    return image;
}

enum Family { Gb = 2, Gba = 3, Sfc = 15, Sms = 18, Md = 19 };

} // namespace

class TestVerifyHeader : public QObject {
    Q_OBJECT
private slots:
    void checkHeader_data()
    {
        QTest::addColumn<int>("console");
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<HeaderCheck>("expected");
        const auto ok = HeaderCheck::Ok, bad = HeaderCheck::Mismatch, none = HeaderCheck::None;

        // Fixed vectors: an all-zero Game Boy header sums to 0xE7, and the
        // global checksum then equals that one byte.
        QByteArray gbZero(32768, '\0');
        gbZero[0x14D] = gbZero[0x14F] = char(0xE7);
        QTest::newRow("gb fixed vector") << int(Gb) << gbZero << ok;
        const QByteArray gb = gb_image(random_image(65536, 1));
        QTest::newRow("gb good") << int(Gb) << gb << ok;
        QTest::newRow("gb title byte changed") << int(Gb) << bumped(gb, 0x140) << bad;
        QTest::newRow("gb body byte changed, header sum still right") << int(Gb) << bumped(gb, 0x4000) << bad;
        QTest::newRow("gb too small") << int(Gb) << gb.left(0x14F) << none;

        QByteArray gbaZero(0x200, '\0');
        gbaZero[0xBD] = char(0xE7);
        QTest::newRow("gba fixed vector") << int(Gba) << gbaZero << ok;
        const QByteArray gba = gba_image(random_image(0x40000, 3));
        QTest::newRow("gba good") << int(Gba) << gba << ok;
        QTest::newRow("gba game code changed") << int(Gba) << bumped(gba, 0xAC) << bad;
        QTest::newRow("gba too small") << int(Gba) << gba.left(0xBF) << none;

        QTest::newRow("md fixed vector, all zero") << int(Md) << QByteArray(0x400, '\0') << ok;
        const QByteArray md = md_image(random_image(0x80000, 4), 0x7FFFF);
        QTest::newRow("md last byte changed") << int(Md) << bumped(md, md.size() - 1) << bad;
        QTest::newRow("md header text outside the sum") << int(Md) << bumped(md, 0x150) << ok;
        QTest::newRow("md odd length") << int(Md) << md_image(random_image(0x20001, 5), 0x20000) << ok;
        QTest::newRow("md too small") << int(Md) << md.left(0x1FF) << none;
        // The sum runs to the declared end: an overdump's repeats are not in it.
        const QByteArray half = md_image(random_image(0x40000, 6), 0x1FFFF);
        QTest::newRow("md sum to the declared end") << int(Md) << half << ok;
        QTest::newRow("md byte past the declared end changed") << int(Md) << bumped(half, 0x30000) << ok;
        QTest::newRow("md image shorter than the declared end") << int(Md) << half.left(0x10000) << bad;

        const QByteArray sms = sms_image(random_image(0x20000, 7), 0x7FF0, QByteArray("\x01\x00\x00\x4F", 4));
        QTest::newRow("sms 128 KB") << int(Sms) << sms << ok;
        QTest::newRow("sms body byte changed") << int(Sms) << bumped(sms, 0x1FFFF) << bad;
        QTest::newRow("sms header byte outside the sum") << int(Sms) << bumped(sms, 0x7FF8) << ok;
        QTest::newRow("sms size code beyond the image") << int(Sms) << sms.left(0x10000) << bad;
        QTest::newRow("sms 32 KB code on a larger image") << int(Sms) << sms_image(random_image(0x20000, 8), 0x7FF0, QByteArray("\x01\x00\x00\x4C", 4)) << ok;
        QTest::newRow("sms header at 0x1FF0") << int(Sms) << sms_image(random_image(0x2000, 9), 0x1FF0, QByteArray("\x01\x00\x00\x4A", 4)) << ok;
        QTest::newRow("sms no header") << int(Sms) << random_image(0x8000, 10) << none;

        const struct { const char *name; int size, base; quint8 mode; } snesCases[] = {
            {"sfc lorom 96 KB, mirrored tail", 0x18000, 0x7FC0, 0x30},
            {"sfc lorom 112 KB, tail itself uneven", 0x1C000, 0x7FC0, 0x20},
            {"sfc sa-1 lorom 160 KB", 0x28000, 0x7FC0, 0x23},
            {"sfc exhirom 6 MB", 0x600000, 0x40FFC0, 0x35},
        };
        quint32 seed = 100;
        for (const auto &c : snesCases) {
            const QByteArray good = snes_image(random_image(c.size, ++seed), c.base, c.mode);
            QTest::newRow(c.name) << int(Sfc) << good << ok;
            QTest::addRow("%s, last byte changed", c.name) << int(Sfc) << bumped(good, good.size() - 1) << bad;
            // The pair no longer complementary although the sum still matches.
            QTest::addRow("%s, complement changed", c.name) << int(Sfc) << bumped(bumped(good, c.base + 0x1C), 0, -1) << bad;
        }
        // A complementary pair with a fitting map mode where a LoROM header
        // would be, which does not match the image: the HiROM header decides.
        QByteArray decoy = random_image(0x40000, 200);
        decoy[0x7FC0 + 0x15] = char(0x20);
        snes_put_pair(decoy, 0x7FC0, 0x1234, 0xEDCB);
        QTest::newRow("sfc hirom behind a lorom-looking pair") << int(Sfc) << snes_image(decoy, 0xFFC0, 0x21) << ok;
        QTest::newRow("sfc no header anywhere") << int(Sfc) << QByteArray(0x20000, '\x55') << bad;
        QTest::newRow("sfc too small") << int(Sfc) << QByteArray(0x7FFF, '\0') << none;

        for (int family : {int(Gb), int(Gba), int(Sfc), int(Md)})
            QTest::addRow("empty image, family %d", family) << family << QByteArray() << none;
    }
    void checkHeader()
    {
        QFETCH(int, console);
        QFETCH(QByteArray, image);
        QTEST(verify::check_header(console, image), "expected");
    }

    // The lane-folding sum against a plain one: every tail length, lanes
    // near overflow (all 0xFF over many folds), and a start off alignment.
    void byteSum()
    {
        std::vector<uint8_t> bytes(40000);
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = uint8_t(i * 2654435761u >> 13);
        std::vector<uint8_t> full(70001, 0xFF);
        for (const std::vector<uint8_t> *data : {&bytes, &full})
            for (size_t start : {size_t(0), size_t(3)})
                for (size_t n : {size_t(0), size_t(1), size_t(7), size_t(8), size_t(9), size_t(1023), size_t(1031),
                                 size_t(8 * 128), size_t(8 * 128 + 5), data->size() - start}) {
                    uint32_t plain = 0;
                    for (size_t i = 0; i < n; ++i)
                        plain += (*data)[start + i];
                    QCOMPARE(byte_sum(data->data() + start, n), plain);
                }
    }

    // Against a catalogue the test builds: the verdict line, then the header line.
    void verificationLines_data()
    {
        QTest::addColumn<int>("console");
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("gb listed, good header") << int(Gb) << gb_image(random_image(32768, 11)) << true
                                                << QStringList{"Verified: Listed (World)", "Header checksum OK."};
        QTest::newRow("md listed, broken header") << int(Md) << bumped(md_image(random_image(0x20000, 12), 0x1FFFF), 0x18F) << true
                                                  << QStringList{"Verified: Listed (World)", "Header checksum mismatch.",
                                                                 "Warning: the image fails its header checksum; it may be a bad dump."};
        QTest::newRow("gba unlisted, good header") << int(Gba) << gba_image(random_image(0x10000, 13)) << false
                                                   << QStringList{"Not in the catalogue.", "Header checksum OK."};
    }
    void verificationLines()
    {
        QFETCH(int, console);
        QFETCH(QByteArray, image);
        QFETCH(bool, listed);

        const quint32 crc = crc32_buffer(image.constData(), size_t(image.size()));
        verify::CatalogueEntry other = catalogue_entry(image, "Someone Else", 0);
        other.crc32 = crc ^ 1;
        std::vector<verify::CatalogueEntry> entries{other};
        if (listed)
            entries.push_back(catalogue_entry(image, "Listed (World)", console));
        QTEST(verify::verification_lines(console, image, verify::Catalogue(entries)), "expected");
    }

    // A dump's outcome, sent just before its status: the catalogue outweighs
    // every check, and any warning on the saved image makes it suspect.
    void dumpOutcome_data()
    {
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("broken");   // a byte changed past the header
        QTest::addColumn<int>("size");      // dumped, of the 64 KiB cartridge
        QTest::addColumn<DumpOutcome>("outcome");
        QTest::newRow("listed") << true << false << 65536 << DumpOutcome::Verified;
        QTest::newRow("listed, checksum fails") << true << true << 65536 << DumpOutcome::Verified;
        QTest::newRow("unlisted") << false << false << 65536 << DumpOutcome::Consistent;
        QTest::newRow("unlisted, checksum fails") << false << true << 65536 << DumpOutcome::Suspect;
        QTest::newRow("half the declared size") << false << false << 32768 << DumpOutcome::Suspect;
    }
    void dumpOutcome()
    {
        QFETCH(bool, listed);
        QFETCH(bool, broken);
        QFETCH(int, size);
        QByteArray image = random_image(65536, 21);
        image[0x147] = 0x01;   // MBC1
        image[0x148] = 0x01;   // 64 KiB
        image = gb_image(image);
        if (broken)
            image = bumped(image, 0x4000);
        const verify::Catalogue catalogue({catalogue_entry(image, "Listed (World)", int(Gb))});
        Bench bench(std::make_unique<sim::GbCartridge>(to_vector(image)));
        gbcThreadDump worker;
        worker.configure(bench.path(), size, 1);
        if (listed)
            worker.catalogue = &catalogue;
        QStringList ends;
        QObject::connect(&worker, &CartWorker::outcome, [&](int o) { ends << QStringLiteral("outcome %1").arg(o); });
        QObject::connect(&worker, &CartWorker::error, [&](int e) { ends << QStringLiteral("error %1").arg(e); });
        runWorker(worker);
        QFETCH(DumpOutcome, outcome);
        QCOMPARE(ends, (QStringList{QStringLiteral("outcome %1").arg(int(outcome)), "error 1"}));
        QCOMPARE(worker.lastOutcome(), outcome);
    }
};

QTEST_GUILESS_MAIN(TestVerifyHeader)
#include "test_verify_header.moc"
