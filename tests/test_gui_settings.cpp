// The settings panel: the select-by-value rules and reloading a family.
#include "gui/settings.h"

#include <QComboBox>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
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
        QTEST(*fields[row - 1], "stored");
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
