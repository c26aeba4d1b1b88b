#include "DisplayText.h"

#include <QStringDecoder>

namespace halvern {

QString DecodeText(std::string_view bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(view);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(view);
}

QString DisplayText(std::string_view message) {
    QString text = DecodeText(message);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string CoreText(const QString& text) {
    return text.toUtf8().toStdString();
}

std::u16string CoreChars(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<size_t>(text.size()));
}

QString FromCoreChars(std::u16string_view chars) {
    return QString::fromUtf16(chars.data(), static_cast<qsizetype>(chars.size()));
}

}  // namespace halvern
