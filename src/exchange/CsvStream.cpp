#include "exchange/CsvStream.h"

#include "contacts/FileErrors.h"
#include "contacts/StoredText.h"
#include "contacts/Windows1252.h"

#include <algorithm>
#include <cerrno>

namespace {

// False when the bytes end inside a UTF-8 sequence whose lead byte they hold.
bool endsWholeUtf8(QByteArrayView tail)
{
    for (qsizetype back = 1; back <= std::min<qsizetype>(4, tail.size()); ++back) {
        const auto lead = static_cast<unsigned char>(tail[tail.size() - back]);
        if ((lead & 0xC0) == 0x80)
            continue; // a continuation byte: the lead is further back
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        return length <= back;
    }
    return true;
}

} // namespace

QByteArray CsvStream::readBytes(qsizetype count)
{
    errno = 0;
    QByteArray bytes = m_device.read(count);
    if (bytes.isEmpty() && !m_device.atEnd())
        throw FileErrors::fromErrno(errno ? errno : EIO);
    return bytes;
}

CsvStream::CsvStream(QIODevice& device, qsizetype pieceBytes) : m_device(device), m_pieceBytes(pieceBytes)
{
    const QByteArray start = m_device.peek(3);
    qint64 body = 0;
    if (start.startsWith("\xFF\xFE"))
        m_encoding = Encoding::Utf16LE, body = 2;
    else if (start.startsWith("\xFE\xFF"))
        m_encoding = Encoding::Utf16BE, body = 2;
    else if (start.startsWith("\xEF\xBB\xBF"))
        body = 3;
    if (m_encoding == Encoding::Utf8) {
        // All of it valid UTF-8, or all of it Windows-1252: the whole file says which.
        m_device.seek(body);
        QStringDecoder utf8(QStringDecoder::Utf8);
        QByteArray tail;
        for (QByteArray piece; !(piece = readBytes(m_pieceBytes)).isEmpty();) {
            const QString text = utf8.decode(piece); // decodes only when made into text
            tail = (tail + piece).right(4);
        }
        if (utf8.hasError() || !endsWholeUtf8(tail))
            m_encoding = Encoding::Windows1252;
    }
    switch (m_encoding) {
    case Encoding::Utf8: m_decoder = QStringDecoder(QStringDecoder::Utf8); break;
    case Encoding::Utf16LE: m_decoder = QStringDecoder(QStringDecoder::Utf16LE); break;
    case Encoding::Utf16BE: m_decoder = QStringDecoder(QStringDecoder::Utf16BE); break;
    case Encoding::Windows1252: break;
    }
    m_device.seek(body);
}

void CsvStream::readPiece(qsizetype atLeast)
{
    const QByteArray piece = readBytes(std::max(m_pieceBytes, atLeast));
    m_end = piece.isEmpty();
    m_bodyBytes += piece.size();
    if (m_encoding == Encoding::Windows1252) {
        m_text += fromWindows1252(piece);
        return;
    }
    m_held += m_decoder.decode(piece);
    // Decoded whole, an odd last byte of UTF-16 is a replacement character.
    if (m_end && m_encoding != Encoding::Utf8 && m_bodyBytes % 2 == 1)
        m_held += QChar(QChar::ReplacementCharacter);
    // Nothing composes across a line break, so the text up to the last one is composed as a
    // whole text would be.
    qsizetype upTo = m_held.size();
    if (!m_end) {
        while (upTo > 0 && m_held[upTo - 1] != u'\r' && m_held[upTo - 1] != u'\n')
            --upTo;
    }
    m_text += composedText(m_held.left(upTo));
    m_held.remove(0, upTo);
}

std::optional<CsvRecord> CsvStream::next()
{
    for (;;) {
        if (m_at < m_text.size()) {
            CsvRecordRead read = readCsvRecord(m_text, m_at);
            // Whole once text follows its line break (a CR may be the first half of a CR LF) and
            // no quote it left open could close further on.
            if (m_end || (read.ended && read.next < m_text.size())) {
                m_at = read.next;
                return std::move(read.record);
            }
        } else if (m_end) {
            return std::nullopt;
        }
        m_text.remove(0, m_at);
        m_at = 0;
        // At least as much again as is held, so a record longer than a piece is read in few steps.
        readPiece(m_text.size());
    }
}
