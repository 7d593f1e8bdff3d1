// The device link against the simulated reader and a scripted platform:
// drive scan, aligned reads, command sectors.
#include "device/checksum.h"
#include "device/command.h"
#include "device/device_link.h"
#include "device/platform.h"
#include "simulator/simulated_reader.h"

#include <QtTest>
#include <cstring>
#include <map>
#include <string>

namespace {

// A platform of several drives that records which ones were probed.
class ScriptedDrives : public platform::Platform {
public:
    struct Drive {
        unsigned type = platform::drive_removable;
        std::string label;
        bool identity = true;
    };
    std::map<char, Drive> drives;
    std::string touched;   // letters whose type was asked, in order

    uint32_t present_drives() override
    {
        uint32_t mask = 0;
        for (const auto &d : drives)
            mask |= 1u << (d.first - 'A');
        return mask;
    }
    unsigned drive_type(char letter) override
    {
        touched += letter;
        auto it = drives.find(letter);
        return it == drives.end() ? platform::drive_no_root : it->second.type;
    }
    bool volume_label(char letter, char *label, size_t size) override
    {
        auto it = drives.find(letter);
        if (it == drives.end())
            return false;
        std::strncpy(label, it->second.label.c_str(), size - 1);
        return true;
    }
    std::unique_ptr<platform::File> open_read(const char *path) override
    {
        char letter;
        const char *name;
        if (!platform::split_drive_path(path, &letter, &name) || !drives.count(letter) ||
            !drives[letter].identity || std::strcmp(name, "V-DRIVER.DMP") != 0)
            return nullptr;
        return std::make_unique<IdentityFile>(letter);
    }
    std::unique_ptr<platform::File> create_write(const char *) override { return nullptr; }

private:
    class IdentityFile : public platform::File {
    public:
        explicit IdentityFile(char letter) : letter_(letter) {}
        bool seek(uint32_t offset) override { pos_ = offset; return true; }
        bool read(void *dst, uint32_t len, uint32_t *got) override
        {
            std::memset(dst, 0, len);
            if (pos_ <= 0x8000 && pos_ + len > 0x8005)
                std::memcpy(static_cast<char *>(dst) + (0x8000 - pos_), "RDR-", 4),
                    static_cast<char *>(dst)[0x8000 - pos_ + 4] = letter_;
            *got = len;
            return true;
        }
        bool write(const void *, uint32_t, uint32_t *) override { return false; }
    private:
        char letter_;
        uint32_t pos_ = 0;
    };
};

std::vector<uint8_t> pattern(size_t size)
{
    std::vector<uint8_t> v(size);
    for (size_t i = 0; i < size; ++i)
        v[i] = uint8_t((i * 7) ^ (i >> 8));
    return v;
}

} // namespace

class TestDeviceLink : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        platform::install(nullptr);
        current_drive_letter = 0;
    }

    void scanSkipsAtoCAndLowerLetterWins()
    {
        ScriptedDrives os;
        os.drives['A'] = {};
        os.drives['C'] = {};
        os.drives['H'] = {platform::drive_removable, "SECOND", true};
        os.drives['E'] = {platform::drive_removable, "FIRST", true};
        os.drives['D'] = {platform::drive_fixed, "SYSTEM", true};
        platform::install(&os);
        QCOMPARE(find_reader_drive(0), 1);
        QCOMPARE(current_drive_letter, 'E');
        QCOMPARE(QByteArray(driver_label), QByteArray("FIRST"));
        QCOMPARE(QByteArray(device_firmware), QByteArray("RDR-E"));
        QCOMPARE(QString::fromStdString(os.touched), QStringLiteral("DE"));
    }

    void rememberedLetterIsProbedAlone()
    {
        ScriptedDrives os;
        os.drives['E'] = {platform::drive_removable, "R", true};
        os.drives['F'] = {platform::drive_removable, "S", true};
        platform::install(&os);
        QCOMPARE(find_reader_drive(0), 1);
        os.touched.clear();
        QCOMPARE(find_reader_drive(current_drive_letter), 1);
        QCOMPARE(QString::fromStdString(os.touched), QStringLiteral("E"));
    }

    void drivesWithoutIdentityAreNotReaders()
    {
        ScriptedDrives os;
        os.drives['D'] = {platform::drive_removable, "STICK", false};
        os.drives['Z'] = {platform::drive_fixed, "DATA", true};
        platform::install(&os);
        QCOMPARE(find_reader_drive(0), 0);
        // A failed scan forgets the last letter it tried.
        QCOMPARE(current_drive_letter, '\0');
    }

    void replugUnderAnotherLetterIsFound()
    {
        sim::SimulatedReader reader('F');
        sim::ScopedPlatform scope(reader);
        QCOMPARE(find_reader_drive(0), 1);
        QCOMPARE(current_drive_letter, 'F');
        reader.unplug();
        QCOMPARE(find_reader_drive(current_drive_letter), 0);
        QCOMPARE(current_drive_letter, '\0');
        reader.plug('K');
        QCOMPARE(find_reader_drive(current_drive_letter), 1);
        QCOMPARE(current_drive_letter, 'K');
        reader.unplug();
        reader.plug('G');
        QCOMPARE(find_reader_drive(current_drive_letter), 1);
        QCOMPARE(current_drive_letter, 'G');
        QCOMPARE(QByteArray(device_firmware), QByteArray("QXB_RDR07_FW310"));
    }

    // What read_aligned asks of the drive, and what it hands back.
    void alignedReads_data()
    {
        QTest::addColumn<uint>("offset");
        QTest::addColumn<uint>("len");
        QTest::addColumn<uint>("askedOffset");
        QTest::addColumn<uint>("askedLen");
        QTest::addColumn<uint>("dataFrom");   // image offset of the first byte delivered
        QTest::newRow("16 bytes at 0x1234") << 0x1234u << 16u << 0x1000u << 2048u << 0x1234u;
        QTest::newRow("1023 at 0x400") << 0x400u << 1023u << 0x400u << 2048u << 0x400u;
        QTest::newRow("1023 at 0x7ff") << 0x7FFu << 1023u << 0x400u << 2048u << 0x7FFu;
        QTest::newRow("block at 0x20000") << 0x20000u << 0x20000u << 0x20000u << 0x20000u << 0x20000u;
        // Large reads are not shifted: an unaligned offset reads from the
        // rounded position.
        QTest::newRow("large unaligned") << 0x1234u << 4096u << 0x1000u << 4096u << 0x1000u;
    }
    void alignedReads()
    {
        QFETCH(uint, offset);
        QFETCH(uint, len);
        QFETCH(uint, askedOffset);
        QFETCH(uint, askedLen);
        QFETCH(uint, dataFrom);
        const std::vector<uint8_t> image = pattern(0x80000);
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        reader.insert(std::make_unique<sim::MdCartridge>(image));
        QVERIFY(find_reader_drive(0));
        QVERIFY(md_select());
        reader.clear_log();
        std::vector<uint8_t> dst(len);
        QCOMPARE(read_data_window(offset, dst.data(), len), len);
        const auto reads = reader.window_reads();
        QCOMPARE(int(reads.size()), 1);
        QCOMPARE(reads[0].offset, askedOffset);
        QCOMPARE(reads[0].length, askedLen);
        QVERIFY(std::equal(dst.begin(), dst.end(), image.begin() + dataFrom));
    }

    void shortReadHandsOnNoStaleBytes()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        reader.insert(std::make_unique<sim::MdCartridge>(pattern(0x10000)));
        QVERIFY(find_reader_drive(0));
        QVERIFY(md_select());
        // Leave the stack full of image bytes, then let the next read stop early.
        std::vector<uint8_t> first(16);
        QCOMPARE(read_data_window(0x1234, first.data(), 16), 16u);
        reader.set_read_limit(0x100);
        std::vector<uint8_t> dst(16, 0xAA);
        QCOMPARE(read_data_window(0x1234, dst.data(), 16), 16u);
        QVERIFY(std::all_of(dst.begin(), dst.end(), [](uint8_t b) { return b == 0; }));
        // A large read reports the count the drive delivered.
        std::vector<uint8_t> big(0x4000);
        QCOMPARE(read_data_window(0, big.data(), 0x4000), 0x100u);
    }

    void mdSelectSectorBytes()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        QVERIFY(find_reader_drive(0));
        QCOMPARE(md_select(), 512u);
        const auto cmds = reader.commands();
        QCOMPARE(int(cmds.size()), 1);
        const auto &s = cmds[0].bytes;
        QCOMPARE(int(s[0]), 0x5A);
        QCOMPARE(int(s[1]), 0x13);
        QCOMPARE(int(s[2]), 0x01);
        QVERIFY(std::all_of(s.begin() + 3, s.begin() + 510, [](uint8_t b) { return b == 0; }));
        const uint16_t check = crc16_xmodem(s.data(), 510);
        QCOMPARE(int(s[510]), check >> 8);
        QCOMPARE(int(s[511]), check & 0xFF);
        QCOMPARE(reader.bus(), int(sim::bus_md));
    }

    void multiSectorWriteIsStampedPerSector()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        QVERIFY(find_reader_drive(0));
        std::vector<uint8_t> buf(3 * 512, 0);
        for (int i = 0; i < 3; ++i) {
            buf[size_t(i) * 512 + 1] = uint8_t(0x10 + i);
            buf[size_t(i) * 512 + 2] = 0x03;
            buf[size_t(i) * 512 + 12] = uint8_t(i);
        }
        QCOMPARE(send_command_sectors(buf.data(), uint32_t(buf.size())), 1536u);
        for (int i = 0; i < 3; ++i)
            QVERIFY(sector_is_sealed(buf.data() + i * 512));
        const auto cmds = reader.commands();
        QCOMPARE(int(cmds.size()), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(cmds[size_t(i)].target()), 0x10 + i);
            QCOMPARE(int(cmds[size_t(i)].arg(12)), i);
        }
        QCOMPARE(reader.rejected_sectors(), 0);
        // A length that ends inside a sector: only whole sectors are sealed,
        // nothing is written past the caller's buffer.
        std::vector<uint8_t> ragged(700, 0);
        ragged[1] = 0x13;
        ragged[2] = 0x01;
        QCOMPARE(send_command_sectors(ragged.data(), uint32_t(ragged.size())), 700u);
        QVERIFY(sector_is_sealed(ragged.data()));
        QVERIFY(std::all_of(ragged.begin() + 512, ragged.end(), [](uint8_t b) { return b == 0; }));
    }

    void readerDropsSectorsThatFailTheCheck()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        QVERIFY(find_reader_drive(0));
        CommandSector good = make_command(0x13, 0x01);
        seal_sector(good.data());
        CommandSector badCheck = good;
        badCheck[511] ^= 0x01;
        CommandSector badMarker = good;
        badMarker[0] = 0x5B;
        std::vector<uint8_t> buf;
        for (const CommandSector *s : {&badCheck, &good, &badMarker})
            buf.insert(buf.end(), s->bytes.begin(), s->bytes.end());
        char path[256];
        format_device_path(path, sizeof path, "CMD.CMD");
        QCOMPARE(save_file(path, buf.data(), uint32_t(buf.size())), 1536u);
        QCOMPARE(reader.rejected_sectors(), 2);
        QCOMPARE(int(reader.commands().size()), 1);
    }

    void splitDrivePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("name");
        QTest::newRow("command file") << "E:\\CMD.CMD" << true << "E" << "CMD.CMD";
        QTest::newRow("no name") << "E:\\" << false << "" << "";
        QTest::newRow("no colon") << "E\\CMD.CMD" << false << "" << "";
    }
    void splitDrivePath()
    {
        QFETCH(QString, path);
        QFETCH(bool, ok);
        QFETCH(QString, letter);
        QFETCH(QString, name);
        char l = 0;
        const char *n = nullptr;
        const QByteArray p = path.toLatin1();
        QCOMPARE(platform::split_drive_path(p.constData(), &l, &n), ok);
        if (ok) {
            QCOMPARE(QString(QChar(l)), letter);
            QCOMPARE(QString::fromLatin1(n), name);
        }
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_device_link.moc"
