#include "device/checksum.h"
#include "simulator/cartridge.h"
#include "support/carts.h"
#include "workers/verify/serials.h"
#include "workers/verify/verify.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <QtTest>

using verify::Catalogue;
using verify::CatalogueEntry;

namespace {

// A different image of the same size whose CRC-32 equals the original's.
QByteArray same_crc_other_content(const QByteArray &image)
{
    QByteArray other = image;
    other[100] = char(other[100] ^ 0x5A);
    sim::force_crc32(reinterpret_cast<uint8_t *>(other.data()), size_t(other.size()), 200,
                     crc32_buffer(image.constData(), size_t(image.size())));
    return other;
}

void put_le(QByteArray *data, int at, quint32 v) { qToLittleEndian(v, data->data() + at); }
quint32 le(const QByteArray &data, int at) { return qFromLittleEndian<quint32>(data.constData() + at); }

// "crc sha1 size family title|year|publisher|serial" for each entry.
QStringList describe(const std::vector<CatalogueEntry> &entries, quint32 onlyCrc = 0)
{
    QStringList out;
    for (const CatalogueEntry &e : entries)
        if (!onlyCrc || e.crc32 == onlyCrc)
            out << QString("%1 %2 %3 %4 %5").arg(e.crc32, 8, 16, QChar('0')).arg(QString(e.sha1.toHex()))
                       .arg(e.size).arg(e.family).arg(QStringList{e.title, e.year, e.publisher, e.serial}.join('|'));
    return out;
}

} // namespace

class TestVerifyCatalogue : public QObject {
    Q_OBJECT
private slots:
    // Verified only when CRC-32, SHA-1 and size all match.
    void find_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("hashed");   // times the image's SHA-1 is asked for
        QTest::newRow("match among entries sharing the CRC") << "crowded" << true << 1;
        QTest::newRow("same CRC and size, other content") << "collision" << false << 1;
        QTest::newRow("CRC and SHA-1 match, size differs") << "size" << false << 0;
        QTest::newRow("CRC matches, SHA-1 differs") << "sha1" << false << 1;
        QTest::newRow("unknown image") << "unknown" << false << 0;
    }
    void find()
    {
        QFETCH(QString, kind);
        QFETCH(bool, found);

        const QByteArray image = random_image(65536, 7);
        QByteArray lookup = image;
        std::vector<CatalogueEntry> entries{catalogue_entry(random_image(65536, 8), "Other", 2), catalogue_entry(image, "Wanted", 2)};
        if (kind == "crowded") {   // entries with the wanted CRC but other content come first
            CatalogueEntry shorter = catalogue_entry(image, "Shorter", 2);
            shorter.size -= 1;
            entries.insert(entries.begin(), {shorter, catalogue_entry(same_crc_other_content(image), "Twin", 2)});
        } else if (kind == "collision") {
            lookup = same_crc_other_content(image);
            QCOMPARE(crc32_buffer(lookup.constData(), size_t(lookup.size())), entries[1].crc32);
        } else if (kind == "size") {
            entries[1].size += 1;
        } else if (kind == "sha1") {
            entries[1].sha1[0] = char(entries[1].sha1[0] ^ 1);
        } else if (kind == "unknown") {
            lookup = random_image(65536, 9);
        }
        int hashed = 0;
        const auto sha1 = [&] {
            ++hashed;
            return QCryptographicHash::hash(lookup, QCryptographicHash::Sha1);
        };
        const auto hit = Catalogue(entries).find(crc32_buffer(lookup.constData(), size_t(lookup.size())),
                                                 quint32(lookup.size()), sha1);
        QCOMPARE(hit ? hit->title : QString(), found ? QString("Wanted") : QString());
        QTEST(hashed, "hashed");
    }

    void findPrefersFamily()
    {
        const QByteArray image = random_image(32768, 3);
        const Catalogue catalogue({catalogue_entry(image, "As SMS", 18), catalogue_entry(image, "As MSX", 21)});
        QCOMPARE(catalogue.find(image, 21)->title, QString("As MSX"));
        QCOMPARE(catalogue.find(image, 18)->title, QString("As SMS"));
        QCOMPARE(catalogue.find(image, 2)->title, QString("As SMS"));
    }

    // A damaged index opens as an empty catalogue, never a partial one; a
    // table row that points outside the records finds nothing.
    void fromIndex_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("found");   // the second entry by its image

        CatalogueEntry one = catalogue_entry(random_image(4096, 1), "Caf\u00e9 (Jpn)", 19);
        one.year = "1991";
        one.serial = "G-4049";
        const CatalogueEntry two = catalogue_entry(random_image(8192, 2), "Second", 3);
        const QByteArray good = verify::build_index({"Set", "", "1.0", verify::CatalogueKind::Dat}, {one, two});
        const QString sha1 = QString(one.sha1.toHex()), sha2 = QString(two.sha1.toHex());
        const QStringList both{QString("%1 %2 4096 19 Caf\u00e9 (Jpn)|1991||G-4049").arg(one.crc32, 8, 16, QChar('0')).arg(sha1),
                               QString("%1 %2 8192 3 Second|||").arg(two.crc32, 8, 16, QChar('0')).arg(sha2)};
        QTest::newRow("two records") << good << both << true;
        QByteArray older = good;
        older[3] = '0';
        QTest::newRow("other layout") << older << QStringList() << false;
        QTest::newRow("cut short") << good.left(good.size() - 1) << QStringList() << false;
        QTest::newRow("trailing bytes") << good + "x" << QStringList() << false;
        QTest::newRow("header only") << good.left(48) << QStringList() << false;
        QByteArray count = good;
        put_le(&count, 8, 0xFFFFFFFFu);
        QTest::newRow("huge record count") << count << QStringList() << false;
        QByteArray overlap = good;
        put_le(&overlap, 20, le(good, 32) + 1);   // serial table starts past the records
        QTest::newRow("sections out of order") << overlap << QStringList() << false;
        QByteArray astray = good;
        const int crcAt = int(le(good, 12));
        for (int row = 0; row < 2; ++row)
            put_le(&astray, crcAt + row * 12 + 8, 0x7FFFFFF0u);
        QTest::newRow("CRC rows past the records") << astray << both << false;
    }
    void fromIndex()
    {
        QFETCH(QByteArray, index);
        const verify::Catalogue c = verify::Catalogue::fromIndex(index);
        QTEST(describe(c.entries()), "entries");
        QTEST(bool(c.find(random_image(8192, 2))), "found");
    }

    // The serial keys the generator wrote into the built-in index are the
    // ones serial_keys() gives: every entry is found under each of its keys.
    void builtinSerialKeys()
    {
        int checked = 0;
        for (const CatalogueEntry &e : verify::builtin().entries()) {
            for (const QString &key : verify::serial_keys(e.family, e.serial)) {
                const auto found = verify::builtin().bySerial(e.family, key);
                const bool there = std::any_of(found.begin(), found.end(), [&](const CatalogueEntry &f) {
                    return f.title == e.title && f.serial == e.serial && f.crc32 == e.crc32;
                });
                QVERIFY2(there, qPrintable(QString("%1 %2: %3").arg(e.family).arg(key, e.title)));
                ++checked;
            }
        }
        QVERIFY(checked > 5000);
    }

    // A listed image is there once, whole; images no whole dump gives are not:
    // one chip of a two-chip board, a bad dump, a chip stored byte-swapped.
    void builtinEntries_data()
    {
        QTest::addColumn<quint32>("crc");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("gameboy.xml pokeblue, non-ASCII title") << quint32(0xd6da8a1a) << QStringList{
            "d6da8a1a d7037c83e1ae5b39bde3c30787637ba1d4c48ce2 1048576 2 Pok\u00e9mon - Blue Version (Australia, Europe, USA)"
            "|1998|Nintendo|DMG-APEE-USA, DMG-APEU-AUS, DMG-APEU-EUR"};
        QTest::newRow("snes.xml arcanap, first of two roms") << quint32(0x31e3efd0) << QStringList();
        QTest::newRow("gba.xml droopytop, baddump") << quint32(0x484e7d56) << QStringList();
        QTest::newRow("megadriv.xml fifa97, load16_word_swap") << quint32(0x2bedb061) << QStringList();
    }
    void builtinEntries()
    {
        QFETCH(quint32, crc);
        QTEST(describe(verify::builtin().withCrc(crc)), "entries");
    }

    // Each family's header form of the catalogue's serial fields; codes that
    // no header carries give no key.
    void serialKeys_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("md region suffix and note") << 19 << "MK-1715 (USA), MK-1715-50 (Euro)" << QStringList{"MK-1715"};
        QTest::newRow("md third party") << 19 << "T-139066-50" << QStringList{"T-139066"};
        QTest::newRow("md one dash kept") << 19 << "G-4048 (JPN)" << QStringList{"G-4048"};
        QTest::newRow("sms numbers only") << 18 << "G-1305, 5055, 41008" << QStringList{"5055", "41008"};
        QTest::newRow("sms region suffix") << 18 << "27054-50, 026.270" << QStringList{"27054"};
        QTest::newRow("sfc four and two characters") << 15 << "SHVC-AQ4J-JPN, SNS-C5-USA, DIS-SNS-8E-USA" << QStringList{"AQ4J", "C5"};
        QTest::newRow("gb four characters only") << 2 << "DMG-ACCJ-JPN (RK138-J1), DMG-WQJ, DMG-F4-USA" << QStringList{"ACCJ"};
        QTest::newRow("unknown family") << 21 << "RC-700" << QStringList();
    }
    void serialKeys()
    {
        QFETCH(int, family);
        QFETCH(QString, serial);
        QTEST(verify::serial_keys(family, serial), "keys");
    }

    // A header's code finds the listed titles of its own family, exactly:
    // neither part of a code nor another family's code finds one (codes
    // that name a title are looked up by the Info runs).
    void builtinBySerialExact()
    {
        QVERIFY(verify::find_by_serial(verify::builtin(), 18, "705").empty());
        QVERIFY(verify::find_by_serial(verify::builtin(), 19, "7054").empty());
    }

    // Where the headers keep their codes, and when they keep none.
    void headerCodes()
    {
        QByteArray sfc(0x8000, ' ');
        sfc.replace(0x7FB2, 4, "AQ4J");
        sfc[0x7FDA] = char(0x33);
        const auto *h = reinterpret_cast<const uint8_t *>(sfc.constData()) + 0x7FC0;
        QCOMPARE(verify::sfc_game_code(h), QString("AQ4J"));
        sfc.replace(0x7FB2, 4, "C5  ");
        QCOMPARE(verify::sfc_game_code(h), QString("C5"));
        sfc[0x7FDA] = char(0x01);   // no extended header
        QCOMPARE(verify::sfc_game_code(h), QString());

        QByteArray gb(0x150, '\0');
        gb.replace(0x134, 15, "POKEMON_SLVAAXE");
        gb[0x14B] = char(0x33);
        const auto *g = reinterpret_cast<const uint8_t *>(gb.constData());
        QCOMPARE(verify::gb_game_code(g, size_t(gb.size())), QString("AAXE"));
        QCOMPARE(verify::gb_game_code(g, 0x14F), QString());
        gb[0x14B] = char(0x01);   // the old licensee byte: the title runs on
        QCOMPARE(verify::gb_game_code(g, size_t(gb.size())), QString());
    }
};

QTEST_GUILESS_MAIN(TestVerifyCatalogue)
#include "test_verify_catalogue.moc"
