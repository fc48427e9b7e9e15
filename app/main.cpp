#include "app/messageboxes.h"
#include "app/programicon.h"
#include "app/qtext.h"
#include "app/qtfilechooser.h"
#include "app/qtmessageboxes.h"
#include "app/qtmodaldialogs.h"
#include "app/programwindows.h"
#include "app/tmainform.h"
#include "graphic/qtprinterchoice.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <exception>

namespace {

int run(QApplication& app) {
    QtMessageBoxes boxes;
    QtFileChooser files;
    QtModalDialogs modals;
    QtPrinterChoice printers;

    // Every window is created hidden at start, the main window first.
    ProgramWindows windows({boxes, files, modals, printers, printers, nullptr,
                            QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString()});
    TMainForm& mainForm = windows.mainForm;

    // Closing the main window ends the program, whatever other window is still open.
    QObject::connect(&mainForm, &TMainForm::formClosed, &app, [] { QCoreApplication::exit(0); });
    mainForm.show();
    // A file named on the command line opens as if it had been chosen with "&Öffnen".
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        mainForm.openFile(arguments.at(1));
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("telmora"));
    QApplication::setWindowIcon(programIcon());
    // The program speaks German, the buttons of Qt's own dialogs too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    try {
        return run(app);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, toQString(ApplicationTitle), QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
