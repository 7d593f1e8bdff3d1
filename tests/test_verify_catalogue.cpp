#include "device/checksum.h"
#include "simulator/cartridge.h"
#include "workers/verify/verify.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <QtTest>
#include <map>

using verify::Catalogue;
using verify::CatalogueEntry;

namespace {

QByteArray make_image(int size, quint32 seed)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        image[i] = char(seed >> 24);
    }
    return image;
}

CatalogueEntry entry_for(const QByteArray &image, const QString &title, int family = 2)
{
    CatalogueEntry e;
    e.title = title;
    e.crc32 = crc32_buffer(image.constData(), size_t(image.size()));
    e.sha1 = QCryptographicHash::hash(image, QCryptographicHash::Sha1);
    e.size = quint32(image.size());
    e.family = family;
    return e;
}

// A different image of the same size whose CRC-32 equals the original's.
QByteArray same_crc_other_content(const QByteArray &image)
{
    QByteArray other = image;
    other[100] = char(other[100] ^ 0x5A);
    sim::force_crc32(reinterpret_cast<uint8_t *>(other.data()), size_t(other.size()), 200,
                crc32_buffer(image.constData(), size_t(image.size())));
    return other;
}

QByteArray pack_record(quint32 crc, quint32 size, quint8 family, const QByteArray &sha1,
                       const QByteArray &title)
{
    QByteArray out(9, '\0');
    qToBigEndian(crc, out.data());
    qToBigEndian(size, out.data() + 4);
    out[8] = char(family);
    out += sha1;
    QByteArray len(2, '\0');
    qToBigEndian(quint16(title.size()), len.data());
    return out + len + title;
}

QByteArray packed_stream(quint32 count, const QByteArray &records)
{
    QByteArray out("QVC1");
    QByteArray n(4, '\0');
    qToBigEndian(count, n.data());
    return out + n + records;
}

} // namespace

class TestVerifyCatalogue : public QObject {
    Q_OBJECT
private slots:
    void find_data();
    void find();
    void findPrefersFamily();
    void fromPacked_data();
    void fromPacked();
    void builtinCounts();
    void builtinKnownEntries_data();
    void builtinKnownEntries();
    void builtinExcludesUnusableImages_data();
    void builtinExcludesUnusableImages();
};

void TestVerifyCatalogue::find_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("found");

    QTest::newRow("exact match") << "exact" << true;
    QTest::newRow("match among entries sharing the CRC") << "crowded" << true;
    QTest::newRow("same CRC and size, other content") << "collision" << false;
    QTest::newRow("CRC and SHA-1 match, size differs") << "size" << false;
    QTest::newRow("CRC matches, SHA-1 differs") << "sha1" << false;
    QTest::newRow("unknown image") << "unknown" << false;
    QTest::newRow("empty catalogue") << "empty" << false;
}

void TestVerifyCatalogue::find()
{
    QFETCH(QString, kind);
    QFETCH(bool, found);

    const QByteArray image = make_image(65536, 7);
    QByteArray lookup = image;
    std::vector<CatalogueEntry> entries{entry_for(make_image(65536, 8), "Other"),
                                        entry_for(image, "Wanted")};

    if (kind == "crowded") {
        // Entries with the wanted CRC but other content come first.
        const QByteArray twin = same_crc_other_content(image);
        entries.insert(entries.begin(), entry_for(twin, "Twin"));
        CatalogueEntry shorter = entry_for(image, "Shorter");
        shorter.size -= 1;
        entries.insert(entries.begin(), shorter);
    } else if (kind == "collision") {
        lookup = same_crc_other_content(image);
        QCOMPARE(crc32_buffer(lookup.constData(), size_t(lookup.size())), entries[1].crc32);
        QVERIFY(lookup != image);
    } else if (kind == "size") {
        entries[1].size += 1;
    } else if (kind == "sha1") {
        entries[1].sha1[0] = char(entries[1].sha1[0] ^ 1);
    } else if (kind == "unknown") {
        lookup = make_image(65536, 9);
    } else if (kind == "empty") {
        entries.clear();
    }

    const auto hit = Catalogue(entries).find(lookup);
    QCOMPARE(bool(hit), found);
    if (found)
        QCOMPARE(hit->title, QString("Wanted"));
}

void TestVerifyCatalogue::findPrefersFamily()
{
    const QByteArray image = make_image(32768, 3);
    const Catalogue catalogue({entry_for(image, "As SMS", 18), entry_for(image, "As MSX", 21)});

    QCOMPARE(catalogue.find(image, 21)->title, QString("As MSX"));
    QCOMPARE(catalogue.find(image, 18)->title, QString("As SMS"));
    QCOMPARE(catalogue.find(image, 2)->title, QString("As SMS"));
    QCOMPARE(catalogue.find(image)->title, QString("As SMS"));
}

void TestVerifyCatalogue::fromPacked_data()
{
    QTest::addColumn<QByteArray>("packed");
    QTest::addColumn<int>("count");

    const QByteArray sha1(20, '\x11');
    const QByteArray one = pack_record(0x12345678, 4096, 19, sha1, "Caf\xc3\xa9 (Jpn)");
    const QByteArray two = pack_record(0x9abcdef0, 8192, 3, QByteArray(20, '\x22'), "");

    QTest::newRow("two records") << packed_stream(2, one + two) << 2;
    QTest::newRow("no records") << packed_stream(0, {}) << 0;
    QTest::newRow("wrong magic") << QByteArray("QVC2") + packed_stream(1, one).mid(4) << 0;
    QTest::newRow("count beyond the records") << packed_stream(3, one + two) << 0;
    QTest::newRow("huge count") << packed_stream(0xFFFFFFFFu, one) << 0;
    QTest::newRow("record cut short") << packed_stream(2, one + two.left(two.size() - 1)) << 0;
    QTest::newRow("title length past the end") << packed_stream(1, one.left(one.size() - 3)) << 0;
    QTest::newRow("trailing bytes") << packed_stream(1, one + "x") << 0;
    QTest::newRow("header cut short") << QByteArray("QVC1\0\0", 6) << 0;
    QTest::newRow("empty") << QByteArray() << 0;
}

void TestVerifyCatalogue::fromPacked()
{
    QFETCH(QByteArray, packed);
    QFETCH(int, count);

    const Catalogue catalogue = Catalogue::fromPacked(packed);
    QCOMPARE(catalogue.size(), count);
    if (count == 2) {
        const CatalogueEntry &e = catalogue.entries()[0];
        QCOMPARE(e.crc32, quint32(0x12345678));
        QCOMPARE(e.size, quint32(4096));
        QCOMPARE(e.family, 19);
        QCOMPARE(e.sha1, QByteArray(20, '\x11'));
        QCOMPARE(e.title, QString::fromUtf8("Caf\xc3\xa9 (Jpn)"));
        QCOMPARE(catalogue.entries()[1].family, 3);
        QCOMPARE(catalogue.entries()[1].title, QString());
    }
}

void TestVerifyCatalogue::builtinCounts()
{
    const Catalogue &catalogue = verify::builtin();
    QCOMPARE(&verify::builtin(), &catalogue);

    std::map<int, int> perFamily;
    for (const CatalogueEntry &e : catalogue.entries()) {
        ++perFamily[e.family];
        QCOMPARE(e.sha1.size(), 20);
        QVERIFY(e.size > 0);
        QVERIFY(!e.title.isEmpty());
    }
    // Families by console code with a floor well below what the lists hold.
    const std::map<int, int> floors{{19, 2000}, {18, 500}, {21, 1000},
                                    {15, 3000}, {2, 3000}, {3, 2500}};
    QCOMPARE(perFamily.size(), floors.size());
    for (const auto &[family, floor] : floors) {
        QVERIFY2(perFamily[family] >= floor,
                 qPrintable(QString("family %1 holds %2").arg(family).arg(perFamily[family])));
    }
}

void TestVerifyCatalogue::builtinKnownEntries_data()
{
    QTest::addColumn<quint32>("crc");
    QTest::addColumn<QByteArray>("sha1");
    QTest::addColumn<quint32>("size");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("family");

    QTest::newRow("gameboy.xml tetris")
        << quint32(0x46df91ad) << QByteArray::fromHex("74591cc9501af93873f9a5d3eb12da12c0723bbc")
        << quint32(32768) << "Tetris (World, Rev 1)" << 2;
    QTest::newRow("gameboy.xml pokeblue, non-ASCII title")
        << quint32(0xd6da8a1a) << QByteArray::fromHex("d7037c83e1ae5b39bde3c30787637ba1d4c48ce2")
        << quint32(1048576) << QString::fromUtf8("Pok\xc3\xa9mon - Blue Version (Australia, Europe, USA)")
        << 2;
    QTest::newRow("megadriv.xml sonic")
        << quint32(0xf9394e97) << QByteArray::fromHex("6ddb7de1e17e7f6cdb88927bd906352030daa194")
        << quint32(524288) << "Sonic the Hedgehog (Euro, USA)" << 19;
}

void TestVerifyCatalogue::builtinKnownEntries()
{
    QFETCH(quint32, crc);
    QFETCH(QByteArray, sha1);
    QFETCH(quint32, size);
    QFETCH(QString, title);
    QFETCH(int, family);

    int hits = 0;
    for (const CatalogueEntry &e : verify::builtin().entries()) {
        if (e.crc32 != crc)
            continue;
        ++hits;
        QCOMPARE(e.sha1, sha1);
        QCOMPARE(e.size, size);
        QCOMPARE(e.title, title);
        QCOMPARE(e.family, family);
    }
    QCOMPARE(hits, 1);
}

void TestVerifyCatalogue::builtinExcludesUnusableImages_data()
{
    QTest::addColumn<quint32>("crc");

    // One chip of a two-chip board, a file marked as a bad dump, and a chip
    // dump stored in swapped byte order: none is what a whole dump gives.
    QTest::newRow("snes.xml arcanap, first of two roms") << quint32(0x31e3efd0);
    QTest::newRow("gba.xml droopytop, baddump") << quint32(0x484e7d56);
    QTest::newRow("megadriv.xml fifa97, load16_word_swap") << quint32(0x2bedb061);
}

void TestVerifyCatalogue::builtinExcludesUnusableImages()
{
    QFETCH(quint32, crc);
    for (const CatalogueEntry &e : verify::builtin().entries())
        QVERIFY2(e.crc32 != crc, qPrintable(e.title));
}

QTEST_GUILESS_MAIN(TestVerifyCatalogue)
#include "test_verify_catalogue.moc"
