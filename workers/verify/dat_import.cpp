#include "workers/verify/dat_import.h"

#include "workers/registry.h"

#include <QBuffer>
#include <QIODevice>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cstring>

namespace verify {

namespace {

// Real DATs nest four deep and keep every value short; anything far past
// that is a broken or hostile file.
constexpr int kMaxDepth = 16;
constexpr int kMaxField = 4096;     // characters of one attribute or text
constexpr int kMaxEntries = 500000;
constexpr qint64 kMaxGap = 1 << 20;      // bytes from one '<' to the next
constexpr qint64 kPiece = 1 << 20;

bool is_hex(const QString &s, int length)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]+$"));
    return s.size() == length && hex.match(s).hasMatch();
}

struct Family {
    const char *words;
    ConsoleCode code;
};

// Longer names first: "Game Boy Advance" before "Game Boy".
const Family kFamilies[] = {
    {"game boy advance", ConsoleCode::gba}, {"gameboy advance", ConsoleCode::gba},
    {"game boy", ConsoleCode::gbc},         {"gameboy", ConsoleCode::gbc},
    {"super nintendo", ConsoleCode::sfc},   {"super famicom", ConsoleCode::sfc},
    {"snes", ConsoleCode::sfc},             {"mega drive", ConsoleCode::md},
    {"megadrive", ConsoleCode::md},         {"genesis", ConsoleCode::md},
    {"master system", ConsoleCode::sms},    {"mark iii", ConsoleCode::sms},
    {"msx", ConsoleCode::msx},
};

// An external DTD is never fetched: QXmlStreamReader loads none, and the
// entities it would declare stay undeclared, which refuses the file.
class DatReader {
public:
    DatReader(QIODevice *in, DatFile *out, const std::function<void(qint64, qint64)> &progress)
        : in_(in), out_(out), progress_(progress)
    {
        xml_.setNamespaceProcessing(false);
    }

    bool read(QString *error)
    {
        const qint64 total = in_->size();
        bool eof = false;
        while (!xml_.hasError() || (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError && !eof)) {
            // Fed a piece at a time, so that no token can grow past what the
            // scan below lets through.
            const QByteArray piece = in_->read(kPiece);
            eof = piece.isEmpty();
            if (!eof) {
                if (!scan(piece)) {
                    *error = QStringLiteral("line %1, column %2: %3").arg(line_).arg(column_).arg(scanError_);
                    return false;
                }
                xml_.addData(piece);
                if (progress_)
                    progress_(in_->pos(), total);
            }
            for (;;) {
                const QXmlStreamReader::TokenType token = xml_.readNext();
                if (xml_.hasError() || token == QXmlStreamReader::EndDocument)
                    break;
                step();
            }
            if (!xml_.hasError() || (eof && xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError))
                break;
        }
        if (!xml_.hasError() && out_->info.name.isEmpty())
            xml_.raiseError(QStringLiteral("the header gives no name"));
        if (xml_.hasError()) {
            QString why = xml_.errorString();
            if (why.endsWith(QLatin1Char('.')))
                why.chop(1);
            *error = QStringLiteral("line %1, column %2: %3").arg(xml_.lineNumber()).arg(xml_.columnNumber()).arg(why);
            return false;
        }
        return true;
    }

private:
    void step()
    {
        switch (xml_.tokenType()) {
        case QXmlStreamReader::DTD:
            // Entities declared in the file itself can expand without bound
            // (the billion laughs); Qt 5.12 sets no limit.
            if (xml_.text().contains(QLatin1Char('[')) || !xml_.entityDeclarations().isEmpty())
                xml_.raiseError(QStringLiteral("the DOCTYPE declares entities of its own; such files are refused"));
            break;
        case QXmlStreamReader::EntityReference:
            xml_.raiseError(QStringLiteral("undeclared entity \"%1\"").arg(xml_.name().toString()));
            break;
        case QXmlStreamReader::StartElement:
            start();
            break;
        case QXmlStreamReader::EndElement:
            end();
            break;
        case QXmlStreamReader::Characters:
            if (xml_.text().size() > kMaxField)
                tooLong();
            else if (!path_.isEmpty() && !xml_.isWhitespace())
                text_ += xml_.text();
            if (text_.size() > kMaxField)
                tooLong();
            break;
        default:
            break;
        }
    }

    // Every token of a real DAT is short. A long run without a '<' is a
    // huge attribute, text or tag; comments, CDATA sections and processing
    // instructions may hold '<', so their length counts apart. Refused here
    // before the parser holds such a token; so is a DOCTYPE with an
    // internal subset, before its declarations are read.
    bool scan(const QByteArray &piece)
    {
        const char *p = piece.constData();
        const int n = piece.size();
        // Whether `s` ends at p[i], the bytes before the piece taken from
        // the end of the last one.
        const auto ends = [&](int i, const char *s) {
            const int len = int(std::strlen(s));
            for (int k = 0; k < len; ++k) {
                const int j = i - k;
                if ((j >= 0 ? p[j] : last_[int(sizeof last_) + j]) != s[len - 1 - k])
                    return false;
            }
            return true;
        };
        for (int i = 0; i < n; ++i) {
            const char c = p[i];
            if (c == '\n') {
                ++line_;
                column_ = 0;
            } else {
                ++column_;
            }
            ++gap_;
            switch (state_) {
            case Scan::Markup:
                if (c == '<')
                    gap_ = 0;
                else if (c == '-' && ends(i, "<!--"))
                    state_ = Scan::Comment;
                else if (c == '[' && ends(i, "<![CDATA["))
                    state_ = Scan::CData;
                else if (c == '?' && ends(i, "<?"))
                    state_ = Scan::Instruction;
                else if (c == 'E' && ends(i, "<!DOCTYPE"))
                    state_ = Scan::Doctype;
                break;
            case Scan::Comment:
                state_ = c == '>' && ends(i, "-->") ? Scan::Markup : state_;
                break;
            case Scan::CData:
                state_ = c == '>' && ends(i, "]]>") ? Scan::Markup : state_;
                break;
            case Scan::Instruction:
                state_ = c == '>' && ends(i, "?>") ? Scan::Markup : state_;
                break;
            case Scan::Doctype:
                if (c == '[') {
                    scanError_ = QStringLiteral("the DOCTYPE declares entities of its own; such files are refused");
                    return false;
                }
                state_ = c == '>' ? Scan::Markup : state_;
                break;
            }
            if (gap_ > kMaxGap) {
                scanError_ = QStringLiteral("more than %1 bytes between two tags").arg(kMaxGap);
                return false;
            }
        }
        const QByteArray tail = QByteArray(last_, int(sizeof last_)).append(piece).right(int(sizeof last_));
        std::memcpy(last_, tail.constData(), sizeof last_);
        return true;
    }

    void tooLong()
    {
        xml_.raiseError(QStringLiteral("a value is longer than %1 characters").arg(kMaxField));
    }

    QString attribute(const char *name)
    {
        const QStringRef v = xml_.attributes().value(QLatin1String(name));
        if (v.size() > kMaxField) {
            tooLong();
            return QString();
        }
        return v.toString().simplified();
    }

    bool in(std::initializer_list<const char *> names) const
    {
        if (path_.size() != int(names.size()))
            return false;
        int i = 0;
        for (const char *n : names)
            if (path_[i++] != QLatin1String(n))
                return false;
        return true;
    }

    void start()
    {
        path_ << xml_.name().toString();
        text_.clear();
        if (path_.size() > kMaxDepth) {
            xml_.raiseError(QStringLiteral("elements nest more than %1 deep").arg(kMaxDepth));
            return;
        }
        for (const QXmlStreamAttribute &a : xml_.attributes())
            if (a.value().size() > kMaxField)
                return tooLong();
        if (path_.size() == 1 && path_[0] != QLatin1String("datafile")) {
            xml_.raiseError(QStringLiteral("not a Logiqx DAT file (its root element is \"%1\", not \"datafile\")")
                                .arg(path_[0]));
            return;
        }
        const bool game = in({"datafile", "game"}) || in({"datafile", "machine"});
        if (game) {
            if (out_->info.name.isEmpty()) {
                xml_.raiseError(QStringLiteral("the header gives no name"));
                return;
            }
            if (family_ < 0)
                family_ = dat_family(out_->info.name, out_->info.description);
            game_ = Game();
            game_.name = attribute("name");
        } else if (path_.size() == 3 && (path_[1] == QLatin1String("game") || path_[1] == QLatin1String("machine"))
                   && path_[2] == QLatin1String("rom")) {
            Rom rom;
            rom.name = attribute("name");
            rom.size = attribute("size");
            rom.crc = attribute("crc");
            rom.sha1 = attribute("sha1");
            rom.serial = attribute("serial");
            rom.status = attribute("status");
            game_.roms.push_back(rom);
        }
    }

    void end()
    {
        const QString text = text_.simplified();
        text_.clear();
        if (in({"datafile", "header", "name"}))
            out_->info.name = text;
        else if (in({"datafile", "header", "description"}))
            out_->info.description = text;
        else if (in({"datafile", "header", "version"}))
            out_->info.version = text;
        else if (path_.size() == 3 && path_[2] == QLatin1String("description"))
            game_.description = text;
        else if (path_.size() == 3 && path_[2] == QLatin1String("serial"))
            game_.serial = text;
        else if (in({"datafile", "game"}) || in({"datafile", "machine"}))
            finishGame();
        path_.removeLast();
    }

    void finishGame()
    {
        const QString title = game_.name.isEmpty() ? game_.description : game_.name;
        for (const Rom &rom : game_.roms) {
            bool sizeOk = false;
            const qulonglong size = rom.size.startsWith(QLatin1String("0x"))
                                        ? rom.size.mid(2).toULongLong(&sizeOk, 16)
                                        : rom.size.toULongLong(&sizeOk, 10);
            if (!sizeOk || size == 0 || size > 0xFFFFFFFFull || !is_hex(rom.crc, 8)
                || (!rom.sha1.isEmpty() && !is_hex(rom.sha1, 40)) || rom.status == QLatin1String("nodump")) {
                ++out_->skipped;
                continue;
            }
            if (out_->entries.size() >= size_t(kMaxEntries)) {
                xml_.raiseError(QStringLiteral("more than %1 entries").arg(kMaxEntries));
                return;
            }
            CatalogueEntry e;
            e.title = title;
            e.size = quint32(size);
            e.crc32 = rom.crc.toUInt(nullptr, 16);
            e.sha1 = QByteArray::fromHex(rom.sha1.toLatin1());
            e.family = family_ > 0 ? family_ : family_from_name(rom.name);
            e.serial = rom.serial.isEmpty() ? game_.serial : rom.serial;
            e.sourceKind = CatalogueKind::Dat;
            out_->entries.push_back(e);
        }
    }

    // A DAT whose header names no console: the file name's extension.
    static int family_from_name(const QString &name)
    {
        const QString ext = name.section(QLatin1Char('.'), -1).toLower();
        if (ext == QLatin1String("gba"))
            return code(ConsoleCode::gba);
        if (ext == QLatin1String("gb") || ext == QLatin1String("gbc"))
            return code(ConsoleCode::gbc);
        if (ext == QLatin1String("sfc") || ext == QLatin1String("smc"))
            return code(ConsoleCode::sfc);
        if (ext == QLatin1String("md") || ext == QLatin1String("gen"))
            return code(ConsoleCode::md);
        if (ext == QLatin1String("sms"))
            return code(ConsoleCode::sms);
        return 0;
    }

    struct Rom {
        QString name, size, crc, sha1, serial, status;
    };
    struct Game {
        QString name, description, serial;
        std::vector<Rom> roms;
    };

    QXmlStreamReader xml_;
    QIODevice *in_;
    DatFile *out_;
    std::function<void(qint64, qint64)> progress_;
    QStringList path_;
    QString text_;
    Game game_;
    int family_ = -1;
    enum class Scan { Markup, Comment, CData, Instruction, Doctype };
    Scan state_ = Scan::Markup;
    char last_[9] = {};
    qint64 line_ = 1, column_ = 0, gap_ = 0;
    QString scanError_;
};

} // namespace

int dat_family(const QString &name, const QString &description)
{
    for (const QString &text : {name, description}) {
        const QString lower = text.toLower();
        for (const Family &f : kFamilies)
            if (lower.contains(QLatin1String(f.words)))
                return code(f.code);
    }
    return 0;
}

bool read_dat(QIODevice *in, DatFile *out, QString *error, const std::function<void(qint64, qint64)> &progress)
{
    *out = DatFile();
    out->info.kind = CatalogueKind::Dat;
    if (in->size() > kMaxDatBytes) {
        *error = QStringLiteral("the file is larger than %1 MiB").arg(kMaxDatBytes >> 20);
        return false;
    }
    DatReader reader(in, out, progress);
    if (!reader.read(error)) {
        *out = DatFile();
        return false;
    }
    return true;
}

bool read_dat(const QByteArray &data, DatFile *out, QString *error)
{
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return read_dat(&buffer, out, error);
}

} // namespace verify
