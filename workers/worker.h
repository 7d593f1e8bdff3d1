// The frame shared by every family's Info and Dump workers: signals, the cancel
// slot, the device preamble of Info runs and the frame of Dump runs.
#pragma once

#include "device/command.h"
#include "workers/log_tone.h"
#include "workers/types.h"
#include "workers/outcome.h"
#include "workers/presets.h"
#include "workers/verify/verify.h"

#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <vector>

// True when `len` bytes (at least one) are all 0xFF, what an empty slot's
// bus shows, or all 0x00.
bool blank_bytes(const uint8_t *data, uint32_t len);

namespace verify {
class UserCatalogues;
}

class CartWorker : public QThread {
    Q_OBJECT
public:
    explicit CartWorker(QObject *parent = nullptr) : QThread(parent) {}

    // Set by canceled(); cleared when a run starts. Dump runs check it
    // between blocks.
    std::atomic<int> cancelRequested{0};

signals:
    void log(QString text);
    void set_progress(int ile, int max);
    void error(int err);
    // Emitted just before each log(), with the line's LogTone. Both are
    // queued, so a receiver sees a worker's tone and then its line.
    void log_tone(int tone);
    // A Dump run's DumpOutcome, emitted just before its error().
    void outcome(int result);

public slots:
    void canceled();

protected:
    // `text` translated with the worker's own class name as context.
    QString say(const char *text) const;
    // Logs the translated `text`, followed by `rest` untranslated: a step,
    // a good outcome, a warning, a failure.
    void note(const char *text, const QString &rest = QString());
    void noteGood(const char *text, const QString &rest = QString());
    void noteWarn(const char *text, const QString &rest = QString());
    void noteFail(const char *text, const QString &rest = QString());
    // Logs text as it stands ("<hr><br>", a text already translated).
    void noteRaw(const QString &text, LogTone tone = LogTone::Progress);
    // The three lines of a run that identified nothing.
    void noteNotDetected();
    // No reader was found: that, what to check and where the search looked.
    void noteNoReader();
};

class InfoWorker : public CartWorker {
    Q_OBJECT
public:
    explicit InfoWorker(QObject *parent = nullptr) : CartWorker(parent) {}

    // Receives the detected options; not owned. May be null.
    CartridgePresets *presets = nullptr;

    // The last run found no reader, failed a command or read, or found no
    // cartridge; it preset nothing.
    bool failed() const { return failed_; }

protected:
    void run() override;
    // The family's identification, after a successful preamble.
    virtual void identify() = 0;

    // Requests carried out on the presets' thread, in the order made.
    void selectMMCType(int value);
    void selectRomSize(int value);
    void selectRamType(int value);
    void selectRamSize(int value);
    // Logs that the evidence leaves the ROM size open between `candidates`
    // and presets no size; the presets may ask the person.
    void leaveRomSizeOpen(int consoleCode, const std::vector<int> &candidates);

    // Identification steps. Each logs why it failed ("Device command error.",
    // "Read error at 0x" with the offset in the image, or that no cartridge
    // answers) and returns false; after a failure the run presets nothing.
    bool infoSend(const CommandSector &sector);
    bool infoRead(uint32_t windowOffset, void *dst, uint32_t len, uint32_t imageOffset);
    // False when the page is all 0xFF (an empty slot's bus) or all 0x00.
    bool cartridgeAnswers(const void *page, uint32_t len);
    // Logs the catalogue's title, year and publisher for each entry whose
    // serial gives `code` (a header's code); returns how many there were.
    int noteCatalogue(int consoleCode, const QString &code);
    // The header is reported but not trusted: no option is preset.
    void withholdPresets() { withheld_ = true; }

private:
    bool failed_ = false;
    bool withheld_ = false;
    void preset(void (CartridgePresets::*op)(int), int value);
};

// What a Dump run hands over when it has ended, in place of its buffer: the
// image's sums, each from the one pass over it, and what the checks made of
// it.
struct DumpResult {
    bool saved = false;
    quint32 size = 0;
    quint32 crc32 = 0;
    // Raw digests; set only when the run was asked for them (wantHashes).
    QByteArray md5;
    QByteArray sha1;
    QByteArray sha256;
    std::optional<verify::CatalogueEntry> entry;   // the catalogue knows the image
    verify::HeaderCheck header = verify::HeaderCheck::None;
    DumpOutcome outcome = DumpOutcome::Failed;
    int blocksReadAgain = 0;   // by a read-twice run: blocks that took more than two reads
};

class DumpWorker : public CartWorker {
    Q_OBJECT
    friend class CartWorker;   // noteRaw counts warnings and keeps trial reads quiet
public:
    explicit DumpWorker(QObject *parent = nullptr) : CartWorker(parent) {}

    QString fileName;   // output path, kept exactly as chosen
    int romSize = 0;    // bytes to read and save
    int mmcType = 0;    // the MMC TYPE option's value; families without a mapper ignore it

    // Hands over a run's inputs.
    void configure(const QString &file, int size, int mapper);
    // The family's console code, for the checks of a saved image.
    virtual int consoleCode() const = 0;

    // Known images a saved dump is checked against; null: the user's
    // catalogues, then the built-in one.
    const verify::Catalogue *catalogue = nullptr;

    // Work out the MD5, SHA-1 and SHA-256 of the image too (for a report).
    bool wantHashes = false;
    // The last run's results; read once the run has ended.
    const DumpResult &result() const { return result_; }

    // A flag from outside (the headless program's signal handler) that
    // cancels the run as Cancel does; not owned. May be null.
    const std::atomic<int> *stopFlag = nullptr;

    // Every block is read until two reads agree; set before a run.
    bool readTwice = false;

    // What the last run ended with, and how many of its blocks needed more
    // than two reads (read twice only).
    DumpOutcome lastOutcome() const { return result_.outcome; }
    int blocksReadAgain() const { return result_.blocksReadAgain; }

protected:
    void run() override;

    // A family describes its reads; the frame's one block loop performs
    // them with the cancel checks, read-error offsets and progress.
    // Sends what goes before the first block. False ends the run without a
    // file: the helpers below record why, or the family logged its reason.
    virtual bool startRead() = 0;
    // Block `index` of the run, asked once the blocks before it are in
    // `image`; false when the run has no more.
    virtual bool nextBlock(uint32_t index, const uint8_t *image, DumpBlock *block) = 0;
    // A block is in, before its progress is reported.
    virtual void blockDone(const DumpBlock &, const uint8_t *) {}
    virtual uint32_t bufferSize() const { return uint32_t(romSize); }
    // Block `index` of a run read in blocks of `blockSize`: its place and
    // length in the image, the last one short where romSize is not a whole
    // number of blocks, and the bytes done as its progress. False past the end.
    bool evenBlock(uint32_t index, uint32_t blockSize, DumpBlock *block) const;
    // True when the image's first `len` bytes show no cartridge; the frame
    // then refuses the dump. Blank bytes by default.
    virtual bool emptySlot(const uint8_t *image, uint32_t len) const { return blank_bytes(image, len); }
    // The length of the cartridge's own data in the `len` bytes read: less
    // where the board repeats part of its ROM to fill the address space.
    // The frame saves that much unless the whole image is a known dump.
    virtual uint32_t trueLength(const uint8_t *, uint32_t len) const { return len; }
    // After a save: warns, as the last lines, where the image disagrees with
    // what its header says. The frame warns on a failed header checksum.
    virtual void noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails);
    // The size lines of the families whose header declares one: that the
    // run dumps romSize all the same, and that a saved image differs.
    void noteHeaderSize(uint32_t declared);
    void warnHeaderSize(uint32_t len, uint32_t declared);

    // For startRead: false, and the run ends with "Device command error.".
    bool send(const CommandSector &sector);

private:
    // The block loop's steps. Each returns false and records the failure.
    bool readWindow(uint32_t offset, uint8_t *dst, uint32_t len);  // "Read error at 0x…"
    bool perform(const BlockRead &step, uint8_t *dst);
    bool keepGoing();                                  // false once canceled
    enum class Failure { None, Canceled, Read, Command, Unstable, NoCartridge };
    Failure failure_ = Failure::None;
    uint32_t failedOffset_ = 0;
    const uint8_t *image_ = nullptr;   // the run's buffer, to name failed offsets
    uint32_t imageSize_ = 0;
    int warnings_ = 0;                 // warning lines of the run so far
    bool quiet_ = false;               // lines of a trial read are not shown
    bool readImage(uint8_t *buffer);
    DumpResult result_;
    bool readBlock(const DumpBlock &block, uint8_t *buffer);
    bool settleStream(const std::vector<DumpBlock> &stream, uint8_t *buffer);
    bool headerReadsAgree();
    DumpOutcome judgeSaved(bool verified, bool doubtful) const;
    void end(bool saved);
    void noteSaveError(const QString &why);
    // True when the checksum fails; *verified when the catalogue knows the image.
    bool noteVerification(const uint8_t *data, uint32_t len, bool *verified);
    uint32_t savedLength(const uint8_t *data);
    // The catalogues an image is looked up in: the one given, else the
    // user's (read afresh into `user`, so an import made while the window
    // is open counts at the next dump) and the built-in set.
    verify::CatalogueList catalogues(verify::UserCatalogues *user) const;
};

// The outcome's name as the window shows it.
QString outcome_text(DumpOutcome outcome);


// The name the settings panel gives `value` in `row` of the family's
// options (as option_list numbers them); the number itself where none does.
QString option_name(int consoleCode, int row, int value);

// Empty when the mapper `mapper` of the family can address `romSize` bytes;
// otherwise the message refusing the dump, naming both. Both front ends
// check before a run; the Dump frame checks again.
QString rom_size_refusal(int consoleCode, int romSize, int mapper);

// Empty when an image can be saved at `path`; otherwise why not: it exists
// and is a folder or not a regular file (a device node would be replaced).
QString target_refusal(const QString &path);

// What to check when no reader was found, and the drives the last search
// looked at; one line each.
QStringList no_reader_guidance();

// Removes the temporary file of a save in progress, if any. Safe to call
// from a signal handler.
void discard_partial_image();

// Names the temporary file of another save in progress (a save memory
// file), so that discard_partial_image() removes it too; empty: none.
void track_partial_image(const QString &path);
