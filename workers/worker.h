// The frame shared by the twelve cartridge workers: signals, the cancel
// slot, the device preamble of Info runs and the frame of Dump runs.
#pragma once

#include "device/command.h"
#include "workers/types.h"
#include "workers/log_tone.h"
#include "workers/presets.h"

#include <QString>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <vector>

namespace verify {
class Catalogue;
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

class DumpWorker : public CartWorker {
    Q_OBJECT
public:
    explicit DumpWorker(QObject *parent = nullptr) : CartWorker(parent) {}

    QString fileName;   // output path, kept exactly as chosen
    int romSize = 0;    // bytes to read and save
    int mmcType = 0;    // the MMC TYPE option's value; families without a mapper ignore it

    // Hands over a run's inputs.
    void configure(const QString &file, int size, int mapper);
    // The family's console code, for the checks of a saved image.
    virtual int consoleCode() const = 0;

    // Known images a saved dump is checked against; null: the built-in one.
    const verify::Catalogue *catalogue = nullptr;

    // A flag from outside (the headless program's signal handler) that
    // cancels the run as Cancel does; not owned. May be null.
    const std::atomic<int> *stopFlag = nullptr;

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
    // After a save: warns, as the last lines, where the image disagrees with
    // what its header says. The frame warns on a failed header checksum.
    virtual void noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails);
    // The size lines of the families whose header declares one: that the
    // run dumps romSize all the same, and that a saved image differs.
    void noteHeaderSize(uint32_t declared);
    void warnHeaderSize(uint32_t len, uint32_t declared);

    // Helpers for startRead. Each returns false and records the failure.
    bool send(const CommandSector &sector);           // "Device command error."
    bool readWindow(uint32_t offset, uint8_t *dst, uint32_t len);  // "Read error at 0x…"
    bool perform(const BlockRead &step, uint8_t *dst);
    bool keepGoing();                                  // false once canceled

private:
    enum class Failure { None, Canceled, Read, Command };
    Failure failure_ = Failure::None;
    uint32_t failedOffset_ = 0;
    const uint8_t *image_ = nullptr;   // the run's buffer, to name failed offsets
    uint32_t imageSize_ = 0;
    bool readImage(uint8_t *buffer);
    void end(bool saved);
    void noteSaveError(const QString &why);
    bool noteVerification(const uint8_t *data, uint32_t len);   // true: checksum fails
};

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

// Removes the temporary file of a save in progress, if any. Safe to call
// from a signal handler.
void discard_partial_image();

// Names the temporary file of another save in progress (a save memory
// file), so that discard_partial_image() removes it too; empty: none.
void track_partial_image(const QString &path);
