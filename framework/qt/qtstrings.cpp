#include "framework/qt/qtstrings.h"

#include "framework/sjis.h"

QString ToQ(const std::string& sjis) {
    const std::string utf8 = sjis::ToUtf8(sjis);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQ(const QString& text) { return sjis::FromUtf8(text.toStdString()); }
