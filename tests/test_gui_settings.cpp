// The settings panel: rows of each family and the select-by-value rules.
#include "gui/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

const QStringList kNotUsed{QStringLiteral("NOT USED")};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void startsWithMegaDrive();
    void familyRows_data();
    void familyRows();
    void selectByValue_data();
    void selectByValue();
    void userChoiceStoresValue_data();
    void userChoiceStoresValue();
    void reselectingFamilyKeepsChoices();
    void unknownCodeChangesNothing();
};

void TestSettings::startsWithMegaDrive()
{
    Settings panel;
    QCOMPARE(panel.title(), QStringLiteral("Settings"));
    QCOMPARE(panel.currentConsole, 19);
    QCOMPARE(panel.mmcTypeBox->currentText(), QStringLiteral("Normal"));
    QCOMPARE(panel.romSizeBox->currentText(), QStringLiteral("128 Kbytes"));
    QCOMPARE(panel.ramTypeBox->currentText(), QStringLiteral("SRAM"));
    QCOMPARE(panel.ramSizeBox->currentText(), QStringLiteral("16 K"));
    QCOMPARE(panel.mmcType, 0);
    QCOMPARE(panel.romSize, 131072);
    QCOMPARE(panel.ramType, 0);
    QCOMPARE(panel.ramSize, 16384);
    for (QCheckBox *box : {panel.checkSizeBox, panel.checkSizeBox2}) {
        QVERIFY(box->isChecked());
        QVERIFY(!box->isEnabled());
        QCOMPARE(box->text(), QStringLiteral("Not Used       "));
    }
}

void TestSettings::familyRows_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<bool>>("enabled");
    QTest::addColumn<QList<QStringList>>("lists");
    QTest::addColumn<QList<int>>("values");

    const QStringList mdRom{"128 Kbytes", "256 Kbytes", "384 Kbytes", "512 Kbytes",
                            "640 Kbytes", "768 Kbytes", "1024 Kbytes", "1280 Kbytes",
                            "1536 Kbytes", "2048 Kbytes", "2560 Kbytes", "3072 Kbytes",
                            "4096 Kbytes", "5120 Kbytes"};
    const QStringList gbRam{"NONE", "512 Bytes", "8 Kbytes", "32 Kbytes", "64 Kbytes",
                            "128 Kbytes"};
    const QStringList msxMappers{
        "standard (no mapper)", "msx-dos 2", "konami5 with SCC", "konami4 without SCC",
        "Ascii/8kb", "Ascii/16kb", "Game Master 2 with SRAM", "Ascii/8kb with 8kb SRAM ",
        "Ascii/16kb with 2kb SRAM", "R-type", "Konami mah-jong 2", "Panasonic fm-pac",
        "Super Load Runner", "Konami Synthesizer", "Cross Blaim", "Disk ROM (Philips/Sony)M",
        "Korean 80-in-1", "Korean 126-in-1", "MicroCabin Harry Fox"};

    // Passing through another family first proves setConsole really reloads.
    QTest::newRow("MD/GEN")
        << 19 << QStringList{"MMC TYPE:", "ROM SIZE:", "RAM TYPE:", "RAM SIZE:"}
        << QList<bool>{true, true, true, true}
        << QList<QStringList>{{"Normal", "Supter Street Fighter", "Homebrew"},
                              mdRom,
                              {"SRAM", "EEP"},
                              {"16 K", "32 K", "64 K", "128 K"}}
        << QList<int>{0, 131072, 0, 16384};
    QTest::newRow("GB/GBC")
        << 2 << QStringList{"MBC TYPE:", "ROM SIZE:", "Not Used:", "RAM SIZE:"}
        << QList<bool>{true, true, false, true}
        << QList<QStringList>{{"NONE", "MBC1", "MBC2", "MBC3", "MBC5"},
                              {"32KB", "64KB", "128KB", "256KB", "512KB", "1024KB", "2048KB",
                               "4096KB", "8192KB"},
                              kNotUsed,
                              gbRam}
        << QList<int>{0, 32768, 0, 0};
    QTest::newRow("GBA")
        << 3 << QStringList{"Not Used:", "ROM SIZE:", "RAM TYPE:", "RAM SIZE:"}
        << QList<bool>{false, true, true, true}
        << QList<QStringList>{kNotUsed,
                              {"8Mbit", "16Mbit", "32Mbit", "64Mbit", "128Mbit", "256Mbit",
                               "512Mbit"},
                              {"NONE", "SRAM", "FLASH", "EEP"},
                              {"NONE", "512 bytes", "8 Kbytes", "32 Kbytes", "64 Kbytes",
                               "128 Kbytes"}}
        << QList<int>{0, 1048576, 0, 0};
    QTest::newRow("SFC/SNES")
        << 15 << QStringList{"MMC TYPE:", "ROM SIZE:", "Not Used:", "RAM SIZE:"}
        << QList<bool>{true, true, false, true}
        << QList<QStringList>{{"LOROM", "HIROM", "EX-HIROM", "96M ROM", "HomebrewSimple",
                               "HomebrewMulti"},
                              {"1 Mbit", "2 Mbit", "4 Mbit", "8 Mbit", "12 Mbit", "16 Mbit",
                               "20 Mbit", "24 Mbit", "32 Mbit", "40 Mbit", "48 Mbit",
                               "96 Mbit"},
                              kNotUsed,
                              {"NONE", "2 Kbytes", "4 Kbytes", "8 Kbytes", "16 Kbytes",
                               "32 Kbytes", "64 Kbytes", "128 Kbytes"}}
        << QList<int>{1, 131072, 0, 0};
    QTest::newRow("SMS")
        << 18 << QStringList{"Not Used:", "ROM SIZE:", "Not Used:", "Not Used:"}
        << QList<bool>{false, true, false, false}
        << QList<QStringList>{kNotUsed,
                              {"256 Kbytes", "128 Kbytes", "1024 Kbytes", "512 Kbytes",
                               "32 Kbytes", "432 Kbytes", "64 Kbytes", "48 Kbytes",
                               "800 Kbytes", "8 Kbytes", "16 Kbytes"},
                              kNotUsed,
                              kNotUsed}
        << QList<int>{0, 262144, 0, 0};
    QTest::newRow("MSX/MSX2")
        << 21 << QStringList{"MMC TYPE:", "ROM SIZE:", "Not Used:", "Not Used:"}
        << QList<bool>{true, true, false, false}
        << QList<QStringList>{msxMappers,
                              {"8 Kbytes", "16 Kbytes", "32 Kbytes", "64 Kbytes",
                               "128 Kbytes", "256 Kbytes", "384 Kbytes", "512 Kbytes",
                               "1024 Kbytes", "2048 Kbytes"},
                              kNotUsed,
                              kNotUsed}
        << QList<int>{0, 8192, 0, 0};
}

void TestSettings::familyRows()
{
    QFETCH(int, code);
    QFETCH(QStringList, captions);
    QFETCH(QList<bool>, enabled);
    QFETCH(QList<QStringList>, lists);
    QFETCH(QList<int>, values);

    Settings panel;
    panel.setConsole(code == 3 ? 18 : 3);
    panel.setConsole(code);

    const QLabel *labels[] = {panel.mmcTypeLabel, panel.romSizeLabel, panel.ramTypeLabel,
                              panel.ramSizeLabel};
    const QComboBox *boxes[] = {panel.mmcTypeBox, panel.romSizeBox, panel.ramTypeBox,
                                panel.ramSizeBox};
    const int got[] = {panel.mmcType, panel.romSize, panel.ramType, panel.ramSize};
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(labels[row]->text(), captions[row]);
        QCOMPARE(boxes[row]->isEnabled(), enabled[row]);
        QCOMPARE(items(boxes[row]), lists[row]);
        QCOMPARE(boxes[row]->currentIndex(), 0);
        QCOMPARE(got[row], values[row]);
    }
    QCOMPARE(panel.currentConsole, code);
    QVERIFY(!panel.checkSizeBox->isEnabled());
    QVERIFY(panel.checkSizeBox2->isChecked());
}

void TestSettings::selectByValue_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("row");        // 1 mapper, 2 ROM size, 3 RAM type, 4 RAM size
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");  // empty: row left as it was
    QTest::addColumn<int>("stored");

    QTest::newRow("GB ROM 1 MiB") << 2 << 2 << 1048576 << "1024KB" << 1048576;
    QTest::newRow("MD ROM 512 KiB") << 19 << 2 << 524288 << "512 Kbytes" << 524288;
    QTest::newRow("MD size not an option") << 19 << 2 << 99792 << "" << 131072;
    QTest::newRow("SFC duplicate value: first wins") << 15 << 1 << 0 << "HomebrewSimple" << 0;
    QTest::newRow("SFC unknown mapper") << 15 << 1 << 9 << "" << 1;
    QTest::newRow("MSX last mapper") << 21 << 1 << 128 << "MicroCabin Harry Fox" << 128;
    QTest::newRow("MSX code past last index") << 21 << 1 << 18 << "" << 0;
    QTest::newRow("not-used row takes 0") << 2 << 3 << 0 << "NOT USED" << 0;
    QTest::newRow("not-used row refuses others") << 2 << 3 << 1 << "" << 0;
    QTest::newRow("end record's value is no option") << 19 << 2 << 0 << "" << 131072;
    QTest::newRow("GBA save type") << 3 << 3 << 2 << "FLASH" << 2;
    QTest::newRow("GBA save size") << 3 << 4 << 512 << "512 bytes" << 512;
    QTest::newRow("SFC RAM size") << 15 << 4 << 8192 << "8 Kbytes" << 8192;
    QTest::newRow("SMS ROM out of order") << 18 << 2 << 8192 << "8 Kbytes" << 8192;
}

void TestSettings::selectByValue()
{
    QFETCH(int, code);
    QFETCH(int, row);
    QFETCH(int, value);
    QFETCH(QString, shown);
    QFETCH(int, stored);

    Settings panel;
    panel.setConsole(code);
    QComboBox *boxes[] = {panel.mmcTypeBox, panel.romSizeBox, panel.ramTypeBox, panel.ramSizeBox};
    int *fields[] = {&panel.mmcType, &panel.romSize, &panel.ramType, &panel.ramSize};
    QComboBox *box = boxes[row - 1];
    const QString before = box->currentText();

    CartridgePresets *presets = &panel;
    switch (row) {
    case 1: presets->selectMMCType(value); break;
    case 2: presets->selectRomSize(value); break;
    case 3: presets->selectRamType(value); break;
    case 4: presets->selectRamSize(value); break;
    }
    QCOMPARE(box->currentText(), shown.isEmpty() ? before : shown);
    QCOMPARE(*fields[row - 1], stored);
}

void TestSettings::userChoiceStoresValue_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("stored");

    QTest::newRow("MSX Harry Fox") << 21 << 1 << 18 << 128;
    QTest::newRow("SFC map mode values do not follow rows") << 15 << 1 << 3 << 4;
    QTest::newRow("SMS 432 KiB") << 18 << 2 << 5 << 442368;
    QTest::newRow("MD EEP") << 19 << 3 << 1 << 1;
    QTest::newRow("GB RAM 512 bytes") << 2 << 4 << 1 << 512;
    QTest::newRow("index past the list is ignored") << 19 << 2 << 14 << 131072;
}

void TestSettings::userChoiceStoresValue()
{
    QFETCH(int, code);
    QFETCH(int, row);
    QFETCH(int, index);
    QFETCH(int, stored);

    Settings panel;
    panel.setConsole(code);
    QComboBox *boxes[] = {panel.mmcTypeBox, panel.romSizeBox, panel.ramTypeBox, panel.ramSizeBox};
    const int *fields[] = {&panel.mmcType, &panel.romSize, &panel.ramType, &panel.ramSize};
    // What a user's pick emits; the panel listens for nothing else.
    emit boxes[row - 1]->activated(index);
    QCOMPARE(*fields[row - 1], stored);
}

void TestSettings::reselectingFamilyKeepsChoices()
{
    Settings panel;
    panel.setConsole(2);
    panel.selectRomSize(1048576);
    panel.setConsole(2);
    QCOMPARE(panel.romSizeBox->currentText(), QStringLiteral("1024KB"));
    QCOMPARE(panel.romSize, 1048576);

    panel.setConsole(3);
    panel.setConsole(2);
    QCOMPARE(panel.romSizeBox->currentText(), QStringLiteral("32KB"));
    QCOMPARE(panel.romSize, 32768);
}

void TestSettings::unknownCodeChangesNothing()
{
    Settings panel;
    panel.selectRomSize(524288);
    for (int code : {0, 1, 4, 20, -1}) {
        panel.setConsole(code);
        QCOMPARE(panel.currentConsole, 19);
        QCOMPARE(panel.romSize, 524288);
        QCOMPARE(panel.romSizeBox->count(), 14);
        QCOMPARE(panel.mmcTypeLabel->text(), QStringLiteral("MMC TYPE:"));
    }
}

QTEST_MAIN(TestSettings)
#include "test_gui_settings.moc"
