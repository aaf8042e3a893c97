#include "text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace bt {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
constexpr auto kCodePage = "windows-1252";

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

RecordReader::RecordReader(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf8Bom)) {
        // Only the file's own mark is dropped: a text may begin with U+FEFF itself.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        text_ = decoder(bytes.mid(kUtf8Bom.size()));
    } else {
        QStringDecoder decoder(kCodePage);
        text_ = decoder(bytes);
    }
}

std::optional<RecordReader> RecordReader::open(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    return RecordReader(file.readAll());
}

bool RecordReader::atLineEnd() const {
    return pos_ >= text_.size() || isLineEnd(text_[pos_]);
}

void RecordReader::skipLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == u'\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
    } else if (text_[pos_] == u'\n') {
        ++pos_;
    }
}

std::optional<QString> RecordReader::readField(bool* quoted) {
    if (atEnd()) return std::nullopt;
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;

    QString field;
    const bool inQuotes = pos_ < text_.size() && text_[pos_] == u'"';
    if (quoted) *quoted = inQuotes;
    if (inQuotes) {
        ++pos_;
        const qsizetype start = pos_;
        while (!atLineEnd() && text_[pos_] != u'"') ++pos_;
        field = text_.mid(start, pos_ - start);
        // Drop the closing quote and whatever stands between it and the next comma or the line's end.
        while (!atLineEnd() && text_[pos_] != u',') ++pos_;
    } else {
        const qsizetype start = pos_;
        while (!atLineEnd() && text_[pos_] != u',') ++pos_;
        field = text_.mid(start, pos_ - start);
    }

    if (pos_ < text_.size() && text_[pos_] == u',')
        ++pos_;  // the rest of the line is the next field
    else
        skipLineEnd();
    return field;
}

std::optional<int> RecordReader::readNumber() {
    const std::optional<QString> field = readField();
    if (!field) return std::nullopt;
    bool ok = false;
    const int value = field->trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

void RecordWriter::writeNumber(int value) {
    records_.append(QLatin1Char(' ') + QString::number(value) + QLatin1Char(' '));
}

QByteArray RecordWriter::bytes() const {
    QString text;
    for (const QString& record : records_) {
        text += record;
        text += QLatin1String("\r\n");
    }
    QStringEncoder encoder(kCodePage, QStringEncoder::Flag::Stateless);
    QByteArray encoded = encoder(text);
    // A file whose text begins "ï»¿" in Windows-1252 would read as UTF-8: it is written as UTF-8 instead.
    if (!encoder.hasError() && !encoded.startsWith(kUtf8Bom)) return encoded;
    return kUtf8Bom + text.toUtf8();
}

bool RecordWriter::commit(const QString& path) const {
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray data = bytes();
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace bt
