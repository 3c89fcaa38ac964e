#include "framework/qt/qtstrings.h"

#include "framework/sjis.h"

QString ToQ(const Sjis& text) {
    const std::string utf8 = sjis::ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Sjis FromQ(const QString& text) { return Sjis(sjis::FromUtf8(text.toStdString())); }
