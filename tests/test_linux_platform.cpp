// The Linux layer against folders named in QUORVEL_DRIVES, and its parsing
// of mount tables and sysfs. Nothing here looks at the machine's own drives.
#include "device/command.h"
#include "device/device_link.h"
#include "device/platform_linux.h"

#include <QtTest>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray identityFile(const QByteArray &text)
{
    QByteArray id(0x10000, '\0');
    id.replace(0x8000, text.size(), text);
    return id;
}

} // namespace

class TestLinuxPlatform : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QString reader, other;
    platform::LinuxPlatform os;

private slots:
    void initTestCase()
    {
        QVERIFY(tmp.isValid());
        other = tmp.filePath("STICK");
        reader = tmp.filePath("QUORVEL");
        QVERIFY(QDir().mkpath(other));
        QVERIFY(QDir().mkpath(reader));
        QVERIFY(writeFile(reader + "/V-DRIVER.DMP", identityFile("QXB_RDR07_FW310")));
        QByteArray window(0x40000, '\0');
        for (int i = 0; i < window.size(); ++i)
            window[i] = char(i * 13 + (i >> 9));
        QVERIFY(writeFile(reader + "/DUMP.ROM", window));
        qputenv("QUORVEL_DRIVES", (other + "::" + reader).toLocal8Bit());
        qputenv("QUORVEL_NO_DETECT", "1");
        platform::install(&os);
    }
    void cleanupTestCase() { platform::install(nullptr); }

    void foldersBecomeDrivesInOrder()
    {
        const auto drives = os.drives();
        QCOMPARE(int(drives.size()), 2);
        QCOMPARE(drives[0].letter, 'D');
        QCOMPARE(QString::fromStdString(drives[0].label), QStringLiteral("STICK"));
        QCOMPARE(drives[1].letter, 'E');
        QCOMPARE(QString::fromStdString(drives[1].label), QStringLiteral("QUORVEL"));
        QCOMPARE(os.present_drives(), (1u << 3) | (1u << 4));
        QCOMPARE(os.drive_type('E'), unsigned(platform::drive_removable));
        QCOMPARE(os.drive_type('F'), unsigned(platform::drive_no_root));
    }

    void scanFindsTheFolderWithAnIdentity()
    {
        current_drive_letter = 0;
        QCOMPARE(find_reader_drive(0), 1);
        QCOMPARE(current_drive_letter, 'E');
        QCOMPARE(QByteArray(driver_label), QByteArray("QUORVEL"));
        QCOMPARE(QByteArray(device_firmware), QByteArray("QXB_RDR07_FW310"));
    }

    void readsSeeTheFileAsItIsNow()
    {
        current_drive_letter = 'E';
        const QByteArray window = readFile(reader + "/DUMP.ROM");
        QByteArray block(0x20000, '\0');
        QCOMPARE(read_data_window(0x20000, block.data(), 0x20000), 0x20000u);
        QCOMPARE(block, window.mid(0x20000, 0x20000));
        char small[16];
        QCOMPARE(read_data_window(0x1234, small, 16), 16u);
        QCOMPARE(QByteArray(small, 16), window.mid(0x1234, 16));
        // An unaligned destination goes through the layer's own aligned buffer.
        QByteArray odd(0x2001, '\0');
        QCOMPARE(read_data_window(0x400, odd.data() + 1, 0x2000), 0x2000u);
        QCOMPARE(odd.mid(1), window.mid(0x400, 0x2000));
        // The device changes the file under us: the next read must see it.
        QByteArray changed = window;
        changed[0x20000] = char(~changed[0x20000]);
        QVERIFY(writeFile(reader + "/DUMP.ROM", changed));
        QCOMPARE(read_data_window(0x20000, block.data(), 0x20000), 0x20000u);
        QCOMPARE(block.at(0), changed.at(0x20000));
        QVERIFY(writeFile(reader + "/DUMP.ROM", window));
    }

    void readPastTheEndIsShort()
    {
        current_drive_letter = 'E';
        QByteArray block(0x20000, '\0');
        QCOMPARE(read_data_window(0x30000, block.data(), 0x20000), 0x10000u);
    }

    void commandFileIsRewrittenNeverAppended()
    {
        current_drive_letter = 'E';
        QCOMPARE(md_select(), 512u);
        CommandSector s = make_command(0x0F, 0x04);
        s[3] = 1;
        QVERIFY(send_command(s));
        const QByteArray cmd = readFile(reader + "/CMD.CMD");
        QCOMPARE(cmd.size(), 512);
        QCOMPARE(int(uchar(cmd[0])), 0x5A);
        QCOMPARE(int(uchar(cmd[1])), 0x0F);
        QCOMPARE(int(uchar(cmd[3])), 1);
        QVERIFY(sector_is_sealed(reinterpret_cast<const uint8_t *>(cmd.constData())));
    }

    void missingFilesFail()
    {
        current_drive_letter = 'D';
        char b[16];
        QCOMPARE(read_data_window(0, b, 16), 0u);
        QCOMPARE(probe_drive('D'), 0);
        QCOMPARE(probe_drive('Q'), 0);
        // The stick has no CMD.CMD yet, but a command creates it.
        current_drive_letter = 'D';
        QCOMPARE(md_select(), 512u);
        QVERIFY(QFile::exists(other + "/CMD.CMD"));
        QFile::remove(other + "/CMD.CMD");
    }

    void mountinfoParsing()
    {
        const std::string text =
            "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
            "40 22 8:17 / /media/user/MY\\040STICK rw,nosuid shared:9 - vfat /dev/sdb1 rw,fmask=0022\n"
            "41 22 0:45 / /proc rw - proc proc rw\n"
            "garbage line\n";
        const auto mounts = platform::parse_mountinfo(text);
        QCOMPARE(int(mounts.size()), 3);
        QCOMPARE(mounts[1].major, 8u);
        QCOMPARE(mounts[1].minor, 17u);
        QCOMPARE(QString::fromStdString(mounts[1].mount_point), QStringLiteral("/media/user/MY STICK"));
        QCOMPARE(QString::fromStdString(mounts[1].fs_type), QStringLiteral("vfat"));
        QCOMPARE(QString::fromStdString(mounts[1].source), QStringLiteral("/dev/sdb1"));
    }

    void removableDetection()
    {
        // A sysfs tree of our own: sdb is removable, its partition sdb1
        // inherits that; sdc sits on USB; sda is neither.
        const QString sys = tmp.filePath("sys");
        const QString devices = sys + "/devices/pci0000:00";
        QVERIFY(QDir().mkpath(devices + "/ata1/block/sda/sda1"));
        QVERIFY(QDir().mkpath(devices + "/ata2/block/sdb/sdb1"));
        QVERIFY(QDir().mkpath(devices + "/usb1/1-1/block/sdc"));
        QVERIFY(QDir().mkpath(sys + "/dev/block"));
        QVERIFY(writeFile(devices + "/ata1/block/sda/removable", "0\n"));
        QVERIFY(writeFile(devices + "/ata1/block/sda/sda1/partition", "1\n"));
        QVERIFY(writeFile(devices + "/ata2/block/sdb/removable", "1\n"));
        QVERIFY(writeFile(devices + "/ata2/block/sdb/sdb1/partition", "1\n"));
        QVERIFY(writeFile(devices + "/usb1/1-1/block/sdc/removable", "0\n"));
        QVERIFY(QFile::link(devices + "/ata1/block/sda/sda1", sys + "/dev/block/8:1"));
        QVERIFY(QFile::link(devices + "/ata2/block/sdb/sdb1", sys + "/dev/block/8:17"));
        QVERIFY(QFile::link(devices + "/usb1/1-1/block/sdc", sys + "/dev/block/8:32"));
        const std::string root = sys.toStdString();
        QVERIFY(!platform::is_removable_block(root, 8, 1));
        QVERIFY(platform::is_removable_block(root, 8, 17));
        QVERIFY(platform::is_removable_block(root, 8, 32));
        QVERIFY(!platform::is_removable_block(root, 8, 99));
        QVERIFY(!platform::is_removable_block(root, 0, 45));
    }

    void driveListSplitting()
    {
        const auto parts = platform::split_drive_list(":/a::/b c:");
        QCOMPARE(int(parts.size()), 2);
        QCOMPARE(QString::fromStdString(parts[0]), QStringLiteral("/a"));
        QCOMPARE(QString::fromStdString(parts[1]), QStringLiteral("/b c"));
        QVERIFY(platform::split_drive_list("").empty());
    }
};

QTEST_GUILESS_MAIN(TestLinuxPlatform)
#include "test_linux_platform.moc"
