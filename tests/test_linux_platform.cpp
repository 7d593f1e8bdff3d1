// The Linux layer's parsing of mount tables, sysfs and QUORVEL_DRIVES; the
// link's cases over QUORVEL_DRIVES folders are in tests/device_check.cpp.
#include "device/platform_linux.h"
#include "support/carts.h"

#include <QtTest>
#include <QTemporaryDir>

class TestLinuxPlatform : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;

private slots:
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
        QVERIFY(write_file(devices + "/ata1/block/sda/removable", "0\n"));
        QVERIFY(write_file(devices + "/ata1/block/sda/sda1/partition", "1\n"));
        QVERIFY(write_file(devices + "/ata2/block/sdb/removable", "1\n"));
        QVERIFY(write_file(devices + "/ata2/block/sdb/sdb1/partition", "1\n"));
        QVERIFY(write_file(devices + "/usb1/1-1/block/sdc/removable", "0\n"));
        QVERIFY(QFile::link(devices + "/ata1/block/sda/sda1", sys + "/dev/block/8:1"));
        QVERIFY(QFile::link(devices + "/ata2/block/sdb/sdb1", sys + "/dev/block/8:17"));
        QVERIFY(QFile::link(devices + "/usb1/1-1/block/sdc", sys + "/dev/block/8:32"));
        const std::string root = sys.toStdString();
        QVERIFY(!platform::is_removable_block(root, 8, 1));
        QVERIFY(platform::is_removable_block(root, 8, 17));
        QVERIFY(platform::is_removable_block(root, 8, 32));
        QVERIFY(!platform::is_removable_block(root, 8, 99));
    }

    void driveListSplitting()
    {
        const auto parts = platform::split_drive_list(":/a::/b c:");
        QCOMPARE(int(parts.size()), 2);
        QCOMPARE(QString::fromStdString(parts[0]), QStringLiteral("/a"));
        QCOMPARE(QString::fromStdString(parts[1]), QStringLiteral("/b c"));
    }
};

QTEST_GUILESS_MAIN(TestLinuxPlatform)
#include "test_linux_platform.moc"
