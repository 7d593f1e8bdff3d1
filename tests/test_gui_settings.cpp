// The settings panel: rows of each family and the select-by-value rules.
#include "gui/settings.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {

// One row as "CAPTION first..last (count) = value", or "CAPTION off = value"
// when disabled.
QString summary(const QLabel *label, const QComboBox *box, int value)
{
    const QString tail = QStringLiteral(" = %1").arg(value);
    if (!box->isEnabled())
        return label->text() + QStringLiteral(" off") + tail;
    return QStringLiteral("%1 %2..%3 (%4)")
               .arg(label->text(), box->itemText(0), box->itemText(box->count() - 1))
               .arg(box->count()) + tail;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void familyRows_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("rows");   // mapper, ROM size, RAM type, RAM size

        QTest::newRow("MD/GEN") << 19
            << QStringList{"MMC TYPE: Normal..Homebrew (3) = 0",
                           "ROM SIZE: 128 Kbytes..5120 Kbytes (14) = 131072", "RAM TYPE: SRAM..EEP (2) = 0",
                           "RAM SIZE: 16 K..128 K (4) = 16384"};
        QTest::newRow("GB/GBC") << 2
            << QStringList{"MBC TYPE: NONE..MBC5 (5) = 0", "ROM SIZE: 32KB..8192KB (9) = 32768",
                           "Not Used: off = 0", "RAM SIZE: NONE..128 Kbytes (6) = 0"};
        QTest::newRow("GBA") << 3
            << QStringList{"Not Used: off = 0", "ROM SIZE: 8Mbit..512Mbit (7) = 1048576",
                           "RAM TYPE: NONE..EEP (4) = 0", "RAM SIZE: NONE..128 Kbytes (6) = 0"};
        QTest::newRow("SFC/SNES") << 15
            << QStringList{"MMC TYPE: LOROM..HomebrewMulti (6) = 1",
                           "ROM SIZE: 1 Mbit..96 Mbit (12) = 131072", "Not Used: off = 0",
                           "RAM SIZE: NONE..128 Kbytes (8) = 0"};
        QTest::newRow("SMS") << 18
            << QStringList{"Not Used: off = 0", "ROM SIZE: 256 Kbytes..16 Kbytes (11) = 262144",
                           "Not Used: off = 0", "Not Used: off = 0"};
        QTest::newRow("MSX/MSX2") << 21
            << QStringList{"MMC TYPE: standard (no mapper)..MicroCabin Harry Fox (19) = 0",
                           "ROM SIZE: 8 Kbytes..2048 Kbytes (10) = 8192", "Not Used: off = 0",
                           "Not Used: off = 0"};
    }

    void familyRows()
    {
        QFETCH(int, code);
        QFETCH(QStringList, rows);

        Settings panel;
        // Passing through another family first proves setConsole reloads.
        panel.setConsole(code == 3 ? 18 : 3);
        panel.setConsole(code);
        const QLabel *labels[] = {panel.mmcTypeLabel, panel.romSizeLabel, panel.ramTypeLabel,
                                  panel.ramSizeLabel};
        const QComboBox *boxes[] = {panel.mmcTypeBox, panel.romSizeBox, panel.ramTypeBox,
                                    panel.ramSizeBox};
        const int values[] = {panel.mmcType, panel.romSize, panel.ramType, panel.ramSize};
        QStringList got;
        for (int row = 0; row < 4; ++row) {
            got << summary(labels[row], boxes[row], values[row]);
            QCOMPARE(boxes[row]->currentIndex(), 0);
        }
        QCOMPARE(got, rows);
        QCOMPARE(panel.currentConsole, code);
    }

    // Every ROM SIZE option, in order: the name shown and the bytes a pick
    // hands to the dump.
    void romSizeLists_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<int>>("sizes");   // in units of `unit` bytes
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("unit");

        QTest::newRow("MD/GEN") << 19 << QList<int>{128, 256, 384, 512, 640, 768, 1024, 1280, 1536, 2048, 2560, 3072, 4096, 5120}
                                << "%1 Kbytes" << 1024;
        QTest::newRow("GB/GBC") << 2 << QList<int>{32, 64, 128, 256, 512, 1024, 2048, 4096, 8192} << "%1KB" << 1024;
        QTest::newRow("GBA") << 3 << QList<int>{8, 16, 32, 64, 128, 256, 512} << "%1Mbit" << 131072;
        QTest::newRow("SFC/SNES") << 15 << QList<int>{1, 2, 4, 8, 12, 16, 20, 24, 32, 40, 48, 96} << "%1 Mbit" << 131072;
        QTest::newRow("SMS") << 18 << QList<int>{256, 128, 1024, 512, 32, 432, 64, 48, 800, 8, 16} << "%1 Kbytes" << 1024;
        QTest::newRow("MSX/MSX2") << 21 << QList<int>{8, 16, 32, 64, 128, 256, 384, 512, 1024, 2048} << "%1 Kbytes" << 1024;
    }

    void romSizeLists()
    {
        QFETCH(int, code);
        QFETCH(QList<int>, sizes);
        QFETCH(QString, name);
        QFETCH(int, unit);

        Settings panel;
        panel.setConsole(code);
        QCOMPARE(panel.romSizeBox->count(), sizes.size());
        for (int i = 0; i < sizes.size(); ++i) {
            emit panel.romSizeBox->activated(i);
            QCOMPARE(panel.romSizeBox->itemText(i), name.arg(sizes[i]));
            QCOMPARE(panel.romSize, sizes[i] * unit);
        }
    }

    // A preset selects the first option holding the value, or changes
    // nothing; a user's pick stores the value of the option picked.
    void valueRules_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("row");        // 1 mapper, 2 ROM size, 3 RAM type, 4 RAM size
        QTest::addColumn<bool>("pick");      // a user's pick of index `input`, else a preset
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("shown");  // empty: row left as it was
        QTest::addColumn<int>("stored");

        QTest::newRow("GB ROM 1 MiB") << 2 << 2 << false << 1048576 << "1024KB" << 1048576;
        QTest::newRow("end record's value is no option") << 19 << 2 << false << 0 << "" << 131072;
        QTest::newRow("SFC duplicate value: first wins") << 15 << 1 << false << 0 << "HomebrewSimple" << 0;
        QTest::newRow("SFC unknown mapper") << 15 << 1 << false << 9 << "" << 1;
        QTest::newRow("MSX last mapper") << 21 << 1 << false << 128 << "MicroCabin Harry Fox" << 128;
        QTest::newRow("MSX code past last index") << 21 << 1 << false << 18 << "" << 0;
        QTest::newRow("not-used row takes 0") << 2 << 3 << false << 0 << "NOT USED" << 0;
        QTest::newRow("not-used row refuses others") << 2 << 3 << false << 1 << "" << 0;
        QTest::newRow("GBA save size") << 3 << 4 << false << 512 << "512 bytes" << 512;
        QTest::newRow("pick SFC map mode") << 15 << 1 << true << 3 << "" << 4;
        QTest::newRow("pick past the list") << 19 << 2 << true << 14 << "" << 131072;
    }

    void valueRules()
    {
        QFETCH(int, code);
        QFETCH(int, row);
        QFETCH(bool, pick);
        QFETCH(int, input);
        QFETCH(QString, shown);
        QFETCH(int, stored);

        Settings panel;
        panel.setConsole(code);
        QComboBox *boxes[] = {panel.mmcTypeBox, panel.romSizeBox, panel.ramTypeBox, panel.ramSizeBox};
        const int *fields[] = {&panel.mmcType, &panel.romSize, &panel.ramType, &panel.ramSize};
        void (CartridgePresets::*presets[])(int) = {
            &CartridgePresets::selectMMCType, &CartridgePresets::selectRomSize,
            &CartridgePresets::selectRamType, &CartridgePresets::selectRamSize};
        QComboBox *box = boxes[row - 1];
        const QString before = box->currentText();
        if (pick)
            emit box->activated(input);   // what a user's pick emits
        else
            (static_cast<CartridgePresets &>(panel).*presets[row - 1])(input);
        QCOMPARE(box->currentText(), shown.isEmpty() ? before : shown);
        QCOMPARE(*fields[row - 1], stored);
    }

    // Reloading the family already loaded, or a code that names no family,
    // keeps the choices; another family's rows replace them.
    void setConsoleKeepsOrReloads()
    {
        Settings panel;
        panel.setConsole(2);
        panel.selectRomSize(1048576);
        for (int code : {2, 0, 20, -1}) {
            panel.setConsole(code);
            QCOMPARE(panel.currentConsole, 2);
            QCOMPARE(panel.romSizeBox->currentText(), QStringLiteral("1024KB"));
            QCOMPARE(panel.romSize, 1048576);
        }
        panel.setConsole(3);
        panel.setConsole(2);
        QCOMPARE(panel.romSizeBox->currentText(), QStringLiteral("32KB"));
        QCOMPARE(panel.romSize, 32768);
    }
};

QTEST_MAIN(TestSettings)
#include "test_gui_settings.moc"
