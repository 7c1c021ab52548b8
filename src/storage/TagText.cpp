#include "storage/TagText.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace wl {

namespace {

bool isUtf16(TagEncoding encoding) {
    return encoding == TagEncoding::Utf16 || encoding == TagEncoding::Utf16BigEndian;
}

// Where the text's terminator starts (the size when there is none).
std::size_t terminatorAt(TagEncoding encoding, std::string_view bytes) {
    if (!isUtf16(encoding)) return std::min(bytes.find('\0'), bytes.size());
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        if (bytes[i] == '\0' && bytes[i + 1] == '\0') return i;
    }
    return bytes.size() & ~std::size_t{1};
}

QString decodeUtf16(TagEncoding encoding, std::string_view bytes) {
    bool bigEndian = encoding == TagEncoding::Utf16BigEndian;
    if (bytes.size() >= 2) {
        const auto first = static_cast<std::uint8_t>(bytes[0]);
        const auto second = static_cast<std::uint8_t>(bytes[1]);
        if (first == 0xFF && second == 0xFE) {
            bigEndian = false;
            bytes.remove_prefix(2);
        } else if (first == 0xFE && second == 0xFF) {
            bigEndian = true;
            bytes.remove_prefix(2);
        }
    }
    QStringDecoder decoder(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
                           QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString decodeText(TagEncoding encoding, std::string_view bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    switch (encoding) {
        case TagEncoding::Utf16:
        case TagEncoding::Utf16BigEndian:
            return decodeUtf16(encoding, bytes);
        case TagEncoding::Utf8:
            return QString::fromUtf8(view);
        case TagEncoding::Windows1251:
            break;
    }
    QStringDecoder decoder("windows-1251");
    return decoder.isValid() ? decoder.decode(view) : QString::fromLatin1(view);
}

}  // namespace

bool isTagEncoding(std::uint8_t byte) {
    return byte <= static_cast<std::uint8_t>(TagEncoding::Utf8);
}

std::string decodeTagText(TagEncoding encoding, std::string_view bytes) {
    QString text = decodeText(encoding, bytes.substr(0, terminatorAt(encoding, bytes)));
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() < 33) ++begin;
    while (end > begin && text[end - 1].unicode() < 33) --end;
    return text.mid(begin, end - begin).toStdString();
}

std::string_view afterTerminator(TagEncoding encoding, std::string_view bytes) {
    const std::size_t at = terminatorAt(encoding, bytes);
    const std::size_t length = isUtf16(encoding) ? 2 : 1;
    return at + length <= bytes.size() ? bytes.substr(at + length) : std::string_view();
}

}  // namespace wl
