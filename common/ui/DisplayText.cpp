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

}  // namespace halvern
