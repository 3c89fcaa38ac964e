#include "tools/pdfpage.h"

#include <QGuiApplication>
#include <cstdio>
#include <string_view>

#include "framework/fileerror.h"
#include "framework/savefile.h"
#include "tools/toolexit.h"

int WritePdfPage(const std::string& out, const std::function<QByteArray()>& make) {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "vpxtool: %s\n", msg.toLocal8Bit().constData());
    });
    int qargc = 3;
    char arg0[] = "vpxtool", arg1[] = "-platform", arg2[] = "offscreen";
    char* qargv[] = {arg0, arg1, arg2, nullptr};
    QGuiApplication app(qargc, qargv);
    const QByteArray pdf = make();
    const SaveResult r =
        SaveFileAtomic(out, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    if (r) return tool::kDone;
    FileError cause = r.cause;
    if (!r.created && cause == FileError::fileNotFound) cause = FileError::badPath;
    const std::string text = FileErrorText(cause, out).Utf8();
    std::fprintf(stderr, "%s\n", text.c_str());
    return tool::kFileError;
}
