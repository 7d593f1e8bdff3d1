#include "workers/md/md_threads.h"

#include "device/checksum.h"
#include "device/command.h"
#include "device/device_link.h"
#include "workers/md/md_table.h"

#include <QByteArray>
#include <QTextCodec>

namespace {

QString gbk(const char *text)
{
    // Alternative titles are GBK whatever the system's code page.
    if (QTextCodec *codec = QTextCodec::codecForName("GBK"))
        return codec->toUnicode(text);
    return QString::fromLocal8Bit(text);
}

} // namespace

mdThreadInfo::mdThreadInfo(QObject *parent)
    : InfoWorker(parent), table(md::mdTitleTable), tableSize(md::mdTitleTableSize) {}

void mdThreadInfo::identify()
{
    md_select();
    QByteArray page(md::kHeaderPage, '\0');
    read_data_window(0, page.data(), md::kHeaderPage);
    const uint32_t key = crc32_buffer(page.constData(), md::kHeaderPage);
    const md::MdTitleRecord *hit = md::find_title(table, tableSize, key);
    if (!hit) {
        noteNotDetected();
        return;
    }
    note("--MD/GENS Cartridge information--");
    note("Title: ", QString::fromLocal8Bit(hit->title));
    note("Year: ", QString::fromLocal8Bit(hit->year));
    note("Publisher: ", QString::fromLocal8Bit(hit->publisher));
    note("Alt Title: ", gbk(hit->altTitle));
    note("Size: ", QString::number(hit->size / 1024) + QStringLiteral("KB"));
    selectRomSize(int(hit->size));
}

bool mdThreadDump::readImage(uint8_t *buffer)
{
    // Select the Mega Drive bus ourselves: the reader may still be in the
    // mode another family's run left.
    if (!send(make_command(0x13, 0x01)))
        return false;
    emit set_progress(1, romSize);
    for (const md::Block &b : md::dump_blocks(uint32_t(romSize))) {
        if (!keepGoing() || !readWindow(b.offset, buffer + b.offset, b.length))
            return false;
        emit set_progress(int(b.offset), romSize);
    }
    return true;
}
