#include "gui/settings.h"

#include "workers/registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Row captions; a row the family leaves unused reads "Not Used:".
const char *const rowCaptions[4] = {
    QT_TRANSLATE_NOOP("Settings", "MMC TYPE:"),
    QT_TRANSLATE_NOOP("Settings", "ROM SIZE:"),
    QT_TRANSLATE_NOOP("Settings", "RAM TYPE:"),
    QT_TRANSLATE_NOOP("Settings", "RAM SIZE:"),
};
const char *const notUsedCaption = QT_TRANSLATE_NOOP("Settings", "Not Used:");

bool at_end(const OptionEntry &entry, int position)
{
    return entry.index == -1 || position >= kMaxOptions;
}

void fill_box(QComboBox *box, const OptionEntry *list)
{
    box->clear();
    for (int i = 0; !at_end(list[i], i); ++i)
        box->insertItem(i, QString::fromLatin1(list[i].name));
    box->setCurrentIndex(0);
}

// The value of the record at `index`; false when the list is shorter.
bool value_at(const OptionEntry *list, int index, int *value)
{
    if (index < 0)
        return false;
    for (int i = 0; !at_end(list[i], i); ++i) {
        if (i == index) {
            *value = list[i].value;
            return true;
        }
    }
    return false;
}

// Shows the first record carrying `value` and stores the value.
void select_value(QComboBox *box, const OptionEntry *list, int value, int *field)
{
    if (const OptionEntry *entry = find_option_value(list, value)) {
        box->setCurrentIndex(entry->index);
        *field = value;
    }
}

} // namespace

Settings::Settings(QWidget *parent)
    : QGroupBox(tr("Settings"), parent)
{
    auto *mainLayout = new QVBoxLayout;
    auto *rowsLayout = new QHBoxLayout;
    auto *captionColumn = new QVBoxLayout;
    auto *boxColumn = new QVBoxLayout;
    auto *checkRow = new QHBoxLayout;

    mmcTypeLabel = new QLabel(tr("MMC TYPE:"));
    romSizeLabel = new QLabel(tr("ROM SIZE:"));
    ramTypeLabel = new QLabel(tr("RAM TYPE:"));
    ramSizeLabel = new QLabel(tr("RAM SIZE:"));

    mmcTypeBox = new QComboBox;
    romSizeBox = new QComboBox;
    ramTypeBox = new QComboBox;
    ramSizeBox = new QComboBox;

    checkSizeBox = new QCheckBox(tr("Check file size"));
    checkSizeBox2 = new QCheckBox(tr("Check file size"));
    checkSizeBox->setChecked(true);
    checkSizeBox2->setChecked(true);

    captionColumn->addWidget(mmcTypeLabel);
    captionColumn->addWidget(romSizeLabel);
    captionColumn->addWidget(ramTypeLabel);
    captionColumn->addWidget(ramSizeLabel);
    boxColumn->addWidget(mmcTypeBox);
    boxColumn->addWidget(romSizeBox);
    boxColumn->addWidget(ramTypeBox);
    boxColumn->addWidget(ramSizeBox);
    rowsLayout->addLayout(captionColumn);
    rowsLayout->addLayout(boxColumn);
    checkRow->addWidget(checkSizeBox);
    checkRow->addWidget(checkSizeBox2);
    mainLayout->addLayout(rowsLayout);
    mainLayout->addLayout(checkRow);
    setLayout(mainLayout);

    setConsole(families().front()->code());

    connect(mmcTypeBox, SIGNAL(activated (int)), this, SLOT(setMMCType (int)));
    connect(romSizeBox, SIGNAL(activated (int)), this, SLOT(setRomSize (int)));
    connect(ramTypeBox, SIGNAL(activated (int)), this, SLOT(setRamType (int)));
    connect(ramSizeBox, SIGNAL(activated (int)), this, SLOT(setRamSize (int)));
}

void Settings::setConsole(int code)
{
    if (code == currentConsole)
        return;
    const Family *family = find_family(code);
    if (!family)
        return;

    checkSizeBox->setEnabled(false);
    checkSizeBox2->setEnabled(false);
    checkSizeBox->setText(tr("Not Used       "));
    checkSizeBox2->setText(tr("Not Used       "));

    QLabel *labels[4] = {mmcTypeLabel, romSizeLabel, ramTypeLabel, ramSizeLabel};
    QComboBox *boxes[4] = {mmcTypeBox, romSizeBox, ramTypeBox, ramSizeBox};
    const OptionEntry **lists[4] = {&mmcTypeList, &romSizeList, &ramTypeList, &ramSizeList};
    int *values[4] = {&mmcType, &romSize, &ramType, &ramSize};

    for (int row = 0; row < 4; ++row) {
        const OptionEntry *list = family->rows[row];
        const char *caption = list == notUsedList                 ? notUsedCaption
                              : row == 0 && family->mapperCaption ? family->mapperCaption
                                                                  : rowCaptions[row];
        labels[row]->setText(tr(caption));
        boxes[row]->setEnabled(list != notUsedList);
        *lists[row] = list;
    }
    for (int row = 0; row < 4; ++row) {
        fill_box(boxes[row], *lists[row]);
        *values[row] = (*lists[row])[0].value;
    }
    currentConsole = code;
}

void Settings::setMMCType(int index) { value_at(mmcTypeList, index, &mmcType); }
void Settings::setRomSize(int index) { value_at(romSizeList, index, &romSize); }
void Settings::setRamType(int index) { value_at(ramTypeList, index, &ramType); }
void Settings::setRamSize(int index) { value_at(ramSizeList, index, &ramSize); }

void Settings::askRomSize(const std::vector<int> &candidates)
{
    QStringList names;
    std::vector<int> values;
    for (int value : candidates)
        if (const OptionEntry *entry = find_option_value(romSizeList, value)) {
            names << QString::fromLatin1(entry->name).trimmed();
            values.push_back(value);
        }
    if (names.isEmpty())
        return;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("romSizeQuestion"));
    dialog.setWindowTitle(tr("ROM SIZE"));
    dialog.setLabelText(tr("The cartridge does not settle its ROM size. Which is it?"));
    dialog.setComboBoxItems(names);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int chosen = names.indexOf(dialog.textValue());
    if (chosen >= 0)
        selectRomSize(values[size_t(chosen)]);
}

void Settings::selectMMCType(int value) { select_value(mmcTypeBox, mmcTypeList, value, &mmcType); }
void Settings::selectRomSize(int value) { select_value(romSizeBox, romSizeList, value, &romSize); }
void Settings::selectRamType(int value) { select_value(ramTypeBox, ramTypeList, value, &ramType); }
void Settings::selectRamSize(int value) { select_value(ramSizeBox, ramSizeList, value, &ramSize); }
