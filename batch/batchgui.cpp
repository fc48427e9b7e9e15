#include "batch/batchgui.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

// Qt's notes about the environment (no runtime folder, fonts) are no concern of the batch tool's user;
// only real errors reach stderr.
void BatchQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "telmora-batch: %s\n", message.toLocal8Bit().constData());
}

} // namespace

void startOffscreenGui() {
    static int argc = 1;
    static char name[] = "telmora-batch";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    qInstallMessageHandler(BatchQtMessage);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}
